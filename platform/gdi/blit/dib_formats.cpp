#include <array>
#include <cstring>
#include <limits>

#include "platform/gdi/blit/dib_formats_p.h"

namespace platform::gdi {
namespace {

void Read32(const std::uint32_t* pixels, std::uint8_t* bytes, int count) {
  std::memcpy(bytes, pixels, static_cast<std::size_t>(count) * 4);
}
void Write32(const std::uint8_t* bytes, std::uint32_t* pixels, int count) {
  std::memcpy(pixels, bytes, static_cast<std::size_t>(count) * 4);
}

void Read24(const std::uint32_t* pixels, std::uint8_t* bytes, int count) {
  for (int i = 0; i < count; ++i, bytes += 3) {
    bytes[0] = static_cast<std::uint8_t>(pixels[i]);
    bytes[1] = static_cast<std::uint8_t>(pixels[i] >> 8);
    bytes[2] = static_cast<std::uint8_t>(pixels[i] >> 16);
  }
}
void Write24(const std::uint8_t* bytes, std::uint32_t* pixels, int count) {
  for (int i = 0; i < count; ++i, bytes += 3) {
    pixels[i] = 0xFF000000u | (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[1]} << 8) | bytes[0];
  }
}

// 5-5-5: blue in bits 0..4, green in 5..9, red in 10..14, little-endian. Five bits
// widen to eight by repeating their top bits, so 0x1F becomes 0xFF.
constexpr std::uint32_t Widen5(std::uint32_t v) { return (v << 3) | (v >> 2); }
void Read16(const std::uint32_t* pixels, std::uint8_t* bytes, int count) {
  for (int i = 0; i < count; ++i, bytes += 2) {
    const std::uint32_t p = pixels[i];
    const std::uint32_t packed = ((p >> 9) & 0x7C00u) | ((p >> 6) & 0x03E0u) | ((p >> 3) & 0x001Fu);
    bytes[0] = static_cast<std::uint8_t>(packed);
    bytes[1] = static_cast<std::uint8_t>(packed >> 8);
  }
}
void Write16(const std::uint8_t* bytes, std::uint32_t* pixels, int count) {
  for (int i = 0; i < count; ++i, bytes += 2) {
    const std::uint32_t packed = bytes[0] | (std::uint32_t{bytes[1]} << 8);
    pixels[i] = 0xFF000000u | (Widen5((packed >> 10) & 0x1F) << 16) |
                (Widen5((packed >> 5) & 0x1F) << 8) | Widen5(packed & 0x1F);
  }
}

constexpr std::array<DibFormat, 3> kFormats = {{
    {16, Read16, Write16},
    {24, Read24, Write24},
    {32, Read32, Write32},
}};

}  // namespace

const DibFormat* FindDibFormat(WORD bitsPerPixel) {
  for (const DibFormat& format : kFormats) {
    if (format.bitsPerPixel == bitsPerPixel) return &format;
  }
  return nullptr;
}

std::optional<DibLayout> LayoutOf(std::int64_t width, std::int64_t height, WORD bitsPerPixel) {
  if (width <= 0 || height < 0 || bitsPerPixel == 0) return std::nullopt;
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  // width < 2^31 and bitsPerPixel < 2^16: no overflow here, nor in the product once
  // the stride is known to be below 2^31.
  const std::int64_t stride = (width * bitsPerPixel + 31) / 32 * 4;
  if (stride > kLimit || stride * height > kLimit) return std::nullopt;
  const std::int64_t size = stride * height;
  return DibLayout{static_cast<std::uint32_t>(stride), static_cast<std::uint32_t>(size)};
}

}  // namespace platform::gdi
