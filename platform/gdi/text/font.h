#pragma once
// Logical fonts and the installed typefaces.

#include <string>
#include <string_view>

#include "platform/gdi/types.h"

namespace platform {

// Fields as LOGFONTA:
//  - height in pixels: negative is the character height (em size), positive the cell
//    height (ascent + descent), 0 a default character height of 16 pixels;
//  - width: the average character width, 0 for the face's natural width, otherwise
//    the glyphs are stretched horizontally to it;
//  - escapement in tenths of a degree, counter-clockwise: the baseline is rotated
//    (orientation is not used separately);
//  - weight (0 is FW_NORMAL), italic, underline, strike-out;
//  - quality: NONANTIALIASED_QUALITY draws aliased text, every other value lets the
//    font engine anti-alias;
//  - face name in the ANSI code page, at most 31 bytes. Lookup is strict: a name that
//    no installed font carries (any of its localised names, regardless of case) fails
//    with 0; an empty name takes the default face, fontconfig's preferred sans-serif
//    family for the environment's language.
// Fails with 0 also for a face name that is not valid GB18030 and for a height or
// width beyond 16384 pixels. The first font created makes sure a Qt GUI application
// exists (an offscreen one when the program has none).
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);
HFONT CreateFontIndirectA(const LOGFONTA* logFont);

// tmPitchAndFamily bits. TMPF_FIXED_PITCH is set for variable-pitch fonts.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;

// lfPitchAndFamily values.
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;

// Font types passed to the enumeration callback.
constexpr DWORD RASTER_FONTTYPE = 0x0001;
constexpr DWORD DEVICE_FONTTYPE = 0x0002;
constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;

struct TEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  char tmFirstChar;
  char tmLastChar;
  char tmDefaultChar;
  char tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};

// Calls back once per installed typeface while the callback returns nonzero; returns
// the last callback result, 1 when no typeface was reported, 0 for a bad DC or a null
// callback. The LOGFONTA carries the family name in the ANSI code page and the
// metrics of the face at a character height of 16 pixels; type is TRUETYPE_FONTTYPE
// for scalable faces. Families whose name does not fit 31 bytes of GB18030 are not
// reported: no CreateFontA call could name them. A face name given limits the
// enumeration to that family (strict lookup as in CreateFontA).
using FONTENUMPROCA = int (*)(const LOGFONTA* logFont, const TEXTMETRICA* metric, DWORD type,
                              LONG_PTR data);
int EnumFontsA(HDC dc, const char* faceName, FONTENUMPROCA callback, LONG_PTR data);

// Metrics of the font selected into the DC.
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metric);
// The width and height of `count` bytes of text (stopping early at a terminator) in
// the DC's font. FALSE for a bad DC, a null text or size, a negative count or text
// that is not valid GB18030.
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);

// Platform extension: the family (GB18030) that fontconfig prefers for text in
// `language` (e.g. "zh-cn"), or "" when no installed font covers the language.
std::string PreferredFontFamily(std::string_view language);

}  // namespace platform
