// Single pixels and inverted areas.

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/shapes.h"

namespace varnimo {
namespace {

// One colour's channels as the blend takes them: red and green are bytes 0 and 1,
// blue is everything from byte 2 up (a COLORREF's top byte is normally 0).
struct Channels {
  std::int32_t red, green, blue;
};

Channels SplitChannels(platform::COLORREF colour) {
  const auto value = static_cast<std::int32_t>(colour);
  return {value & 0xFF, (value >> 8) & 0xFF, value >> 16};
}

std::int32_t BlendChannel(std::int32_t old, std::int32_t added, std::int32_t opacity) {
  return TruncateToInt32(old * (255.0 - opacity) / 255 + added * opacity / 255.0);
}

}  // namespace

DrawingSurface::COLORREF DrawingSurface::ReadPixel(std::int32_t x, std::int32_t y) {
  return platform::GetPixel(memoryDc, x, y);
}

DrawingSurface::COLORREF DrawingSurface::ReadWindowPixel(std::int32_t x, std::int32_t y) {
  return platform::GetPixel(windowDc, x, y);
}

bool DrawingSurface::BlendPixel(std::int32_t x, std::int32_t y, COLORREF colour,
                                std::int32_t opacity) {
  if (opacity > 255 || opacity < 0) return ReportFailure("透明度超出0-255的取值范围，请检查");
  const Channels old = SplitChannels(platform::GetPixel(memoryDc, x, y));
  const Channels added = SplitChannels(colour);
  const auto red = static_cast<std::uint32_t>(BlendChannel(old.red, added.red, opacity));
  const auto green = static_cast<std::uint32_t>(BlendChannel(old.green, added.green, opacity));
  const auto blue = static_cast<std::uint32_t>(BlendChannel(old.blue, added.blue, opacity));
  const platform::COLORREF blended = (red & 0xFF) | (green << 8) | (blue << 16);
  if (!platform::SetPixelV(memoryDc, x, y, blended)) {
    return ReportFailure(
        "画点失败(SetPixelV()返回值为0)请检查提供的参数是否正常。请检查是否创建图形");
  }
  return true;
}

bool DrawingSurface::InvertArea(std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height) {
  const platform::RECT area{x, y, surface_detail::EdgeOf(x, width),
                            surface_detail::EdgeOf(y, height)};
  if (!platform::InvertRect(memoryDc, &area)) {
    return ReportFailure("反色范围失败(InvertRect()返回值为0)");
  }
  return true;
}

}  // namespace varnimo
