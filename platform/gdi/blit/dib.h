#pragma once
// Reading and writing a bitmap's pixels in device-independent form (16, 24 or 32 bits
// per pixel, BI_RGB, rows padded to 4 bytes, bottom row first for a positive height).

#include "platform/gdi/types.h"

namespace platform {

// With bits null and biBitCount 0: fills the header's fields for the bitmap
// (biWidth, biHeight, biPlanes, biBitCount, biCompression, biSizeImage ...) and
// returns nonzero. Otherwise copies `lines` rows from `start` (counted from the
// bottom for a bottom-up request) into bits and returns the rows copied; 0 on failure.
// The bitmap must not be selected into a DC other than `dc`.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage);
// Writes rows in the given format into the bitmap; returns the rows written, 0 on
// failure.
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);

}  // namespace platform
