// Update regions, BeginPaint and EndPaint.

#include "platform/user/paint.h"

#include <algorithm>

#include "platform/user/messages.h"
#include "platform/user/window_p.h"

namespace platform {
namespace user {
namespace {

// The rectangle cut to the client area (null: all of it). Cutting first keeps the
// width and height arithmetic of extreme coordinates from overflowing.
QRect ClientPart(const WindowObject& window, const RECT* rect) {
  const QRect client = window.ClientRect();
  if (rect == nullptr) return client;
  const int left = std::clamp<LONG>(rect->left, 0, client.width());
  const int top = std::clamp<LONG>(rect->top, 0, client.height());
  const int right = std::clamp<LONG>(rect->right, 0, client.width());
  const int bottom = std::clamp<LONG>(rect->bottom, 0, client.height());
  if (right <= left || bottom <= top) return {};
  return QRect(left, top, right - left, bottom - top);
}

RECT ToRect(const QRect& rect) {
  if (rect.isEmpty()) return RECT{0, 0, 0, 0};
  return RECT{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// Sends WM_ERASEBKGND with the device context; the background counts as erased when
// the window procedure answers nonzero.
void EraseBackground(WindowObject& window, HDC dc) {
  if (SendMessageA(window.self, WM_ERASEBKGND, static_cast<WPARAM>(dc), 0) != 0) {
    window.erasePending = false;
  }
}

}  // namespace

void AddToUpdateRegion(WindowObject& window, const QRegion& area, BOOL erase) {
  const QRegion added = area & window.ClientRect();
  if (added.isEmpty()) return;
  const bool wasEmpty = window.updateRegion.isEmpty();
  window.updateRegion |= added;
  if (erase) window.erasePending = true;
  if (wasEmpty && window.host) window.host->UpdatePending();
}

}  // namespace user

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || paint == nullptr) return 0;
  const QRegion area = object->updateRegion & object->ClientRect();
  const HDC dc = user::AddWindowDc(*object, user::WindowDc::Kind::Paint, area);
  if (dc == 0) return 0;
  object->updateRegion = QRegion();
  if (object->erasePending) user::EraseBackground(*object, dc);
  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->fErase = object->erasePending ? TRUE : FALSE;
  paint->rcPaint = user::ToRect(area.boundingRect());
  object->erasePending = false;
  return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || paint == nullptr) return FALSE;
  return user::RemoveWindowDc(*object, paint->hdc, user::WindowDc::Kind::Paint) ? TRUE : FALSE;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return FALSE;
  user::AddToUpdateRegion(*object, user::ClientPart(*object, rect), erase);
  return TRUE;
}

BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return FALSE;
  if (region == 0) {
    user::AddToUpdateRegion(*object, object->ClientRect(), erase);
    return TRUE;
  }
  const std::shared_ptr<gdi::RegionObject> found = gdi::Regions().Find(region);
  if (!found) return FALSE;
  user::AddToUpdateRegion(*object, found->region, erase);
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return FALSE;
  object->updateRegion -= user::ClientPart(*object, rect);
  if (object->updateRegion.isEmpty()) object->erasePending = false;
  return TRUE;
}

BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return FALSE;
  const QRegion area = object->updateRegion;
  if (erase && object->erasePending && !area.isEmpty()) {
    const HDC dc = user::AddWindowDc(*object, user::WindowDc::Kind::Paint, area);
    if (dc != 0) {
      user::EraseBackground(*object, dc);
      user::RemoveWindowDc(*object, dc, user::WindowDc::Kind::Paint);
    }
  }
  if (rect != nullptr) *rect = user::ToRect(area.boundingRect());
  return area.isEmpty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND window) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object) return FALSE;
  if (!object->updateRegion.isEmpty()) SendMessageA(window, WM_PAINT, 0, 0);
  return TRUE;
}

}  // namespace platform
