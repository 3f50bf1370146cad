// Box shapes: Rectangle, Ellipse, RoundRect, Arc, Chord and Pie.
//
// Pixel rules for every drawing call of this GDI (shapes, lines, regions, paths):
//
// - Coordinates are device pixels; pixel (x, y) is the unit square [x, x+1) x [y, y+1)
//   with its centre at (x + 0.5, y + 0.5). Drawing is aliased: a pixel is painted
//   entirely or not at all.
// - A shape's box (left, top, right, bottom; the edges are put in order first) covers
//   the pixels [left, right) x [top, bottom). The shape's area is the set of pixels
//   whose centres lie inside the shape inscribed in the box: all of the box for
//   Rectangle, the inscribed ellipse for Ellipse, a rectangle with elliptic corners of
//   cornerWidth x cornerHeight for RoundRect, and the part of the ellipse cut off by
//   the chord or bounded by the two radials for Chord and Pie.
// - With the null pen the brush fills the whole area: Rectangle(dc, 0, 0, w, h) with
//   the null pen fills every pixel of a w x h bitmap.
// - A pen of width w (0 counts as 1) paints the area's outermost w pixels (the area
//   minus its erosion, see Ring in coverage_p.h): a width-1 pen paints its outermost
//   ring, so Rectangle's outline runs along columns left and right - 1 and rows top
//   and bottom - 1. A pen wider than 1 is centred on that outline: the box grows by
//   (w - 1) / 2 pixels on each side before the ring is taken, except with
//   PS_INSIDEFRAME, which keeps the whole pen inside the box. The brush fills the
//   area inside the pen.
// - Dashed styles (PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT) apply to pens of width
//   0 and 1: the dashes (18/6, 3/3, 9/6/3/6 and 9/3/3/3/3/3 pixels) run along the
//   outline and paint only pixels of the solid outline; in OPAQUE background mode the
//   gaps take the background colour. Wider styled pens draw solid.
// - Arc, Chord and Pie go from the radial through (xStart, yStart) to the radial
//   through (xEnd, yEnd) of the box's centre, counter-clockwise as seen on the screen
//   by default (SetArcDirection); equal radials make the whole ellipse. Arc paints the
//   pixels of the ellipse's outline that lie in that sector (centres on a radial
//   count as inside).
// - Lines (LineTo, Polyline, PolyBezier) and polygon outlines go through the points
//   as pixel coordinates: a width-1 line paints the pixels of an aliased line from
//   pixel to pixel, excluding the last point of an open figure (so LineTo excludes
//   its end pixel). Polygon's outline is closed and so includes every vertex; its
//   brush fills the pixels whose centres are inside the polygon by the DC's fill
//   mode. Wider pens draw round-joined strokes with round ends of that width.
// - Paths and polygon regions fill the pixels whose centres are inside them, so a
//   recorded Rectangle fills exactly what Rectangle with the null pen fills.
// - Drawing is clipped to the DC's clip (EffectiveClip).

#include "platform/gdi/shapes.h"

#include "platform/gdi/arc_geometry_p.h"
#include "platform/gdi/coverage_p.h"
#include "platform/gdi/paint_p.h"
#include "platform/gdi/path_p.h"

