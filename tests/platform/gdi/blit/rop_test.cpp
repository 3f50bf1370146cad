// The 256 ternary raster operations through BitBlt and PatBlt.

#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/region.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace platform {
namespace {

using testing::MemorySurface;

// The ternary definition itself: result bit = bit (P * 4 + S * 2 + D) of the index.
std::uint32_t ReferenceRop(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  std::uint32_t result = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const unsigned i = (((p >> bit) & 1u) << 2) | (((s >> bit) & 1u) << 1) | ((d >> bit) & 1u);
    result |= ((index >> i) & 1u) << bit;
  }
  return result;
}

// A destination with a solid brush selected, and a source.
class RopFixture : public ::testing::Test {
 protected:
  void UseBrush(HBRUSH brush) {
    const HGDIOBJ previous = SelectObject(destination.Dc(), brush);
    if (brush_ != 0) {
      DeleteObject(brush_);
    } else {
      stockBrush_ = previous;
    }
    brush_ = brush;
  }
  void TearDown() override {
    if (brush_ != 0) {
      SelectObject(destination.Dc(), stockBrush_);
      DeleteObject(brush_);
    }
  }

  MemorySurface destination{16, 16};
  MemorySurface source{16, 16};

 private:
  HBRUSH brush_ = 0;
  HGDIOBJ stockBrush_ = 0;
};

struct RopCase {
  const char* name;
  DWORD rop;
  std::uint32_t pattern;  // 0x00RRGGBB
  std::uint32_t source;
  std::uint32_t destination;
  std::uint32_t expected;
};

constexpr COLORREF ColourRef(std::uint32_t rgb) {
  return RGB(static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb));
}

TEST_F(RopFixture, KnownOperationsGiveTheirDocumentedResults) {
  const RopCase cases[] = {
      {"SRCCOPY", SRCCOPY, 0x112233, 0x123456, 0xABCDEF, 0x123456},
      {"SRCAND", SRCAND, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x303030},
      {"SRCPAINT", SRCPAINT, 0x112233, 0xF0F0F0, 0x3C3C3C, 0xFCFCFC},
      {"SRCINVERT", SRCINVERT, 0x112233, 0xF0F0F0, 0x3C3C3C, 0xCCCCCC},
      {"SRCERASE", SRCERASE, 0x112233, 0xF0F0F0, 0x3C3C3C, 0xC0C0C0},
      {"NOTSRCCOPY", NOTSRCCOPY, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x0F0F0F},
      {"NOTSRCERASE", NOTSRCERASE, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x030303},
      {"MERGECOPY", MERGECOPY, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x102030},
      {"MERGEPAINT", MERGEPAINT, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x3F3F3F},
      {"PATCOPY", PATCOPY, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x112233},
      {"PATPAINT", PATPAINT, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x3F3F3F},
      {"PATINVERT", PATINVERT, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x2D1E0F},
      {"DSTINVERT", DSTINVERT, 0x112233, 0xF0F0F0, 0x3C3C3C, 0xC3C3C3},
      {"BLACKNESS", BLACKNESS, 0x112233, 0xF0F0F0, 0x3C3C3C, 0x000000},
      {"WHITENESS", WHITENESS, 0x112233, 0xF0F0F0, 0x3C3C3C, 0xFFFFFF},
      // S chooses between P (where S is set) and D: the classic masked pattern paint.
      {"DSPDxax", 0x00E20746, 0x112233, 0xFF00FF, 0x3C3C3C, 0x113C33},
  };
  for (const RopCase& c : cases) {
    UseBrush(CreateSolidBrush(ColourRef(c.pattern)));
    source.Set(0, 0, 0xFF000000u | c.source);
    destination.Set(0, 0, 0xFF000000u | c.destination);
    ASSERT_TRUE(BitBlt(destination.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, c.rop)) << c.name;
    EXPECT_EQ(destination.At(0, 0), c.expected) << c.name;
    EXPECT_EQ(ReferenceRop(static_cast<std::uint8_t>(c.rop >> 16), c.pattern, c.source, c.destination),
              c.expected)
        << c.name << ": the table itself";
  }
}

