// GradientFill: rectangles shaded left to right or top to bottom, and triangles
// shaded by the barycentric mix of their corner colours.
//
// Channels are 16-bit; a pixel takes the high byte of each interpolated channel,
// alpha included (it goes to the unused byte). A rectangle covers the pixels between
// its two corners, the larger ends excluded: the first column (row) has the colour of
// the corner on that side exactly, the last one is a step short of the other's
// (steps truncate). A triangle covers the pixels whose centre lies inside it or on
// its edges; its channels are the corners' weighted sum rounded to nearest.

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/blit/transfer_p.h"

namespace platform {
namespace {

using gdi::DrawingTarget;

struct Channels {
  std::array<std::int64_t, 4> value;  // red, green, blue, alpha; 0..0xFFFF

  static Channels Of(const TRIVERTEX& v) { return {{v.Red, v.Green, v.Blue, v.Alpha}}; }
  std::uint32_t Pixel() const {
    const auto high = [](std::int64_t c) { return static_cast<std::uint32_t>(c >> 8) & 0xFFu; };
    return (high(value[3]) << 24) | (high(value[0]) << 16) | (high(value[1]) << 8) | high(value[2]);
  }
};

// The colour at step `position` of `length` from `from` towards `to`.
std::uint32_t Interpolated(const Channels& from, const Channels& to, std::int64_t position,
                           std::int64_t length) {
  Channels mixed{};
  for (std::size_t c = 0; c < 4; ++c) {
    mixed.value[c] = from.value[c] + (to.value[c] - from.value[c]) * position / length;
  }
  return mixed.Pixel();
}

void FillRectangle(const DrawingTarget& target, const TRIVERTEX& a, const TRIVERTEX& b,
                   bool horizontal) {
  const QRect area = target.Between(a.x, a.y, b.x, b.y);
  if (area.isEmpty()) return;
  // The gradient runs from the corner with the smaller coordinate along its axis.
  const bool aFirst = horizontal ? a.x <= b.x : a.y <= b.y;
  const TRIVERTEX& start = aFirst ? a : b;
  const TRIVERTEX& end = aFirst ? b : a;
  const std::int64_t origin = horizontal ? start.x : start.y;
  const std::int64_t length = horizontal ? std::int64_t{end.x} - start.x : std::int64_t{end.y} - start.y;
  const Channels from = Channels::Of(start);
  const Channels to = Channels::Of(end);

  // One colour per column (or row) of the visible area.
  const int first = horizontal ? area.left() : area.top();
  const int count = horizontal ? area.width() : area.height();
  std::vector<std::uint32_t> colours(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) colours[i] = Interpolated(from, to, first + i - origin, length);

  gdi::PaintSpans(target, area, [&](std::span<std::uint32_t> span, int x, int y) {
    if (horizontal) {
      std::copy_n(colours.begin() + (x - first), span.size(), span.begin());
    } else {
      std::fill(span.begin(), span.end(), colours[y - first]);
    }
  });
}

void FillTriangle(const DrawingTarget& target, const TRIVERTEX& a, const TRIVERTEX& b,
                  const TRIVERTEX& c) {
  // Edge functions in double precision: coordinates are ints, so their products are
  // exact up to 2^53 and merely rounded beyond, far outside any surface.
  const auto edge = [](const TRIVERTEX& p, const TRIVERTEX& q, double x, double y) {
    return (static_cast<double>(q.x) - p.x) * (y - p.y) - (static_cast<double>(q.y) - p.y) * (x - p.x);
  };
  const double doubleArea = edge(a, b, c.x, c.y);
  if (doubleArea == 0) return;
  const QRect area = target.Between(std::min({a.x, b.x, c.x}), std::min({a.y, b.y, c.y}),
                                    std::int64_t{std::max({a.x, b.x, c.x})} + 1,
                                    std::int64_t{std::max({a.y, b.y, c.y})} + 1);
  const Channels ca = Channels::Of(a), cb = Channels::Of(b), cc = Channels::Of(c);
  gdi::PaintSpans(target, area, [&](std::span<std::uint32_t> span, int x0, int y) {
    const double cy = y + 0.5;
    for (std::size_t i = 0; i < span.size(); ++i) {
      const double cx = x0 + static_cast<double>(i) + 0.5;
      // Weights of a, b and c, each >= 0 inside the triangle whatever its winding.
      const double wa = edge(b, c, cx, cy) / doubleArea;
      const double wb = edge(c, a, cx, cy) / doubleArea;
      const double wc = edge(a, b, cx, cy) / doubleArea;
      if (wa < 0 || wb < 0 || wc < 0) continue;
      Channels mixed{};
      for (std::size_t k = 0; k < 4; ++k) {
        const double value = wa * ca.value[k] + wb * cb.value[k] + wc * cc.value[k];
        mixed.value[k] = std::clamp<std::int64_t>(std::llround(value), 0, 0xFFFF);
      }
      span[i] = mixed.Pixel();
    }
  });
}

std::array<ULONG, 2> Indices(const GRADIENT_RECT& rect) { return {rect.UpperLeft, rect.LowerRight}; }
std::array<ULONG, 3> Indices(const GRADIENT_TRIANGLE& triangle) {
  return {triangle.Vertex1, triangle.Vertex2, triangle.Vertex3};
}

// Every index of the mesh names a vertex; checked before anything is drawn.
template <typename Element>
bool MeshValid(std::span<const Element> mesh, ULONG vertexCount) {
  return std::all_of(mesh.begin(), mesh.end(), [vertexCount](const Element& element) {
    const auto indices = Indices(element);
    return std::all_of(indices.begin(), indices.end(),
                       [vertexCount](ULONG index) { return index < vertexCount; });
  });
}

}  // namespace

BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh,
                  ULONG meshCount, ULONG mode) {
  const auto target = DrawingTarget::Of(dc);
  if (!target || vertices == nullptr || vertexCount == 0 || mesh == nullptr || meshCount == 0) {
    return FALSE;
  }
  const std::span<const TRIVERTEX> points(vertices, vertexCount);
  if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
    const std::span<const GRADIENT_RECT> rects(static_cast<const GRADIENT_RECT*>(mesh), meshCount);
    if (!MeshValid(rects, vertexCount)) return FALSE;
    for (const GRADIENT_RECT& rect : rects) {
      FillRectangle(*target, points[rect.UpperLeft], points[rect.LowerRight],
                    mode == GRADIENT_FILL_RECT_H);
    }
    return TRUE;
  }
  if (mode == GRADIENT_FILL_TRIANGLE) {
    const std::span<const GRADIENT_TRIANGLE> triangles(static_cast<const GRADIENT_TRIANGLE*>(mesh),
                                                       meshCount);
    if (!MeshValid(triangles, vertexCount)) return FALSE;
    for (const GRADIENT_TRIANGLE& t : triangles) {
      FillTriangle(*target, points[t.Vertex1], points[t.Vertex2], points[t.Vertex3]);
    }
    return TRUE;
  }
  return FALSE;
}

}  // namespace platform
