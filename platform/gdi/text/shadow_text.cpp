#include "platform/gdi/text/ansi_text_p.h"
#include "platform/gdi/text/draw_text.h"
#include "platform/gdi/text/formatted_text_p.h"

namespace platform {

int DrawShadowText(HDC dc, const WCHAR* text, UINT count, RECT* rect, DWORD flags,
                   COLORREF textColour, COLORREF shadowColour, int xOffset, int yOffset) {
  const std::shared_ptr<gdi::DeviceContext> context = gdi::DeviceContexts().Find(dc);
  const std::optional<std::u16string_view> units = gdi::BoundedText(text, count);
  if (!context || !units || rect == nullptr) return 0;
  const std::optional<QString> string = gdi::WideToString(*units);
  if (!string) return 0;
  // The caller's text colour is not touched: the passes carry their own colours.
  const gdi::InkPass passes[] = {{QPoint(xOffset, yOffset), shadowColour},
                                 {QPoint(0, 0), textColour}};
  const std::optional<gdi::FormattedText> drawn =
      gdi::DrawFormattedText(*context, *string, *rect, flags & ~DT_MODIFYSTRING, nullptr, passes);
  return drawn ? drawn->height : 0;
}

}  // namespace platform
