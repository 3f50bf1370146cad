// Copies into the back buffer from windows, bitmaps and other surfaces; blending from
// another surface; mirroring an area.

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/blit/transfer.h"
#include "platform/user/window.h"

namespace varnimo {
namespace {

using surface_detail::kAlphaBlendFailed;
using surface_detail::kBitBltFailed;
using surface_detail::ReportUnlessDone;

// A memory device context for one call, deleted at the end of the scope.
class TemporaryDc {
 public:
  explicit TemporaryDc(platform::HDC compatible) : dc_(platform::CreateCompatibleDC(compatible)) {}
  ~TemporaryDc() {
    if (dc_ != 0) platform::DeleteDC(dc_);
  }
  TemporaryDc(const TemporaryDc&) = delete;
  TemporaryDc& operator=(const TemporaryDc&) = delete;
  platform::HDC Get() const { return dc_; }

 private:
  platform::HDC dc_;
};

// Selects the caller's bitmap into a temporary device context for one transfer, which
// receives that device context and the bitmap's size.
template <typename Transfer>
bool TransferFromBitmap(platform::HDC compatible, const GdiBitmap& bitmap, Transfer transfer) {
  const TemporaryDc temporary(compatible);
  platform::BITMAP size{};
  platform::GetObjectA(bitmap.GetHandle(), sizeof size, &size);
  if (temporary.Get() == 0) {
    return ReportFailure(
        "创建用来存放的内存设备场景失败(CreateCompatibleDC()返回值为0)请检查图形是否创建成功");
  }
  const surface_detail::Selection selection(temporary.Get(), bitmap.GetHandle());
  if (!selection) {
    return ReportFailure(
        "将位图选入用来存放的内存设备场景失败(SelectObject()返回值为0)请检查图片是否创建成功");
  }
  if (!transfer(temporary.Get(), size)) {
    return ReportFailure(
        "将存放图片的内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)"
        "请检查图形是否创建成功");
  }
  return true;
}

}  // namespace

bool DrawingSurface::CopyFromWindow(std::optional<HWND> window, RasterOperation rop) {
  const HDC source = window ? platform::GetDC(*window) : windowDc;
  const platform::BOOL copied = platform::BitBlt(memoryDc, 0, 0, GetWindowWidth(),
                                                 GetWindowHeight(), source, 0, 0,
                                                 rop.value_or(platform::SRCCOPY));
  if (window) platform::ReleaseDC(*window, source);
  return ReportUnlessDone(copied, kBitBltFailed);
}

bool DrawingSurface::DrawBitmap(const GdiBitmap& bitmap, std::int32_t x, std::int32_t y,
                                std::int32_t sourceX, std::int32_t sourceY,
                                std::optional<std::int32_t> width,
                                std::optional<std::int32_t> height, RasterOperation rop) {
  return TransferFromBitmap(windowDc, bitmap, [&](HDC source, const platform::BITMAP& size) {
    return platform::BitBlt(memoryDc, x, y, width.value_or(size.bmWidth),
                            height.value_or(size.bmHeight), source, sourceX, sourceY,
                            rop.value_or(platform::SRCCOPY)) != 0;
  });
}

bool DrawingSurface::DrawBitmapTransparent(const GdiBitmap& bitmap, std::int32_t x,
                                           std::int32_t y, std::optional<std::int32_t> width,
                                           std::optional<std::int32_t> height,
                                           std::int32_t sourceX, std::int32_t sourceY,
                                           std::optional<std::int32_t> sourceWidth,
                                           std::optional<std::int32_t> sourceHeight,
                                           COLORREF transparentColour) {
  return TransferFromBitmap(windowDc, bitmap, [&](HDC source, const platform::BITMAP& size) {
    return platform::TransparentBlt(memoryDc, x, y, width.value_or(size.bmWidth),
                                    height.value_or(size.bmHeight), source, sourceX, sourceY,
                                    sourceWidth.value_or(size.bmWidth),
                                    sourceHeight.value_or(size.bmHeight),
                                    transparentColour) != 0;
  });
}

bool DrawingSurface::CopyFromSurface(const DrawingSurface& source, RasterOperation rop) {
  return ReportUnlessDone(platform::BitBlt(memoryDc, 0, 0, GetWindowWidth(), GetWindowHeight(),
                                   source.GetMemoryDc(), 0, 0, rop.value_or(platform::SRCCOPY)),
                  kBitBltFailed);
}

bool DrawingSurface::CopyFromSurfaceTransparent(const DrawingSurface& source, std::int32_t x,
                                                std::int32_t y, std::int32_t width,
                                                std::int32_t height, std::int32_t sourceX,
                                                std::int32_t sourceY, std::int32_t sourceWidth,
                                                std::int32_t sourceHeight,
                                                COLORREF transparentColour) {
  return ReportUnlessDone(
      platform::TransparentBlt(memoryDc, x, y, width, height, source.GetMemoryDc(), sourceX,
                               sourceY, sourceWidth, sourceHeight, transparentColour),
      "将内存设备场景内容复制到窗口设备场景失败(TransparentBlt()返回值为0)请检查图形是否创建成功");
}

bool DrawingSurface::CopyFromSurfaceRect(const DrawingSurface& source, std::int32_t x,
                                         std::int32_t y, std::int32_t width, std::int32_t height,
                                         RasterOperation rop) {
  return ReportUnlessDone(platform::BitBlt(memoryDc, x, y, width, height, source.GetMemoryDc(), 0, 0,
                                   rop.value_or(platform::SRCCOPY)),
                  kBitBltFailed);
}

bool DrawingSurface::BlendFromSurface(const DrawingSurface& source, std::int32_t x,
                                      std::int32_t y, std::int32_t width, std::int32_t height,
                                      std::int32_t opacity) {
  return ReportUnlessDone(platform::AlphaBlend(memoryDc, x, y, width, height, source.GetMemoryDc(), 0, 0,
                                       width, height, surface_detail::ConstantBlend(opacity)),
                  kAlphaBlendFailed);
}

void DrawingSurface::FlipArea(const Rect& area, std::int32_t mode) {
  // A negative destination extent anchored at the area's corner mirrors that way.
  const std::int32_t mirroredWidth = Saturate(-std::int64_t{area.Width});
  const std::int32_t mirroredHeight = Saturate(-std::int64_t{area.Height});
  const std::int32_t destinationWidth = mode == 0 ? area.Width : mirroredWidth;
  const std::int32_t destinationHeight = mode == 1 ? area.Height : mirroredHeight;
  if (!platform::StretchBlt(memoryDc, area.X, area.Y, destinationWidth, destinationHeight,
                            memoryDc, area.X, area.Y, area.Width, area.Height,
                            platform::SRCCOPY)) {
    ReportFailure("变换设备场景失败(StretchBlt()返回值为0)");
  }
}

}  // namespace varnimo
