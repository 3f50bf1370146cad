#include "app/canvas_window.h"

#include "app/app_state.h"

namespace varnimo::app {

void RequestRepaint(platform::HWND canvas, platform::UINT message) {
  platform::SendMessageA(canvas, message == 0 ? platform::WM_LBUTTONDOWN : message, 0, 0);
}

platform::LRESULT CanvasWindowProc(platform::HWND window, platform::UINT message,
                                   platform::WPARAM wParam, platform::LPARAM lParam) {
  // The window can outlive the state (it is destroyed with the main window, after
  // Shutdown), and then has no hook to hand its messages to.
  if (!HasAppState()) return platform::DefWindowProcA(window, message, wParam, lParam);
  WindowHook& hook = State().hook;
  switch (message) {
    case platform::WM_PAINT:
      hook.BeginPaint();
      Render();
      hook.EndPaint();
      break;
    case platform::WM_SIZE:
      RequestRepaint(window);
      break;
    case platform::WM_LBUTTONDOWN:
      PlaceAt(platform::GET_X_LPARAM(lParam), platform::GET_Y_LPARAM(lParam));
      break;
    default:
      break;
  }
  return hook.CallPrevious(window, message, wParam, lParam);
}

void PlaceAt(int x, int y) {
  State().surface.Clear();
  State().position = {x, y};
  Render();
}

void Render() {
  AppState& state = State();
  state.surface.Clear();
  state.textBounds = {static_cast<float>(state.position.X), static_cast<float>(state.position.Y),
                      0, 0};
  state.surface.PresentRect(0, 0, state.canvasSize.width, state.canvasSize.height);
}

}  // namespace varnimo::app
