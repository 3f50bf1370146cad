// Window procedures: sending messages, subclassing, default handling.

#include "platform/user/messages.h"

#include "platform/kernel/last_error.h"
#include "platform/user/paint.h"
#include "platform/user/window_p.h"

namespace platform {

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The object stays alive for the call even if the procedure destroys the window.
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return 0;
  return object->procedure(window, message, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  if (procedure == nullptr) return 0;
  return procedure(window, message, wParam, lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint{};
    if (BeginPaint(window, &paint) != 0) EndPaint(window, &paint);
  }
  return 0;
}

LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return 0;
  switch (index) {
    case GWL_WNDPROC: {
      // Every window keeps a procedure: a null one is refused.
      if (value == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      const WNDPROC previous = object->procedure;
      object->procedure = reinterpret_cast<WNDPROC>(value);
      return reinterpret_cast<LONG_PTR>(previous);
    }
    case GWL_USERDATA: {
      const LONG_PTR previous = object->userData;
      object->userData = value;
      return previous;
    }
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

LONG_PTR GetWindowLongA(HWND window, int index) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return 0;
  switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(object->procedure);
    case GWL_USERDATA: return object->userData;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

}  // namespace platform
