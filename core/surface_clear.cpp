// Clearing the back buffer or the window to black.

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/shapes.h"

namespace varnimo {
namespace {

// The null pen makes Rectangle fill its interior and draw no edge, so exactly the
// rectangle (right and bottom excluded) turns black.
bool ClearArea(platform::HDC dc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
  return surface_detail::DrawFilled(
      dc, platform::GetStockObject(platform::BLACK_BRUSH), "选入刷子失败(SelectObject()返回0)",
      "清除失败(Rectangle()返回0)请检查GDI_图形是否已创建",
      [&] { return platform::Rectangle(dc, left, top, right, bottom); });
}

}  // namespace

bool DrawingSurface::Clear() { return ClearArea(memoryDc, 0, 0, width, height); }

bool DrawingSurface::ClearRect(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) {
  return ClearArea(memoryDc, left, top, right, bottom);
}

bool DrawingSurface::ClearWindow() { return ClearArea(windowDc, 0, 0, width, height); }

bool DrawingSurface::ClearWindowRect(std::int32_t left, std::int32_t top, std::int32_t right,
                                     std::int32_t bottom) {
  return ClearArea(windowDc, left, top, right, bottom);
}

}  // namespace varnimo
