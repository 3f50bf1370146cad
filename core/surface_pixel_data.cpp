// The back buffer's pixels as bytes and as a bitmap file, and the whole-picture colour
// filters.

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/drawing_surface.h"
#include "core/hsl.h"
#include "core/int32_arithmetic.h"
#include "core/text_conversion.h"
#include "platform/gdi/blit/dib.h"
#include "platform/gdi/dc.h"
#include "platform/kernel/code_page.h"

namespace varnimo {

// The headers of the back buffer's bitmap-file image. The information block is 44
// bytes: a BITMAPINFOHEADER whose biSize says 44, then room for one colour entry. That
// is all a bitmap of more than 8 bits per pixel needs; shallower ones would need a
// colour table and are refused.
struct DrawingSurface::BitmapFileHeaders {
  static constexpr std::size_t kFileHeaderSize = 14;
  static constexpr std::size_t kInfoSize = sizeof(platform::BITMAPINFO);
  static constexpr std::size_t kSize = kFileHeaderSize + kInfoSize;
  static_assert(kInfoSize == 44);

  platform::BITMAPINFO info{};
  std::uint32_t scanLines = 0;  // the bitmap's height
  bool readable = false;        // the pixels may be read and written in this format

  std::uint32_t PixelBytes() const { return info.bmiHeader.biSizeImage; }

