#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/gdi/shapes.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

class SurfaceTransfer : public SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    ASSERT_TRUE(source.CreateFromWindow(window.Handle()));
  }

  // A 4 x 3 bitmap (pixels 0x00RRGGBB): red, green, blue, white in the top row, a black
  // row, and a black row that starts with red.
  static GdiBitmap MakeBitmap() {
    const std::vector<std::uint32_t> pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF,
                                            0x000000, 0x000000, 0x000000, 0x000000,
                                            0xFF0000, 0x000000, 0x000000, 0x000000};
    GdiBitmap bitmap;
    EXPECT_TRUE(bitmap.CreateFromPixels(4, 3, pixels));
    return bitmap;
  }

  static int Channel(platform::COLORREF colour, int shift) { return (colour >> shift) & 0xFF; }

  DrawingSurface source;
};

struct BlendCase {
  platform::COLORREF old;
  platform::COLORREF colour;
  int opacity;
  platform::COLORREF expected;
};

TEST_F(SurfaceTransfer, BlendPixelMixesEachChannelAndTruncates) {
  const BlendCase cases[] = {
      {kWhite, kBlack, 128, 0x7F7F7F},
      {kBlack, kRed, 255, kRed},
      {0x123456, kWhite, 0, 0x123456},
      {kRed, kBlue, 51, 0x3300CC},
      {0x1E140A, 0x3264C8, 100, 0x253354},
  };
  for (const BlendCase& c : cases) {
    SCOPED_TRACE(c.opacity);
    platform::SetPixelV(surface.GetMemoryDc(), 3, 4, c.old);
    ASSERT_TRUE(surface.BlendPixel(3, 4, c.colour, c.opacity));
    EXPECT_EQ(Pixel(3, 4), c.expected);
  }
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceTransfer, BlendPixelRefusesAnOpacityOutOfRangeAndPixelsOutside) {
  EXPECT_FALSE(surface.BlendPixel(3, 4, kWhite, 256));
  EXPECT_FALSE(surface.BlendPixel(3, 4, kWhite, -1));
  EXPECT_EQ(Pixel(3, 4), kBlack);
  EXPECT_EQ(errorLog.Text(), "透明度超出0-255的取值范围，请检查透明度超出0-255的取值范围，请检查");
  errorLog.Free();
  EXPECT_FALSE(surface.BlendPixel(kWidth, 0, kWhite, 10));
  EXPECT_EQ(errorLog.Text(), "画点失败(SetPixelV()返回值为0)请检查提供的参数是否正常。请检查是否创建图形");
}

