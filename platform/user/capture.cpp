// The mouse capture.

#include "platform/user/capture.h"

#include "platform/user/messages.h"
#include "platform/user/window_p.h"

namespace platform {
namespace user {
namespace {

// Windows and their input belong to the GUI thread, as does the capture.
HWND capturingWindow = 0;

}  // namespace

void ForgetCaptureOf(HWND window) {
  if (capturingWindow == window) capturingWindow = 0;
}

}  // namespace user

HWND SetCapture(HWND window) {
  if (!user::FindWindowObject(window)) return 0;
  const HWND previous = user::capturingWindow;
  user::capturingWindow = window;
  if (previous != 0 && previous != window) {
    SendMessageA(previous, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(window));
  }
  return previous;
}

HWND GetCapture() {
  // A window destroyed while holding the capture has given it up.
  if (user::capturingWindow != 0 && !IsWindow(user::capturingWindow)) user::capturingWindow = 0;
  return user::capturingWindow;
}

BOOL ReleaseCapture() {
  const HWND previous = user::capturingWindow;
  user::capturingWindow = 0;
  if (previous != 0) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

}  // namespace platform
