#include <gtest/gtest.h>

#include "platform/gdi/shapes.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

class SurfacePresent : public SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    ASSERT_TRUE(surface.ClearWindow());
    // A marker at the back buffer's origin and white at its far corner.
    platform::SetPixelV(surface.GetMemoryDc(), 0, 0, kRed);
    platform::SetPixelV(surface.GetMemoryDc(), kWidth - 1, kHeight - 1, kWhite);
  }

  int CountWindowPixels(platform::COLORREF colour) {
    int count = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) count += surface.ReadWindowPixel(x, y) == colour ? 1 : 0;
    return count;
  }
};

TEST_F(SurfacePresent, PresentRectCopiesTheBackBufferToTheWindow) {
  ASSERT_TRUE(surface.PresentRect(0, 0, kWidth, kHeight));
  EXPECT_EQ(surface.ReadWindowPixel(0, 0), kRed);
  EXPECT_EQ(surface.ReadWindowPixel(kWidth - 1, kHeight - 1), kWhite);
  EXPECT_EQ(CountWindowPixels(kBlack), kWidth * kHeight - 2);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfacePresent, PresentRectCopiesFromTheOriginNotFromItsPosition) {
  ASSERT_TRUE(surface.PresentRect(20, 30, 100, 100));
  EXPECT_EQ(surface.ReadWindowPixel(20, 30), kRed);
  EXPECT_EQ(surface.ReadWindowPixel(0, 0), kBlack);
  ASSERT_TRUE(surface.PresentRect(200, 30, 10, 10, platform::NOTSRCCOPY));
  EXPECT_EQ(surface.ReadWindowPixel(200, 30), kWhite ^ kRed);
  EXPECT_EQ(surface.ReadWindowPixel(201, 31), kWhite);
}

TEST_F(SurfacePresent, ScrollByMovesWhatThePresentShows) {
  surface.ScrollBy(10, 5);
  ASSERT_TRUE(surface.Present());
  EXPECT_EQ(surface.ReadWindowPixel(10, 5), kRed);
  EXPECT_EQ(CountWindowPixels(kRed), 1);
  surface.ScrollBy(-10, -5);
  ASSERT_TRUE(surface.Present());
  EXPECT_EQ(surface.ReadWindowPixel(0, 0), kRed);
}

TEST_F(SurfacePresent, PresentBlendedUsesTheLowByteOfTheOpacity) {
  ASSERT_TRUE(surface.PresentBlended(kWidth - 1, kHeight - 1, 1, 1, 128));
  // The source is the origin's red pixel whatever the destination.
  EXPECT_NEAR(static_cast<int>(surface.ReadWindowPixel(kWidth - 1, kHeight - 1) & 0xFF), 128, 1);
  ASSERT_TRUE(surface.PresentBlended(5, 5, 1, 1, 256));
  EXPECT_EQ(surface.ReadWindowPixel(5, 5), kBlack);
}

TEST_F(SurfacePresent, AnUncreatedSurfaceReportsEachPresent) {
  DrawingSurface empty;
  EXPECT_FALSE(empty.Present());
  EXPECT_FALSE(empty.PresentRect(0, 0, 5, 5));
  EXPECT_FALSE(empty.PresentBlended(0, 0, 5, 5, 10));
  EXPECT_EQ(errorLog.Text(),
            "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功"
            "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功"
            "将内存设备场景内容复制到窗口设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功");
}

}  // namespace
}  // namespace varnimo::testing
