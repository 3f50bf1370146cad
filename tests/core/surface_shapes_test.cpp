#include <gtest/gtest.h>

#include "platform/gdi/dc.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

class SurfaceShapes : public SurfaceTest {
 protected:
  // Fills the whole back buffer white.
  void Whiten() { ASSERT_TRUE(surface.FillRectangle(whiteBrush, 0, 0, kWidth, kHeight)); }
};

TEST_F(SurfaceShapes, ClearBlackensTheWholeBackBufferAndRestoresTheSelection) {
  Whiten();
  const platform::HDC dc = surface.GetMemoryDc();
  const platform::HGDIOBJ pen = platform::GetCurrentObject(dc, platform::OBJ_PEN);
  const platform::HGDIOBJ brush = platform::GetCurrentObject(dc, platform::OBJ_BRUSH);
  ASSERT_TRUE(surface.Clear());
  EXPECT_EQ(CountPixels(kBlack), kWidth * kHeight);
  EXPECT_EQ(platform::GetCurrentObject(dc, platform::OBJ_PEN), pen);
  EXPECT_EQ(platform::GetCurrentObject(dc, platform::OBJ_BRUSH), brush);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceShapes, ClearRectBlackensExactlyTheRectangle) {
  Whiten();
  ASSERT_TRUE(surface.ClearRect(10, 20, 30, 25));
  EXPECT_EQ(CountPixels(kBlack), 20 * 5);
  EXPECT_EQ(CountPixels(kBlack, 10, 20, 30, 25), 20 * 5);
}

TEST_F(SurfaceShapes, ClearWindowBlackensTheWindowsPixels) {
  Whiten();
  ASSERT_TRUE(surface.Present());
  ASSERT_EQ(surface.ReadWindowPixel(5, 5), kWhite);
  ASSERT_TRUE(surface.ClearWindowRect(0, 0, 10, 10));
  EXPECT_EQ(surface.ReadWindowPixel(9, 9), kBlack);
  EXPECT_EQ(surface.ReadWindowPixel(10, 10), kWhite);
  ASSERT_TRUE(surface.ClearWindow());
  EXPECT_EQ(surface.ReadWindowPixel(kWidth - 1, kHeight - 1), kBlack);
  EXPECT_EQ(Pixel(5, 5), kWhite);  // the back buffer is untouched
}

TEST_F(SurfaceShapes, DrawRectangleOutlinesTheBoxWithAHollowBrush) {
  ASSERT_TRUE(surface.DrawRectangle(redPen, 10, 20, 30, 40));
  for (int y = 20; y < 60; ++y) {
    EXPECT_EQ(Pixel(10, y), kRed) << y;
    EXPECT_EQ(Pixel(39, y), kRed) << y;
  }
  for (int x = 10; x < 40; ++x) {
    EXPECT_EQ(Pixel(x, 20), kRed) << x;
    EXPECT_EQ(Pixel(x, 59), kRed) << x;
  }
  EXPECT_EQ(CountPixels(kRed), 2 * 30 + 2 * 40 - 4);
  EXPECT_EQ(Pixel(25, 40), kBlack);
}

TEST_F(SurfaceShapes, FillRectangleFillsTheBoxWithoutAnOutline) {
  ASSERT_TRUE(surface.FillRectangle(blueBrush, 10, 20, 30, 40));
  EXPECT_EQ(CountPixels(kBlue, 10, 20, 40, 60), 30 * 40);
  EXPECT_EQ(CountPixels(kBlue), 30 * 40);
}

TEST_F(SurfaceShapes, EllipsesStayInsideTheirBox) {
  ASSERT_TRUE(surface.FillEllipse(blueBrush, 0, 0, 100, 60));
  EXPECT_EQ(Pixel(50, 30), kBlue);
  EXPECT_EQ(Pixel(1, 1), kBlack);
  EXPECT_EQ(CountPixels(kBlue, 100, 0, kWidth, kHeight), 0);
  EXPECT_EQ(CountPixels(kBlue, 0, 60, 100, kHeight), 0);

  ASSERT_TRUE(surface.DrawEllipse(redPen, 200, 0, 100, 60));
  EXPECT_EQ(Pixel(250, 30), kBlack);
  EXPECT_EQ(Pixel(200, 30), kRed);
  EXPECT_EQ(Pixel(299, 30), kRed);
}

