#pragma once
// What the transfer calls share: finding a DC's pixels, mapping destination pixels
// to source pixels, and walking the clipped destination row by row.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/gdi/blit/axis_map_p.h"
#include "platform/gdi/objects_p.h"

namespace platform::gdi {

// A DC and the surface it draws into, looked up once per call.
struct DrawingTarget {
  std::shared_ptr<DeviceContext> dc;
  std::shared_ptr<PixelSurface> surface;

  // nullopt for a bad handle or a DC without valid pixels.
  static std::optional<DrawingTarget> Of(HDC handle);

  AxisLimits Columns() const { return {0, surface->Width()}; }
  AxisLimits Rows() const { return {0, surface->Height()}; }
  // The pixels between the corners (x0, y0) and (x1, y1), the larger ends excluded,
  // that lie on the surface.
  QRect Between(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) const;
  // The same for a rectangle given as origin and extents of either sign.
  QRect Area(int x, int y, int width, int height) const {
    return Between(x, y, std::int64_t{x} + width, std::int64_t{y} + height);
  }
};

// Read access to a band of source rows, straight from a surface or from a private
// copy (when the source is also the destination, or when it was resampled).
class SourceRows {
 public:
  // Picture rows first..last of the surface; copied first when `copy` is set.
  static SourceRows Of(const PixelSurface& surface, int first, int last, bool copy);
  // The rows of a top-down Format_RGB32 or ARGB32 image, row 0 first.
  static SourceRows Of(QImage image);

  const std::uint32_t* Row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(first_ + (y - top_) * stride_);
  }

 private:
  QImage owned_;
  const std::uint8_t* first_ = nullptr;
  std::ptrdiff_t stride_ = 0;
  int top_ = 0;
};

// Whether a stretching call may smooth (HALFTONE) or always takes the nearest pixel.
enum class Smoothing { FollowStretchMode, Never };

// A source-to-destination transfer after lookup, clipping and mapping.
class MappedTransfer {
 public:
  struct Request {
    HDC destination;
    int x, y, width, height;
    HDC source;
    int sourceX, sourceY, sourceWidth, sourceHeight;
  };

  // nullopt when a DC is bad. An empty Area() means there is nothing to draw.
  static std::optional<MappedTransfer> Prepare(const Request& request, Smoothing smoothing);

  const DrawingTarget& Destination() const { return destination_; }
  const DrawingTarget& Source() const { return source_; }
  // The destination pixels that have a source pixel, before the DC's clip.
  QRect Area() const;

  // Calls op(destinationSpan, sourcePixels, x, y) for every run of destination
  // pixels inside Area() and the destination's clip; sourcePixels holds the sampled
  // source for the run. Marks the surface changed.
  template <typename SpanOp>
  void Run(SpanOp&& op);

 private:
  MappedTransfer(DrawingTarget destination, DrawingTarget source)
      : destination_(std::move(destination)), source_(std::move(source)) {}
  const std::uint32_t* Sample(int x, int y, int count);

  DrawingTarget destination_;
  DrawingTarget source_;
  AxisMap columns_;
  AxisMap rows_;
  std::optional<SourceRows> pixels_;
  std::vector<std::uint32_t> scratch_;
};

// Calls op(y, x, count) for every run of pixels of `area` inside `clip`.
template <typename SpanOp>
void ForEachSpan(const QRegion& clip, const QRect& area, SpanOp&& op) {
  for (const QRect& band : clip) {
    const QRect part = band & area;
    for (int y = part.top(); y <= part.bottom(); ++y) op(y, part.left(), part.width());
  }
}

// Runs op(destinationSpan, x, y) over `area` clipped by the target's clip, and marks
// what it touched as changed.
template <typename SpanOp>
void PaintSpans(const DrawingTarget& target, const QRect& area, SpanOp&& op) {
  if (area.isEmpty()) return;
  const QRegion clip = EffectiveClip(*target.dc);
  ForEachSpan(clip, area, [&](int y, int x, int count) {
    op(std::span<std::uint32_t>(target.surface->Row(y) + x, static_cast<std::size_t>(count)), x, y);
  });
  const QRect touched = (clip & area).boundingRect();
  if (!touched.isEmpty()) target.surface->Changed(touched);
}

template <typename SpanOp>
void MappedTransfer::Run(SpanOp&& op) {
  PaintSpans(destination_, Area(), [&](std::span<std::uint32_t> span, int x, int y) {
    op(span, Sample(x, y, static_cast<int>(span.size())), x, y);
  });
}

}  // namespace platform::gdi
