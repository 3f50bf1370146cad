#pragma once
// Painting: each window keeps an update region, the part of it that needs painting.
// InvalidateRect adds to it; BeginPaint hands out a device context clipped to it and
// validates it (makes it empty); EndPaint releases that device context.

#include <cstddef>

#include "platform/user/window.h"

namespace platform {

// 64 bytes, in this order; the device context is our 32-bit handle.
struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;    // the background still needs erasing (WM_ERASEBKGND returned 0)
  RECT rcPaint;   // the bounds of the area to paint, client coordinates; empty if none
  BOOL fRestore;  // reserved, 0
  BOOL fIncUpdate;  // reserved, 0
  BYTE rgbReserved[32];  // reserved, 0
};
static_assert(sizeof(PAINTSTRUCT) == 64);
static_assert(offsetof(PAINTSTRUCT, hdc) == 0);
static_assert(offsetof(PAINTSTRUCT, fErase) == 4);
static_assert(offsetof(PAINTSTRUCT, rcPaint) == 8);
static_assert(offsetof(PAINTSTRUCT, fRestore) == 24);
static_assert(offsetof(PAINTSTRUCT, fIncUpdate) == 28);
static_assert(offsetof(PAINTSTRUCT, rgbReserved) == 32);

// A device context on the window clipped to the update region (and the window region),
// which becomes empty. When the area was invalidated with erasing, the window first
// receives WM_ERASEBKGND with the device context as wParam. With nothing invalid the
// device context clips everything and rcPaint is empty. 0 for a bad window or a null
// `paint`.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
// Releases the device context BeginPaint gave for this window; FALSE when `paint` does
// not hold one.
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// Adds the rectangle (client coordinates; null: the whole window) to the update region.
// `erase` asks for WM_ERASEBKGND at the next BeginPaint.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase);
// Removes the rectangle (null: everything) from the update region.
BOOL ValidateRect(HWND window, const RECT* rect);
// The bounds of the update region (an empty rectangle when there is none) into `rect`
// when given; nonzero when the update region is not empty. `erase` sends a pending
// WM_ERASEBKGND now.
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
// Sends WM_PAINT when the update region is not empty.
BOOL UpdateWindow(HWND window);

}  // namespace platform
