#pragma once
// Window regions: the part of a window that exists on the screen. Pixels outside it are
// not shown, device contexts of the window do not draw there, and mouse presses there
// do not reach the window.

#include "platform/user/window.h"

namespace platform {

// Gives the window the region (client coordinates); 0 removes the region, making the
// whole window visible again. The window then owns the region handle: it deletes it
// when another region replaces it and when the window is destroyed, so the caller must
// neither use nor delete it afterwards. `redraw` invalidates the whole window. Returns
// nonzero on success; 0 for a bad window or region, which stays the caller's.
int SetWindowRgn(HWND window, HRGN region, BOOL redraw);
// Copies the window region into `region`, an existing region of the caller. Returns
// its type (NULLREGION, SIMPLEREGION, COMPLEXREGION), or RGN_ERROR when the window has
// no region or a handle is bad.
int GetWindowRgn(HWND window, HRGN region);

}  // namespace platform
