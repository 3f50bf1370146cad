// TransparentBlt: the colour key, stretching, and what the call refuses.

#include <gtest/gtest.h>

#include "platform/gdi/blit/transfer.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace platform {
namespace {

using testing::MemorySurface;

constexpr COLORREF kKey = RGB(255, 0, 255);

class TransparentFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // A 2 x 2 sprite: key, red / green, key (the last with another unused byte).
    source.Set(0, 0, 0xFFFF00FF);
    source.Set(1, 0, 0x80FF0000);
    source.Set(0, 1, 0xFF00FF00);
    source.Set(1, 1, 0x00FF00FF);
    destination.Fill(0xFF0000FF);
  }
  MemorySurface source{2, 2};
  MemorySurface destination{4, 4};
};

TEST_F(TransparentFixture, SkipsKeyPixelsAndCopiesTheOthersWhole) {
  ASSERT_TRUE(TransparentBlt(destination.Dc(), 0, 0, 2, 2, source.Dc(), 0, 0, 2, 2, kKey));
  EXPECT_EQ(destination.Raw(0, 0), 0xFF0000FFu);
  EXPECT_EQ(destination.Raw(1, 0), 0x80FF0000u) << "the unused byte travels with the pixel";
  EXPECT_EQ(destination.Raw(0, 1), 0xFF00FF00u);
  EXPECT_EQ(destination.Raw(1, 1), 0xFF0000FFu) << "the key ignores the unused byte";
}

TEST_F(TransparentFixture, StretchesByNearestPixel) {
  ASSERT_TRUE(TransparentBlt(destination.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 2, 2, kKey));
  EXPECT_EQ(destination.At(1, 1), 0x0000FFu);
  EXPECT_EQ(destination.At(2, 1), 0xFF0000u);
  EXPECT_EQ(destination.At(3, 0), 0xFF0000u);
  EXPECT_EQ(destination.At(0, 3), 0x00FF00u);
  EXPECT_EQ(destination.At(3, 3), 0x0000FFu);
}

TEST_F(TransparentFixture, RefusesNegativeExtentsAndBadHandles) {
  EXPECT_FALSE(TransparentBlt(destination.Dc(), 2, 0, -2, 2, source.Dc(), 0, 0, 2, 2, kKey));
  EXPECT_FALSE(TransparentBlt(destination.Dc(), 0, 0, 2, 2, source.Dc(), 2, 2, -2, -2, kKey));
  EXPECT_FALSE(TransparentBlt(0, 0, 0, 2, 2, source.Dc(), 0, 0, 2, 2, kKey));
  EXPECT_FALSE(TransparentBlt(destination.Dc(), 0, 0, 2, 2, 0, 0, 0, 2, 2, kKey));
  EXPECT_EQ(destination.At(0, 0), 0x0000FFu);
}

}  // namespace
}  // namespace platform
