// Lines and polygons: LineTo, Polyline, PolyBezier and Polygon (the pixel rules are
// stated in shapes.cpp).

#include <limits>
#include <span>

#include "platform/gdi/coverage_p.h"
#include "platform/gdi/paint_p.h"
#include "platform/gdi/path_p.h"
#include "platform/gdi/shapes.h"

namespace platform {
namespace {

using namespace gdi;

QPointF PointOf(const POINT& point) { return QPointF(point.x, point.y); }

// Draws an open or closed figure with the DC's pen, or records it in the path.
BOOL StrokeFigure(Canvas& canvas, const QPainterPath& figure) {
  if (QPainterPath* path = RecordingPath(*canvas.dc)) {
    path->addPath(figure);
  } else {
    StrokeWithPen(canvas, figure);
  }
  return TRUE;
}

QPainterPath Polyline(std::span<const POINT> points) {
  QPainterPath figure(PointOf(points.front()));
  for (const POINT& point : points.subspan(1)) figure.lineTo(PointOf(point));
  return figure;
}

}  // namespace

namespace gdi {

void StrokeWithPen(Canvas& canvas, const QPainterPath& figure) {
  const auto pen = ResolvePen(*canvas.dc);
  if (!pen) return;
  const QRect limit = WorkArea(canvas, pen->width + 2);
  const QRegion solid =
      pen->width > 1 ? WideLineArea(figure, pen->width, limit) : ThinLineArea(figure, {}, limit);
  std::optional<QRegion> dashed;
  if (!pen->dashes.empty()) dashed = ThinLineArea(figure, pen->dashes, limit);
  PaintOutline(canvas, *pen, solid, dashed);
}

}  // namespace gdi

BOOL LineTo(HDC handle, int x, int y) {
  auto canvas = OpenCanvas(handle);
  if (!canvas) return FALSE;
  DeviceContext& dc = *canvas->dc;
  const QPointF from = PointOf(dc.position);
  dc.position = POINT{x, y};
  if (QPainterPath* path = RecordingPath(dc)) {
    // A line that does not continue the current figure starts a new one.
    if (path->isEmpty() || path->currentPosition() != from) path->moveTo(from);
    path->lineTo(x, y);
    return TRUE;
  }
  QPainterPath line(from);
  line.lineTo(x, y);
  return StrokeFigure(*canvas, line);
}

BOOL Polyline(HDC handle, const POINT* points, int count) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || points == nullptr || count < 2) return FALSE;
  return StrokeFigure(*canvas, Polyline(std::span(points, static_cast<std::size_t>(count))));
}

BOOL PolyBezier(HDC handle, const POINT* points, DWORD count) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || points == nullptr || count == 0 || (count - 1) % 3 != 0) return FALSE;
  if (count > static_cast<DWORD>(std::numeric_limits<int>::max())) return FALSE;
  QPainterPath figure(PointOf(points[0]));
  for (DWORD i = 1; i < count; i += 3) {
    figure.cubicTo(PointOf(points[i]), PointOf(points[i + 1]), PointOf(points[i + 2]));
  }
  return StrokeFigure(*canvas, figure);
}

BOOL Polygon(HDC handle, const POINT* points, int count) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || points == nullptr || count < 2) return FALSE;
  QPainterPath figure = Polyline(std::span(points, static_cast<std::size_t>(count)));
  figure.closeSubpath();
  DeviceContext& dc = *canvas->dc;
  if (RecordingPath(dc) == nullptr) {
    const Qt::FillRule rule = dc.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    const Fill fill = ResolveBrush(dc, dc.brush).value_or(Fill{});
    PaintArea(*canvas, PathArea(figure, rule, WorkArea(*canvas, 1)), fill);
  }
  return StrokeFigure(*canvas, figure);
}

}  // namespace platform