TEST_F(SurfaceShapes, RoundRectanglesCutTheirCorners) {
  ASSERT_TRUE(surface.FillRoundRect(blueBrush, 10, 10, 100, 50, 30, 30));
  EXPECT_EQ(Pixel(10, 10), kBlack);
  EXPECT_EQ(Pixel(60, 35), kBlue);
  EXPECT_EQ(Pixel(10, 35), kBlue);
  ASSERT_TRUE(surface.DrawRoundRect(redPen, 200, 10, 100, 50, 30, 30));
  EXPECT_EQ(Pixel(200, 10), kBlack);
  EXPECT_EQ(Pixel(250, 35), kBlack);
  EXPECT_EQ(Pixel(250, 10), kRed);
}

// Angle 0 points up from the box's centre, 90 left, 180 down, 270 right; the shapes run
// counter-clockwise from the start radial to the end radial.
TEST_F(SurfaceShapes, AnglesSelectTheSectorCounterClockwise) {
  ASSERT_TRUE(surface.FillPieByAngles(blueBrush, 0, 0, 100, 100, 0, 90));
  EXPECT_EQ(Pixel(25, 25), kBlue);   // upper left quarter
  EXPECT_EQ(Pixel(75, 25), kBlack);
  EXPECT_EQ(Pixel(25, 75), kBlack);
  EXPECT_EQ(Pixel(75, 75), kBlack);

  ASSERT_TRUE(surface.FillChordByAngles(blueBrush, 200, 0, 100, 100, 270, 90));
  EXPECT_EQ(Pixel(250, 20), kBlue);  // from the right round the top to the left
  EXPECT_EQ(Pixel(250, 80), kBlack);

  ASSERT_TRUE(surface.DrawPieByAngles(redPen, 0, 200, 100, 100, 180, 270));
  EXPECT_EQ(Pixel(99, 250), kRed);   // the lower right quarter's rim
  EXPECT_EQ(Pixel(0, 250), kBlack);
  EXPECT_EQ(Pixel(75, 275), kBlack); // hollow
}

TEST_F(SurfaceShapes, ArcByAnglesGoesThroughTheTruncatedRadialPoints) {
  ASSERT_TRUE(surface.DrawArcByAngles(redPen, 0, 0, 100, 100, 0, 180));
  EXPECT_EQ(Pixel(0, 50), kRed);  // the left half of the rim
  EXPECT_EQ(CountPixels(kRed, 51, 0, 100, 100), 0);
  const auto byAngles = surface.GetPixelBytes();

  // The same arc from the radial points (50, 0) and (49, 100).
  ASSERT_TRUE(surface.Clear());
  ASSERT_TRUE(surface.DrawArc(redPen, 0, 0, 100, 100, 50, 0, 49, 100));
  EXPECT_EQ(surface.GetPixelBytes(), byAngles);
}

TEST_F(SurfaceShapes, EightValueShapesTakeTheirRadialPoints) {
  ASSERT_TRUE(surface.FillPie(blueBrush, 0, 0, 100, 100, 100, 50, 50, 0));  // right to top
  EXPECT_EQ(Pixel(75, 25), kBlue);
  EXPECT_EQ(Pixel(25, 25), kBlack);
  ASSERT_TRUE(surface.FillChord(blueBrush, 200, 0, 300, 100, 300, 50, 200, 50));  // upper half
  EXPECT_EQ(Pixel(250, 25), kBlue);
  EXPECT_EQ(Pixel(250, 75), kBlack);
  ASSERT_TRUE(surface.DrawPie(redPen, 0, 200, 100, 300, 0, 250, 100, 250));  // lower half
  EXPECT_EQ(Pixel(50, 299), kRed);
  EXPECT_EQ(Pixel(50, 200), kBlack);
  EXPECT_EQ(Pixel(50, 275), kBlack);
}

TEST_F(SurfaceShapes, AnEmptyPenOrBrushFailsBeforeDrawing) {
  const GdiPen noPen;
  const GdiBrush noBrush;
  EXPECT_FALSE(surface.DrawRectangle(noPen, 0, 0, 10, 10));
  EXPECT_FALSE(surface.FillEllipse(noBrush, 0, 0, 10, 10));
  EXPECT_EQ(errorLog.Text(),
            "选入画笔失败(SelectObject()返回0)请检查画笔是否已创建"
            "选入刷子失败(SelectObject()返回0)请检查刷子是否已创建");
  EXPECT_EQ(CountPixels(kBlack, 0, 0, 20, 20), 400);
}

TEST_F(SurfaceShapes, BoxesReachingPastInt32AreHeldAtItsEdge) {
  ASSERT_TRUE(surface.FillRectangle(blueBrush, 540, 390, INT32_MAX, INT32_MAX));
  EXPECT_EQ(CountPixels(kBlue), 10 * 10);
}

}  // namespace
}  // namespace varnimo::testing
