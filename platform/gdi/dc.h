#pragma once
// Device contexts and the objects selected into them.

#include "platform/gdi/types.h"

namespace platform {

// A memory DC with the stock 1x1 monochrome bitmap, BLACK_PEN, WHITE_BRUSH and
// SYSTEM_FONT selected. `compatible` may be 0 (the screen) or any valid DC; an invalid
// one fails with 0.
HDC CreateCompatibleDC(HDC compatible);
BOOL DeleteDC(HDC dc);

// Selects a bitmap, pen, brush or font and returns the previously selected object of
// that kind; 0 on failure (bad DC or object, a bitmap already selected into another
// DC, a bitmap into a window DC). A region sets the clip and returns the region type
// (SIMPLEREGION, COMPLEXREGION, NULLREGION), RGN_ERROR on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP.
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
HGDIOBJ GetStockObject(int index);
// Deletes a pen, brush, font, bitmap or region. Fails (FALSE) for an object selected
// into a DC and for a bad handle; stock objects stay and report TRUE.
BOOL DeleteObject(HGDIOBJ object);
// Fills BITMAP, LOGPEN, LOGBRUSH or LOGFONTA; returns the bytes written, or with a
// null buffer the bytes needed; 0 on failure or a buffer too small.
int GetObjectA(HGDIOBJ object, int size, void* buffer);
// OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION, OBJ_DC or OBJ_MEMDC; 0 if bad.
DWORD GetObjectType(HGDIOBJ object);

// The setters return the previous value; 0 (CLR_INVALID for colours) on failure.
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetArcDirection(HDC dc, int direction);
int GetArcDirection(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);

// Moves the current position; the previous one goes to `previous` when given.
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);

// Selects a copy of the region as the DC's clip (null region: no clip). Returns the
// clip's region type, or RGN_ERROR.
int SelectClipRgn(HDC dc, HRGN region);

}  // namespace platform
