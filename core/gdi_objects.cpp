#include "core/gdi_objects.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/region.h"

namespace varnimo {

GdiObject::GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}

GdiObject& GdiObject::operator=(GdiObject&& other) noexcept {
  if (this != &other) {
    Delete();
    handle_ = std::exchange(other.handle_, 0);
  }
  return *this;
}

bool GdiObject::Delete() {
  if (handle_ == 0 || !platform::DeleteObject(handle_)) return false;
  handle_ = 0;
  return true;
}

bool GdiObject::Replace(platform::HGDIOBJ made) {
  Delete();
  handle_ = made;
  return handle_ != 0;
}

bool GdiPen::Create(int style, int width, platform::COLORREF colour) {
  return Replace(platform::CreatePen(style, width, colour));
}

bool GdiBitmap::CreateCompatible(platform::HDC dc, int width, int height) {
  return Replace(platform::CreateCompatibleBitmap(dc, width, height));
}

bool GdiBitmap::CreateFromPixels(int width, int height, std::span<const std::uint32_t> pixels) {
  Delete();
  if (width <= 0 || height <= 0) return false;
  const auto count = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (pixels.size() < count) return false;
  platform::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(platform::BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as the caller's pixels are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = platform::BI_RGB;
  void* bits = nullptr;
  if (!Replace(platform::CreateDIBSection(0, &info, platform::DIB_RGB_COLORS, &bits, nullptr, 0)) ||
      bits == nullptr) {
    Delete();
    return false;
  }
  // Rows of a 32-bit DIB have no padding, so the pixels are one contiguous run.
  std::memcpy(bits, pixels.data(), static_cast<std::size_t>(count) * sizeof(std::uint32_t));
  return true;
}

bool GdiBrush::CreateSolid(platform::COLORREF colour) {
  return Replace(platform::CreateSolidBrush(colour));
}

bool GdiBrush::CreateHatch(int hatch, platform::COLORREF colour) {
  return Replace(platform::CreateHatchBrush(hatch, colour));
}

bool GdiBrush::CreatePattern(const GdiBitmap& pattern) {
  return Replace(platform::CreatePatternBrush(pattern.GetHandle()));
}

bool GdiRegion::CreateRectangle(int left, int top, int right, int bottom) {
  return Replace(platform::CreateRectRgn(left, top, right, bottom));
}

bool GdiRegion::CreateEllipse(int left, int top, int right, int bottom) {
  return Replace(platform::CreateEllipticRgn(left, top, right, bottom));
}

bool GdiRegion::CreateRoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                                     int cornerHeight) {
  return Replace(
      platform::CreateRoundRectRgn(left, top, right, bottom, cornerWidth, cornerHeight));
}

bool GdiRegion::CreatePolygon(std::span<const Point> points, int fillMode) {
  if (points.size() > static_cast<std::size_t>(INT32_MAX)) return Replace(0);
  std::vector<platform::POINT> vertices(points.size());
  std::transform(points.begin(), points.end(), vertices.begin(),
                 [](Point p) { return platform::POINT{p.X, p.Y}; });
  return Replace(platform::CreatePolygonRgn(vertices.data(), static_cast<int>(vertices.size()),
                                            fillMode));
}

int GdiRegion::Combine(const GdiRegion& first, const GdiRegion& second, int mode) {
  // The result goes into a fresh region, so that this region may also be an operand.
  GdiObject result(platform::CreateRectRgn(0, 0, 0, 0));
  const int type =
      platform::CombineRgn(result.GetHandle(), first.GetHandle(), second.GetHandle(), mode);
  if (type == platform::RGN_ERROR) {
    Replace(0);
    return type;
  }
  GdiObject& self = *this;
  self = std::move(result);
  return type;
}

}  // namespace varnimo