namespace platform {
namespace {

using namespace gdi;

// The line a one-pixel pen follows around the box: through the centres of its
// outermost pixels, in the aliased painter's pixel coordinates.
QRectF OutlineRect(const Box& box) {
  return QRectF(static_cast<double>(box.left), static_cast<double>(box.top),
                static_cast<double>(box.Width() - 1), static_cast<double>(box.Height() - 1));
}

QRectF AreaRect(const Box& box) {
  return QRectF(static_cast<double>(box.left), static_cast<double>(box.top),
                static_cast<double>(box.Width()), static_cast<double>(box.Height()));
}

// A closed box shape: `area(box, limit)` gives its pixels, `trace(path, rect)` adds
// its outline inscribed in `rect` to a path (for dashes and for path recording).
template <typename Area, typename Trace>
BOOL DrawClosedShape(HDC handle, const Box& box, Area area, Trace trace) {
  auto canvas = OpenCanvas(handle);
  if (!canvas) return FALSE;
  DeviceContext& dc = *canvas->dc;
  if (QPainterPath* path = RecordingPath(dc)) {
    trace(*path, AreaRect(box));
    path->closeSubpath();
    return TRUE;
  }
  const Fill fill = ResolveBrush(dc, dc.brush).value_or(Fill{});
  const auto pen = ResolvePen(dc);
  if (!pen) {
    PaintArea(*canvas, area(box, WorkArea(*canvas, 1)), fill);
    return TRUE;
  }
  const QRect limit = WorkArea(*canvas, pen->width + 2);
  const Box outer = pen->insideFrame ? box : box.Inflated((pen->width - 1) / 2);
  const QRegion shape = area(outer, limit);
  const QRegion ring = Ring(shape, pen->width);
  PaintArea(*canvas, shape - ring, fill);
  std::optional<QRegion> dashed;
  if (!pen->dashes.empty() && !outer.Empty()) {
    QPainterPath outline;
    trace(outline, OutlineRect(outer));
    outline.closeSubpath();
    dashed = ThinLineArea(outline, pen->dashes, limit);
  }
  PaintOutline(*canvas, *pen, ring, dashed);
  return TRUE;
}

ArcGeometry ArcOf(HDC handle, const Box& box, int xStart, int yStart, int xEnd, int yEnd) {
  auto dc = DeviceContexts().Find(handle);
  const int direction = dc ? dc->arcDirection : AD_COUNTERCLOCKWISE;
  return ArcGeometry(box, xStart, yStart, xEnd, yEnd, direction);
}

enum class Cut { Chord, Pie };

// Chord and Pie: the ellipse's pixels on the arc's side of the chord, or within the
// sector between the radials.
BOOL DrawCut(HDC handle, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
             int yEnd, Cut cut) {
  const Box box = MakeBox(left, top, right, bottom);
  if (box.Empty()) return OpenCanvas(handle) ? TRUE : FALSE;
  const ArcGeometry arc = ArcOf(handle, box, xStart, yStart, xEnd, yEnd);
  const auto keep = [&arc, cut](double x, double y) {
    return cut == Cut::Pie ? arc.InSector(x, y) : arc.OnArcSide(x, y);
  };
  return DrawClosedShape(
      handle, box,
      [&keep](const Box& b, const QRect& limit) { return Filter(EllipseArea(b, limit), keep); },
      [&arc, cut](QPainterPath& path, const QRectF& rect) {
        if (cut == Cut::Pie) {
          path.moveTo(rect.center());
          arc.AddTo(path, rect, ArcGeometry::Join::Line);
        } else {
          arc.AddTo(path, rect, ArcGeometry::Join::NewFigure);
        }
      });
}

}  // namespace

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  return DrawClosedShape(dc, MakeBox(left, top, right, bottom), RectArea,
                         [](QPainterPath& path, const QRectF& rect) { path.addRect(rect); });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  return DrawClosedShape(dc, MakeBox(left, top, right, bottom), EllipseArea,
                         [](QPainterPath& path, const QRectF& rect) { path.addEllipse(rect); });
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight) {
  return DrawClosedShape(
      dc, MakeBox(left, top, right, bottom),
      [=](const Box& box, const QRect& limit) {
        return RoundRectArea(box, cornerWidth, cornerHeight, limit);
      },
      [=](QPainterPath& path, const QRectF& rect) {
        path.addRoundedRect(rect, std::abs(cornerWidth) / 2.0, std::abs(cornerHeight) / 2.0);
      });
}

BOOL Arc(HDC handle, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
  auto canvas = OpenCanvas(handle);
  if (!canvas) return FALSE;
  const Box box = MakeBox(left, top, right, bottom);
  if (box.Empty()) return TRUE;
  const ArcGeometry arc = ArcOf(handle, box, xStart, yStart, xEnd, yEnd);
  if (QPainterPath* path = RecordingPath(*canvas->dc)) {
    arc.AddTo(*path, AreaRect(box), ArcGeometry::Join::NewFigure);
    return TRUE;
  }
  const auto pen = ResolvePen(*canvas->dc);
  if (!pen) return TRUE;
  const QRect limit = WorkArea(*canvas, pen->width + 2);
  const Box outer = pen->insideFrame ? box : box.Inflated((pen->width - 1) / 2);
  const QRegion ring = Filter(Ring(EllipseArea(outer, limit), pen->width),
                              [&arc](double x, double y) { return arc.InSector(x, y); });
  std::optional<QRegion> dashed;
  if (!pen->dashes.empty()) {
    QPainterPath outline;
    arc.AddTo(outline, OutlineRect(outer), ArcGeometry::Join::NewFigure);
    dashed = ThinLineArea(outline, pen->dashes, limit);
  }
  PaintOutline(*canvas, *pen, ring, dashed);
  return TRUE;
}

BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd) {
  return DrawCut(dc, left, top, right, bottom, xStart, yStart, xEnd, yEnd, Cut::Chord);
}

BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
  return DrawCut(dc, left, top, right, bottom, xStart, yStart, xEnd, yEnd, Cut::Pie);
}

}  // namespace platform
