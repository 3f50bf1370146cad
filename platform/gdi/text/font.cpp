#include "platform/gdi/text/font.h"

#include <cstring>

#include "platform/gdi/text/resolved_font_p.h"

namespace platform {

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
  LOGFONTA logFont{};
  if (faceName != nullptr) {
    const std::size_t length = strnlen(faceName, LF_FACESIZE);
    if (length == LF_FACESIZE) return 0;
    std::memcpy(logFont.lfFaceName, faceName, length);
  }
  logFont.lfHeight = height;
  logFont.lfWidth = width;
  logFont.lfEscapement = escapement;
  logFont.lfOrientation = orientation;
  logFont.lfWeight = weight;
  logFont.lfItalic = static_cast<BYTE>(italic);
  logFont.lfUnderline = static_cast<BYTE>(underline);
  logFont.lfStrikeOut = static_cast<BYTE>(strikeOut);
  logFont.lfCharSet = static_cast<BYTE>(charSet);
  logFont.lfOutPrecision = static_cast<BYTE>(outPrecision);
  logFont.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  logFont.lfQuality = static_cast<BYTE>(quality);
  logFont.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  return CreateFontIndirectA(&logFont);
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
  if (logFont == nullptr) return 0;
  std::shared_ptr<const gdi::ResolvedFont> resolved = gdi::ResolveFont(*logFont);
  if (!resolved) return 0;
  auto font = std::make_shared<gdi::FontObject>();
  font->logFont = *logFont;
  font->resolved = std::const_pointer_cast<gdi::ResolvedFont>(std::move(resolved));
  return gdi::Fonts().Insert(std::move(font));
}

}  // namespace platform
