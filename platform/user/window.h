#pragma once
// Platform windows: each has a window procedure, a size, a rectangle on the screen and
// its own 32-bit pixels, which its device contexts draw into.
//
// A window has no frame: its client area is the whole window, so GetWindowRect and
// GetClientRect describe the same pixels (in screen and client coordinates). Windows and
// their messages belong to the GUI thread.

#include <cstdint>

#include "platform/gdi/types.h"

namespace platform {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
using ATOM = std::uint16_t;

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  const char* lpszClassName;
};

// What WM_CREATE's lParam points to: the arguments of CreateWindowExA.
struct CREATESTRUCTA {
  void* lpCreateParams;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  DWORD style;
  const char* lpszName;
  const char* lpszClass;
  DWORD dwExStyle;
};

// The largest window: each side at most kMaxWindowSide pixels (mouse coordinates are
// signed 16-bit) and at most kMaxWindowPixels pixels in all (256 MiB of pixels).
constexpr int kMaxWindowSide = 32767;
constexpr std::int64_t kMaxWindowPixels = std::int64_t{1} << 26;

// Last-error codes of the window calls.
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr DWORD ERROR_INVALID_INDEX = 1413;

// Registers a window class by name (compared without regard to ASCII case); returns a
// nonzero atom, 0 when the name is taken or missing or the class has no procedure.
ATOM RegisterClassA(const WNDCLASSA* windowClass);

// A window of the registered class, at (x, y) on the screen (relative to the parent's
// client area for a child), with a client area of width x height pixels, black. The
// window procedure receives WM_CREATE (returning -1 refuses the window: it is destroyed
// and the result is 0), then WM_SIZE; the whole window starts invalid. 0 when the class
// is unknown, the parent is not a window, or the size is not positive or too large.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                     DWORD style, int x, int y, int width, int height, HWND parent,
                     void* param);
// Sends WM_DESTROY to the window, then destroys its children the same way; frees its
// pixels, device contexts and window region, and gives up the capture if it held it.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// Screen coordinates of the window's rectangle.
BOOL GetWindowRect(HWND window, RECT* rect);
// (0, 0, width, height).
BOOL GetClientRect(HWND window, RECT* rect);
// Moves the window (relative to its parent's client area for a child) and sizes it. A
// new size keeps the old pixels where the two overlap (the rest is black) and sends
// WM_SIZE with the client size packed into lParam (width low, height high). `repaint`
// invalidates the whole window. FALSE for a bad window or a size CreateWindowExA refuses.
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);

// A DC on the window's pixels, clipped to its window region; GetDC(0) is the screen.
// ReleaseDC returns 1 when it released a DC that GetDC gave for that window, else 0.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// The window a window DC belongs to; 0 for memory DCs, the screen and bad handles.
HWND WindowFromDC(HDC dc);

// The screen size: the GUI toolkit's primary screen when a QGuiApplication with a
// screen exists, else the fixed default 1920 x 1080.
int GetScreenWidth();
int GetScreenHeight();

}  // namespace platform
