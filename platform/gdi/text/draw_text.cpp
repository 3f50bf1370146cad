#include "platform/gdi/text/draw_text.h"

#include <cstring>

#include "platform/gdi/text/ansi_text_p.h"
#include "platform/gdi/text/formatted_text_p.h"

namespace platform {
namespace {

// Writes the shortened text over the caller's, never past the bytes the call read
// (nor past their terminator, when they had one), and terminates it.
void WriteBack(const QString& modified, char* text, std::string_view original, bool terminated) {
  const std::optional<std::string> bytes = gdi::StringToAnsi(modified);
  if (!bytes) return;
  const std::size_t length = gdi::FittingPrefix(*bytes, original.size());
  std::memcpy(text, bytes->data(), length);
  if (length < original.size() || terminated) text[length] = '\0';
}

int DrawAnsiText(HDC dc, const char* text, char* writable, int count, RECT* rect, UINT format,
                 DRAWTEXTPARAMS* params) {
  const std::shared_ptr<gdi::DeviceContext> context = gdi::DeviceContexts().Find(dc);
  const std::optional<std::string_view> bytes = gdi::BoundedText(text, count);
  if (!context || !bytes || rect == nullptr) return 0;
  if (params != nullptr && params->cbSize != sizeof(DRAWTEXTPARAMS)) return 0;
  const std::optional<QString> string = gdi::AnsiToString(*bytes);
  if (!string) return 0;
  const gdi::InkPass pass{QPoint(0, 0), context->textColor};
  const std::optional<gdi::FormattedText> drawn =
      gdi::DrawFormattedText(*context, *string, *rect, format, params, {&pass, 1});
  if (!drawn) return 0;
  if (writable != nullptr && drawn->modifiedSource) {
    const bool terminated = count == -1 || bytes->size() < static_cast<std::size_t>(count);
    WriteBack(*drawn->modifiedSource, writable, *bytes, terminated);
  }
  if (params != nullptr) params->uiLengthDrawn = static_cast<UINT>(bytes->size());
  return drawn->height;
}

}  // namespace

int DrawTextExA(HDC dc, char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawAnsiText(dc, text, text, count, rect, format, params);
}

int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  return DrawAnsiText(dc, text, nullptr, count, rect, format, nullptr);
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count) {
  if (count < 0) return FALSE;
  RECT rect{x, y, x, y};
  return DrawAnsiText(dc, text, nullptr, count, &rect, DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX,
                      nullptr) != 0
             ? TRUE
             : FALSE;
}

}  // namespace platform
