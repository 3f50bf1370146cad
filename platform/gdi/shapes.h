#pragma once
// Shapes, lines and single pixels, drawn aliased with the selected pen and brush.
// Inside a BeginPath/EndPath bracket the shape calls add to the path instead.
// The pixel rules for edges are stated once, in shapes.cpp.

#include "platform/gdi/types.h"

namespace platform {

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight);
// The elliptic arc of the box from the radial through (xStart, yStart) to the radial
// through (xEnd, yEnd), in the DC's arc direction (counter-clockwise by default).
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
// Draws from the current position to (x, y), excluding the end pixel; (x, y) becomes
// the current position.
BOOL LineTo(HDC dc, int x, int y);
// count must be 3n + 1.
BOOL PolyBezier(HDC dc, const POINT* points, DWORD count);
BOOL Polyline(HDC dc, const POINT* points, int count);
// Filled with the DC's poly fill mode (ALTERNATE or WINDING).
BOOL Polygon(HDC dc, const POINT* points, int count);

// CLR_INVALID outside the target or the clip.
COLORREF GetPixel(HDC dc, int x, int y);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF colour);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);

BOOL InvertRect(HDC dc, const RECT* rect);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);

}  // namespace platform
