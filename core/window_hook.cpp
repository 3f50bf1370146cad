#include "core/window_hook.h"

#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "core/error_log.h"
#include "core/gdi_objects.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/region.h"
#include "platform/user/messages.h"
#include "platform/user/paint.h"
#include "platform/user/window_region.h"

namespace varnimo {
namespace {

constexpr const char* kInstallFailed = "设置窗口信息失败(SetWindowLongA()返回值为0)";
constexpr const char* kNoCallback = "您未提供 窗口消息回调 子程序指针！";
constexpr const char* kEllipseFailed = "创建椭圆区域失败(CreateEllipticRgn()返回值为0)";
constexpr const char* kRoundRectFailed = "创建圆角矩形区域失败(CreateRoundRectRgn()返回值为0)";
constexpr const char* kSetRegionFailed = "设置窗口区域失败(SetWindowRgn()返回值为0)";

// The far edge of a rectangle: start + extent, computed in double precision and
// truncated. A sum outside the int32 range has no truncated value: nullopt.
std::optional<int> FarEdge(int start, int extent) {
  const double sum = static_cast<double>(start) + extent;
  if (sum < std::numeric_limits<std::int32_t>::min() || sum > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(sum);
}

// A new region with the same shape as `source`; 0 when there is none to copy.
platform::HRGN CopyRegion(platform::HRGN source) {
  const platform::HRGN copy = platform::CreateRectRgn(0, 0, 0, 0);
  if (copy != 0 && platform::CombineRgn(copy, source, 0, platform::RGN_COPY) == platform::RGN_ERROR) {
    platform::DeleteObject(copy);
    return 0;
  }
  return copy;
}

platform::PAINTSTRUCT ToPaintStruct(const WindowHook::PaintRecord& record) {
  platform::PAINTSTRUCT paint{};
  paint.hdc = record.hdc;
  paint.fErase = record.fErase;
  paint.rcPaint = record.rcPaint;
  paint.fRestore = record.fRestore;
  paint.fIncUpdate = record.fIncUpdate;
  std::memcpy(paint.rgbReserved, record.rgbReserved.data(), sizeof paint.rgbReserved);
  return paint;
}

WindowHook::PaintRecord FromPaintStruct(const platform::PAINTSTRUCT& paint) {
  WindowHook::PaintRecord record;
  record.hdc = paint.hdc;
  record.fErase = paint.fErase;
  record.rcPaint = paint.rcPaint;
  record.fRestore = paint.fRestore;
  record.fIncUpdate = paint.fIncUpdate;
  std::memcpy(record.rgbReserved.data(), paint.rgbReserved, record.rgbReserved.size());
  return record;
}

}  // namespace

WindowHook::WindowHook(WindowHook&& other) noexcept
    : previousProc(std::exchange(other.previousProc, 0)),
      hookedWindow(std::exchange(other.hookedWindow, 0)),
      installed(std::exchange(other.installed, 0)),
      paint(std::exchange(other.paint, PaintRecord{})) {}

WindowHook& WindowHook::operator=(WindowHook&& other) noexcept {
  previousProc = std::exchange(other.previousProc, 0);
  hookedWindow = std::exchange(other.hookedWindow, 0);
  installed = std::exchange(other.installed, 0);
  paint = std::exchange(other.paint, PaintRecord{});
  return *this;
}

platform::LONG_PTR WindowHook::Uninstall() {
  const platform::LONG_PTR result =
      platform::SetWindowLongA(hookedWindow, platform::GWL_WNDPROC, previousProc);
  hookedWindow = 0;
  return result;
}

bool WindowHook::Install(platform::HWND window, platform::WNDPROC callback) {
  hookedWindow = window;
  installed = 0;
  if (callback == nullptr) return true;
  installed = 1;
  previousProc = platform::SetWindowLongA(window, platform::GWL_WNDPROC,
                                          reinterpret_cast<platform::LONG_PTR>(callback));
  if (previousProc == 0) {
    errorLog.Replace(kInstallFailed);
    return false;
  }
  return true;
}

platform::HDC WindowHook::BeginPaint() {
  platform::PAINTSTRUCT record = ToPaintStruct(paint);
  const platform::HDC dc = platform::BeginPaint(hookedWindow, &record);
  paint = FromPaintStruct(record);
  return dc;
}

platform::BOOL WindowHook::EndPaint() {
  platform::PAINTSTRUCT record = ToPaintStruct(paint);
  const platform::BOOL result = platform::EndPaint(hookedWindow, &record);
  paint = FromPaintStruct(record);
  return result;
}

platform::LRESULT WindowHook::CallPrevious(platform::HWND window, platform::UINT message,
                                           platform::WPARAM wParam, platform::LPARAM lParam) {
  if (installed == 0) {
    errorLog.Replace(kNoCallback);
    return 0;
  }
  return platform::CallWindowProcA(reinterpret_cast<platform::WNDPROC>(previousProc), window,
                                   message, wParam, lParam);
}

bool WindowHook::GiveRegion(platform::HRGN made, const char* creationFailure,
                            platform::BOOL redraw) {
  if (made == 0) return ReportFailure(creationFailure);
  if (platform::SetWindowRgn(hookedWindow, made, redraw) == 0) {
    platform::DeleteObject(made);
    return ReportFailure(kSetRegionFailed);
  }
  return true;
}

bool WindowHook::SetRegion(const GdiRegion& region, platform::BOOL redraw) {
  // The window deletes the region it is given; the caller's object deletes its own
  // handle too, so the window must get a copy. A region that cannot be copied counts
  // as refused by the window.
  return GiveRegion(CopyRegion(region.GetHandle()), kSetRegionFailed, redraw);
}

bool WindowHook::SetEllipticRegion(int x, int y, int width, int height, platform::BOOL redraw) {
  const std::optional<int> right = FarEdge(x, width);
  const std::optional<int> bottom = FarEdge(y, height);
  const platform::HRGN made =
      right && bottom ? platform::CreateEllipticRgn(x, y, *right, *bottom) : 0;
  return GiveRegion(made, kEllipseFailed, redraw);
}

bool WindowHook::SetRoundRectRegion(int x, int y, int width, int height, int ellipseWidth,
                                    int ellipseHeight, platform::BOOL redraw) {
  const std::optional<int> right = FarEdge(x, width);
  const std::optional<int> bottom = FarEdge(y, height);
  const platform::HRGN made = right && bottom ? platform::CreateRoundRectRgn(
                                                    x, y, *right, *bottom, ellipseWidth, ellipseHeight)
                                              : 0;
  return GiveRegion(made, kRoundRectFailed, redraw);
}

}  // namespace varnimo
