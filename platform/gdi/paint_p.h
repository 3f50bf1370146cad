#pragma once
// The drawing machinery behind the shape, region and path calls: a call's target
// (its DC, pixels and clip), the selected pen and brush resolved for one call, and
// painting an area of pixels with them. Areas are QRegions of device pixels; the
// rules that make them are in shapes.cpp and coverage.cpp.

#include <QPainterPath>
#include <QRegion>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/objects_p.h"

namespace platform::gdi {

// Wider pens are refused at creation: nothing drawable needs them, and the work of
// a pen grows with its width.
constexpr int kMaxPenWidth = 1024;

// 0x00BBGGRR to the surface's 32-bit pixel and back.
constexpr std::uint32_t PixelOf(COLORREF colour) {
  return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
constexpr COLORREF ColourOf(std::uint32_t pixel) {
  return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

// What one drawing call draws into. Null (failure) for a bad DC or one without pixels.
struct Canvas {
  std::shared_ptr<DeviceContext> dc;
  std::shared_ptr<PixelSurface> surface;
  QRegion clip;  // EffectiveClip of the DC
};
std::optional<Canvas> OpenCanvas(HDC dc);

// How an area is painted: a brush as it applies on this DC (hatch gaps take the
// background colour in OPAQUE mode and stay untouched in TRANSPARENT mode).
struct Fill {
  enum class Kind { None, Solid, Hatch, Pattern } kind = Kind::None;
  std::uint32_t colour = 0;
  std::optional<std::uint32_t> background;
  int hatch = 0;
  QImage pattern;
};
// nullopt for a bad brush handle; Kind::None for the null brush.
std::optional<Fill> ResolveBrush(const DeviceContext& dc, HBRUSH brush);
Fill SolidFill(std::uint32_t pixel);

// The selected pen for one call. nullopt: the null pen (or a bad handle).
struct Outline {
  int width = 1;
  std::uint32_t colour = 0;
  bool insideFrame = false;
  std::vector<int> dashes;                 // empty: solid
  std::optional<std::uint32_t> gapColour;  // dash gaps in OPAQUE mode
};
std::optional<Outline> ResolvePen(const DeviceContext& dc);

// Paints the area (clipped to the canvas) and reports the change to the surface.
void PaintArea(Canvas& canvas, const QRegion& area, const Fill& fill);
// Inverts red, green and blue of the area's pixels.
void InvertArea(Canvas& canvas, const QRegion& area);

// Paints an outline's pixels: `solid` is every pixel the pen covers; `dashed`, when
// the pen has dashes, the part the dashes cover (gaps get the gap colour, if any).
void PaintOutline(Canvas& canvas, const Outline& pen, const QRegion& solid,
                  const std::optional<QRegion>& dashed);

// Strokes the figure with the DC's pen (nothing for the null pen). Open figures of
// one-pixel pens end before their last point; wider pens have round ends.
void StrokeWithPen(Canvas& canvas, const QPainterPath& figure);

// The bounding box of the clip, grown by `margin` pixels: the part of the plane a
// call needs to compute shapes for.
QRect WorkArea(const Canvas& canvas, int margin);

}  // namespace platform::gdi
