#include "core/drawing_surface.h"

#include <utility>

#include "core/drawing_surface_p.h"
#include "core/error_log.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdiplus/graphics.h"
#include "platform/user/window.h"

namespace varnimo {


// How one create operation finds its target and the back buffer's size.
struct DrawingSurface::CreateSteps {
  enum class Target { Window, DeviceContext };
  Target target;
  platform::Handle handle;  // the window or the caller's device context
  std::optional<std::int32_t> width;  // left out: the window rectangle's
  std::optional<std::int32_t> height;
  bool graphicsBeforeBackgroundMode;
};

DrawingSurface::~DrawingSurface() { Release(); }

DrawingSurface::DrawingSurface(DrawingSurface&& other) noexcept : GdipObject(std::move(other)) {
  TakeFieldsOf(other);
}

DrawingSurface& DrawingSurface::operator=(DrawingSurface&& other) noexcept {
  if (this != &other) {
    Release();
    GdipObject::operator=(std::move(other));
    TakeFieldsOf(other);
  }
  return *this;
}

void DrawingSurface::TakeFieldsOf(DrawingSurface& other) {
  windowDc = std::exchange(other.windowDc, 0);
  memoryDc = std::exchange(other.memoryDc, 0);
  bitmap = std::exchange(other.bitmap, 0);
  previousBitmap = std::exchange(other.previousBitmap, 0);
  windowHandle = std::exchange(other.windowHandle, 0);
  windowRect = std::exchange(other.windowRect, {});
  width = std::exchange(other.width, 0);
  height = std::exchange(other.height, 0);
  originX = std::exchange(other.originX, 0);
  originY = std::exchange(other.originY, 0);
  graphics = std::exchange(other.graphics, 0);
  holdsDeviceObjects = std::exchange(other.holdsDeviceObjects, false);
}

std::int32_t DrawingSurface::GetWindowWidth() const {
  return TruncateToInt32(static_cast<double>(windowRect.right) - windowRect.left);
}

std::int32_t DrawingSurface::GetWindowHeight() const {
  return TruncateToInt32(static_cast<double>(windowRect.bottom) - windowRect.top);
}

bool DrawingSurface::CreateFromWindow(HWND window) {
  return CreateFrom({CreateSteps::Target::Window, window, std::nullopt, std::nullopt, true});
}

bool DrawingSurface::CreateFromControl(const Control& control) {
  return CreateFromWindow(control.WindowHandle());
}

bool DrawingSurface::CreateFromControlWithSize(const Control& control, std::int32_t w,
                                               std::int32_t h) {
  return CreateFromWindowWithSize(control.WindowHandle(), w, h);
}

bool DrawingSurface::CreateFromWindowWithSize(HWND window, std::int32_t w, std::int32_t h) {
  return CreateFrom({CreateSteps::Target::Window, window, w, h, false});
}

bool DrawingSurface::CreateFromDcWithSize(HDC dc, std::int32_t w, std::int32_t h) {
  return CreateFrom({CreateSteps::Target::DeviceContext, dc, w, h, true});
}

bool DrawingSurface::CreateFromDc(HDC dc) {
  return CreateFrom({CreateSteps::Target::DeviceContext, dc, std::nullopt, std::nullopt, true});
}

bool DrawingSurface::CreateFrom(const CreateSteps& steps) {
  // What an earlier create made would otherwise be lost: free it first. The graphics
  // goes without touching lastStatus, which no create operation stores into.
  FreeDeviceObjects();
  if (graphics != 0) {
    platform::GdipDeleteGraphics(graphics);
    SetNative(0);
  }
  // The freed handles must not outlive the objects: should this create stop early, a
  // later Release would otherwise free them again, and by then the handle table may
  // have issued the same values to someone else's objects.
  windowDc = 0;
  memoryDc = 0;
  bitmap = 0;
  previousBitmap = 0;
  holdsDeviceObjects = true;

  if (steps.target == CreateSteps::Target::DeviceContext) {
    windowDc = steps.handle;
    windowHandle = platform::WindowFromDC(windowDc);
    if (windowDc == 0) {
      return ReportFailure(
          "您提供的设备句柄为0(图形.创建_自设备句柄(此处您提供的是一个值为0的整数))"
          "请检查您获得设备句柄的方法");
    }
  } else {
    windowHandle = steps.handle;
    windowDc = platform::GetDC(windowHandle);
    if (windowDc == 0) {
      return ReportFailure(
          "获取设备句柄失败（GetDC()结果为0）请检查提供的窗口句柄是否有误。");
    }
  }

  memoryDc = platform::CreateCompatibleDC(windowDc);
  if (memoryDc == 0) {
    return ReportFailure("创建内存设备句柄失败（CreateCompatibleDC()结果为0）");
  }

  platform::GetWindowRect(windowHandle, &windowRect);
  const bool wholeScreen = steps.target == CreateSteps::Target::Window && windowHandle == 0;
  if (wholeScreen) {
    windowRect.right = platform::GetScreenWidth();
    windowRect.bottom = platform::GetScreenHeight();
  }
  if (steps.width && steps.height) {
    width = *steps.width;
    height = *steps.height;
  } else if (wholeScreen) {
    width = platform::GetScreenWidth();
    height = platform::GetScreenHeight();
  } else {
    width = GetWindowWidth();
    height = GetWindowHeight();
  }

  bitmap = platform::CreateCompatibleBitmap(windowDc, width, height);
  if (bitmap == 0) {
    return ReportFailure("创建设备位图失败（CreateCompatibleBitmap()结果为0）");
  }
  previousBitmap = platform::SelectObject(memoryDc, bitmap);

  // The status of the graphics creation is not examined: a surface without a graphics
  // still draws with GDI, and the GDI+ operations report their own statuses.
  const auto createGraphics = [this] {
    platform::GpGraphics made = 0;
    platform::GdipCreateFromHDC(memoryDc, &made);
    SetNative(made);
  };
  if (steps.graphicsBeforeBackgroundMode) {
    createGraphics();
    platform::SetBkMode(memoryDc, platform::TRANSPARENT);
  } else {
    platform::SetBkMode(memoryDc, platform::TRANSPARENT);
    createGraphics();
  }

  if (previousBitmap == 0) {
    return ReportFailure("选入位图到内存设备失败（SelectObject()结果为0）");
  }
  return true;
}

void DrawingSurface::FreeDeviceObjects() {
  if (!holdsDeviceObjects) return;
  platform::SelectObject(memoryDc, previousBitmap);
  platform::DeleteObject(bitmap);
  platform::ReleaseDC(windowHandle, windowDc);
  platform::DeleteDC(memoryDc);
  holdsDeviceObjects = false;
}

bool DrawingSurface::Release() {
  FreeDeviceObjects();
  if (graphics == 0) return false;
  const bool deleted = StoreStatus(platform::GdipDeleteGraphics(graphics));
  SetNative(0);
  return deleted;
}

DrawingSurface::HWND DrawingSurface::GetDcWindow() { return platform::WindowFromDC(windowDc); }

}  // namespace varnimo