  // The 14-byte file header and the information block, little-endian.
  std::array<std::uint8_t, kSize> Serialized() const {
    std::array<std::uint8_t, kSize> bytes{};
    const auto put32 = [&bytes](std::size_t offset, std::uint32_t value) {
      for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    const std::uint32_t offBits = info.bmiHeader.biSize + kFileHeaderSize;
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, offBits + PixelBytes());  // bfSize
    put32(10, offBits);                // bfOffBits; the reserved words stay 0
    std::memcpy(bytes.data() + kFileHeaderSize, &info, kInfoSize);
    return bytes;
  }
};

namespace {

// Whether rows of the described format fit the reported image size, so that reading
// or writing `scanLines` rows stays inside a buffer of biSizeImage bytes.
bool RowsFit(const platform::BITMAPINFOHEADER& header, std::uint32_t scanLines) {
  if (header.biBitCount <= 8 || header.biWidth <= 0 || header.biHeight == 0) return false;
  const std::uint64_t rowBytes =
      (static_cast<std::uint64_t>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
  const std::uint64_t needed = rowBytes * scanLines;
  return needed <= header.biSizeImage;
}

// The ANSI path as the operating system takes it (UTF-8); empty when it cannot be
// converted.
std::filesystem::path PathFromAnsi(std::string_view path) {
  const WideText wide = AnsiToWide(path);
  if (wide.size() <= 1) return {};
  const int bytes = platform::WideCharToMultiByte(platform::CP_UTF8, 0, wide.data(), -1, nullptr,
                                                  0, nullptr, nullptr);
  if (bytes <= 1) return {};
  std::u8string utf8(static_cast<std::size_t>(bytes), u8'\0');
  if (platform::WideCharToMultiByte(platform::CP_UTF8, 0, wide.data(), -1,
                                    reinterpret_cast<char*>(utf8.data()), bytes, nullptr,
                                    nullptr) != bytes) {
    return {};
  }
  utf8.pop_back();  // the terminator
  return std::filesystem::path(utf8);
}

}  // namespace

DrawingSurface::BitmapFileHeaders DrawingSurface::ReadHeaders() {
  BitmapFileHeaders headers;
  platform::BITMAP size{};
  platform::GetObjectA(bitmap, sizeof size, &size);
  headers.scanLines = size.bmHeight > 0 ? static_cast<std::uint32_t>(size.bmHeight) : 0;
  headers.info.bmiHeader.biSize = BitmapFileHeaders::kInfoSize;
  // With no pixel buffer and biBitCount 0 the platform describes the bitmap.
  platform::GetDIBits(memoryDc, bitmap, 0, 0, nullptr, &headers.info, platform::DIB_RGB_COLORS);
  headers.readable = RowsFit(headers.info.bmiHeader, headers.scanLines);
  if (!headers.readable) {
    // Nothing usable was described: the headers of an empty back buffer.
    headers.info = {};
    headers.info.bmiHeader.biSize = BitmapFileHeaders::kInfoSize;
  }
  // Plain rows, no colour masks.
  headers.info.bmiHeader.biCompression = platform::BI_RGB;
  return headers;
}

DrawingSurface::BitmapFileHeaders DrawingSurface::ReadImage(Bytes& image, std::size_t offset) {
  BitmapFileHeaders headers = ReadHeaders();
  image.assign(offset + headers.PixelBytes(), 0);
  if (headers.readable) {
    platform::GetDIBits(memoryDc, bitmap, 0, headers.scanLines, image.data() + offset,
                        &headers.info, platform::DIB_RGB_COLORS);
  }
  return headers;
}

std::int32_t DrawingSurface::WritePixels(const BitmapFileHeaders& headers,
                                         std::span<const std::uint8_t> pixels) {
  if (!headers.readable || pixels.size() < headers.PixelBytes()) return 0;
  return platform::SetDIBits(memoryDc, bitmap, 0, headers.scanLines, pixels.data(),
                             &headers.info, platform::DIB_RGB_COLORS);
}

// Runs the filter over every whole 4-byte group of the pixel rows (one pixel of a
// 32-bit back buffer), then writes the rows back.
template <typename Filter>
void DrawingSurface::FilterPixels(Filter filter) {
  Bytes pixels;
  const BitmapFileHeaders headers = ReadImage(pixels, 0);
  if (!headers.readable) return;
  const std::size_t groups = pixels.size() / 4;
  std::uint8_t* group = pixels.data();
  for (std::size_t i = 0; i < groups; ++i, group += 4) filter(group);
  WritePixels(headers, pixels);
}

void DrawingSurface::ToGrayscale() {
  FilterPixels([](std::uint8_t* group) {
    const auto grey = static_cast<std::uint8_t>((group[0] + group[1] + group[2]) / 3);
    group[0] = group[1] = group[2] = grey;
  });
}

// Byte 0 goes in as the first (red) channel although it is a pixel's blue, so hue
// offsets turn the picture the other way round the colour circle.
void DrawingSurface::AdjustHsl(float hueOffset, float saturationOffset, float lightnessOffset) {
  FilterPixels([=](std::uint8_t* group) {
    HslColour hsl = RgbToHsl({group[0], group[1], group[2]});
    hsl.hue = TruncateToInt32(static_cast<double>(hsl.hue) + hueOffset);
    hsl.saturation = TruncateToInt32(static_cast<double>(hsl.saturation) + saturationOffset);
    hsl.lightness = TruncateToInt32(static_cast<double>(hsl.lightness) + lightnessOffset);
    const RgbTriple rgb = HslToRgb(hsl);
    group[0] = static_cast<std::uint8_t>(rgb.first);
    group[1] = static_cast<std::uint8_t>(rgb.second);
    group[2] = static_cast<std::uint8_t>(rgb.third);
  });
}

std::int32_t DrawingSurface::SetPixelBytes(std::span<const std::uint8_t> pixels) {
  return WritePixels(ReadHeaders(), pixels);
}

DrawingSurface::Bytes DrawingSurface::GetPixelBytes() {
  Bytes pixels;
  ReadImage(pixels, 0);
  return pixels;
}

void DrawingSurface::SaveBitmapFile(std::string_view path) {
  const std::filesystem::path target = PathFromAnsi(path);
  if (target.empty()) return;
  const Bytes image = GetBitmapFileBytes();
  std::ofstream file(target, std::ios::binary | std::ios::trunc);
  if (file) file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
}

DrawingSurface::Bytes DrawingSurface::GetBitmapFileBytes() {
  Bytes image;
  const BitmapFileHeaders headers = ReadImage(image, BitmapFileHeaders::kSize);
  const auto headerBytes = headers.Serialized();
  std::copy(headerBytes.begin(), headerBytes.end(), image.begin());
  return image;
}

DrawingSurface::Bytes DrawingSurface::ComposeBitmapFileBytes(std::span<const std::uint8_t> pixels) {
  const auto headerBytes = ReadHeaders().Serialized();
  Bytes image(headerBytes.size() + pixels.size());
  std::copy(headerBytes.begin(), headerBytes.end(), image.begin());
  std::copy(pixels.begin(), pixels.end(), image.begin() + headerBytes.size());
  return image;
}

}  // namespace varnimo
