#pragma once
// Conversions between three colour channels and hue, saturation and lightness, in
// whole numbers, as the surface's colour filter uses them.
//
// Intermediates are 32-bit floats computed in double precision, with a tolerance of
// 1e-7 in the comparisons; results are truncated toward zero. Because hue, saturation
// and lightness are kept whole, a round trip does not always give the channels back.

#include <cstdint>

namespace varnimo {

// Hue in degrees (normally 0-360), saturation and lightness in percent (0-100).
struct HslColour {
  std::int32_t hue = 0;
  std::int32_t saturation = 0;
  std::int32_t lightness = 0;
  friend bool operator==(const HslColour&, const HslColour&) = default;
};

// Three colour channels 0-255, first to third.
struct RgbTriple {
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t third = 0;
  friend bool operator==(const RgbTriple&, const RgbTriple&) = default;
};

// The first channel is taken as red, the third as blue.
HslColour RgbToHsl(RgbTriple colour);

// Saturation and lightness are held to 0-100; the hue is brought into 0-360 by at most
// one turn either way.
RgbTriple HslToRgb(HslColour colour);

}  // namespace varnimo
