#pragma once
// WindowHook: subclasses one window. Install replaces the window's procedure by the
// application's callback, which hands messages on to the replaced procedure with
// CallPrevious; BeginPaint and EndPaint wrap the platform's paint bracket for the
// callback's WM_PAINT handling; the region operations give the window its shape.
//
// Failures follow errorLog's rules with two exceptions: Install failing and
// CallPrevious without a callback replace the whole text of errorLog by their message
// instead of appending it.
//
// The hook owns only its own memory. Destroying it makes no platform call: a window
// that is still subclassed keeps the callback as its procedure (call Uninstall first to
// restore it). Hooks move but do not copy; a moved-from hook is empty.

#include <array>
#include <cstdint>

#include "platform/gdi/types.h"
#include "platform/user/window.h"

namespace varnimo {

class GdiRegion;

class WindowHook {
 public:
  // The platform's PAINTSTRUCT, field for field: BeginPaint fills it, EndPaint hands
  // it back.
  struct PaintRecord {
    platform::HDC hdc = 0;
    std::int32_t fErase = 0;
    platform::RECT rcPaint{};
    std::int32_t fRestore = 0;
    std::int32_t fIncUpdate = 0;
    std::array<std::uint8_t, 32> rgbReserved{};
  };

  WindowHook() = default;
  ~WindowHook() = default;
  WindowHook(WindowHook&& other) noexcept;
  WindowHook& operator=(WindowHook&& other) noexcept;
  WindowHook(const WindowHook&) = delete;
  WindowHook& operator=(const WindowHook&) = delete;

  // Puts the procedure that Install replaced back and forgets the window; returns what
  // SetWindowLongA returned (the callback when it was in place, 0 on failure).
  platform::LONG_PTR Uninstall();

  // Remembers the window and, when a callback is given, makes it the window's
  // procedure. Without a callback nothing is subclassed and the result is true. When
  // SetWindowLongA fails, errorLog becomes its message alone and the result is false.
  // Call it once per hook: a second Install on the same window would record the
  // callback itself as the previous procedure.
  bool Install(platform::HWND window, platform::WNDPROC callback = nullptr);

  // BeginPaint / EndPaint on the hooked window through the paint record; they return
  // the platform's results as they are, without a message.
  platform::HDC BeginPaint();
  platform::BOOL EndPaint();

  // Hands a message to the procedure Install replaced and returns its result. Without
  // a callback installed, errorLog becomes "您未提供 窗口消息回调 子程序指针！" alone
  // and the result is 0.
  platform::LRESULT CallPrevious(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam);

  // Gives the hooked window a copy of the caller's region as its shape (the window
  // owns what it is given, the caller's object keeps its own handle). `redraw` nonzero
  // repaints the window.
  bool SetRegion(const GdiRegion& region, platform::BOOL redraw = 1);
  // Gives the hooked window an elliptic shape inside the rectangle at (x, y) of
  // width x height, or a rectangle with rounded corners of the given ellipse size.
  bool SetEllipticRegion(int x, int y, int width, int height, platform::BOOL redraw = 1);
  bool SetRoundRectRegion(int x, int y, int width, int height, int ellipseWidth,
                          int ellipseHeight, platform::BOOL redraw = 1);

  // The window procedure Install replaced (pointer-sized on this platform).
  platform::LONG_PTR GetPreviousProc() const { return previousProc; }
  platform::HWND GetHookedWindow() const { return hookedWindow; }
  // 1 when Install was given a callback, else 0.
  std::int32_t GetInstalled() const { return installed; }
  const PaintRecord& GetPaint() const { return paint; }

 private:
  // Hands a region made for the window over to it; deletes it when the window refuses.
  bool GiveRegion(platform::HRGN made, const char* creationFailure, platform::BOOL redraw);

  platform::LONG_PTR previousProc = 0;
  platform::HWND hookedWindow = 0;
  std::int32_t installed = 0;
  PaintRecord paint;
};

}  // namespace varnimo
