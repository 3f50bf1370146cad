#pragma once
// A small memory DC with its own bitmap for the GDI tests, and pictures of its
// pixels as text: one character per pixel, one line per row.

#include <map>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/shapes.h"

namespace varnimo::testing {

class TestCanvas {
 public:
  // A width x height bitmap, cleared to white.
  TestCanvas(int width, int height)
      : width_(width),
        height_(height),
        dc_(platform::CreateCompatibleDC(0)),
        bitmap_(platform::CreateCompatibleBitmap(dc_, width, height)) {
    previous_ = platform::SelectObject(dc_, bitmap_);
    const platform::RECT all{0, 0, width, height};
    platform::FillRect(dc_, &all, platform::GetStockObject(platform::WHITE_BRUSH));
  }
  ~TestCanvas() {
    platform::SelectObject(dc_, previous_);
    platform::DeleteObject(bitmap_);
    platform::DeleteDC(dc_);
  }
  TestCanvas(const TestCanvas&) = delete;
  TestCanvas& operator=(const TestCanvas&) = delete;

  platform::HDC Dc() const { return dc_; }

  // Selects the null pen and a stock brush, so that shapes paint their whole area.
  void FillOnly(int stockBrush = platform::BLACK_BRUSH) const {
    platform::SelectObject(dc_, platform::GetStockObject(platform::NULL_PEN));
    platform::SelectObject(dc_, platform::GetStockObject(stockBrush));
  }
  platform::HBITMAP Bitmap() const { return bitmap_; }

  // '.' for white, '#' for black, and the given characters for other colours; '?'
  // for anything else.
  std::string Picture(const std::map<platform::COLORREF, char>& legend = {}) const {
    std::string text;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const platform::COLORREF colour = platform::GetPixel(dc_, x, y);
        if (auto found = legend.find(colour); found != legend.end()) {
          text += found->second;
        } else if (colour == platform::RGB(255, 255, 255)) {
          text += '.';
        } else if (colour == 0) {
          text += '#';
        } else {
          text += '?';
        }
      }
      text += '\n';
    }
    return text;
  }

  int Count(platform::COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) count += platform::GetPixel(dc_, x, y) == colour;
    }
    return count;
  }

 private:
  int width_;
  int height_;
  platform::HDC dc_;
  platform::HBITMAP bitmap_;
  platform::HGDIOBJ previous_ = 0;
};

// Selects an object for the life of the scope and deletes it afterwards (stock
// objects survive DeleteObject).
class Selected {
 public:
  Selected(platform::HDC dc, platform::HGDIOBJ object)
      : dc_(dc), object_(object), previous_(platform::SelectObject(dc, object)) {}
  ~Selected() {
    platform::SelectObject(dc_, previous_);
    platform::DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  platform::HDC dc_;
  platform::HGDIOBJ object_;
  platform::HGDIOBJ previous_;
};

}  // namespace varnimo::testing
