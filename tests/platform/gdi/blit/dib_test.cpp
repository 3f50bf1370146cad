// GetDIBits and SetDIBits: the header-only query, the row layouts of 16, 24 and 32
// bits per pixel in both row orders, and the refusals.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit/dib.h"
#include "platform/gdi/dc.h"
#include "tests/platform/gdi/blit/memory_surface.h"

namespace platform {
namespace {

using testing::MemorySurface;

// The 44-byte block of a header and one colour entry, zeroed, biSize 44.
struct InfoBlock {
  InfoBlock() {
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = 44;
  }
  BITMAPINFO info;
};
static_assert(sizeof(BITMAPINFO) == 44);

BITMAPINFO Request(int width, int height, WORD bitsPerPixel) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, bitsPerPixel, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

// 8-bit channels as they come back from 5 bits.
std::uint32_t Through555(std::uint32_t rgb) {
  std::uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const std::uint32_t five = ((rgb >> shift) & 0xFF) >> 3;
    out |= ((five << 3) | (five >> 2)) << shift;
  }
  return out;
}

TEST(GetDIBits, HeaderOnlyQueryDescribesTheBitmap) {
  MemorySurface surface(550, 400);
  InfoBlock block;
  EXPECT_NE(GetDIBits(surface.Dc(), surface.Bitmap(), 0, 0, nullptr, &block.info, DIB_RGB_COLORS), 0);
  const BITMAPINFOHEADER& h = block.info.bmiHeader;
  EXPECT_EQ(h.biSize, 44u) << "left as the caller set it";
  EXPECT_EQ(h.biWidth, 550);
  EXPECT_EQ(h.biHeight, 400) << "positive: bottom row first";
  EXPECT_EQ(h.biPlanes, 1);
  EXPECT_EQ(h.biBitCount, 32);
  EXPECT_EQ(h.biCompression, BI_RGB);
  EXPECT_EQ(h.biSizeImage, 880000u);
  EXPECT_EQ(h.biClrUsed, 0u);
  const RGBQUAD zero{};
  EXPECT_EQ(std::memcmp(&block.info.bmiColors[0], &zero, sizeof zero), 0);
}

TEST(GetDIBits, ReadsRowsInTheRequestedOrderWithPadding) {
  MemorySurface surface(3, 4);
  surface.FillNumbered();
  for (const int height : {4, -4}) {
    BITMAPINFO info = Request(3, height, 24);
    std::vector<std::uint8_t> bits(4 * 12, 0xEE);
    ASSERT_EQ(GetDIBits(surface.Dc(), surface.Bitmap(), 0, 4, bits.data(), &info, DIB_RGB_COLORS), 4);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 48u) << "rows of 9 bytes padded to 12";
    const int firstRow = height > 0 ? 3 : 0;
    EXPECT_EQ(bits[0], 0x80) << "blue";
    EXPECT_EQ(bits[1], firstRow) << "green = y of the first row in memory";
    EXPECT_EQ(bits[2], 0) << "red = x";
    EXPECT_EQ(bits[5], 1) << "red of the second pixel";
    EXPECT_EQ(bits[9], 0) << "padding is zeroed";
    EXPECT_EQ(bits[13], height > 0 ? 2 : 1) << "green of the second row in memory";
  }
}

TEST(GetDIBits, PacksFiveBitsPerChannel) {
  MemorySurface surface(2, 1);
  surface.Set(0, 0, 0xFFFF0000);
  surface.Set(1, 0, 0xFF0000FF);
  BITMAPINFO info = Request(2, 1, 16);
  std::array<std::uint8_t, 4> bits{};
  ASSERT_EQ(GetDIBits(surface.Dc(), surface.Bitmap(), 0, 1, bits.data(), &info, DIB_RGB_COLORS), 1);
  EXPECT_EQ(bits, (std::array<std::uint8_t, 4>{0x00, 0x7C, 0x1F, 0x00}));
}

TEST(GetDIBits, StartCountsScanLinesFromTheBottomOfABottomUpRequest) {
  MemorySurface surface(1, 4);
  surface.FillNumbered();
  BITMAPINFO info = Request(1, 4, 32);
  std::array<std::uint32_t, 2> bits{};
  ASSERT_EQ(GetDIBits(surface.Dc(), surface.Bitmap(), 1, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(bits[0], MemorySurface::Numbered(0, 2));
  EXPECT_EQ(bits[1], MemorySurface::Numbered(0, 1));
  EXPECT_EQ(GetDIBits(surface.Dc(), surface.Bitmap(), 3, 5, bits.data(), &info, DIB_RGB_COLORS), 1)
      << "lines past the end are not copied";
}

struct RoundTrip {
  WORD bitsPerPixel;
  int height;  // sign: row order
};

TEST(SetDIBits, RoundTripsEveryDepthAndRowOrder) {
  for (const RoundTrip trip : {RoundTrip{32, 5}, RoundTrip{32, -5}, RoundTrip{24, 5}, RoundTrip{24, -5},
                               RoundTrip{16, 5}, RoundTrip{16, -5}}) {
    MemorySurface surface(7, 5);
    surface.FillNumbered();
    BITMAPINFO info = Request(7, trip.height, trip.bitsPerPixel);
    std::vector<std::uint8_t> bits(4 * 7 * 5);
    ASSERT_EQ(GetDIBits(surface.Dc(), surface.Bitmap(), 0, 5, bits.data(), &info, DIB_RGB_COLORS), 5);
    surface.Fill(0);
    ASSERT_EQ(SetDIBits(surface.Dc(), surface.Bitmap(), 0, 5, bits.data(), &info, DIB_RGB_COLORS), 5);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        const std::uint32_t expected = MemorySurface::Numbered(x, y) & 0xFFFFFF;
        ASSERT_EQ(surface.At(x, y), trip.bitsPerPixel == 16 ? Through555(expected) : expected)
            << trip.bitsPerPixel << " bpp, height " << trip.height << " at " << x << "," << y;
        ASSERT_EQ(surface.Raw(x, y) >> 24, 0xFFu);
      }
    }
  }
}

