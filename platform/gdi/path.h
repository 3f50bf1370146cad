#pragma once
// Path brackets: shapes drawn between BeginPath and EndPath are recorded, then filled
// or stroked as one figure. Filling and stroking consume the path.

#include "platform/gdi/types.h"

namespace platform {

BOOL BeginPath(HDC dc);
BOOL EndPath(HDC dc);
BOOL AbortPath(HDC dc);
BOOL CloseFigure(HDC dc);
// Fail when no closed path exists (EndPath not called).
BOOL FillPath(HDC dc);
BOOL StrokePath(HDC dc);
BOOL StrokeAndFillPath(HDC dc);
HRGN PathToRegion(HDC dc);

}  // namespace platform
