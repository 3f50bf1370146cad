#pragma once
// Platform windows: each has a window procedure, a size, a rectangle on the screen and
// its own 32-bit pixels, which its device contexts draw into.

#include "platform/gdi/types.h"

namespace platform {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  const char* lpszClassName;
};

// Registers a window class by name; returns a nonzero atom, 0 when the name is taken
// or missing.
std::uint16_t RegisterClassA(const WNDCLASSA* windowClass);

// A window of the registered class, at (x, y) on the screen (relative to the parent's
// client area for a child), with a client area of width x height pixels. 0 when the
// class is unknown or the size is not positive or too large.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                     DWORD style, int x, int y, int width, int height, HWND parent,
                     void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// Screen coordinates of the window's rectangle.
BOOL GetWindowRect(HWND window, RECT* rect);
// (0, 0, width, height).
BOOL GetClientRect(HWND window, RECT* rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);

// A DC on the window's pixels; GetDC(0) is the screen. ReleaseDC returns 1 when it
// released the DC, 0 otherwise.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// The window a window DC belongs to; 0 for memory DCs, the screen and bad handles.
HWND WindowFromDC(HDC dc);

// The screen size: the GUI toolkit's primary screen when there is one, else the
// fixed default 1920 x 1080.
int GetScreenWidth();
int GetScreenHeight();

}  // namespace platform
