#pragma once
// Logical fonts and the installed typefaces.

#include "platform/gdi/types.h"

namespace platform {

// Fields as LOGFONTA; height in pixels (negative: character height, positive: cell
// height, 0: a default size). Face lookup is strict: a name that no installed font
// carries fails with 0; an empty name takes the default face. Text is anti-aliased
// unless quality is NONANTIALIASED_QUALITY.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                  DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, const char* faceName);
HFONT CreateFontIndirectA(const LOGFONTA* logFont);

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

// Calls back once per installed typeface (family name in the ANSI code page) while the
// callback returns nonzero; returns the last callback result, or 1 when there were
// no fonts. A face name given limits the enumeration to that family.
using FONTENUMPROCA = int (*)(const LOGFONTA* logFont, const TEXTMETRICA* metric, DWORD type,
                              LONG_PTR data);
int EnumFontsA(HDC dc, const char* faceName, FONTENUMPROCA callback, LONG_PTR data);

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metric);
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);

}  // namespace platform
