#include "platform/gdi/text/formatted_text_p.h"
#include "platform/gdi/text/resolved_font_p.h"
#include "platform/gdi/text/text_block_p.h"

namespace platform::gdi {

std::optional<FormattedText> DrawFormattedText(DeviceContext& dc, const QString& text, RECT& rect,
                                               UINT format, const DRAWTEXTPARAMS* params,
                                               std::span<const InkPass> passes) {
  const std::shared_ptr<const ResolvedFont> font = SelectedFont(dc);
  if (!font) return std::nullopt;
  const TextBlock block = LayOutText(text, rect, format, params, *font);
  FormattedText result{TextHeightResult(block, rect), block.modifiedSource};
  if (block.format & DT_CALCRECT) {
    rect = CalculatedRect(block, rect);
    return result;
  }
  if (!PaintTextBlock(dc, block, *font, rect, passes)) return std::nullopt;
  return result;
}

}  // namespace platform::gdi
