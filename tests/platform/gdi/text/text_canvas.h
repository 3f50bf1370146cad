#pragma once
// A memory DC on a white 32-bit bitmap, for tests that draw text and read its pixels.

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects_p.h"
#include "platform/gdi/text/draw_text.h"
#include "platform/gdi/text/font.h"

namespace varnimo::testing {

inline constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);
inline constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
inline constexpr platform::COLORREF kRed = platform::RGB(255, 0, 0);
inline constexpr platform::COLORREF kGreen = platform::RGB(0, 255, 0);
inline constexpr platform::COLORREF kBlue = platform::RGB(0, 0, 255);

// A copy of the text in a heap block exactly its size (terminator included), so that
// reading past it is caught by the address sanitizer.
inline std::unique_ptr<char[]> HeapText(const std::string& text) {
  auto block = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(block.get(), text.c_str(), text.size() + 1);
  return block;
}

// Pixels of a surface as COLORREF values.
inline platform::COLORREF ColourAt(const platform::gdi::PixelSurface& surface, int x, int y) {
  const std::uint32_t pixel = surface.Row(y)[x];
  return platform::RGB(static_cast<platform::BYTE>(pixel >> 16),
                       static_cast<platform::BYTE>(pixel >> 8), static_cast<platform::BYTE>(pixel));
}

class TextCanvas {
 public:
  TextCanvas(int width, int height, platform::COLORREF background = kWhite)
      : dc_(platform::CreateCompatibleDC(0)),
        bitmap_(platform::CreateCompatibleBitmap(dc_, width, height)) {
    previousBitmap_ = platform::SelectObject(dc_, bitmap_);
    Fill(background);
    platform::SetBkMode(dc_, platform::TRANSPARENT);
    platform::SetTextColor(dc_, kBlack);
  }
  ~TextCanvas() {
    if (previousFont_ != 0) platform::SelectObject(dc_, previousFont_);
    if (font_ != 0) platform::DeleteObject(font_);
    platform::SelectObject(dc_, previousBitmap_);
    platform::DeleteObject(bitmap_);
    platform::DeleteDC(dc_);
  }
  TextCanvas(const TextCanvas&) = delete;
  TextCanvas& operator=(const TextCanvas&) = delete;

  platform::HDC Dc() const { return dc_; }

  // Creates the font and selects it; false when CreateFontA refused it.
  bool UseFont(int height, const char* face = "DejaVu Sans", int weight = platform::FW_NORMAL,
               platform::BYTE quality = platform::DEFAULT_QUALITY, int escapement = 0) {
    platform::LOGFONTA logFont{};
    logFont.lfHeight = height;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = escapement;
    logFont.lfWeight = weight;
    logFont.lfQuality = quality;
    std::strncpy(logFont.lfFaceName, face, sizeof logFont.lfFaceName - 1);
    return UseFont(logFont);
  }
  bool UseFont(const platform::LOGFONTA& logFont) {
    const platform::HFONT font = platform::CreateFontIndirectA(&logFont);
    if (font == 0) return false;
    const platform::HGDIOBJ previous = platform::SelectObject(dc_, font);
    if (previousFont_ == 0) previousFont_ = previous;
    if (font_ != 0) platform::DeleteObject(font_);
    font_ = font;
    return true;
  }

  platform::gdi::PixelSurface& Surface() const {
    return *platform::gdi::DeviceContexts().Find(dc_)->target;
  }

  void Fill(platform::COLORREF colour) {
    platform::gdi::PixelSurface& surface = Surface();
    const std::uint32_t pixel = 0xFF000000u | (platform::GetRValue(colour) << 16) |
                                (platform::GetGValue(colour) << 8) | platform::GetBValue(colour);
    for (int y = 0; y < surface.Height(); ++y) {
      std::fill_n(surface.Row(y), surface.Width(), pixel);
    }
  }

  platform::COLORREF At(int x, int y) const { return ColourAt(Surface(), x, y); }

  // The bounding box of the pixels that differ from `background`; empty when none do.
  QRect InkBounds(platform::COLORREF background = kWhite) const {
    QRect bounds;
    const platform::gdi::PixelSurface& surface = Surface();
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) {
        if (At(x, y) != background) bounds |= QRect(x, y, 1, 1);
      }
    }
    return bounds;
  }

  int Count(platform::COLORREF colour) const {
    int count = 0;
    const platform::gdi::PixelSurface& surface = Surface();
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) count += At(x, y) == colour ? 1 : 0;
    }
    return count;
  }

  QImage Picture() const { return Surface().image.copy(); }

 private:
  platform::HDC dc_;
  platform::HBITMAP bitmap_;
  platform::HGDIOBJ previousBitmap_ = 0;
  platform::HFONT font_ = 0;
  platform::HGDIOBJ previousFont_ = 0;
};

}  // namespace varnimo::testing
