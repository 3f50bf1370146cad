#pragma once
// GDI+ graphics objects on device contexts.
//
// Every call returns GdiplusNotInitialized while GDI+ is not started, and
// InvalidParameter for a handle that is not a live graphics.

#include "platform/gdi/types.h"
#include "platform/gdiplus/status.h"

namespace platform {

// A graphics that draws into the DC's current target. InvalidParameter for a bad DC
// or a null out pointer.
Status GdipCreateFromHDC(HDC dc, GpGraphics* graphics);
Status GdipDeleteGraphics(GpGraphics graphics);
// Hands out the DC the graphics was made on, until GdipReleaseDC gives it back:
// ObjectBusy while it is out, InvalidParameter when the DC has been deleted since.
Status GdipGetDC(GpGraphics graphics, HDC* dc);
// InvalidParameter unless `dc` is the DC handed out by GdipGetDC.
Status GdipReleaseDC(GpGraphics graphics, HDC dc);

}  // namespace platform
