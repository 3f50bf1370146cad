#pragma once
// The common road of DrawTextExA and DrawShadowText: lay out, then measure or paint.

#include <QString>
#include <optional>
#include <span>

#include "platform/gdi/objects_p.h"
#include "platform/gdi/text/text_painter_p.h"

namespace platform::gdi {

struct FormattedText {
  int height = 0;                         // what DrawText returns
  std::optional<QString> modifiedSource;  // DT_MODIFYSTRING after an ellipsis
};

// Lays out `text` in `rect` with the DC's font; with DT_CALCRECT writes the computed
// rectangle back and paints nothing, otherwise paints the passes. nullopt when the DC
// has no usable font or nothing to draw on.
std::optional<FormattedText> DrawFormattedText(DeviceContext& dc, const QString& text, RECT& rect,
                                               UINT format, const DRAWTEXTPARAMS* params,
                                               std::span<const InkPass> passes);

}  // namespace platform::gdi
