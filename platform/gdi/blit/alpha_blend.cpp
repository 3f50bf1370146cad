// AlphaBlend: source over destination with a constant and an optional per-pixel alpha.
//
// Every channel, alpha included, becomes
//   Dst = Src * SCA / 255 + Dst * (255 - SrcAlpha * SCA / 255) / 255
// where SrcAlpha is the source pixel's alpha with AC_SRC_ALPHA (premultiplied source)
// and 255 without it. Without AC_SRC_ALPHA the formula is evaluated exactly and
// rounded once to the nearest integer. With it, each of the three products
// x * f / 255 is rounded to nearest, and the sum saturates at 255, which only a
// source that is not properly premultiplied reaches.

#include <cstdlib>

#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/blit/transfer_p.h"

namespace platform {
namespace {

// x * factor / 255 rounded, for the two 8-bit channels held in the low bytes of the
// 16-bit lanes of `lanes` (mask 0x00FF00FF).
constexpr std::uint32_t ScaleLanes(std::uint32_t lanes, std::uint32_t factor) {
  const std::uint32_t t = lanes * factor + 0x00800080u;
  return ((t + ((t >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// a + b per lane, saturated at 255; each lane of a and b is at most 255.
constexpr std::uint32_t AddLanesSaturated(std::uint32_t a, std::uint32_t b) {
  const std::uint32_t sum = a + b;
  const std::uint32_t overflow = (sum & 0x01000100u) >> 8;
  return (sum | (overflow * 0xFFu)) & 0x00FF00FFu;
}

// A premultiplied source pixel over a destination pixel, every channel at once.
constexpr std::uint32_t BlendPremultiplied(std::uint32_t source, std::uint32_t destination,
                                           std::uint32_t alpha) {
  constexpr std::uint32_t kLanes = 0x00FF00FFu;
  const std::uint32_t remaining = 255 - ScaleLanes(source >> 24, alpha);
  const std::uint32_t blueRed = AddLanesSaturated(ScaleLanes(source & kLanes, alpha),
                                                  ScaleLanes(destination & kLanes, remaining));
  const std::uint32_t greenAlpha = AddLanesSaturated(ScaleLanes((source >> 8) & kLanes, alpha),
                                                     ScaleLanes((destination >> 8) & kLanes, remaining));
  return blueRed | (greenAlpha << 8);
}

static_assert(BlendPremultiplied(0x80800000, 0xFFFFFFFF, 255) == 0xFFFF7F7F);

// The run and the sampled source never overlap: an overlapping AlphaBlend is
// refused, and stretched rows are sampled into a buffer of their own.
void BlendPremultipliedRun(std::uint32_t* __restrict destination,
                           const std::uint32_t* __restrict source, std::size_t count,
                           std::uint32_t alpha) {
  for (std::size_t i = 0; i < count; ++i) {
    destination[i] = BlendPremultiplied(source[i], destination[i], alpha);
  }
}

// With a constant alpha the whole formula is one weighted mean per byte, rounded
// once: (s a + d (255 - a)) / 255 <= 255, and the sum plus the rounding term fits in
// 16 bits, which lets the compiler work on many bytes per instruction.
void BlendConstantRun(std::uint32_t* __restrict destination,
                      const std::uint32_t* __restrict source, std::size_t count,
                      std::uint32_t alpha) {
  auto* to = reinterpret_cast<std::uint8_t*>(destination);
  const auto* from = reinterpret_cast<const std::uint8_t*>(source);
  const auto sourceFactor = static_cast<std::uint16_t>(alpha);
  const auto destinationFactor = static_cast<std::uint16_t>(255 - alpha);
  for (std::size_t i = 0; i < count * 4; ++i) {
    const auto t = static_cast<std::uint16_t>(from[i] * sourceFactor + to[i] * destinationFactor + 128);
    to[i] = static_cast<std::uint8_t>((t + (t >> 8)) >> 8);
  }
}

bool Inside(std::int64_t origin, std::int64_t extent, int size) {
  return origin >= 0 && origin + extent <= size;
}

}  // namespace

BOOL AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
  if (blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0 ||
      (blend.AlphaFormat & ~AC_SRC_ALPHA) != 0) {
    return FALSE;
  }
  // No mirroring: negative extents are refused.
  if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) return FALSE;
  auto transfer = gdi::MappedTransfer::Prepare(
      {destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight},
      gdi::Smoothing::Never);
  if (!transfer) return FALSE;
  const gdi::PixelSurface& from = *transfer->Source().surface;
  if (!Inside(sourceX, sourceWidth, from.Width()) || !Inside(sourceY, sourceHeight, from.Height())) {
    return FALSE;
  }
  const QRect sourceRect(sourceX, sourceY, sourceWidth, sourceHeight);
  const QRect destinationRect = transfer->Destination().Area(x, y, width, height);
  if (transfer->Destination().surface == transfer->Source().surface &&
      sourceRect.intersects(destinationRect)) {
    return FALSE;
  }

  const std::uint32_t constant = blend.SourceConstantAlpha;
  const auto run = blend.AlphaFormat == AC_SRC_ALPHA ? BlendPremultipliedRun : BlendConstantRun;
  transfer->Run([constant, run](std::span<std::uint32_t> span, const std::uint32_t* pixels, int, int) {
    run(span.data(), pixels, span.size(), constant);
  });
  return TRUE;
}

}  // namespace platform
