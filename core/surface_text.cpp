// Text in a GDI font, plain and with a shadow.

#include <algorithm>
#include <string>

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "core/text_conversion.h"
#include "platform/gdi/text/draw_text.h"
#include "platform/gdi/text/font.h"

namespace varnimo {
namespace {

// The background stays as set here after the operation.
void SetBackground(platform::HDC dc, std::optional<platform::COLORREF> backColour) {
  if (backColour) {
    platform::SetBkMode(dc, platform::OPAQUE);
    platform::SetBkColor(dc, *backColour);
  } else {
    platform::SetBkMode(dc, platform::TRANSPARENT);
  }
}

GdiObject MakeFont(const GdiFont& font) {
  return GdiObject(platform::CreateFontA(
      font.height, font.width, font.escapement, font.escapement, font.weight,
      font.italic ? 1 : 0, font.underline ? 1 : 0, font.strikeOut ? 1 : 0,
      platform::GB2312_CHARSET, platform::OUT_DEFAULT_PRECIS, platform::CLIP_DEFAULT_PRECIS,
      platform::DRAFT_QUALITY, 0, font.faceName.c_str()));
}

// Draws with the font selected, then selects the previous font back.
template <typename Draw>
bool DrawInFont(platform::HDC dc, const GdiObject& font, std::string_view failure, Draw draw) {
  if (font.GetHandle() == 0) {
    return ReportFailure("创建字体失败(CreateFontA()返回0)请检查GDI_字体是否已创建");
  }
  surface_detail::Selection selection(dc, font.GetHandle());
  if (!selection) {
    return ReportFailure("选入字体到内存设备场景失败(SelectObject()返回0)请检查GDI_字体是否已创建");
  }
  if (!draw()) return ReportFailure(failure);
  return true;
}

// Program text ends at its first NUL.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// How many characters the shadow text call is given: the text's bytes once every
// half-width character (printable ASCII) is widened to its two-byte full-width form,
// halved. Each character of a printable GBK text so counts once.
std::size_t ShadowTextCount(std::string_view text) {
  const auto halfWidth =
      std::count_if(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
  return (text.size() + static_cast<std::size_t>(halfWidth)) / 2;
}

}  // namespace

bool DrawingSurface::WriteText(const GdiFont& font, std::optional<COLORREF> backColour,
                               std::string_view text, platform::RECT& rect,
                               platform::UINT format) {
  SetBackground(memoryDc, backColour);
  const GdiObject made = MakeFont(font);
  platform::SetTextColor(memoryDc, font.colour);
  return DrawInFont(memoryDc, made, "写出文本失败(DrawTextEx()返回0)请检查GDI_字体是否已创建", [&] {
    // A NUL-terminated copy with room for the four characters that DT_MODIFYSTRING
    // may add when it shortens the text with an ellipsis.
    std::string terminated(UpToNul(text));
    terminated.append(4, '\0');
    return platform::DrawTextExA(memoryDc, terminated.data(), -1, &rect, format, nullptr) != 0;
  });
}

bool DrawingSurface::WriteShadowText(const GdiFont& font, std::optional<COLORREF> backColour,
                                     std::string_view text, platform::RECT& rect,
                                     std::int32_t /*reserved*/, std::int32_t xOffset,
                                     std::int32_t yOffset, platform::UINT format) {
  SetBackground(memoryDc, backColour);
  const GdiObject made = MakeFont(font);
  return DrawInFont(memoryDc, made, "写出文本失败(DrawShadowText()返回0)请检查GDI_字体是否已创建", [&] {
    const std::string_view shown = UpToNul(text);
    const WideText wide = AnsiToWide(shown);
    if (wide.empty()) return false;  // not valid in the ANSI code page
    // Characters that take four bytes in the ANSI code page but one UTF-16 unit would
    // make the count run past the text: it never exceeds the text's units.
    const std::size_t units = std::min(ShadowTextCount(shown), wide.size() - 1);
    return platform::DrawShadowText(memoryDc, wide.data(), static_cast<platform::UINT>(units),
                                    &rect, format, font.colour, 0, xOffset, yOffset) != 0;
  });
}

}  // namespace varnimo
