#pragma once
// The picture a window shows, as the bytes of a BMP file.

#include <optional>
#include <vector>

#include "platform/gdi/types.h"

namespace varnimo::app {

inline constexpr int kBitmapFileHeadersSize = 54;

// The window's client area as a complete 24-bit BMP file: the 14-byte file header,
// a 40-byte BITMAPINFOHEADER (BI_RGB, one plane), then the rows bottom-up, each
// padded to a multiple of 4 bytes. None when the window is not valid, its area is
// empty, the file would exceed 2 GiB, or the pixels cannot be read.
std::optional<std::vector<unsigned char>> ClientAreaBitmapFile(platform::HWND window);

}  // namespace varnimo::app
