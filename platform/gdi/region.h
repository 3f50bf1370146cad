#pragma once
// Regions: sets of device pixels, with the pixel rules of the shape calls (an
// elliptic region holds exactly the pixels Ellipse fills). Coordinates stay within
// +-2^27: creating or offsetting a region beyond that fails. Elliptic and round
// rectangle regions may be up to 2^20 rows tall, polygon regions (and PathToRegion)
// up to 2^26 pixels in their bounding box.

#include "platform/gdi/types.h"

namespace platform {

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);

// destination = source1 op source2 (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY);
// returns the result's region type, or RGN_ERROR.
int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, RECT* box);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
// Draws a border of width x height pixels just inside the region's edge.
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL InvertRgn(HDC dc, HRGN region);
BOOL PaintRgn(HDC dc, HRGN region);

}  // namespace platform
