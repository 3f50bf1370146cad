#include "app/watermark_position.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace varnimo::app {

namespace {

constexpr double kStep = 20;
constexpr double kTolerance = 0.0000001;

// Truncation toward zero, with the out-of-range values (and NaN) that a plain
// conversion would leave undefined held at the ends of the range or at 0.
std::int32_t TruncateToInt32(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(value)) return 0;
  if (value <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<ArrowDirection> ArrowDirectionFromTag(std::string_view tag) {
  if (tag == "up") return ArrowDirection::Up;
  if (tag == "down") return ArrowDirection::Down;
  if (tag == "left") return ArrowDirection::Left;
  if (tag == "right") return ArrowDirection::Right;
  return std::nullopt;
}

Point NextWatermarkPosition(ArrowDirection direction, Point position, const RectF& bounds,
                            CanvasSize canvas) {
  const double x = bounds.X;
  const double y = bounds.Y;
  const double width = bounds.Width;
  const double height = bounds.Height;
  const double canvasWidth = canvas.width;
  const double canvasHeight = canvas.height;
  // Each limit test reads the coordinate as it was stored, truncated, like the
  // position it guards.
  switch (direction) {
    case ArrowDirection::Up:
      position.Y = TruncateToInt32(y - kStep);
      if (position.Y - height <= kTolerance) position.Y = 2;
      break;
    case ArrowDirection::Down:
      position.Y = TruncateToInt32(y + kStep);
      if (position.Y - (canvasHeight - height) >= -kTolerance) {
        position.Y = TruncateToInt32(canvasHeight - height + 2);
      }
      break;
    case ArrowDirection::Left:
      position.X = TruncateToInt32(x - kStep);
      if (position.X <= 3) position.X = 3;
      break;
    case ArrowDirection::Right:
      position.X = TruncateToInt32(x + kStep);
      if (position.X - (canvasWidth - width - 5) >= -kTolerance) {
        position.X = TruncateToInt32(canvasWidth - width - 2);
      }
      break;
  }
  return position;
}

std::string PositionCaption(Point position) {
  return "水印位置：" + std::to_string(position.X) + "/" + std::to_string(position.Y);
}

}  // namespace varnimo::app
