#pragma once
// Areas of device pixels that shapes, regions and paths cover, as QRegions. The
// pixel rules themselves are stated in shapes.cpp; this is their implementation.

#include <QPainterPath>
#include <QRegion>
#include <cstdint>
#include <vector>

namespace platform::gdi {

// A box of pixels [left, right) x [top, bottom), held wide enough that its width and
// height never overflow. Made with MakeBox, which orders the edges.
struct Box {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;

  std::int64_t Width() const { return right - left; }
  std::int64_t Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  Box Inflated(std::int64_t by) const { return {left - by, top - by, right + by, bottom + by}; }
  double CentreX() const { return (static_cast<double>(left) + static_cast<double>(right)) / 2; }
  double CentreY() const { return (static_cast<double>(top) + static_cast<double>(bottom)) / 2; }
};
Box MakeBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

// Builds a region row by row, top to bottom, in the banded form Qt keeps regions in.
class RegionBuilder {
 public:
  // Spans [x0, x1) of row y, left to right, not overlapping; rows in increasing y.
  void AddRow(int y, const std::vector<std::pair<int, int>>& spans);
  QRegion Finish();

 private:
  void Flush();
  std::vector<QRect> rects_;
  std::vector<std::pair<int, int>> band_;
  int bandTop_ = 0;
  int bandHeight_ = 0;
};

// The areas of the shapes, restricted to `limit` (rows and columns outside it are
// not computed; callers pass the part of the plane they can draw on).
QRegion RectArea(const Box& box, const QRect& limit);
QRegion EllipseArea(const Box& box, const QRect& limit);
QRegion RoundRectArea(const Box& box, int cornerWidth, int cornerHeight, const QRect& limit);
// Pixels whose centres the path's fill covers, as an aliased QPainter fill decides.
QRegion PathArea(const QPainterPath& path, Qt::FillRule rule, const QRect& limit);

// One-pixel lines through the points of the path (curves flattened, points rounded
// to pixels): each segment paints the pixels of the aliased line from its first
// point up to, not including, its last point. With dashes (on, off, on, off ...
// lengths in pixels, counted along the major axis and carried across segments) only
// the pixels of the dashes.
QRegion ThinLineArea(const QPainterPath& path, const std::vector<int>& dashes, const QRect& limit);
// A stroke of the given width with round joins and round ends.
QRegion WideLineArea(const QPainterPath& path, int width, const QRect& limit);

// The outermost `width` pixels of a shape: the shape minus its erosion, where each
// step of erosion removes the pixels with a neighbour outside, alternately counting
// 4 and 8 neighbours (so a rectangle loses one pixel per side and step, and curves
// keep a nearly even thickness).
QRegion Ring(const QRegion& shape, int width);

// The pixels of the region whose centres satisfy keep(x + 0.5, y + 0.5). Regions are
// kept in bands (rectangles of one band share their rows), which is walked in order.
template <typename Keep>
QRegion Filter(const QRegion& region, Keep keep) {
  RegionBuilder builder;
  std::vector<std::pair<int, int>> spans;
  auto band = region.begin();
  while (band != region.end()) {
    auto bandEnd = band;
    while (bandEnd != region.end() && bandEnd->top() == band->top()) ++bandEnd;
    for (int y = band->top(); y <= band->bottom(); ++y) {
      spans.clear();
      for (auto rect = band; rect != bandEnd; ++rect) {
        int runStart = -1;
        for (int x = rect->left(); x <= rect->right() + 1; ++x) {
          const bool inside = x <= rect->right() && keep(x + 0.5, y + 0.5);
          if (inside && runStart < 0) runStart = x;
          if (!inside && runStart >= 0) {
            spans.emplace_back(runStart, x);
            runStart = -1;
          }
        }
      }
      builder.AddRow(y, spans);
    }
    band = bandEnd;
  }
  return builder.Finish();
}

}  // namespace platform::gdi
