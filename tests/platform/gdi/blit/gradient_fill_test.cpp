// GradientFill: rectangle and triangle shading, and refused meshes.

#include <gtest/gtest.h>

#include "platform/gdi/blit/transfer.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace platform {
namespace {

using testing::MemorySurface;

constexpr std::uint32_t kUntouched = 0x123456u;

class GradientFixture : public ::testing::Test {
 protected:
  void SetUp() override { surface.Fill(0xFF000000u | kUntouched); }
  MemorySurface surface{120, 60};
};

// Red (0xFF00) at (0, 0) to blue at (100, 50), as 8-bit values 255 put in the high byte.
const TRIVERTEX kRedToBlue[] = {{0, 0, 0xFF00, 0, 0, 0}, {100, 50, 0, 0, 0xFF00, 0}};
const GRADIENT_RECT kFirstTwo[] = {{0, 1}};

TEST_F(GradientFixture, HorizontalRectangleRunsFromTheLeftCornerColour) {
  ASSERT_TRUE(GradientFill(surface.Dc(), kRedToBlue, 2, kFirstTwo, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(surface.At(0, 0), 0xFF0000u) << "first column: exactly the left colour";
  EXPECT_EQ(surface.At(0, 49), 0xFF0000u);
  // Column 50: 0xFF00 * 50 / 100 = 0x7F80 each way.
  EXPECT_EQ(surface.At(50, 10), 0x7F007Fu);
  // Column 99: a step short of blue.
  EXPECT_EQ(surface.At(99, 0), 0x0200FCu);
  EXPECT_EQ(surface.At(100, 0), kUntouched) << "the right edge is excluded";
  EXPECT_EQ(surface.At(0, 50), kUntouched) << "the bottom edge is excluded";
  EXPECT_EQ(surface.Raw(0, 0) >> 24, 0u) << "vertex alpha goes to the unused byte";
}

TEST_F(GradientFixture, VerticalRectangleRunsFromTheTopCornerColourWhicheverVertexComesFirst) {
  const GRADIENT_RECT reversed[] = {{1, 0}};
  ASSERT_TRUE(GradientFill(surface.Dc(), kRedToBlue, 2, reversed, 1, GRADIENT_FILL_RECT_V));
  EXPECT_EQ(surface.At(70, 0), 0xFF0000u);
  EXPECT_EQ(surface.At(70, 25), 0x7F007Fu);
  EXPECT_EQ(surface.At(99, 49), 0x0500F9u);  // 0xFF00 * 49 / 50 = 0xF9E6
}

TEST_F(GradientFixture, TriangleMixesItsCornersAtEachPixelCentre) {
  const TRIVERTEX corners[] = {{0, 0, 0xFF00, 0, 0, 0x8000},
                               {10, 0, 0, 0xFF00, 0, 0x8000},
                               {0, 10, 0, 0, 0xFF00, 0x8000}};
  const GRADIENT_TRIANGLE triangle[] = {{0, 1, 2}};
  ASSERT_TRUE(GradientFill(surface.Dc(), corners, 3, triangle, 1, GRADIENT_FILL_TRIANGLE));
  // Centre (3.5, 3.5): weights 0.3, 0.35, 0.35 of 0xFF00.
  EXPECT_EQ(surface.At(3, 3), 0x4C5959u);
  EXPECT_EQ(surface.Raw(3, 3) >> 24, 0x80u);
  // Centre (0.5, 0.5): 0.9 of red.
  EXPECT_EQ(surface.At(0, 0), 0xE50C0Cu) << "near the red corner";
  EXPECT_EQ(surface.At(5, 5), kUntouched) << "centre (5.5, 5.5) is past the hypotenuse";
  EXPECT_NE(surface.At(4, 4), kUntouched) << "centre (4.5, 4.5) is inside";
  EXPECT_EQ(surface.At(10, 0), kUntouched);
}

TEST_F(GradientFixture, RefusesMeshesThatNameMissingVerticesAndDrawsNothing) {
  const GRADIENT_RECT badRects[] = {{0, 1}, {0, 2}};
  const GRADIENT_TRIANGLE badTriangle[] = {{0, 1, 5}};
  EXPECT_FALSE(GradientFill(surface.Dc(), kRedToBlue, 2, badRects, 2, GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(GradientFill(surface.Dc(), kRedToBlue, 2, badTriangle, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_FALSE(GradientFill(surface.Dc(), kRedToBlue, 1, kFirstTwo, 1, GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(GradientFill(surface.Dc(), kRedToBlue, 2, kFirstTwo, 1, 3)) << "unknown mode";
  EXPECT_FALSE(GradientFill(surface.Dc(), nullptr, 0, kFirstTwo, 1, GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(GradientFill(surface.Dc(), kRedToBlue, 2, nullptr, 1, GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(GradientFill(0, kRedToBlue, 2, kFirstTwo, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(surface.At(0, 0), kUntouched);
}

TEST_F(GradientFixture, HugeRectanglesAreClippedToTheSurface) {
  const TRIVERTEX far[] = {{INT32_MIN, INT32_MIN, 0, 0, 0, 0}, {INT32_MAX, INT32_MAX, 0xFF00, 0xFF00, 0xFF00, 0}};
  ASSERT_TRUE(GradientFill(surface.Dc(), far, 2, kFirstTwo, 1, GRADIENT_FILL_RECT_H));
  // The middle of a 2^32-wide ramp.
  EXPECT_EQ(surface.At(0, 0), 0x7F7F7Fu);
}

}  // namespace
}  // namespace platform
