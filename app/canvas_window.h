#pragma once
// The canvas window's procedure and the preview it draws.
//
// The state's hook routes every message of the canvas window through
// CanvasWindowProc: paint messages render the preview inside the hook's paint
// bracket, a left click moves the watermark to the clicked point, a size message moves
// it to (0, 0). Every message then goes on to the window's previous procedure.

#include "platform/user/messages.h"

namespace varnimo::app {

// Sends `message` (0: WM_LBUTTONDOWN) with wParam and lParam 0 to the canvas window
// and returns once it has been handled.
void RequestRepaint(platform::HWND canvas, platform::UINT message = 0);

// The window procedure the hook installs on the canvas. Once the state is gone
// (after Shutdown) messages get the default handling only.
platform::LRESULT CanvasWindowProc(platform::HWND window, platform::UINT message,
                                   platform::WPARAM wParam, platform::LPARAM lParam);

// Clears the back buffer, moves the watermark to (x, y) and renders. The position
// label is not touched.
void PlaceAt(int x, int y);

// Draws the preview into the back buffer and copies its canvas-sized top-left part to
// the canvas window. For now the preview is the cleared (black) back buffer; nothing
// is measured, so the last drawn text has no size: textBounds becomes (position, 0, 0).
void Render();

}  // namespace varnimo::app
