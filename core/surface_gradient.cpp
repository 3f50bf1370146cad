// Shading a rectangle between two colours.

#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "core/drawing_surface.h"
#include "core/drawing_surface_p.h"
#include "platform/gdi/blit/transfer.h"

namespace varnimo {
namespace {

// A vertex as the gradient call reads it. The 16 bytes are laid out as x, y, a zero
// byte, red, green and blue in two bytes each, and alpha in one: read as four 16-bit
// channels at offsets 8, 10, 12 and 14, a channel value 0-255 lands in the high byte
// of its channel (red 255 becomes 0xFF00).
platform::TRIVERTEX ToTriVertex(const GradientVertex& vertex) {
  static_assert(std::endian::native == std::endian::little);
  std::array<std::uint8_t, sizeof(platform::TRIVERTEX)> bytes{};
  const auto put = [&bytes](std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put(0, static_cast<std::uint32_t>(vertex.x), 4);
  put(4, static_cast<std::uint32_t>(vertex.y), 4);
  put(9, static_cast<std::uint32_t>(vertex.red), 2);
  put(11, static_cast<std::uint32_t>(vertex.green), 2);
  put(13, static_cast<std::uint32_t>(vertex.blue), 2);
  put(15, static_cast<std::uint32_t>(vertex.alpha), 1);
  platform::TRIVERTEX result;
  std::memcpy(&result, bytes.data(), sizeof result);
  return result;
}

}  // namespace

bool DrawingSurface::FillGradient(std::span<const GradientVertex> vertices, platform::ULONG mode) {
  constexpr std::string_view kFailed = "渐变填充失败(GdiGradientFill()返回值为0)";
  // The one mesh rectangle joins vertices 0 and 1, and only the rectangle modes can
  // use it: anything else would make the platform read past the vertices.
  const bool rectangleMode =
      mode == platform::GRADIENT_FILL_RECT_H || mode == platform::GRADIENT_FILL_RECT_V;
  if (vertices.size() < 2 || vertices.size() > UINT32_MAX || !rectangleMode) {
    return ReportFailure(kFailed);
  }
  std::vector<platform::TRIVERTEX> block(vertices.size());
  std::transform(vertices.begin(), vertices.end(), block.begin(), ToTriVertex);
  const platform::GRADIENT_RECT mesh{0, 1};
  return surface_detail::ReportUnlessDone(
      platform::GradientFill(memoryDc, block.data(), static_cast<platform::ULONG>(block.size()),
                             &mesh, 1, mode),
      kFailed);
}

}  // namespace varnimo
