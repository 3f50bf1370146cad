#pragma once
// Comparing a rendered picture with a reference PNG under tests/golden/.
//
//   EXPECT_TRUE(MatchesGolden(picture, "gdi/ellipse_fill", 2));
//
// Every channel of every pixel may differ from the reference by at most `tolerance`.
// On a mismatch the actual picture and a diff image (differing pixels red over a
// faded copy of the reference) are written under the build tree's golden-failures/
// folder, and the message names both files. With VARNIMO_UPDATE_GOLDEN=1 in the
// environment the actual picture becomes the new reference instead.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <span>
#include <string>

namespace varnimo::testing {

::testing::AssertionResult MatchesGolden(const QImage& actual, const std::string& name,
                                         int tolerance = 0);

// The same for 32-bit pixels laid out blue, green, red, unused (the fourth byte is
// ignored), rows top to bottom, `stride` bytes apart.
::testing::AssertionResult MatchesGolden(std::span<const std::uint8_t> bgrx, int width,
                                         int height, int stride, const std::string& name,
                                         int tolerance = 0);

}  // namespace varnimo::testing
