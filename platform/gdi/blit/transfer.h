#pragma once
// Pixel transfers between device contexts: ternary raster operations, stretching,
// colour-keyed and alpha-blended copies, and gradient fills.

#include "platform/gdi/types.h"

namespace platform {

// Any of the 256 ternary raster operations of source, destination and pattern (the
// destination DC's brush). A negative width or height mirrors. The source DC may be 0
// for operations that do not use the source.
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Copies (stretching as needed) every source pixel whose colour is not the key.
BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source,
                    int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                    UINT transparentColour);

// Source over destination with a constant alpha, and per-pixel premultiplied alpha
// when AlphaFormat is AC_SRC_ALPHA.
BOOL AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);

// mesh points at `meshCount` GRADIENT_RECTs (modes GRADIENT_FILL_RECT_H/V) or
// GRADIENT_TRIANGLEs (GRADIENT_FILL_TRIANGLE) indexing the vertices.
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh,
                  ULONG meshCount, ULONG mode);

}  // namespace platform
