#pragma once
// The mouse capture: the one window that receives mouse movements and button releases
// wherever they happen, while it holds the capture.
//
// The capture ends at the next button press outside the capturing window: that press
// goes to the window under the mouse as usual (and the capturing window receives
// WM_CAPTURECHANGED), so a window that took the capture and forgot to release it never
// swallows a click meant for another window.

#include "platform/user/window.h"

namespace platform {

// Gives the capture to the window and returns the window that held it before (0 for
// none). A bad window changes nothing and returns 0.
HWND SetCapture(HWND window);
// The window holding the capture; 0 for none.
HWND GetCapture();
// Ends the capture; the window that held it receives WM_CAPTURECHANGED (lParam 0).
BOOL ReleaseCapture();

}  // namespace platform
