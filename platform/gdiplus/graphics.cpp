#include "platform/gdiplus/graphics.h"

#include <memory>

#include "platform/gdi/objects_p.h"
#include "platform/gdiplus/graphics_p.h"
#include "platform/gdiplus/startup.h"

namespace platform {
namespace gdiplus {

HandleTable<GraphicsObject>& Graphics() {
  static HandleTable<GraphicsObject> table(HandleKind::GdipGraphics);
  return table;
}

}  // namespace gdiplus

Status GdipCreateFromHDC(HDC dc, GpGraphics* graphics) {
  if (!GdiplusIsRunning()) return GdiplusNotInitialized;
  if (graphics == nullptr || !gdi::DeviceContexts().Find(dc)) return InvalidParameter;
  auto object = std::make_shared<gdiplus::GraphicsObject>();
  object->dc = dc;
  const GpGraphics handle = gdiplus::Graphics().Insert(std::move(object));
  if (handle == 0) return OutOfMemory;
  *graphics = handle;
  return Ok;
}

Status GdipDeleteGraphics(GpGraphics graphics) {
  if (!GdiplusIsRunning()) return GdiplusNotInitialized;
  return gdiplus::Graphics().Remove(graphics) ? Ok : InvalidParameter;
}

Status GdipGetDC(GpGraphics graphics, HDC* dc) {
  if (!GdiplusIsRunning()) return GdiplusNotInitialized;
  const auto object = gdiplus::Graphics().Find(graphics);
  if (!object || dc == nullptr) return InvalidParameter;
  if (object->dcHandedOut) return ObjectBusy;
  if (!gdi::DeviceContexts().Find(object->dc)) return InvalidParameter;
  bool free = false;
  if (!object->dcHandedOut.compare_exchange_strong(free, true)) return ObjectBusy;
  *dc = object->dc;
  return Ok;
}

Status GdipReleaseDC(GpGraphics graphics, HDC dc) {
  if (!GdiplusIsRunning()) return GdiplusNotInitialized;
  const auto object = gdiplus::Graphics().Find(graphics);
  if (!object || object->dc != dc) return InvalidParameter;
  bool handedOut = true;
  return object->dcHandedOut.compare_exchange_strong(handedOut, false) ? Ok : InvalidParameter;
}

}  // namespace platform
