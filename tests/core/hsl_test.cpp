#include "core/hsl.h"

#include <gtest/gtest.h>

namespace varnimo {
namespace {

struct RgbToHslCase {
  RgbTriple rgb;
  HslColour hsl;
};

TEST(RgbToHsl, ConvertsToWholeDegreesAndPercent) {
  const RgbToHslCase cases[] = {
      {{255, 0, 0}, {0, 100, 50}},
      {{0, 255, 0}, {120, 100, 50}},
      {{0, 0, 255}, {240, 100, 50}},
      {{255, 0, 255}, {300, 100, 50}},  // red is the largest and green below blue
      {{0, 0, 0}, {0, 0, 0}},
      {{255, 255, 255}, {0, 0, 100}},
      {{128, 128, 128}, {0, 0, 50}},
      {{255, 128, 128}, {0, 100, 75}},   // light: the second saturation formula
      {{64, 32, 32}, {0, 33, 18}},
  };
  for (const RgbToHslCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rgb.first << "," << c.rgb.second << "," << c.rgb.third);
    EXPECT_EQ(RgbToHsl(c.rgb), c.hsl);
  }
}

struct HslToRgbCase {
  HslColour hsl;
  RgbTriple rgb;
};

TEST(HslToRgb, ConvertsAndHoldsSaturationAndLightnessInRange) {
  const HslToRgbCase cases[] = {
      {{360, 100, 50}, {255, 0, 0}},
      {{0, 100, 50}, {255, 0, 0}},
      {{120, 100, 50}, {0, 255, 0}},
      {{240, 100, 50}, {0, 0, 255}},
      {{0, 0, 50}, {127, 127, 127}},
      {{200, 150, 50}, HslToRgb({200, 100, 50})},  // saturation 150 acts as 100
      {{200, 60, -20}, {0, 0, 0}},                 // lightness -20 acts as 0
      {{200, 60, 120}, {255, 255, 255}},
      {{-120, 100, 50}, HslToRgb({240, 100, 50})},  // one turn is brought back
  };
  for (const HslToRgbCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hsl.hue << "," << c.hsl.saturation << ","
                                    << c.hsl.lightness);
    EXPECT_EQ(HslToRgb(c.hsl), c.rgb);
  }
}

// The hue is wrapped by one turn at most, so hues further out give channel values
// outside 0-255; they are still computed without overflow.
TEST(HslToRgb, HuesBeyondOneTurnAreNotWrappedFully) {
  EXPECT_EQ(HslToRgb({-400, 100, 50}).second, -170);
  EXPECT_EQ(HslToRgb({INT32_MIN, 100, 50}).second, INT32_MIN);
  EXPECT_EQ(HslToRgb({INT32_MAX, 100, 50}).first, 0);
}

}  // namespace
}  // namespace varnimo