// Every index, fast path or not, against the reference on random pixels. The unused
// byte of the result is 0xFF, except that SRCCOPY copies it from the source.
TEST_F(RopFixture, EveryOperationMatchesTheTernaryDefinition) {
  std::mt19937 random(20261211);
  for (int index = 0; index < 256; ++index) {
    const std::uint32_t pattern = random() & 0xFFFFFF;
    UseBrush(CreateSolidBrush(ColourRef(pattern)));
    std::uint32_t s[16], d[16];
    for (int x = 0; x < 16; ++x) {
      s[x] = random();
      d[x] = random();
      source.Set(x, 3, s[x]);
      destination.Set(x, 5, d[x]);
    }
    const DWORD rop = (static_cast<DWORD>(index) << 16) | 0x1234;
    ASSERT_TRUE(BitBlt(destination.Dc(), 0, 5, 16, 1, source.Dc(), 0, 3, rop)) << index;
    for (int x = 0; x < 16; ++x) {
      const std::uint32_t expected = ReferenceRop(static_cast<std::uint8_t>(index), pattern, s[x], d[x]);
      ASSERT_EQ(destination.At(x, 5), expected) << "index " << index << " pixel " << x;
      const std::uint32_t unused = index == 0xCC ? s[x] >> 24 : 0xFF;
      ASSERT_EQ(destination.Raw(x, 5) >> 24, unused) << "index " << index;
    }
  }
}

TEST_F(RopFixture, OperationsWithoutSourceIgnoreTheSourceDc) {
  UseBrush(CreateSolidBrush(RGB(1, 2, 3)));
  EXPECT_TRUE(BitBlt(destination.Dc(), 0, 0, 2, 2, 0, 0, 0, PATCOPY));
  EXPECT_EQ(destination.At(1, 1), 0x010203u);
  EXPECT_TRUE(PatBlt(destination.Dc(), 2, 2, 1, 1, DSTINVERT));
  EXPECT_EQ(destination.At(2, 2), 0xFFFFFFu);
  EXPECT_FALSE(PatBlt(destination.Dc(), 0, 0, 1, 1, SRCCOPY)) << "PatBlt has no source";
  EXPECT_FALSE(BitBlt(destination.Dc(), 0, 0, 1, 1, 0, 0, 0, SRCCOPY)) << "no source DC";
}

TEST_F(RopFixture, HatchBrushTilesFromTheDeviceOriginOverTheBackgroundColour) {
  UseBrush(CreateHatchBrush(HS_CROSS, RGB(255, 0, 0)));
  SetBkColor(destination.Dc(), RGB(0, 0, 255));
  SetBkMode(destination.Dc(), TRANSPARENT);  // a pattern fills its gaps all the same
  ASSERT_TRUE(PatBlt(destination.Dc(), 3, 3, 13, 13, PATCOPY));
  EXPECT_EQ(destination.At(8, 5), 0xFF0000u) << "vertical line on column 8";
  EXPECT_EQ(destination.At(5, 8), 0xFF0000u) << "horizontal line on row 8";
  EXPECT_EQ(destination.At(5, 5), 0x0000FFu) << "gap";
  EXPECT_EQ(destination.At(2, 2), 0x000000u) << "outside the rectangle";
}

TEST_F(RopFixture, PatternBrushTilesFromTheDeviceOrigin) {
  MemorySurface tile(2, 2);
  tile.Set(0, 0, 0xFF111111);
  tile.Set(1, 0, 0xFF222222);
  tile.Set(0, 1, 0xFF333333);
  tile.Set(1, 1, 0xFF444444);
  UseBrush(CreatePatternBrush(tile.Bitmap()));
  ASSERT_TRUE(PatBlt(destination.Dc(), 1, 1, 4, 4, PATCOPY));
  for (int y = 1; y < 5; ++y) {
    for (int x = 1; x < 5; ++x) {
      EXPECT_EQ(destination.At(x, y), tile.At(x % 2, y % 2)) << x << "," << y;
    }
  }
}

TEST_F(RopFixture, NullBrushLeavesPatternOperationsUndrawn) {
  SelectObject(destination.Dc(), GetStockObject(NULL_BRUSH));
  destination.Fill(0xFF123456);
  EXPECT_TRUE(PatBlt(destination.Dc(), 0, 0, 4, 4, PATCOPY));
  EXPECT_TRUE(BitBlt(destination.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 0x00E20746));
  EXPECT_EQ(destination.At(1, 1), 0x123456u);
  SelectObject(destination.Dc(), GetStockObject(WHITE_BRUSH));
}

TEST_F(RopFixture, ClipRegionLimitsTheOperation) {
  const HRGN clip = CreateRectRgn(2, 2, 4, 4);
  ASSERT_NE(SelectClipRgn(destination.Dc(), clip), RGN_ERROR);
  ASSERT_TRUE(PatBlt(destination.Dc(), 0, 0, 16, 16, WHITENESS));
  EXPECT_EQ(destination.At(2, 2), 0xFFFFFFu);
  EXPECT_EQ(destination.At(3, 3), 0xFFFFFFu);
  EXPECT_EQ(destination.At(4, 4), 0u);
  EXPECT_EQ(destination.At(1, 2), 0u);
  SelectClipRgn(destination.Dc(), 0);
  DeleteObject(clip);
}

}  // namespace
}  // namespace platform
