#pragma once
// Reading and writing a bitmap's pixels in device-independent form (16 bits 5-5-5,
// 24 or 32 bits per pixel, BI_RGB, rows padded to 4 bytes, bottom row first for a
// positive height and top row first for a negative one).
//
// Both calls fail (0) for a bad DC or bitmap, a bitmap selected into a DC other than
// `dc`, a bitmap or request of 8 bits per pixel or fewer (their colour tables are
// not served), another compression, DIB_PAL_COLORS, and an image larger than 2^31
// bytes. Scan lines count from the first row of the DIB's own order: from the bottom
// for a bottom-up request, from the top for a top-down one. A row width other than
// the bitmap's copies the columns both have.

#include "platform/gdi/types.h"

namespace platform {

// With bits null and biBitCount 0: fills the header's fields for the bitmap
// (biWidth, biHeight positive, biPlanes 1, biBitCount, biCompression BI_RGB,
// biSizeImage, and zero resolution and colour counts), leaves the colour entries
// alone and returns the bitmap's height. BI_RGB is the answer for 32-bit bitmaps
// too. With bits null and a depth: sets biSizeImage for that format and returns the
// DIB's height. Otherwise copies `lines` rows from `start` into bits (padding
// zeroed), sets biSizeImage, and returns the rows copied.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage);
// Writes rows in the given format into the bitmap; returns the rows written. Pixels
// from 16- and 24-bit rows get 0xFF in the unused byte; 32-bit rows are copied
// whole.
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);

}  // namespace platform
