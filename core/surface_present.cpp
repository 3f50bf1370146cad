// Showing the back buffer in the window, from the scroll origin.

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/blit/transfer.h"

namespace varnimo {

using surface_detail::ReportUnlessDone;

bool DrawingSurface::Present(RasterOperation rop) {
  return ReportUnlessDone(
      platform::BitBlt(windowDc, 0, 0, GetWindowWidth(), GetWindowHeight(), memoryDc, originX,
                       originY, rop.value_or(platform::SRCCOPY)),
      surface_detail::kBitBltFailed);
}

void DrawingSurface::ScrollBy(std::int32_t dx, std::int32_t dy) {
  originX = Saturate(std::int64_t{originX} - dx);
  originY = Saturate(std::int64_t{originY} - dy);
}

bool DrawingSurface::PresentRect(std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height, RasterOperation rop) {
  return ReportUnlessDone(platform::BitBlt(windowDc, x, y, width, height, memoryDc, originX,
                                           originY, rop.value_or(platform::SRCCOPY)),
                          surface_detail::kBitBltFailed);
}

// Source and destination have the same size: nothing is scaled.
bool DrawingSurface::PresentBlended(std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, std::int32_t opacity) {
  return ReportUnlessDone(
      platform::AlphaBlend(windowDc, x, y, width, height, memoryDc, originX, originY, width,
                           height, surface_detail::ConstantBlend(opacity)),
      surface_detail::kAlphaBlendFailed);
}

}  // namespace varnimo
