#pragma once
// Window messages and window procedures.
//
// Every window has a window procedure, which receives the window's messages. Messages
// are delivered synchronously: SendMessageA calls the procedure and returns its result.
// SetWindowLongA(GWL_WNDPROC) replaces the procedure (subclassing); the replacement
// passes messages on with CallWindowProcA. On this platform window procedures and the
// values of SetWindowLongA are pointer-sized (LONG_PTR).

#include <cstdint>

#include "platform/user/window.h"

namespace platform {

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_CAPTURECHANGED = 0x0215;

// wParam of WM_SIZE.
constexpr WPARAM SIZE_RESTORED = 0;

// wParam of mouse messages: the buttons and keys held down.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Packing of two 16-bit values into a message parameter: `low` in bits 0..15, `high` in
// bits 16..31, the rest zero. Mouse coordinates are signed 16-bit values; read them back
// with GET_X_LPARAM / GET_Y_LPARAM, which keep the sign.
constexpr WORD LOWORD(std::uint64_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uint64_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(int low, int high) {
  return static_cast<DWORD>(static_cast<WORD>(low)) |
         (static_cast<DWORD>(static_cast<WORD>(high)) << 16);
}
constexpr LPARAM MAKELPARAM(int low, int high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
constexpr WPARAM MAKEWPARAM(int low, int high) { return static_cast<WPARAM>(MAKELONG(low, high)); }
constexpr int GET_X_LPARAM(LPARAM lParam) { return static_cast<std::int16_t>(LOWORD(lParam)); }
constexpr int GET_Y_LPARAM(LPARAM lParam) { return static_cast<std::int16_t>(HIWORD(lParam)); }

// Indices for SetWindowLongA / GetWindowLongA.
constexpr int GWL_WNDPROC = -4;
constexpr int GWL_USERDATA = -21;

// Calls the window's procedure with the message and returns its result; 0 for a bad
// window.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls `procedure` (a procedure that SetWindowLongA returned) with the message; 0 when
// there is no procedure.
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam);
// The default handling: WM_PAINT validates the update region through BeginPaint and
// EndPaint; every message returns 0.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// GWL_WNDPROC: replaces the window procedure by `value` (a WNDPROC) and returns the
// previous one. GWL_USERDATA: stores the application's value and returns the previous
// one. 0 on failure: a bad window (ERROR_INVALID_WINDOW_HANDLE), a null procedure
// (ERROR_INVALID_PARAMETER) or another index (ERROR_INVALID_INDEX).
LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongA(HWND window, int index);

}  // namespace platform
