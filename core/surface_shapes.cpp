// Rectangles, ellipses, arcs, chords, pies and rounded rectangles.

#include <cmath>

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/shapes.h"

namespace varnimo {
namespace {

using surface_detail::DrawOutline;
using surface_detail::DrawWith;
using surface_detail::EdgeOf;
using surface_detail::FillWith;
using surface_detail::kPenNotSelected;

constexpr std::string_view kRectangleFailed = "画矩形失败(Rectangle()返回0)请检查GDI_图形是否已创建";
constexpr std::string_view kArcFailed = "画弧线失败(Arc()返回0)请检查GDI_图形是否已创建";
constexpr std::string_view kChordFailed = "画弧失败(Chord()返回0)请检查GDI_图形是否已创建";
constexpr std::string_view kRoundRectFailed =
    "画圆角矩形失败(RoundRect()返回0)请检查GDI_图形是否已创建";

// A bounding box and the two points whose radials bound an arc, chord or pie.
struct ArcFrame {
  std::int32_t left, top, right, bottom;
  std::int32_t xStart, yStart, xEnd, yEnd;
};

// The platform calls that draw a shape in a box, and an arc-like shape in a frame.
using BoxCall = platform::BOOL (*)(platform::HDC, int, int, int, int);
using ArcCall = platform::BOOL (*)(platform::HDC, int, int, int, int, int, int, int, int);

// The drawing step of a shape whose box is given as x, y, width, height.
auto InBox(BoxCall call, platform::HDC dc, std::int32_t x, std::int32_t y, std::int32_t width,
           std::int32_t height) {
  return [=] { return call(dc, x, y, EdgeOf(x, width), EdgeOf(y, height)); };
}

auto InFrame(ArcCall call, platform::HDC dc, const ArcFrame& f) {
  return [=] {
    return call(dc, f.left, f.top, f.right, f.bottom, f.xStart, f.yStart, f.xEnd, f.yEnd);
  };
}

// The point on the radial at `angle` degrees (0 up, 90 left, 180 down, 270 right) from
// the box's centre, 50 units out: only its direction matters to the platform. Pi is
// taken as 3.1415926535 and the sums are truncated, so angle 180 of a 100-wide box
// lands on x 49, not 50.
platform::POINT RadialPoint(std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, std::int32_t angle) {
  const double theta = (static_cast<double>(angle) + 180) * 3.1415926535 / 180;
  return {TruncateToInt32(x + 50 * std::sin(theta) + width / 2.0),
          TruncateToInt32(y + 50 * std::cos(theta) + height / 2.0)};
}

ArcFrame FrameByAngles(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       std::int32_t startAngle, std::int32_t endAngle) {
  const platform::POINT start = RadialPoint(x, y, width, height, startAngle);
  const platform::POINT end = RadialPoint(x, y, width, height, endAngle);
  return {x, y, EdgeOf(x, width), EdgeOf(y, height), start.x, start.y, end.x, end.y};
}

}  // namespace

bool DrawingSurface::DrawRectangle(const GdiPen& pen, std::int32_t x, std::int32_t y,
                                   std::int32_t width, std::int32_t height) {
  return DrawOutline(memoryDc, pen, kRectangleFailed,
                     InBox(platform::Rectangle, memoryDc, x, y, width, height));
}

bool DrawingSurface::FillRectangle(const GdiBrush& brush, std::int32_t x, std::int32_t y,
                                   std::int32_t width, std::int32_t height) {
  return FillWith(memoryDc, brush, kRectangleFailed,
                  InBox(platform::Rectangle, memoryDc, x, y, width, height));
}

bool DrawingSurface::DrawEllipse(const GdiPen& pen, std::int32_t x, std::int32_t y,
                                 std::int32_t width, std::int32_t height) {
  return DrawOutline(memoryDc, pen, kRectangleFailed,
                     InBox(platform::Ellipse, memoryDc, x, y, width, height));
}

bool DrawingSurface::FillEllipse(const GdiBrush& brush, std::int32_t x, std::int32_t y,
                                 std::int32_t width, std::int32_t height) {
  return FillWith(memoryDc, brush, kRectangleFailed,
                  InBox(platform::Ellipse, memoryDc, x, y, width, height));
}

bool DrawingSurface::DrawArc(const GdiPen& pen, std::int32_t left, std::int32_t top,
                             std::int32_t right, std::int32_t bottom, std::int32_t xStart,
                             std::int32_t yStart, std::int32_t xEnd, std::int32_t yEnd) {
  return DrawWith(memoryDc, pen.GetHandle(), kPenNotSelected, kArcFailed,
                  InFrame(platform::Arc, memoryDc,
                          {left, top, right, bottom, xStart, yStart, xEnd, yEnd}));
}

bool DrawingSurface::FillChord(const GdiBrush& brush, std::int32_t left, std::int32_t top,
                               std::int32_t right, std::int32_t bottom, std::int32_t xStart,
                               std::int32_t yStart, std::int32_t xEnd, std::int32_t yEnd) {
  return FillWith(memoryDc, brush, kChordFailed,
                  InFrame(platform::Chord, memoryDc,
                          {left, top, right, bottom, xStart, yStart, xEnd, yEnd}));
}

bool DrawingSurface::FillChordByAngles(const GdiBrush& brush, std::int32_t x, std::int32_t y,
                                       std::int32_t width, std::int32_t height,
                                       std::int32_t startAngle, std::int32_t endAngle) {
  return FillWith(memoryDc, brush, kChordFailed,
                  InFrame(platform::Chord, memoryDc,
                          FrameByAngles(x, y, width, height, startAngle, endAngle)));
}

bool DrawingSurface::FillPie(const GdiBrush& brush, std::int32_t left, std::int32_t top,
                             std::int32_t right, std::int32_t bottom, std::int32_t xStart,
                             std::int32_t yStart, std::int32_t xEnd, std::int32_t yEnd) {
  return FillWith(memoryDc, brush, kChordFailed,
                  InFrame(platform::Pie, memoryDc,
                          {left, top, right, bottom, xStart, yStart, xEnd, yEnd}));
}

bool DrawingSurface::DrawPie(const GdiPen& pen, std::int32_t left, std::int32_t top,
                             std::int32_t right, std::int32_t bottom, std::int32_t xStart,
                             std::int32_t yStart, std::int32_t xEnd, std::int32_t yEnd) {
  return DrawOutline(memoryDc, pen, kChordFailed,
                     InFrame(platform::Pie, memoryDc,
                             {left, top, right, bottom, xStart, yStart, xEnd, yEnd}));
}

bool DrawingSurface::FillPieByAngles(const GdiBrush& brush, std::int32_t x, std::int32_t y,
                                     std::int32_t width, std::int32_t height,
                                     std::int32_t startAngle, std::int32_t endAngle) {
  return FillWith(memoryDc, brush, kArcFailed,
                  InFrame(platform::Pie, memoryDc,
                          FrameByAngles(x, y, width, height, startAngle, endAngle)));
}

bool DrawingSurface::DrawPieByAngles(const GdiPen& pen, std::int32_t x, std::int32_t y,
                                     std::int32_t width, std::int32_t height,
                                     std::int32_t startAngle, std::int32_t endAngle) {
  return DrawOutline(memoryDc, pen, kArcFailed,
                     InFrame(platform::Pie, memoryDc,
                             FrameByAngles(x, y, width, height, startAngle, endAngle)));
}

bool DrawingSurface::DrawArcByAngles(const GdiPen& pen, std::int32_t x, std::int32_t y,
                                     std::int32_t width, std::int32_t height,
                                     std::int32_t startAngle, std::int32_t endAngle) {
  return DrawWith(memoryDc, pen.GetHandle(), kPenNotSelected, kArcFailed,
                  InFrame(platform::Arc, memoryDc,
                          FrameByAngles(x, y, width, height, startAngle, endAngle)));
}

// RoundRect takes the box's edges and the corner ellipse's size.
bool DrawingSurface::DrawRoundRect(const GdiPen& pen, std::int32_t x, std::int32_t y,
                                   std::int32_t width, std::int32_t height,
                                   std::int32_t cornerWidth, std::int32_t cornerHeight) {
  return DrawOutline(memoryDc, pen, kRoundRectFailed, [&] {
    return platform::RoundRect(memoryDc, x, y, EdgeOf(x, width), EdgeOf(y, height), cornerWidth,
                               cornerHeight);
  });
}

bool DrawingSurface::FillRoundRect(const GdiBrush& brush, std::int32_t x, std::int32_t y,
                                   std::int32_t width, std::int32_t height,
                                   std::int32_t cornerWidth, std::int32_t cornerHeight) {
  return FillWith(memoryDc, brush, kRoundRectFailed, [&] {
    return platform::RoundRect(memoryDc, x, y, EdgeOf(x, width), EdgeOf(y, height), cornerWidth,
                               cornerHeight);
  });
}

}  // namespace varnimo
