// Routing of mouse input to windows.

#include "platform/user/input.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/user/capture.h"
#include "platform/user/messages.h"
#include "platform/user/window_p.h"

namespace platform::user {
namespace {

bool IsButtonPress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

LPARAM PackPoint(QPoint point) {
  constexpr int kLow = std::numeric_limits<std::int16_t>::min();
  constexpr int kHigh = std::numeric_limits<std::int16_t>::max();
  return MAKELPARAM(std::clamp(point.x(), kLow, kHigh), std::clamp(point.y(), kLow, kHigh));
}

}  // namespace

bool DeliverMouseInput(HWND window, UINT message, WPARAM keys, int x, int y) {
  const std::shared_ptr<WindowObject> object = FindWindowObject(window);
  if (!object) return false;
  const QPoint point(x, y);
  const HWND capture = GetCapture();
  if (capture != 0 && capture != window) {
    if (IsButtonPress(message)) {
      ReleaseCapture();
    } else if (const std::shared_ptr<WindowObject> capturing = FindWindowObject(capture)) {
      const QPoint translated = point + ScreenOrigin(*object) - ScreenOrigin(*capturing);
      SendMessageA(capture, message, keys, PackPoint(translated));
      return true;
    }
  }
  if (capture != window) {
    const bool shown = object->ClientRect().contains(point) &&
                       (!object->region || object->region->contains(point));
    if (!shown) return false;
  }
  SendMessageA(window, message, keys, PackPoint(point));
  return true;
}

}  // namespace platform::user