TEST_F(SurfaceTransfer, CopyFromWindowReadsTheTargetOrTheGivenWindow) {
  ASSERT_TRUE(surface.FillRectangle(whiteBrush, 0, 0, kWidth, kHeight));
  ASSERT_TRUE(surface.Present());
  ASSERT_TRUE(surface.Clear());
  ASSERT_TRUE(surface.CopyFromWindow());
  EXPECT_EQ(CountPixels(kWhite, 0, 0, kWidth, 10), kWidth * 10);
  EXPECT_EQ(Pixel(kWidth - 1, kHeight - 1), kWhite);

  const TestWindow other(0, 0, 40, 30);
  DrawingSurface otherSurface;
  ASSERT_TRUE(otherSurface.CreateFromWindow(other.Handle()));
  ASSERT_TRUE(otherSurface.FillRectangle(greenBrush, 0, 0, 40, 30));
  ASSERT_TRUE(otherSurface.Present());
  ASSERT_TRUE(surface.CopyFromWindow(other.Handle(), platform::NOTSRCCOPY));
  EXPECT_EQ(Pixel(0, 0), kWhite ^ kGreen);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceTransfer, DrawBitmapCopiesTheWholeBitmapUnlessASizeIsGiven) {
  const GdiBitmap bitmap = MakeBitmap();
  ASSERT_TRUE(surface.DrawBitmap(bitmap, 10, 20, 0, 0));
  EXPECT_EQ(Pixel(10, 20), kRed);
  EXPECT_EQ(Pixel(13, 20), kWhite);
  EXPECT_EQ(Pixel(10, 21), kBlack);
  EXPECT_EQ(Pixel(10, 22), kRed);
  ASSERT_TRUE(surface.DrawBitmap(bitmap, 100, 20, 1, 0, 2, 1));
  EXPECT_EQ(Pixel(100, 20), kGreen);
  EXPECT_EQ(Pixel(101, 20), kBlue);
  EXPECT_EQ(Pixel(102, 20), kBlack);
  ASSERT_TRUE(surface.DrawBitmap(bitmap, 200, 20, 0, 0, std::nullopt, std::nullopt,
                                 platform::NOTSRCCOPY));
  EXPECT_EQ(Pixel(201, 21), kWhite);
  // The bitmap is free again afterwards: it can go into another device context.
  GdiBrush pattern;
  EXPECT_TRUE(pattern.CreatePattern(bitmap));
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceTransfer, DrawBitmapTransparentSkipsTheKeyAndStretches) {
  const GdiBitmap bitmap = MakeBitmap();
  ASSERT_TRUE(surface.FillRectangle(whiteBrush, 0, 0, 100, 100));
  ASSERT_TRUE(surface.DrawBitmapTransparent(bitmap, 10, 10, 8, 6, 0, 0, std::nullopt,
                                            std::nullopt, kBlack));
  EXPECT_EQ(Pixel(10, 10), kRed);
  EXPECT_EQ(Pixel(11, 11), kRed);  // stretched two to one
  EXPECT_EQ(Pixel(12, 10), kGreen);
  EXPECT_EQ(Pixel(14, 13), kWhite);  // black is the key: the white shows through
  EXPECT_EQ(Pixel(10, 14), kRed);
  EXPECT_EQ(Pixel(18, 10), kWhite);
}

TEST_F(SurfaceTransfer, BitmapOperationsReportAnEmptyBitmap) {
  EXPECT_FALSE(surface.DrawBitmap(GdiBitmap(), 0, 0, 0, 0));
  EXPECT_EQ(errorLog.Text(),
            "将位图选入用来存放的内存设备场景失败(SelectObject()返回值为0)请检查图片是否创建成功");
  errorLog.Free();
  DrawingSurface empty;
  EXPECT_FALSE(empty.DrawBitmapTransparent(MakeBitmap(), 0, 0, std::nullopt, std::nullopt, 0, 0,
                                           std::nullopt, std::nullopt, kBlack));
  EXPECT_EQ(errorLog.Text(),
            "将存放图片的内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)"
            "请检查图形是否创建成功");
}

TEST_F(SurfaceTransfer, CopiesFromAnotherSurface) {
  ASSERT_TRUE(source.FillRectangle(greenBrush, 0, 0, kWidth, kHeight));
  ASSERT_TRUE(source.FillRectangle(whiteBrush, 0, 0, 2, 2));

  ASSERT_TRUE(surface.CopyFromSurfaceRect(source, 100, 100, 3, 3));
  EXPECT_EQ(Pixel(101, 101), kWhite);
  EXPECT_EQ(Pixel(102, 102), kGreen);
  EXPECT_EQ(Pixel(103, 103), kBlack);

  ASSERT_TRUE(surface.CopyFromSurfaceTransparent(source, 200, 200, 4, 4, 0, 0, 2, 2, kWhite));
  EXPECT_EQ(CountPixels(kBlack, 200, 200, 204, 204), 16);  // all of it was the key

  ASSERT_TRUE(surface.CopyFromSurface(source));
  EXPECT_EQ(CountPixels(kGreen), kWidth * kHeight - 4);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceTransfer, BlendFromSurfaceUsesTheLowByteOfTheOpacity) {
  ASSERT_TRUE(source.FillRectangle(whiteBrush, 0, 0, kWidth, kHeight));
  ASSERT_TRUE(surface.BlendFromSurface(source, 0, 0, 10, 10, 128));
  EXPECT_NEAR(Channel(Pixel(5, 5), 0), 128, 1);
  ASSERT_TRUE(surface.BlendFromSurface(source, 20, 0, 10, 10, 256));  // acts as 0
  EXPECT_EQ(Pixel(25, 5), kBlack);
  ASSERT_TRUE(surface.BlendFromSurface(source, 40, 0, 10, 10, 300));  // acts as 44
  EXPECT_NEAR(Channel(Pixel(45, 5), 8), 44, 1);
}

