#pragma once
// Pixel transfers between device contexts: ternary raster operations, stretching,
// colour-keyed and alpha-blended copies, and gradient fills.
//
// Rules shared by every call here:
// - A rectangle given as origin and extent covers the pixels from origin to
//   origin + extent, the larger end excluded, whatever the extent's sign: x = 10 with
//   width -4 covers columns 6 to 9.
// - Each call is clipped to the destination surface, the destination DC's clip and,
//   for calls with a source, the source surface: pixels whose source lies outside
//   the source stay as they were. Any int arguments are safe; nothing overflows.
// - Stretching takes, for each destination pixel, the source pixel under its centre
//   (except StretchBlt in HALFTONE mode, below).
// - A source and destination on the same surface may overlap: the source is read as
//   it was before the call.
// - A bad DC handle, or a DC without pixels, makes the call fail (FALSE).

#include "platform/gdi/types.h"

namespace platform {

// Any of the 256 ternary raster operations of source, destination and pattern (the
// destination DC's brush, tiled from the device origin; hatch gaps take the DC's
// background colour). Operations act on the colour bits and leave 0xFF in the unused
// byte; SRCCOPY copies whole pixels. With the null brush, operations that use the
// pattern draw nothing and succeed. The source DC is not looked at (and may be 0)
// for operations that do not use the source.
//
// StretchBlt mirrors when a source extent and the matching destination extent differ
// in sign. In the destination's HALFTONE stretch mode a stretch whose rectangles lie
// wholly inside both surfaces is smoothed; every other stretch takes the nearest
// pixel. BitBlt is StretchBlt with the source extents equal to the destination's, so
// it never mirrors.
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
// Fails for operations that use the source.
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Copies (stretching by the nearest pixel) every source pixel whose colour is not the
// key, whole pixels with their unused byte. Does not mirror: negative extents fail.
BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source,
                    int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                    UINT transparentColour);

// Source over destination with a constant alpha, and per-pixel premultiplied alpha
// when AlphaFormat is AC_SRC_ALPHA; stretches by the nearest pixel. Fails for
// negative extents, a source rectangle not wholly inside the source surface,
// overlapping rectangles on one surface, and a BlendOp, BlendFlags or AlphaFormat
// other than the documented ones. The rounding is stated in alpha_blend.cpp.
BOOL AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);

// mesh points at `meshCount` GRADIENT_RECTs (modes GRADIENT_FILL_RECT_H/V) or
// GRADIENT_TRIANGLEs (GRADIENT_FILL_TRIANGLE) indexing the vertices. Fails, drawing
// nothing, for no vertices, no mesh, an unknown mode or an index past the vertices.
// Each pixel takes the high byte of the interpolated 16-bit channels, alpha into the
// unused byte.
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh,
                  ULONG meshCount, ULONG mode);

}  // namespace platform
