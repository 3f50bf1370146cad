#include "platform/gdi/objects_p.h"

#include <QTransform>
#include <limits>

namespace platform::gdi {
namespace {

// A surface's pixels must fit in 31 bits of bytes, the limit Qt's images and the
// 32-bit size fields of bitmap headers share.
bool SizeAllowed(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  const auto pixels = static_cast<std::int64_t>(width) * height;  // below 2^62
  return pixels <= std::numeric_limits<std::int32_t>::max() / 4;
}

}  // namespace

std::shared_ptr<PixelSurface> PixelSurface::Create(int width, int height, QImage::Format format) {
  auto surface = std::make_shared<PixelSurface>();
  if (!SizeAllowed(width, height)) return surface;
  surface->image = QImage(width, height, format);
  // QImage reports an allocation failure as a null image.
  if (!surface->image.isNull()) surface->image.fill(QColor(0, 0, 0));
  return surface;
}

std::shared_ptr<PixelSurface> PixelSurface::Wrap(void* bits, int width, int height, int stride,
                                                 bool bottomUp, QImage::Format format) {
  auto surface = std::make_shared<PixelSurface>();
  if (bits == nullptr || !SizeAllowed(width, height) || stride < width * 4) return surface;
  surface->image = QImage(static_cast<uchar*>(bits), width, height, stride, format);
  surface->bottomUp = bottomUp;
  return surface;
}

void PixelSurface::BeginPainting(QPainter& painter) {
  painter.begin(&image);
  // Memory row 0 of a bottom-up surface is the picture's last row: mirror the painter
  // so that callers draw in picture coordinates.
  if (bottomUp) painter.setTransform(QTransform(1, 0, 0, -1, 0, image.height()));
}

HandleTable<DeviceContext>& DeviceContexts() {
  static HandleTable<DeviceContext> table(HandleKind::DeviceContext);
  return table;
}
HandleTable<BitmapObject>& Bitmaps() {
  static HandleTable<BitmapObject> table(HandleKind::Bitmap);
  return table;
}
HandleTable<PenObject>& Pens() {
  static HandleTable<PenObject> table(HandleKind::Pen);
  return table;
}
HandleTable<BrushObject>& Brushes() {
  static HandleTable<BrushObject> table(HandleKind::Brush);
  return table;
}
HandleTable<FontObject>& Fonts() {
  static HandleTable<FontObject> table(HandleKind::Font);
  return table;
}
HandleTable<RegionObject>& Regions() {
  static HandleTable<RegionObject> table(HandleKind::Region);
  return table;
}

HDC CreateWindowDC(HWND window, std::shared_ptr<PixelSurface> pixels) {
  if (!pixels || !pixels->Valid()) return 0;
  auto dc = std::make_shared<DeviceContext>();
  dc->memory = false;
  dc->window = window;
  dc->target = std::move(pixels);
  dc->pen = StockObject(BLACK_PEN);
  dc->brush = StockObject(WHITE_BRUSH);
  dc->font = StockObject(SYSTEM_FONT);
  return DeviceContexts().Insert(std::move(dc));
}

QRegion EffectiveClip(const DeviceContext& dc) {
  if (!dc.target || !dc.target->Valid()) return {};
  QRegion clip(0, 0, dc.target->Width(), dc.target->Height());
  if (dc.systemClip) clip &= *dc.systemClip;
  if (dc.clip) clip &= *dc.clip;
  return clip;
}

}  // namespace platform::gdi