TEST_F(SurfaceTransfer, SurfaceCopiesReportTheirCall) {
  const DrawingSurface empty;
  EXPECT_FALSE(surface.CopyFromSurface(empty));
  EXPECT_FALSE(surface.CopyFromSurfaceTransparent(empty, 0, 0, 1, 1, 0, 0, 1, 1, 0));
  EXPECT_FALSE(surface.BlendFromSurface(empty, 0, 0, 1, 1, 9));
  EXPECT_EQ(errorLog.Text(),
            "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功"
            "将内存设备场景内容复制到窗口设备场景失败(TransparentBlt()返回值为0)请检查图形是否创建成功"
            "将内存设备场景内容复制到窗口设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功");
}

// The mirrored copy is anchored at the area's corner with negative extents, so it lands
// in the pixels just left of and above that corner.
TEST_F(SurfaceTransfer, FlipAreaMirrorsByMode) {
  struct Case {
    int mode;
    int x, y;  // where the area's top-left pixel lands
  };
  const Case cases[] = {{0, 100, 99}, {1, 99, 100}, {7, 99, 99}, {-1, 99, 99}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    ASSERT_TRUE(surface.Clear());
    platform::SetPixelV(surface.GetMemoryDc(), 100, 100, kRed);
    surface.FlipArea(Rect{100, 100, 20, 10}, c.mode);
    EXPECT_EQ(Pixel(c.x, c.y), kRed);
    EXPECT_EQ(CountPixels(kRed, 70, 80, 130, 120), c.x == 100 && c.y == 100 ? 1 : 2);
  }
  EXPECT_TRUE(errorLog.IsNone());
  DrawingSurface empty;
  empty.FlipArea(Rect{0, 0, 5, 5}, 0);
  EXPECT_EQ(errorLog.Text(), "变换设备场景失败(StretchBlt()返回值为0)");
}

TEST_F(SurfaceTransfer, FillGradientShadesBetweenTheFirstTwoVertices) {
  const std::vector<GradientVertex> vertices{{0, 0, 255, 0, 0, 0}, {100, 50, 0, 0, 255, 0}};
  ASSERT_TRUE(surface.FillGradient(vertices, platform::GRADIENT_FILL_RECT_H));
  EXPECT_EQ(Pixel(0, 10), kRed);
  EXPECT_NEAR(Channel(Pixel(99, 10), 16), 255, 3);
  EXPECT_NEAR(Channel(Pixel(50, 10), 0), 128, 3);
  EXPECT_EQ(Pixel(100, 10), kBlack);
  EXPECT_EQ(Pixel(50, 50), kBlack);

  ASSERT_TRUE(surface.FillGradient(vertices, platform::GRADIENT_FILL_RECT_V));
  EXPECT_EQ(Pixel(90, 0), kRed);
  EXPECT_NEAR(Channel(Pixel(0, 49), 16), 255, 6);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceTransfer, FillGradientRefusesWhatTheRectangleMeshCannotServe) {
  const std::vector<GradientVertex> one{{0, 0, 255, 0, 0, 0}};
  const std::vector<GradientVertex> three{{0, 0}, {10, 10}, {0, 10}};
  EXPECT_FALSE(surface.FillGradient(one, platform::GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(surface.FillGradient({}, platform::GRADIENT_FILL_RECT_V));
  EXPECT_FALSE(surface.FillGradient(three, platform::GRADIENT_FILL_TRIANGLE));
  constexpr const char* kMessage = "渐变填充失败(GdiGradientFill()返回值为0)";
  EXPECT_EQ(errorLog.Text(), std::string(kMessage) + kMessage + kMessage);
  EXPECT_EQ(CountPixels(kBlack, 0, 0, 20, 20), 400);
}

}  // namespace
}  // namespace varnimo::testing