TEST(SetDIBits, WritesTheBitmapWhileSelectedIntoItsOwnDcAndReportsTheChange) {
  MemorySurface surface(2, 2);
  QRect changed;
  surface.Pixels().onChanged = [&](const QRect& area) { changed = area; };
  BITMAPINFO info = Request(2, 1, 32);  // one row: the bottom one
  const std::uint32_t row[2] = {0xFF010203, 0xFF040506};
  ASSERT_EQ(SetDIBits(surface.Dc(), surface.Bitmap(), 0, 1, row, &info, DIB_RGB_COLORS), 1);
  EXPECT_EQ(surface.At(1, 0), 0x040506u);
  EXPECT_EQ(changed, QRect(0, 0, 2, 1));
  surface.Pixels().onChanged = nullptr;
}

TEST(GetDIBits, ASectionDeletedByAnotherThreadMidCopyIsNotReadAfterItIsFreed) {
  // A DIB section's pixels belong to its bitmap object: a copy under way must keep
  // them alive when another thread deletes the handle.
  const HDC dc = CreateCompatibleDC(0);
  constexpr int kSide = 512;
  const BITMAPINFO info = Request(kSide, -kSide, 32);
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(kSide) * kSide * 4);
  for (int round = 0; round < 30; ++round) {
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    ASSERT_NE(bitmap, 0u);
    std::atomic<bool> started = false;
    std::thread reader([&] {
      BITMAPINFO request = info;
      while (GetDIBits(dc, bitmap, 0, kSide, rows.data(), &request, DIB_RGB_COLORS) == kSide) {
        started = true;
      }
      started = true;
    });
    while (!started) std::this_thread::yield();
    EXPECT_TRUE(DeleteObject(bitmap));
    reader.join();
  }
  DeleteDC(dc);
}

TEST(GetDIBits, RefusesWhatItCannotServe) {
  MemorySurface surface(4, 4);
  MemorySurface other(4, 4);
  std::vector<std::uint8_t> bits(64);
  const auto get = [&](HDC dc, HBITMAP bitmap, BITMAPINFO info, UINT usage = DIB_RGB_COLORS) {
    return GetDIBits(dc, bitmap, 0, 4, bits.data(), &info, usage);
  };
  EXPECT_EQ(get(0, surface.Bitmap(), Request(4, 4, 32)), 0);
  EXPECT_EQ(get(surface.Dc(), 0, Request(4, 4, 32)), 0);
  EXPECT_EQ(get(other.Dc(), surface.Bitmap(), Request(4, 4, 32)), 0) << "selected into another DC";
  EXPECT_EQ(get(surface.Dc(), surface.Bitmap(), Request(4, 4, 8)), 0) << "needs a colour table";
  EXPECT_EQ(get(surface.Dc(), surface.Bitmap(), Request(4, 4, 1)), 0);
  EXPECT_EQ(get(surface.Dc(), surface.Bitmap(), Request(4, 4, 32), 1), 0) << "DIB_PAL_COLORS";
  BITMAPINFO bitfields = Request(4, 4, 32);
  bitfields.bmiHeader.biCompression = BI_BITFIELDS;
  EXPECT_EQ(get(surface.Dc(), surface.Bitmap(), bitfields), 0);
  EXPECT_EQ(get(surface.Dc(), surface.Bitmap(), Request(0x7FFFFFFF, 4, 32)), 0) << "absurd width";
  EXPECT_EQ(get(surface.Dc(), surface.Bitmap(), Request(4, 0x7FFFFFFF, 32)), 0) << "absurd height";
  EXPECT_EQ(GetDIBits(surface.Dc(), surface.Bitmap(), 0, 4, bits.data(), nullptr, DIB_RGB_COLORS), 0);

  // The stock bitmap of a fresh memory DC has one bit per pixel.
  const HDC fresh = CreateCompatibleDC(0);
  InfoBlock block;
  EXPECT_EQ(GetDIBits(fresh, static_cast<HBITMAP>(GetCurrentObject(fresh, OBJ_BITMAP)), 0, 0, nullptr,
                      &block.info, DIB_RGB_COLORS),
            0);
  DeleteDC(fresh);

  const BITMAPINFO info = Request(4, 4, 32);
  EXPECT_EQ(SetDIBits(surface.Dc(), surface.Bitmap(), 0, 4, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(SetDIBits(other.Dc(), surface.Bitmap(), 0, 4, bits.data(), &info, DIB_RGB_COLORS), 0);
}

}  // namespace
}  // namespace platform
