#pragma once
// Bitmaps: device-compatible bitmaps and DIB sections.

#include "platform/gdi/types.h"

namespace platform {

// A 32-bit bitmap of the size, black. 0 for a bad DC or a size that is not positive or
// too large (width x height x 4 must fit in memory and in 31 bits).
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// A 32-bit DIB section (BI_RGB; biHeight negative for top-down rows) whose pixels the
// caller reaches through *bits. Other depths and compressions fail with 0.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                         void* section, DWORD offset);

}  // namespace platform
