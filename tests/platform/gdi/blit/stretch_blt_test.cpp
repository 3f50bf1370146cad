// Where BitBlt and StretchBlt put pixels: offsets, clipping, overlap, stretching and
// mirroring.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/dc.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace platform {
namespace {

using testing::MemorySurface;

constexpr std::uint32_t kUntouched = 0x00FF00FFu;

class TransferFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    source.FillNumbered();
    destination.Fill(0xFF000000u | kUntouched);
  }
  // The colour bits of source pixel (x, y).
  static std::uint32_t Source(int x, int y) { return MemorySurface::Numbered(x, y) & 0x00FFFFFFu; }

  MemorySurface source{8, 8};
  MemorySurface destination{8, 8};
};

TEST_F(TransferFixture, BitBltCopiesTheRectangleToItsPlace) {
  ASSERT_TRUE(BitBlt(destination.Dc(), 3, 4, 2, 3, source.Dc(), 1, 2, SRCCOPY));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 3 && x < 5 && y >= 4 && y < 7;
      EXPECT_EQ(destination.At(x, y), inside ? Source(x - 2, y - 2) : kUntouched) << x << "," << y;
    }
  }
}

TEST_F(TransferFixture, PartsOutsideEitherSurfaceAreSkipped) {
  // Destination partly off the top left: the visible part still comes from the
  // matching source pixels.
  ASSERT_TRUE(BitBlt(destination.Dc(), -2, -3, 5, 5, source.Dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(destination.At(0, 0), Source(2, 3));
  EXPECT_EQ(destination.At(2, 1), Source(4, 4));
  EXPECT_EQ(destination.At(3, 0), kUntouched);
  // Source partly off the left: the destination pixels without a source stay.
  destination.Fill(0xFF000000u | kUntouched);
  ASSERT_TRUE(BitBlt(destination.Dc(), 0, 0, 3, 1, source.Dc(), -1, 0, SRCCOPY));
  EXPECT_EQ(destination.At(0, 0), kUntouched);
  EXPECT_EQ(destination.At(1, 0), Source(0, 0));
  EXPECT_EQ(destination.At(2, 0), Source(1, 0));
}

TEST_F(TransferFixture, AbsurdRectanglesAreClippedWithoutOverflow) {
  EXPECT_TRUE(BitBlt(destination.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, source.Dc(), 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(destination.Dc(), INT_MAX, INT_MAX, INT_MAX, INT_MAX, source.Dc(), 0, 0, SRCCOPY));
  EXPECT_TRUE(StretchBlt(destination.Dc(), 0, 0, INT_MAX, INT_MIN, source.Dc(), INT_MIN, 0, INT_MIN,
                         INT_MAX, SRCCOPY));
  EXPECT_TRUE(StretchBlt(destination.Dc(), 0, 0, 8, 8, source.Dc(), 0, 0, INT_MAX, INT_MAX, SRCCOPY));
  // The last call maps each destination pixel to a source pixel at least 2^27 from
  // the origin, outside the source, so nothing moves.
  EXPECT_EQ(destination.At(7, 7), kUntouched);
  EXPECT_TRUE(PatBlt(destination.Dc(), INT_MIN, INT_MIN, INT_MIN, INT_MIN, WHITENESS));
}

TEST_F(TransferFixture, BadHandlesFail) {
  EXPECT_FALSE(BitBlt(0, 0, 0, 1, 1, source.Dc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(destination.Dc(), 0, 0, 1, 1, 0x12345678, 0, 0, SRCCOPY));
  EXPECT_FALSE(StretchBlt(destination.Dc(), 0, 0, 2, 2, destination.Bitmap(), 0, 0, 1, 1, SRCCOPY))
      << "a bitmap handle is not a DC";
  EXPECT_FALSE(PatBlt(0, 0, 0, 1, 1, WHITENESS));
  const HDC deleted = CreateCompatibleDC(0);
  DeleteDC(deleted);
  EXPECT_FALSE(BitBlt(deleted, 0, 0, 1, 1, source.Dc(), 0, 0, SRCCOPY));
}

// Copies within one surface in every direction read the pixels as they were.
TEST_F(TransferFixture, OverlappingCopiesOnOneSurfaceReadTheOriginalPixels) {
  struct Shift {
    int dx, dy;
  };
  for (const Shift shift : {Shift{1, 0}, Shift{-1, 0}, Shift{0, 1}, Shift{0, -1}, Shift{2, -3}}) {
    for (const DWORD rop : {SRCCOPY, SRCINVERT}) {
      source.FillNumbered();
      ASSERT_TRUE(BitBlt(source.Dc(), 1 + shift.dx, 3 + shift.dy, 4, 3, source.Dc(), 1, 3, rop));
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
          const int tx = 1 + shift.dx + x, ty = 3 + shift.dy + y;
          const std::uint32_t copied = Source(1 + x, 3 + y);
          const std::uint32_t expected = rop == SRCCOPY ? copied : copied ^ Source(tx, ty);
          ASSERT_EQ(source.At(tx, ty), expected)
              << "shift " << shift.dx << "," << shift.dy << " rop " << rop << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST_F(TransferFixture, StretchDoublesAndHalvesByNearestPixel) {
  ASSERT_TRUE(StretchBlt(destination.Dc(), 0, 0, 8, 8, source.Dc(), 0, 0, 4, 4, SRCCOPY));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(destination.At(x, y), Source(x / 2, y / 2)) << x << "," << y;
  }
  destination.Fill(0xFF000000u | kUntouched);
  // Halving takes the pixel under each destination pixel's centre: 1, 3, 5, 7.
  ASSERT_TRUE(StretchBlt(destination.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 8, 8, SRCCOPY));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) ASSERT_EQ(destination.At(x, y), Source(2 * x + 1, 2 * y + 1));
  }
  EXPECT_EQ(destination.At(4, 4), kUntouched);
}

TEST_F(TransferFixture, ExtentsOfDifferentSignMirror) {
  struct Case {
    const char* name;
    int x, y, width, height;
    bool mirrorX, mirrorY;
  };
  // A negative extent covers the pixels from origin + extent up to the origin.
  const Case cases[] = {{"left to right", 4, 0, -4, 4, true, false},
                        {"top to bottom", 0, 4, 4, -4, false, true},
                        {"both", 4, 4, -4, -4, true, true}};
  for (const Case& c : cases) {
    destination.Fill(0xFF000000u | kUntouched);
    ASSERT_TRUE(StretchBlt(destination.Dc(), c.x, c.y, c.width, c.height, source.Dc(), 0, 0, 4, 4, SRCCOPY));
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        ASSERT_EQ(destination.At(x, y), Source(c.mirrorX ? 3 - x : x, c.mirrorY ? 3 - y : y)) << c.name;
      }
    }
    EXPECT_EQ(destination.At(4, 4), kUntouched) << c.name;
  }
  // Both extents negative: the same rectangles, not mirrored.
  ASSERT_TRUE(StretchBlt(destination.Dc(), 4, 4, -4, -4, source.Dc(), 4, 4, -4, -4, SRCCOPY));
  EXPECT_EQ(destination.At(0, 0), Source(0, 0));
}

TEST_F(TransferFixture, MirroringInPlaceReadsTheOriginalPixels) {
  // The area (0, 0, 8, 1) mirrored onto itself.
  ASSERT_TRUE(StretchBlt(source.Dc(), 8, 0, -8, 1, source.Dc(), 0, 0, 8, 1, SRCCOPY));
  for (int x = 0; x < 8; ++x) EXPECT_EQ(source.At(x, 0), Source(7 - x, 0)) << x;
}

TEST_F(TransferFixture, BottomUpSurfacesUsePictureRows) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP section = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(section, 0u);
  const HDC dc = CreateCompatibleDC(0);
  const HGDIOBJ previous = SelectObject(dc, section);
  ASSERT_TRUE(BitBlt(dc, 0, 0, 8, 8, source.Dc(), 0, 0, SRCCOPY));
  // Memory row 0 of a bottom-up DIB is the picture's bottom row.
  const auto* memory = static_cast<const std::uint32_t*>(bits);
  EXPECT_EQ(memory[0] & 0xFFFFFFu, Source(0, 7));
  ASSERT_TRUE(BitBlt(destination.Dc(), 0, 0, 8, 8, dc, 0, 0, SRCCOPY));
  EXPECT_EQ(destination.At(3, 1), Source(3, 1));
  // An overlapping copy within the section reads the rows as they were.
  ASSERT_TRUE(BitBlt(dc, 0, 1, 8, 7, dc, 0, 0, SRCCOPY));
  ASSERT_TRUE(BitBlt(destination.Dc(), 0, 0, 8, 8, dc, 0, 0, SRCCOPY));
  EXPECT_EQ(destination.At(3, 7), Source(3, 6));
  EXPECT_EQ(destination.At(3, 1), Source(3, 0));
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(section);
}

TEST_F(TransferFixture, HalftoneStretchSmoothsAndOtherModesDoNot) {
  source.Set(0, 0, 0xFF000000);
  source.Set(1, 0, 0xFFFFFFFF);
  const auto hasBlend = [&] {
    for (int x = 0; x < 8; ++x) {
      const std::uint32_t blue = destination.At(x, 0) & 0xFF;
      if (blue != 0 && blue != 0xFF) return true;
    }
    return false;
  };
  ASSERT_TRUE(StretchBlt(destination.Dc(), 0, 0, 8, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_FALSE(hasBlend()) << "BLACKONWHITE is nearest-pixel";
  SetStretchBltMode(destination.Dc(), HALFTONE);
  ASSERT_TRUE(StretchBlt(destination.Dc(), 0, 0, 8, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_TRUE(hasBlend());
  EXPECT_LT(destination.At(0, 0) & 0xFF, destination.At(7, 0) & 0xFF) << "black on the left";
  ASSERT_TRUE(StretchBlt(destination.Dc(), 8, 0, -8, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_GT(destination.At(0, 0) & 0xFF, destination.At(7, 0) & 0xFF) << "mirrored";
}

TEST_F(TransferFixture, ReportsTheChangedArea) {
  QRect changed;
  destination.Pixels().onChanged = [&](const QRect& area) { changed = area; };
  ASSERT_TRUE(BitBlt(destination.Dc(), 6, 5, 10, 10, source.Dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(changed, QRect(6, 5, 2, 3));
  destination.Pixels().onChanged = nullptr;
}

}  // namespace
}  // namespace platform
