// Creating, destroying, placing and sizing windows.

#include "platform/user/window.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/dc.h"
#include "platform/kernel/last_error.h"
#include "platform/user/messages.h"
#include "platform/user/window_p.h"

namespace platform {
namespace user {
namespace {

bool ValidWindowSize(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxWindowSide && height <= kMaxWindowSide &&
         std::int64_t{width} * height <= kMaxWindowPixels;
}

// Gives the pixels the new size, keeping the old content where the two overlap.
bool ResizePixels(gdi::PixelSurface& pixels, int width, int height) {
  std::shared_ptr<gdi::PixelSurface> fresh = gdi::PixelSurface::Create(width, height);
  if (!fresh || !fresh->Valid()) return false;
  const int keptWidth = std::min(width, pixels.Width());
  const int keptHeight = std::min(height, pixels.Height());
  for (int y = 0; y < keptHeight; ++y) {
    std::memcpy(fresh->Row(y), pixels.Row(y), static_cast<std::size_t>(keptWidth) * 4);
  }
  pixels.image = std::move(fresh->image);
  return true;
}

}  // namespace

HandleTable<WindowObject>& Windows() {
  static HandleTable<WindowObject> table(HandleKind::Window);
  return table;
}

std::shared_ptr<WindowObject> FindWindowObject(HWND window) {
  std::shared_ptr<WindowObject> found = Windows().Find(window);
  if (!found) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return found;
}

QPoint ScreenOrigin(const WindowObject& window) {
  // Positions are the callers' own values: the sum is taken in 64 bits and held to the
  // int range at each step, never wrapping.
  std::int64_t x = window.position.x();
  std::int64_t y = window.position.y();
  for (HWND parent = window.parent; parent != 0;) {
    const std::shared_ptr<WindowObject> object = Windows().Find(parent);
    if (!object) break;
    x = ClampToInt(x + object->position.x());
    y = ClampToInt(y + object->position.y());
    parent = object->parent;
  }
  return QPoint(static_cast<int>(x), static_cast<int>(y));
}

bool SetWindowHost(HWND window, WindowHost* host) {
  const std::shared_ptr<WindowObject> object = FindWindowObject(window);
  if (!object) return false;
  object->host = host;
  if (host) {
    object->pixels->onChanged = [host](const QRect& area) { host->PixelsChanged(area); };
  } else {
    object->pixels->onChanged = nullptr;
  }
  return true;
}

}  // namespace user

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                     DWORD style, int x, int y, int width, int height, HWND parent,
                     void* param) {
  const std::optional<user::WindowClass> windowClass = user::FindWindowClass(className);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return 0;
  }
  std::shared_ptr<user::WindowObject> parentObject;
  if (parent != 0 && !(parentObject = user::FindWindowObject(parent))) return 0;
  if (!user::ValidWindowSize(width, height)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }

  auto object = std::make_shared<user::WindowObject>();
  object->pixels = gdi::PixelSurface::Create(width, height);
  if (!object->pixels || !object->pixels->Valid()) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  object->procedure = windowClass->procedure;
  object->parent = parent;
  object->position = QPoint(x, y);
  object->updateRegion = object->ClientRect();
  object->erasePending = true;
  const HWND window = user::Windows().Insert(object);
  if (window == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  object->self = window;
  if (parentObject) parentObject->children.push_back(window);

  CREATESTRUCTA create{param, parent, height, width, y, x, style, windowName, className, exStyle};
  if (SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(window);
    return 0;
  }
  // A new window learns its size as after any resize.
  SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
  return IsWindow(window) ? window : 0;
}

BOOL DestroyWindow(HWND window) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || object->destroying) return FALSE;
  object->destroying = true;
  user::ForgetCaptureOf(window);
  SendMessageA(window, WM_DESTROY, 0, 0);
  for (const HWND child : std::vector<HWND>(object->children)) DestroyWindow(child);

  user::RemoveAllWindowDcs(*object);
  if (object->regionHandle != 0) DeleteObject(object->regionHandle);
  object->regionHandle = 0;
  object->region.reset();
  if (object->host) object->host->WindowDestroyed();
  user::SetWindowHost(window, nullptr);
  if (const std::shared_ptr<user::WindowObject> parent = user::Windows().Find(object->parent)) {
    std::erase(parent->children, window);
  }
  user::Windows().Remove(window);
  return TRUE;
}

BOOL IsWindow(HWND window) { return user::Windows().Find(window) ? TRUE : FALSE; }

BOOL GetWindowRect(HWND window, RECT* rect) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || rect == nullptr) return FALSE;
  const QPoint origin = user::ScreenOrigin(*object);
  *rect = RECT{origin.x(), origin.y(),
               user::ClampToInt(std::int64_t{origin.x()} + object->pixels->Width()),
               user::ClampToInt(std::int64_t{origin.y()} + object->pixels->Height())};
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || rect == nullptr) return FALSE;
  *rect = RECT{0, 0, object->pixels->Width(), object->pixels->Height()};
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return FALSE;
  if (!user::ValidWindowSize(width, height)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const bool resized = width != object->pixels->Width() || height != object->pixels->Height();
  if (resized) {
    if (!user::ResizePixels(*object->pixels, width, height)) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return FALSE;
    }
    object->updateRegion &= object->ClientRect();
  }
  object->position = QPoint(x, y);
  if (repaint) user::AddToUpdateRegion(*object, object->ClientRect(), TRUE);
  if (object->host) object->host->GeometryChanged();
  if (resized) SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
  return TRUE;
}

}  // namespace platform
