#pragma once
// GDI+ graphics objects on device contexts.

#include "platform/gdi/types.h"
#include "platform/gdiplus/status.h"

namespace platform {

// A graphics that draws into the DC's current target. InvalidParameter for a bad DC
// or a null out pointer; GdiplusNotInitialized before GdiplusStartup.
Status GdipCreateFromHDC(HDC dc, GpGraphics* graphics);
Status GdipDeleteGraphics(GpGraphics graphics);
// The DC the graphics was made on.
Status GdipGetDC(GpGraphics graphics, HDC* dc);
Status GdipReleaseDC(GpGraphics graphics, HDC dc);

}  // namespace platform
