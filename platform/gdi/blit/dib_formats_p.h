#pragma once
// The device-independent pixel formats GetDIBits and SetDIBits convert to and from:
// BI_RGB at 16 (5-5-5), 24 and 32 bits per pixel. One entry per format; the
// conversions work on whole rows.

#include <cstdint>
#include <optional>

#include "platform/gdi/types.h"

namespace platform::gdi {

struct DibFormat {
  WORD bitsPerPixel;
  // Surface pixels to DIB bytes, and back. Pixels written from 16 and 24 bits are
  // opaque (0xFF in the unused byte); 32-bit rows copy the unused byte as it is.
  void (*read)(const std::uint32_t* pixels, std::uint8_t* bytes, int count);
  void (*write)(const std::uint8_t* bytes, std::uint32_t* pixels, int count);
};

// nullptr for every other depth (8 bits and fewer need a colour table, which the
// callers' information block has no room for).
const DibFormat* FindDibFormat(WORD bitsPerPixel);

// Bytes per row (padded to 4) and per image of a DIB; nullopt when the width is not
// positive or the image would not fit in 31 bits.
struct DibLayout {
  std::uint32_t stride;
  std::uint32_t imageSize;
};
std::optional<DibLayout> LayoutOf(std::int64_t width, std::int64_t height, WORD bitsPerPixel);

}  // namespace platform::gdi
