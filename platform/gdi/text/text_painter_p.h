#pragma once
// Painting a laid-out text block into a device context's pixels.

#include <QPoint>
#include <span>

#include "platform/gdi/objects_p.h"
#include "platform/gdi/text/resolved_font_p.h"
#include "platform/gdi/text/text_block_p.h"

namespace platform::gdi {

// One drawing of the block, moved by `offset`, in `colour`.
struct InkPass {
  QPoint offset;
  COLORREF colour = 0;
};

// Paints the block once per pass, in order. In OPAQUE mode the cells of every pass are
// filled with the background colour first, so no background covers an earlier pass's
// ink. Unless DT_NOCLIP is set, each pass is clipped to the rectangle (moved by its
// offset); the DC's own clipping always applies. With DT_PREFIXONLY only the prefix
// underlines are drawn. Returns false when the DC has no pixels to draw on.
bool PaintTextBlock(DeviceContext& dc, const TextBlock& block, const ResolvedFont& font,
                    const RECT& rect, std::span<const InkPass> passes);

}  // namespace platform::gdi
