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

// Mouse coordinates travel as signed 16-bit values; farther points are held to that
// range.
LPARAM PackPoint(std::int64_t x, std::int64_t y) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int16_t>::max();
  return MAKELPARAM(static_cast<int>(std::clamp(x, kLow, kHigh)),
                    static_cast<int>(std::clamp(y, kLow, kHigh)));
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
      // In 64 bits: the two origins may lie at opposite ends of the int range.
      const QPoint from = ScreenOrigin(*object);
      const QPoint to = ScreenOrigin(*capturing);
      const std::int64_t translatedX = std::int64_t{x} + from.x() - to.x();
      const std::int64_t translatedY = std::int64_t{y} + from.y() - to.y();
      SendMessageA(capture, message, keys, PackPoint(translatedX, translatedY));
      return true;
    }
  }
  if (capture != window) {
    const bool shown = object->ClientRect().contains(point) &&
                       (!object->region || object->region->contains(point));
    if (!shown) return false;
  }
  SendMessageA(window, message, keys, PackPoint(x, y));
  return true;
}

}  // namespace platform::user
