#pragma once
// Drawing text with the DC's font, text colour and background mode.

#include "platform/gdi/types.h"

namespace platform {

// Lays out and draws text (ANSI code page) in the rectangle with the DT_ flags:
//  - DT_LEFT / DT_CENTER / DT_RIGHT place each line; DT_TOP / DT_VCENTER / DT_BOTTOM
//    place a DT_SINGLELINE line (multi-line text always starts at the top);
//  - without DT_SINGLELINE, CR LF, CR and LF break lines (a break at the very end adds
//    none); DT_WORDBREAK also breaks at spaces, and between characters where a word
//    (or text without spaces, such as Chinese) is wider than the line;
//  - DT_EXPANDTABS puts tab stops every 8 average character widths, or every n with
//    DT_TABSTOP (n in bits 8 to 15, which are then no flags) or params->iTabLength;
//    without it a tab is drawn as a space;
//  - DT_END_ELLIPSIS, DT_WORD_ELLIPSIS (cut after the last whole word that fits) and
//    DT_PATH_ELLIPSIS (cut the middle, keeping the part after the last \ or /) shorten
//    each line wider than the rectangle with "..."; DT_MODIFYSTRING writes the
//    shortened text back into `text`, never past the bytes read and their terminator;
//  - "&x" underlines x and "&&" shows "&", unless DT_NOPREFIX; DT_HIDEPREFIX drops the
//    underlines, DT_PREFIXONLY draws nothing but them;
//  - the text is clipped to the rectangle unless DT_NOCLIP; the DC's clipping always
//    applies;
//  - DT_CALCRECT draws nothing; rect keeps its left and top, its right moves to bound
//    the widest line and its bottom to bound the last line;
//  - DT_EXTERNALLEADING adds the font's external leading to each line.
// Text is drawn in the DC's text colour; in OPAQUE mode each line's cell is filled
// with the background colour first. The font's escapement turns the text about the
// first line's top-left corner. params (optional; cbSize must match) adds margins in
// pixels and receives uiLengthDrawn, the bytes processed.
// count -1 means NUL-terminated; a count of 0 or more stops at a terminator within
// it, so the text is never read past its terminator whatever the count.
// Returns the text's height (for DT_SINGLELINE with DT_VCENTER or DT_BOTTOM, the
// distance from the rectangle's top to the text's bottom); 0 on failure: a bad DC, a
// null text or rectangle, a count below -1, text that is not valid GB18030, a DC with
// no usable font or pixels.
int DrawTextExA(HDC dc, char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
// As DrawTextExA without parameters; the text is not written (DT_MODIFYSTRING is
// ignored).
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format);

// UTF-16 text drawn with a shadow: first the text in the shadow colour moved by
// (xOffset, yOffset), then the text in the text colour, laid out as DrawTextExA lays
// it out (DT_MODIFYSTRING is ignored). In OPAQUE mode the background goes under both
// before any ink. The DC's text colour is left as it was. count (UINT)-1 means
// NUL-terminated; any other count stops at a terminator within it. Returns the text's
// height, 0 on failure (as DrawTextExA; unpaired surrogates fail).
int DrawShadowText(HDC dc, const WCHAR* text, UINT count, RECT* rect, DWORD flags,
                   COLORREF textColour, COLORREF shadowColour, int xOffset, int yOffset);

// Draws `count` bytes of text (stopping early at a terminator) with its cell's
// top-left corner at (x, y): no clipping but the DC's, no prefixes, tabs as spaces.
// FALSE for a negative count or what DrawTextExA refuses.
BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);

}  // namespace platform
