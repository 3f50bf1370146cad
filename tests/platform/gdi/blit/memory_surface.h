#pragma once
// A memory DC with its own 32-bit bitmap, for the transfer tests: direct access to
// the pixels, so that the calls under test are not also the means of checking them.

#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects_p.h"

namespace platform::testing {

class MemorySurface {
 public:
  MemorySurface(int width, int height) {
    dc_ = CreateCompatibleDC(0);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~MemorySurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  gdi::PixelSurface& Pixels() const { return *gdi::DeviceContexts().Find(dc_)->target; }

  // 0x00RRGGBB: the colour bits only.
  std::uint32_t At(int x, int y) const { return Raw(x, y) & 0x00FFFFFFu; }
  std::uint32_t Raw(int x, int y) const { return Pixels().Row(y)[x]; }
  void Set(int x, int y, std::uint32_t raw) { Pixels().Row(y)[x] = raw; }
  void Fill(std::uint32_t raw) {
    for (int y = 0; y < Pixels().Height(); ++y) {
      for (int x = 0; x < Pixels().Width(); ++x) Set(x, y, raw);
    }
  }
  // Every pixel a colour of its own: red = x, green = y, blue = 0x80.
  static std::uint32_t Numbered(int x, int y) {
    return 0xFF000000u | (static_cast<std::uint32_t>(x & 0xFF) << 16) |
           (static_cast<std::uint32_t>(y & 0xFF) << 8) | 0x80u;
  }
  void FillNumbered() {
    for (int y = 0; y < Pixels().Height(); ++y) {
      for (int x = 0; x < Pixels().Width(); ++x) Set(x, y, Numbered(x, y));
    }
  }

 private:
  HDC dc_ = 0;
  HBITMAP bitmap_ = 0;
  HGDIOBJ previous_ = 0;
};

}  // namespace platform::testing
