// Lines, Bézier curves, polylines and polygons.

#include <cmath>

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/shapes.h"

namespace varnimo {
namespace {

using surface_detail::FillWith;
using surface_detail::DrawOutline;
using surface_detail::DrawPoints;
using surface_detail::DrawWith;
using surface_detail::kPenNotSelected;

constexpr std::string_view kPolygonFailed = "画多边形失败(Polygon()返回0)请检查GDI_图形是否已创建";

// Bézier points come as a start point followed by groups of three.
bool FollowsBezierRule(std::int32_t count) {
  return std::abs(std::fmod(static_cast<double>(count) - 1, 3.0)) <= 1e-7;
}

}  // namespace

bool DrawingSurface::DrawLine(const GdiPen& pen, std::int32_t x1, std::int32_t y1,
                              std::int32_t x2, std::int32_t y2) {
  surface_detail::Selection penSelection(memoryDc, pen.GetHandle());
  if (!penSelection) return ReportFailure(kPenNotSelected);
  platform::POINT previousPosition{};
  if (!platform::MoveToEx(memoryDc, x1, y1, &previousPosition)) {
    return ReportFailure("指定画笔位置失败(MoveToEx()返回0)请检查GDI_图形是否已创建");
  }
  if (!platform::LineTo(memoryDc, x2, y2)) {
    return ReportFailure("画直线失败(LineTo()返回0)请检查GDI_图形是否已创建");
  }
  return true;
}

bool DrawingSurface::DrawBeziers(const GdiPen& pen, std::span<Point> points,
                                 std::optional<std::int32_t> count) {
  surface_detail::Selection penSelection(memoryDc, pen.GetHandle());
  // The rule is checked before the pen, so a bad count is named even without a pen.
  const std::int32_t used =
      count.value_or(Saturate(static_cast<std::int64_t>(points.size())));
  if (!FollowsBezierRule(used)) {
    return ReportFailure(
        "画多条贝塞尔曲线 的第一个参数 点集合 点 数组类型 中的第一个点指定了起点。"
        "剩下的点三个一组——包括两个控件点和一个终点，必须符合规范，除去一个，"
        "必能与3整除！");
  }
  if (!penSelection) return ReportFailure(kPenNotSelected);
  const bool drawn = DrawPoints(points, count, [&](const platform::POINT* block, std::int32_t n) {
    return platform::PolyBezier(memoryDc, block, static_cast<platform::DWORD>(n)) != 0;
  });
  if (!drawn) return ReportFailure("画贝赛尔曲线集合失败(PolyBezier()返回0)请检查GDI_图形是否已创建");
  return true;
}

bool DrawingSurface::DrawPolyline(const GdiPen& pen, std::span<Point> points,
                                  std::optional<std::int32_t> count) {
  return DrawWith(memoryDc, pen.GetHandle(), kPenNotSelected,
                  "画直线集合失败(PolyLine()返回0)请检查GDI_图形是否已创建", [&] {
                    return DrawPoints(points, count, [&](const platform::POINT* block, int n) {
                      return platform::Polyline(memoryDc, block, n) != 0;
                    });
                  });
}

bool DrawingSurface::DrawPolygon(const GdiPen& pen, std::span<Point> points,
                                 std::optional<std::int32_t> count) {
  return DrawOutline(memoryDc, pen, kPolygonFailed, [&] {
    return DrawPoints(points, count, [&](const platform::POINT* block, int n) {
      return platform::Polygon(memoryDc, block, n) != 0;
    });
  });
}

bool DrawingSurface::FillPolygon(const GdiBrush& brush, std::span<Point> points,
                                 std::optional<std::int32_t> count) {
  return FillWith(memoryDc, brush, kPolygonFailed, [&] {
    return DrawPoints(points, count, [&](const platform::POINT* block, int n) {
      return platform::Polygon(memoryDc, block, n) != 0;
    });
  });
}

}  // namespace varnimo
