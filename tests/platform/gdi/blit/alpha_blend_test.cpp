// AlphaBlend: the blend numbers and what the call refuses.

#include <gtest/gtest.h>

#include "platform/gdi/blit/transfer.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace platform {
namespace {

using testing::MemorySurface;

constexpr BLENDFUNCTION Constant(BYTE alpha) { return {AC_SRC_OVER, 0, alpha, 0}; }
constexpr BLENDFUNCTION PerPixel(BYTE alpha) { return {AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA}; }

struct BlendCase {
  const char* name;
  std::uint32_t source;  // raw pixels, alpha in the top byte
  std::uint32_t destination;
  BLENDFUNCTION blend;
  std::uint32_t expected;  // raw
};

TEST(AlphaBlend, BlendsByTheDocumentedFormulaRoundingToNearest) {
  const BlendCase cases[] = {
      {"white over black at 128", 0xFFFFFFFF, 0xFF000000, Constant(128), 0xFF808080},
      {"black over white at 128", 0xFF000000, 0xFFFFFFFF, Constant(128), 0xFF7F7F7F},
      {"opaque constant replaces", 0xFF123456, 0xFFABCDEF, Constant(255), 0xFF123456},
      {"zero constant keeps", 0xFF123456, 0xFFABCDEF, Constant(0), 0xFFABCDEF},
      // 100 * 64 / 255 = 25.1 -> 25; 200 * 191 / 255 = 149.8 -> 150.
      {"mixed channels", 0x00640064, 0x00C800C8, Constant(64), 0x00AF00AF},
      // Premultiplied half-transparent red over white: 128 + 255 * 127 / 255.
      {"premultiplied over white", 0x80800000, 0xFFFFFFFF, PerPixel(255), 0xFFFF7F7F},
      {"transparent source keeps", 0x00000000, 0xFF123456, PerPixel(255), 0xFF123456},
      // Constant and per-pixel alpha together: source scaled to 128, coverage 128.
      {"both alphas", 0xFFFF0000, 0xFF0000FF, PerPixel(128), 0xFF80007F},
      // A source that is not premultiplied saturates instead of wrapping.
      {"saturates", 0x10FFFFFF, 0xFFFFFFFF, PerPixel(255), 0xFFFFFFFF},
  };
  MemorySurface source(1, 1);
  MemorySurface destination(1, 1);
  for (const BlendCase& c : cases) {
    source.Set(0, 0, c.source);
    destination.Set(0, 0, c.destination);
    ASSERT_TRUE(AlphaBlend(destination.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, 1, 1, c.blend)) << c.name;
    EXPECT_EQ(destination.Raw(0, 0), c.expected) << c.name;
  }
}

TEST(AlphaBlend, StretchesByNearestPixelAndClipsTheDestination) {
  MemorySurface source(2, 2);
  MemorySurface destination(4, 4);
  source.FillNumbered();
  ASSERT_TRUE(AlphaBlend(destination.Dc(), 1, 1, 4, 4, source.Dc(), 0, 0, 2, 2, Constant(255)));
  EXPECT_EQ(destination.At(0, 0), 0u);
  EXPECT_EQ(destination.At(1, 1), source.At(0, 0));
  EXPECT_EQ(destination.At(2, 2), source.At(0, 0));
  EXPECT_EQ(destination.At(3, 3), source.At(1, 1));
}

TEST(AlphaBlend, RefusesMirroringOutsideSourcesOverlapAndOtherOperations) {
  MemorySurface source(4, 4);
  MemorySurface destination(4, 4);
  const HDC s = source.Dc();
  const HDC d = destination.Dc();
  EXPECT_FALSE(AlphaBlend(d, 0, 0, -2, 2, s, 0, 0, 2, 2, Constant(128)));
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, s, 0, 0, 2, -2, Constant(128)));
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, s, 3, 0, 2, 2, Constant(128))) << "source leaves the bitmap";
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, s, -1, 0, 2, 2, Constant(128)));
  EXPECT_FALSE(AlphaBlend(s, 1, 1, 2, 2, s, 0, 0, 2, 2, Constant(128))) << "overlap on one surface";
  EXPECT_TRUE(AlphaBlend(s, 2, 2, 2, 2, s, 0, 0, 2, 2, Constant(128))) << "no overlap";
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, s, 0, 0, 2, 2, BLENDFUNCTION{1, 0, 128, 0}));
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, s, 0, 0, 2, 2, BLENDFUNCTION{0, 1, 128, 0}));
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, s, 0, 0, 2, 2, BLENDFUNCTION{0, 0, 128, 2}));
  EXPECT_FALSE(AlphaBlend(0, 0, 0, 2, 2, s, 0, 0, 2, 2, Constant(128)));
  EXPECT_FALSE(AlphaBlend(d, 0, 0, 2, 2, 0, 0, 0, 2, 2, Constant(128)));
}

}  // namespace
}  // namespace platform
