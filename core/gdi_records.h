#pragma once
// Plain records that the surface's GDI operations take from their callers.

#include <cstdint>
#include <string>

#include "platform/gdi/types.h"

namespace varnimo {

// The font of the GDI text operations. Width comes before height here, while the
// platform's font calls take height first.
struct GdiFont {
  std::int32_t width = 0;   // average character width; 0 lets the platform choose
  std::int32_t height = 0;  // pixels; negative: character height
  std::int32_t escapement = 0;  // tenths of a degree, also used as the orientation
  std::int32_t weight = 0;  // 400 normal, 700 bold
  platform::COLORREF colour = 0;  // text colour, 0x00BBGGRR
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::string faceName;  // ANSI code page; empty takes the default face
};

// One corner of a gradient. Channels are 0-255; of each channel only the low 16 bits
// (8 for alpha) are passed on.
struct GradientVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
  std::int32_t alpha = 0;
};

}  // namespace varnimo
