#pragma once
// Text broken into lines and placed in a rectangle by the DT_ flags: what DrawTextExA
// and DrawShadowText draw, or measure with DT_CALCRECT.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/text/draw_text.h"
#include "platform/gdi/text/resolved_font_p.h"

namespace platform::gdi {

struct TextLine {
  QString text;                 // as drawn: prefixes applied, possibly shortened
  std::vector<int> underlined;  // positions in `text` underlined by a prefix
  std::int64_t x = 0;           // left of the line's cell
  std::int64_t y = 0;           // top of the line's cell
  int width = 0;
};

struct TextBlock {
  UINT format = 0;  // the DT_ flags in force (tab-stop bits taken out)
  std::vector<TextLine> lines;
  int lineHeight = 0;
  qreal tabDistance = 0;  // pixels between tab stops; 0 when tabs are not expanded
  std::int64_t top = 0;   // top of the first line
  int width = 0;          // the widest line
  int leftMargin = 0;
  int rightMargin = 0;
  // With DT_MODIFYSTRING, the source text as shortened by an ellipsis.
  std::optional<QString> modifiedSource;

  std::int64_t Height() const {
    return static_cast<std::int64_t>(lineHeight) * static_cast<std::int64_t>(lines.size());
  }
};

// Lays out `source` in `rect` by `format` (DT_ flags) and the optional DrawTextEx
// parameters (tab length in average character widths, margins in pixels).
TextBlock LayOutText(const QString& source, const RECT& rect, UINT format,
                     const DRAWTEXTPARAMS* params, const ResolvedFont& font);

// The value DrawText returns: the text's height, or with DT_SINGLELINE and
// DT_VCENTER or DT_BOTTOM the distance from the rectangle's top to the text's bottom.
int TextHeightResult(const TextBlock& block, const RECT& rect);

// The rectangle DT_CALCRECT reports: the left and top stay, the right bounds the
// widest line (with the margins) and the bottom the last line.
RECT CalculatedRect(const TextBlock& block, const RECT& rect);

}  // namespace platform::gdi
