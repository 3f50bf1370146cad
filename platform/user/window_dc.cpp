// Device contexts on windows and on the screen.
//
// Each window keeps the device contexts it handed out, so that ReleaseDC and EndPaint
// accept only their own, a new window region narrows them at once, and destroying the
// window frees them. Screen DCs are kept in one list.

#include <algorithm>
#include <mutex>

#include "platform/gdi/dc.h"
#include "platform/user/window_p.h"

namespace platform {
namespace user {
namespace {

struct ScreenDcs {
  std::mutex mutex;
  std::vector<HDC> dcs;
};

ScreenDcs& ScreenDcList() {
  static ScreenDcs list;
  return list;
}

void ApplySystemClip(HDC dc, std::optional<QRegion> clip) {
  if (const std::shared_ptr<gdi::DeviceContext> context = gdi::DeviceContexts().Find(dc)) {
    context->systemClip = std::move(clip);
  }
}

}  // namespace

std::optional<QRegion> SystemClipFor(const WindowObject& window, const WindowDc& dc) {
  if (dc.kind == WindowDc::Kind::Paint) {
    return window.region ? dc.paintArea & *window.region : dc.paintArea;
  }
  return window.region;
}

void RefreshSystemClips(const WindowObject& window) {
  for (const WindowDc& dc : window.dcs) ApplySystemClip(dc.dc, SystemClipFor(window, dc));
}

HDC AddWindowDc(WindowObject& window, WindowDc::Kind kind, QRegion paintArea) {
  WindowDc record{0, kind, std::move(paintArea)};
  record.dc = gdi::CreateWindowDC(window.self, window.pixels);
  if (record.dc == 0) return 0;
  ApplySystemClip(record.dc, SystemClipFor(window, record));
  window.dcs.push_back(std::move(record));
  return window.dcs.back().dc;
}

bool RemoveWindowDc(WindowObject& window, HDC dc, WindowDc::Kind kind) {
  const auto found = std::find_if(window.dcs.begin(), window.dcs.end(), [&](const WindowDc& record) {
    return record.dc == dc && record.kind == kind;
  });
  if (found == window.dcs.end()) return false;
  window.dcs.erase(found);
  DeleteDC(dc);
  return true;
}

void RemoveAllWindowDcs(WindowObject& window) {
  for (const WindowDc& record : window.dcs) DeleteDC(record.dc);
  window.dcs.clear();
}

}  // namespace user

HDC GetDC(HWND window) {
  if (window == 0) {
    const std::shared_ptr<gdi::PixelSurface> screen = user::ScreenPixels();
    if (!screen || !screen->Valid()) return 0;
    const HDC dc = gdi::CreateWindowDC(0, screen);
    if (dc == 0) return 0;
    user::ScreenDcs& list = user::ScreenDcList();
    std::lock_guard lock(list.mutex);
    list.dcs.push_back(dc);
    return dc;
  }
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  return object ? user::AddWindowDc(*object, user::WindowDc::Kind::Common) : 0;
}

int ReleaseDC(HWND window, HDC dc) {
  if (window == 0) {
    user::ScreenDcs& list = user::ScreenDcList();
    std::lock_guard lock(list.mutex);
    const auto found = std::find(list.dcs.begin(), list.dcs.end(), dc);
    if (found == list.dcs.end()) return 0;
    list.dcs.erase(found);
    DeleteDC(dc);
    return 1;
  }
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  return object && user::RemoveWindowDc(*object, dc, user::WindowDc::Kind::Common) ? 1 : 0;
}

HWND WindowFromDC(HDC dc) {
  const std::shared_ptr<gdi::DeviceContext> context = gdi::DeviceContexts().Find(dc);
  return context && !context->memory ? context->window : 0;
}

}  // namespace platform
