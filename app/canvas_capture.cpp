#include "app/canvas_capture.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit/dib.h"
#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/dc.h"
#include "platform/user/window.h"

namespace varnimo::app {

namespace {

using platform::HDC;
using platform::HWND;

// The GDI objects borrowed for one capture, given back in reverse order however the
// capture ends.
class CaptureObjects {
 public:
  explicit CaptureObjects(HWND window) : window_(window), windowDc_(platform::GetDC(window)) {
    if (windowDc_ != 0) memoryDc_ = platform::CreateCompatibleDC(windowDc_);
  }
  ~CaptureObjects() {
    if (bitmap_ != 0) platform::DeleteObject(bitmap_);
    if (memoryDc_ != 0) platform::DeleteDC(memoryDc_);
    if (windowDc_ != 0) platform::ReleaseDC(window_, windowDc_);
  }
  CaptureObjects(const CaptureObjects&) = delete;
  CaptureObjects& operator=(const CaptureObjects&) = delete;

  // Copies the window's pixels into a bitmap of the given size, not selected into any
  // DC afterwards, so that its rows can be read.
  bool CopyWindowPixels(int width, int height) {
    if (memoryDc_ == 0) return false;
    bitmap_ = platform::CreateCompatibleBitmap(windowDc_, width, height);
    if (bitmap_ == 0) return false;
    const platform::HGDIOBJ previous = platform::SelectObject(memoryDc_, bitmap_);
    if (previous == 0) return false;
    const bool copied = platform::BitBlt(memoryDc_, 0, 0, width, height, windowDc_, 0, 0,
                                         platform::SRCCOPY) != 0;
    platform::SelectObject(memoryDc_, previous);
    return copied;
  }

  HDC MemoryDc() const { return memoryDc_; }
  platform::HBITMAP Bitmap() const { return bitmap_; }

 private:
  HWND window_;
  HDC windowDc_ = 0;
  HDC memoryDc_ = 0;
  platform::HBITMAP bitmap_ = 0;
};

void PutUint16(unsigned char* at, std::uint16_t value) {
  at[0] = static_cast<unsigned char>(value);
  at[1] = static_cast<unsigned char>(value >> 8);
}

void PutUint32(unsigned char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

platform::BITMAPINFO TwentyFourBitRows(int width, int height, std::uint32_t imageSize) {
  platform::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(platform::BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = platform::BI_RGB;
  info.bmiHeader.biSizeImage = imageSize;
  return info;
}

// The file header and the info header, little-endian, at the start of `file`.
void WriteHeaders(unsigned char* file, const platform::BITMAPINFOHEADER& header,
                  std::uint32_t fileSize) {
  file[0] = 'B';
  file[1] = 'M';
  PutUint32(file + 2, fileSize);
  PutUint16(file + 6, 0);
  PutUint16(file + 8, 0);
  PutUint32(file + 10, kBitmapFileHeadersSize);
  unsigned char* info = file + 14;
  PutUint32(info + 0, header.biSize);
  PutUint32(info + 4, static_cast<std::uint32_t>(header.biWidth));
  PutUint32(info + 8, static_cast<std::uint32_t>(header.biHeight));
  PutUint16(info + 12, header.biPlanes);
  PutUint16(info + 14, header.biBitCount);
  PutUint32(info + 16, header.biCompression);
  PutUint32(info + 20, header.biSizeImage);
  PutUint32(info + 24, static_cast<std::uint32_t>(header.biXPelsPerMeter));
  PutUint32(info + 28, static_cast<std::uint32_t>(header.biYPelsPerMeter));
  PutUint32(info + 32, header.biClrUsed);
  PutUint32(info + 36, header.biClrImportant);
}

}  // namespace

std::optional<std::vector<unsigned char>> ClientAreaBitmapFile(platform::HWND window) {
  platform::RECT client{};
  if (platform::GetClientRect(window, &client) == 0) return std::nullopt;
  const std::int64_t width = std::int64_t{client.right} - client.left;
  const std::int64_t height = std::int64_t{client.bottom} - client.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::int64_t stride = (width * 3 + 3) / 4 * 4;
  const std::int64_t fileSize = kBitmapFileHeadersSize + stride * height;
  if (fileSize > std::numeric_limits<std::int32_t>::max()) return std::nullopt;

  CaptureObjects objects(window);
  if (!objects.CopyWindowPixels(static_cast<int>(width), static_cast<int>(height))) {
    return std::nullopt;
  }
  const auto imageSize = static_cast<std::uint32_t>(stride * height);
  const platform::BITMAPINFO rows24 =
      TwentyFourBitRows(static_cast<int>(width), static_cast<int>(height), imageSize);
  // GetDIBits may rewrite the header it is given; the file keeps the one asked for.
  platform::BITMAPINFO info = rows24;
  std::vector<unsigned char> file(static_cast<std::size_t>(fileSize));
  const int rows = platform::GetDIBits(objects.MemoryDc(), objects.Bitmap(), 0,
                                       static_cast<platform::UINT>(height),
                                       file.data() + kBitmapFileHeadersSize, &info,
                                       platform::DIB_RGB_COLORS);
  if (rows != height) return std::nullopt;
  WriteHeaders(file.data(), rows24.bmiHeader, static_cast<std::uint32_t>(fileSize));
  return file;
}

}  // namespace varnimo::app
