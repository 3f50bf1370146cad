// Region objects: creation, combination and queries. Pixel rules as for the shapes
// (shapes.cpp): an elliptic region holds exactly the pixels Ellipse fills.

#include "platform/gdi/region.h"

#include <span>

#include "platform/gdi/coverage_p.h"
#include "platform/gdi/objects_p.h"
#include "platform/gdi/region_p.h"

namespace platform {
namespace {

using namespace gdi;

bool WithinLimits(const Box& box) {
  return box.left >= -kRegionCoordinateLimit && box.top >= -kRegionCoordinateLimit &&
         box.right <= kRegionCoordinateLimit && box.bottom <= kRegionCoordinateLimit;
}

QRect WholeBox(const Box& box) {
  return QRect(static_cast<int>(box.left), static_cast<int>(box.top), static_cast<int>(box.Width()),
               static_cast<int>(box.Height()));
}

HRGN Insert(QRegion region) {
  auto object = std::make_shared<RegionObject>();
  object->region = std::move(region);
  return Regions().Insert(std::move(object));
}

// Makes a region of a box shape; 0 when the box is out of range.
template <typename Area>
HRGN CreateBoxRegion(int left, int top, int right, int bottom, Area area) {
  const Box box = MakeBox(left, top, right, bottom);
  if (!WithinLimits(box) || box.Height() > kMaxCurvedRegionRows) return 0;
  return Insert(area(box, WholeBox(box)));
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  const Box box = MakeBox(left, top, right, bottom);
  if (!WithinLimits(box)) return 0;
  return Insert(QRegion(WholeBox(box)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (rect == nullptr) return 0;
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return CreateBoxRegion(left, top, right, bottom, EllipseArea);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
  return CreateBoxRegion(left, top, right, bottom, [=](const Box& box, const QRect& limit) {
    return RoundRectArea(box, cornerWidth, cornerHeight, limit);
  });
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  if (points == nullptr || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING)) return 0;
  const std::span<const POINT> corners(points, static_cast<std::size_t>(count));
  QPainterPath polygon(QPointF(corners[0].x, corners[0].y));
  Box bounds{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const POINT& corner : corners.subspan(1)) {
    polygon.lineTo(corner.x, corner.y);
    bounds = Box{std::min<std::int64_t>(bounds.left, corner.x),
                 std::min<std::int64_t>(bounds.top, corner.y),
                 std::max<std::int64_t>(bounds.right, corner.x),
                 std::max<std::int64_t>(bounds.bottom, corner.y)};
  }
  polygon.closeSubpath();
  if (!WithinLimits(bounds) || bounds.Width() * bounds.Height() > kMaxPolygonRegionPixels) return 0;
  const Qt::FillRule rule = fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
  return Insert(PathArea(polygon, rule, WholeBox(bounds)));
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
  auto region = Regions().Find(handle);
  const Box box = MakeBox(left, top, right, bottom);
  if (!region || !WithinLimits(box)) return FALSE;
  region->region = QRegion(WholeBox(box));
  return TRUE;
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
  auto target = Regions().Find(destination);
  auto first = Regions().Find(source1);
  if (!target || !first) return RGN_ERROR;
  if (mode == RGN_COPY) {
    target->region = first->region;
    return RegionType(target->region);
  }
  auto second = Regions().Find(source2);
  if (!second) return RGN_ERROR;
  switch (mode) {
    case RGN_AND:
      target->region = first->region & second->region;
      break;
    case RGN_OR:
      target->region = first->region | second->region;
      break;
    case RGN_XOR:
      target->region = first->region ^ second->region;
      break;
    case RGN_DIFF:
      target->region = first->region - second->region;
      break;
    default:
      return RGN_ERROR;
  }
  return RegionType(target->region);
}

int OffsetRgn(HRGN handle, int dx, int dy) {
  auto object = Regions().Find(handle);
  if (!object) return RGN_ERROR;
  if (!object->region.isEmpty()) {
    const QRect bounds = object->region.boundingRect();
    const Box moved{std::int64_t{bounds.left()} + dx, std::int64_t{bounds.top()} + dy,
                    std::int64_t{bounds.right()} + 1 + dx, std::int64_t{bounds.bottom()} + 1 + dy};
    if (!WithinLimits(moved)) return RGN_ERROR;
    object->region.translate(dx, dy);
  }
  return RegionType(object->region);
}

int GetRgnBox(HRGN handle, RECT* box) {
  auto object = Regions().Find(handle);
  if (!object || box == nullptr) return RGN_ERROR;
  const QRect bounds = object->region.boundingRect();
  *box = object->region.isEmpty()
             ? RECT{0, 0, 0, 0}
             : RECT{bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
  return RegionType(object->region);
}

BOOL PtInRegion(HRGN handle, int x, int y) {
  auto object = Regions().Find(handle);
  return object && object->region.contains(QPoint(x, y)) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN handle, const RECT* rect) {
  auto object = Regions().Find(handle);
  if (!object || rect == nullptr) return FALSE;
  const Box box = MakeBox(rect->left, rect->top, rect->right, rect->bottom);
  if (box.Empty() || !WithinLimits(box)) return FALSE;
  return object->region.intersects(WholeBox(box)) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
  auto first = Regions().Find(a);
  auto second = Regions().Find(b);
  if (!first || !second) return FALSE;
  // Compared by the pixels they hold, whatever rectangles make them up.
  return (first->region ^ second->region).isEmpty() ? TRUE : FALSE;
}

}  // namespace platform
