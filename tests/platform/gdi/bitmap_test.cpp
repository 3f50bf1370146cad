// Compatible bitmaps and DIB sections: sizes, row orders and failures.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "tests/platform/gdi/gdi_fixture.h"

namespace platform {
namespace {

BITMAPINFO Header(LONG width, LONG height, WORD bits = 32, DWORD compression = BI_RGB) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  info.bmiHeader.biCompression = compression;
  return info;
}

TEST(Bitmaps, CompatibleBitmapsAre32BitsAndBlack) {
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 5, 3);
  ASSERT_NE(bitmap, 0u);
  BITMAP record{};
  ASSERT_EQ(GetObjectA(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
  EXPECT_EQ(record.bmWidth, 5);
  EXPECT_EQ(record.bmHeight, 3);
  EXPECT_EQ(record.bmBitsPixel, 32);
  EXPECT_EQ(record.bmWidthBytes, 20);
  EXPECT_EQ(record.bmBits, nullptr);
  SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 4, 2), 0u);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(Bitmaps, AbsurdSizesAndBadDcsAreRefused) {
  const HDC stale = CreateCompatibleDC(0);
  DeleteDC(stale);
  EXPECT_EQ(CreateCompatibleBitmap(stale, 4, 4), 0u);
  const int sizes[][2] = {{0, 4},         {4, 0},      {-1, 4}, {4, -1}, {INT_MAX, INT_MAX},
                          {65536, 65536}, {1 << 29, 1}};
  for (const auto& size : sizes) {
    EXPECT_EQ(CreateCompatibleBitmap(0, size[0], size[1]), 0u) << size[0] << "x" << size[1];
  }
}

TEST(Bitmaps, DibSectionsKeepTheirRowOrder) {
  for (LONG height : {-3, 3}) {
    const BITMAPINFO info = Header(2, height);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, 0u);
    ASSERT_NE(bits, nullptr);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    EXPECT_EQ(pixels[0], 0u);  // new sections are zeroed
    const HDC dc = CreateCompatibleDC(0);
    SelectObject(dc, bitmap);
    // The picture's top row is memory row 0 of a top-down section (negative height),
    // the last memory row of a bottom-up one.
    SetPixelV(dc, 1, 0, RGB(0x11, 0x22, 0x33));
    const int memoryRow = height < 0 ? 0 : 2;
    EXPECT_EQ(pixels[memoryRow * 2 + 1] & 0x00FFFFFFu, 0x112233u) << height;
    // Writes through the bits show in the DC.
    pixels[(height < 0 ? 2 : 0) * 2] = 0x00445566u;
    EXPECT_EQ(GetPixel(dc, 0, 2), RGB(0x44, 0x55, 0x66)) << height;
    BITMAP record{};
    GetObjectA(bitmap, sizeof record, &record);
    EXPECT_EQ(record.bmBits, bits);
    EXPECT_EQ(record.bmHeight, 3);
    DeleteDC(dc);
    EXPECT_EQ(DeleteObject(bitmap), TRUE);
  }
}

TEST(Bitmaps, DrawingIntoABottomUpSectionLandsWhereTheShapeSays) {
  const BITMAPINFO info = Header(8, 8);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HDC dc = CreateCompatibleDC(0);
  SelectObject(dc, bitmap);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, 8, 1);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  EXPECT_EQ(pixels[6 * 8 + 3] & 0x00FFFFFFu, 0x00FFFFFFu);  // picture row 1 = memory row 6
  EXPECT_EQ(GetPixel(dc, 3, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 3, 6), 0u);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(Bitmaps, DibSectionsRefuseWhatTheyDoNotOffer) {
  struct Case {
    const char* name;
    BITMAPINFO info;
  };
  BITMAPINFO shortHeader = Header(2, 2);
  shortHeader.bmiHeader.biSize = 12;
  BITMAPINFO planes = Header(2, 2);
  planes.bmiHeader.biPlanes = 2;
  const Case cases[] = {{"24 bits", Header(2, 2, 24)},
                        {"8 bits", Header(2, 2, 8)},
                        {"bit fields", Header(2, 2, 32, BI_BITFIELDS)},
                        {"zero width", Header(0, 2)},
                        {"negative width", Header(-2, 2)},
                        {"zero height", Header(2, 0)},
                        {"smallest height", Header(2, INT_MIN)},
                        {"too many bytes", Header(1 << 16, 1 << 15)},
                        {"short header", shortHeader},
                        {"two planes", planes}};
  for (const Case& c : cases) {
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(0, &c.info, DIB_RGB_COLORS, &bits, nullptr, 0), 0u) << c.name;
    EXPECT_EQ(bits, nullptr) << c.name;
  }
  const BITMAPINFO good = Header(2, 2);
  int section = 0;
  EXPECT_EQ(CreateDIBSection(0, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), 0u);
  EXPECT_EQ(CreateDIBSection(0, &good, DIB_RGB_COLORS, nullptr, &section, 0), 0u);
  EXPECT_EQ(CreateDIBSection(0, &good, 1, nullptr, nullptr, 0), 0u);
  const HBITMAP withoutBits = CreateDIBSection(0, &good, DIB_RGB_COLORS, nullptr, nullptr, 0);
  EXPECT_NE(withoutBits, 0u);
  DeleteObject(withoutBits);
}

}  // namespace
}  // namespace platform
