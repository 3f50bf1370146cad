#pragma once
// Pens and brushes.

#include "platform/gdi/types.h"

namespace platform {

// Styles PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL and
// PS_INSIDEFRAME; width 0 draws one pixel wide. Unknown styles, negative widths and
// widths over 1024 fail with 0. Dashed styles wider than one pixel draw solid.
HPEN CreatePen(int style, int width, COLORREF colour);
HPEN CreatePenIndirect(const LOGPEN* logPen);

HBRUSH CreateSolidBrush(COLORREF colour);
// HS_HORIZONTAL .. HS_DIAGCROSS in the colour over the DC's background (opaque mode).
HBRUSH CreateHatchBrush(int hatch, COLORREF colour);
// Tiles the bitmap's pixels (copied at creation) from the device origin.
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush);

}  // namespace platform
