#pragma once
// Drawing text with the DC's font, text colour and background mode.

#include "platform/gdi/types.h"

namespace platform {

// Lays out and draws text (ANSI code page) in the rectangle with the DT_ flags; count
// -1 means NUL-terminated, and the text is never read past its terminator whatever
// the count. With DT_CALCRECT nothing is drawn and rect receives the extent. Returns
// the text's height, or 0 on failure.
int DrawTextExA(HDC dc, char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format);

// UTF-16 text drawn with a shadow: first the text in the shadow colour at (xOffset,
// yOffset), then the text itself. count -1 means NUL-terminated. Returns nonzero on
// success.
int DrawShadowText(HDC dc, const WCHAR* text, UINT count, RECT* rect, DWORD flags,
                   COLORREF textColour, COLORREF shadowColour, int xOffset, int yOffset);

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);

}  // namespace platform
