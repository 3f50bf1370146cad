// TransparentBlt: a nearest-pixel stretch that skips the source pixels of the key
// colour. Whole pixels are copied, the unused byte included.

#include "platform/gdi/paint_p.h"
#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/blit/transfer_p.h"

namespace platform {

BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source,
                    int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                    UINT transparentColour) {
  // The call does not mirror; rather than guess a meaning, negative extents fail.
  if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) return FALSE;
  auto transfer = gdi::MappedTransfer::Prepare(
      {destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight},
      gdi::Smoothing::Never);
  if (!transfer) return FALSE;
  constexpr std::uint32_t kColourBits = 0x00FFFFFFu;
  const std::uint32_t key = gdi::PixelOf(transparentColour) & kColourBits;
  transfer->Run([key](std::span<std::uint32_t> span, const std::uint32_t* pixels, int, int) {
    for (std::size_t i = 0; i < span.size(); ++i) {
      if ((pixels[i] & kColourBits) != key) span[i] = pixels[i];
    }
  });
  return TRUE;
}

}  // namespace platform
