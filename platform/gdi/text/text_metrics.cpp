#include "platform/gdi/text/ansi_text_p.h"
#include "platform/gdi/text/font.h"
#include "platform/gdi/text/line_shaper_p.h"
#include "platform/gdi/text/resolved_font_p.h"

namespace platform {

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metric) {
  const std::shared_ptr<gdi::DeviceContext> context = gdi::DeviceContexts().Find(dc);
  if (!context || metric == nullptr) return FALSE;
  const std::shared_ptr<const gdi::ResolvedFont> font = gdi::SelectedFont(*context);
  if (!font) return FALSE;
  gdi::FillTextMetrics(*font, *metric);
  return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size) {
  const std::shared_ptr<gdi::DeviceContext> context = gdi::DeviceContexts().Find(dc);
  if (!context || size == nullptr || count < 0) return FALSE;
  const std::optional<std::string_view> bytes = gdi::BoundedText(text, count);
  const std::optional<QString> string = bytes ? gdi::AnsiToString(*bytes) : std::nullopt;
  const std::shared_ptr<const gdi::ResolvedFont> font = gdi::SelectedFont(*context);
  if (!string || !font) return FALSE;
  size->cx = gdi::LineShaper(font->font, 0).Width(*string);
  size->cy = font->Height();
  return TRUE;
}

}  // namespace platform
