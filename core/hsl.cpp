#include "core/hsl.h"

#include <algorithm>
#include <cmath>

#include "core/int32_arithmetic.h"

namespace varnimo {
namespace {

constexpr double kTolerance = 1e-7;

// One channel from the HSL helper values p and q at the position t on the circle
// (in turns).
float ChannelAt(float p, float q, float t) {
  if (6.0 * t - 1 < -kTolerance) return static_cast<float>(p + (double{q} - p) * t * 6);
  if (2.0 * t - 1 < -kTolerance) return q;
  if (3.0 * t - 2 < -kTolerance) {
    return static_cast<float>(p + (double{q} - p) * (0.6666666666666666 - t) * 6);
  }
  return p;
}

// Brings t toward 0..1 by at most one turn each way.
float WrapOnce(float t) {
  if (t < -kTolerance) t = static_cast<float>(t + 1.0);
  if (t - 1.0 > kTolerance) t = static_cast<float>(t - 1.0);
  return t;
}

}  // namespace

HslColour RgbToHsl(RgbTriple colour) {
  const auto r = static_cast<float>(colour.first / 255.0);
  const auto g = static_cast<float>(colour.second / 255.0);
  const auto b = static_cast<float>(colour.third / 255.0);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const double range = double{max} - min;

  float hue = 0;
  if (max == min) {
    hue = 0;
  } else if (max == r && g >= b) {
    hue = static_cast<float>(60 * (double{g} - b) / range);
  } else if (max == r) {
    hue = static_cast<float>(60 * (double{g} - b) / range + 360);
  } else if (max == g) {
    hue = static_cast<float>(60 * (double{b} - r) / range + 120);
  } else {
    hue = static_cast<float>(60 * (double{r} - g) / range + 240);
  }

  const auto lightness = static_cast<float>((double{max} + min) / 2);
  float saturation = 0;
  if (std::abs(lightness) <= kTolerance || max == min) {
    saturation = 0;
  } else if (lightness - 0.5 <= kTolerance) {
    saturation = static_cast<float>(range / (double{max} + min));
  } else {
    saturation = static_cast<float>(range / (2 - (double{max} + min)));
  }
  return {TruncateToInt32(hue), TruncateToInt32(saturation * 100.0),
          TruncateToInt32(lightness * 100.0)};
}

RgbTriple HslToRgb(HslColour colour) {
  const auto h = static_cast<float>(colour.hue);
  auto s = static_cast<float>(colour.saturation / 100.0);
  auto l = static_cast<float>(colour.lightness / 100.0);
  if (s - 1.0 > kTolerance) s = 1;
  if (l - 1.0 > kTolerance) l = 1;
  if (s < -kTolerance) s = 0;
  if (l < -kTolerance) l = 0;

  float first = l, second = l, third = l;
  if (std::abs(s) > kTolerance) {
    const float q = l - 0.5 < -kTolerance ? static_cast<float>(double{l} * (1 + double{s}))
                                          : static_cast<float>(double{l} + s - double{l} * s);
    const auto p = static_cast<float>(2.0 * l - q);
    const auto k = static_cast<float>(h / 360.0);
    first = ChannelAt(p, q, WrapOnce(static_cast<float>(k + 0.3333333)));
    second = ChannelAt(p, q, WrapOnce(k));
    third = ChannelAt(p, q, WrapOnce(static_cast<float>(k - 0.3333333)));
  }
  return {TruncateToInt32(first * 255.0), TruncateToInt32(second * 255.0),
          TruncateToInt32(third * 255.0)};
}

}  // namespace varnimo
