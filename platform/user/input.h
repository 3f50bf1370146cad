#pragma once
// Mouse input: how a mouse event that the user produced over a window reaches the
// windows. The bridge widget reports its mouse events here.
//
// - While another window holds the capture, movements and releases go to the capturing
//   window (coordinates made relative to its client area); a button press ends the
//   capture and goes on as without one.
// - Otherwise the message goes to the window, unless the point lies outside its client
//   area or its window region.

#include "platform/user/window.h"

namespace platform::user {

// `message` is WM_MOUSEMOVE or a button message (WM_LBUTTONDOWN ...), `keys` the MK_
// flags, (x, y) the point in the window's client coordinates. Coordinates beyond the
// signed 16-bit range of mouse messages are clamped to it. Returns whether a window
// received the message.
bool DeliverMouseInput(HWND window, UINT message, WPARAM keys, int x, int y);

}  // namespace platform::user
