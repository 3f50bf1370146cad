#pragma once
// Where the arrow buttons move the watermark, and how the position label reads.

#include <optional>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "core/geometry.h"

namespace varnimo::app {

enum class ArrowDirection { Up, Down, Left, Right };

// The direction a button's tag names ("up", "down", "left", "right"); none for any
// other tag.
std::optional<ArrowDirection> ArrowDirectionFromTag(std::string_view tag);

// The position after one step of 20 pixels in the direction, computed from where the
// text was last drawn (`bounds`), not from `position`; the other coordinate keeps the
// value it has in `position`. At the edges the text is held at x = 3 on the left,
// y = 2 at the top, and just past the canvas on the right (width - text width - 2) and
// at the bottom (height - text height + 2). Values are truncated toward zero;
// coordinates beyond the int32 range are held at its ends.
Point NextWatermarkPosition(ArrowDirection direction, Point position, const RectF& bounds,
                            CanvasSize canvas);

// "水印位置：" followed by x, "/" and y in decimal (UTF-8).
std::string PositionCaption(Point position);

}  // namespace varnimo::app
