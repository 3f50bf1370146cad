// Filling and framing regions, and the path bracket.

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/path.h"
#include "platform/gdi/region.h"

namespace varnimo {

// The region's handle is asked for before the brush's; neither is selected.
bool DrawingSurface::FillRegion(const GdiBrush& brush, const GdiRegion& region) {
  const platform::HRGN regionHandle = region.GetHandle();
  if (!platform::FillRgn(memoryDc, regionHandle, brush.GetHandle())) {
    return ReportFailure("填充区域失败(FillRgn()返回值为0)");
  }
  return true;
}

bool DrawingSurface::FrameRegion(const GdiBrush& brush, const GdiRegion& region,
                                 std::int32_t frameWidth, std::int32_t frameHeight) {
  const platform::HRGN regionHandle = region.GetHandle();
  if (!platform::FrameRgn(memoryDc, regionHandle, brush.GetHandle(), frameWidth, frameHeight)) {
    return ReportFailure("描边区域失败(FrameRgn()返回值为0)");
  }
  return true;
}

bool DrawingSurface::StartPath() {
  if (!platform::BeginPath(memoryDc)) {
    return ReportFailure("启动路径失败(BeiginPath()返回0)请检查GDI_图形是否已创建");
  }
  return true;
}

bool DrawingSurface::FinishPath() {
  if (!platform::EndPath(memoryDc)) {
    return ReportFailure("结束路径失败(EndPath()返回0)请检查路径是否已开始");
  }
  return true;
}

bool DrawingSurface::FillRecordedPath(const GdiBrush& brush) {
  return surface_detail::DrawWith(memoryDc, brush.GetHandle(), surface_detail::kBrushNotSelected,
                                  "填充路径失败(FillPath()返回0)请检查路径是否已启动",
                                  [&] { return platform::FillPath(memoryDc); });
}

bool DrawingSurface::StrokeRecordedPath(const GdiPen& pen) {
  return surface_detail::DrawWith(memoryDc, pen.GetHandle(), surface_detail::kPenNotSelected,
                                  "描边路径失败(StrokePath()返回0)请检查路径是否已启动",
                                  [&] { return platform::StrokePath(memoryDc); });
}

}  // namespace varnimo
