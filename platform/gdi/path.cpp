// Path brackets: BeginPath starts recording the shape calls, EndPath closes the
// bracket, and filling, stroking or turning the path into a region consumes it.

#include "platform/gdi/path.h"

#include "platform/gdi/coverage_p.h"
#include "platform/gdi/paint_p.h"
#include "platform/gdi/region_p.h"

namespace platform {
namespace {

using namespace gdi;

using Phase = PathState::Phase;

// A DC with a closed path, for the calls that consume it.
std::optional<Canvas> WithClosedPath(HDC handle) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || canvas->dc->path.phase != Phase::Closed) return std::nullopt;
  return canvas;
}

Qt::FillRule FillRuleOf(const DeviceContext& dc) {
  return dc.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
}

void Consume(DeviceContext& dc) {
  dc.path.phase = Phase::None;
  dc.path.path = QPainterPath();
}

void FillWithBrush(Canvas& canvas) {
  DeviceContext& dc = *canvas.dc;
  const Fill fill = ResolveBrush(dc, dc.brush).value_or(Fill{});
  PaintArea(canvas, PathArea(dc.path.path, FillRuleOf(dc), WorkArea(canvas, 1)), fill);
}

enum class Paint { Fill, Stroke, Both };

BOOL PaintPath(HDC handle, Paint paint) {
  auto canvas = WithClosedPath(handle);
  if (!canvas) return FALSE;
  if (paint != Paint::Stroke) FillWithBrush(*canvas);
  if (paint != Paint::Fill) StrokeWithPen(*canvas, canvas->dc->path.path);
  Consume(*canvas->dc);
  return TRUE;
}

}  // namespace

BOOL BeginPath(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc) return FALSE;
  dc->path.phase = Phase::Recording;
  dc->path.path = QPainterPath();
  return TRUE;
}

BOOL EndPath(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || dc->path.phase != Phase::Recording) return FALSE;
  dc->path.phase = Phase::Closed;
  return TRUE;
}

BOOL AbortPath(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc) return FALSE;
  Consume(*dc);
  return TRUE;
}

BOOL CloseFigure(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || dc->path.phase != Phase::Recording || dc->path.path.isEmpty()) return FALSE;
  dc->path.path.closeSubpath();
  return TRUE;
}

BOOL FillPath(HDC dc) { return PaintPath(dc, Paint::Fill); }
BOOL StrokePath(HDC dc) { return PaintPath(dc, Paint::Stroke); }
BOOL StrokeAndFillPath(HDC dc) { return PaintPath(dc, Paint::Both); }

HRGN PathToRegion(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || dc->path.phase != Phase::Closed) return 0;
  // The region is not limited to the DC's pixels; its size is limited instead.
  constexpr auto kLimit = static_cast<qreal>(kRegionCoordinateLimit);
  const QRectF bounds = dc->path.path.controlPointRect();
  if (bounds.left() < -kLimit || bounds.top() < -kLimit || bounds.right() > kLimit ||
      bounds.bottom() > kLimit ||
      (bounds.width() + 2) * (bounds.height() + 2) > static_cast<qreal>(kMaxPolygonRegionPixels)) {
    return 0;
  }
  auto region = std::make_shared<RegionObject>();
  region->region =
      PathArea(dc->path.path, FillRuleOf(*dc), bounds.toAlignedRect().adjusted(-1, -1, 1, 1));
  const HRGN made = Regions().Insert(std::move(region));
  if (made != 0) Consume(*dc);
  return made;
}

}  // namespace platform
