#include <gtest/gtest.h>

#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

using SurfaceRegionsPaths = SurfaceTest;

TEST_F(SurfaceRegionsPaths, FillRegionPaintsExactlyTheRegion) {
  GdiRegion region;
  ASSERT_TRUE(region.CreateRectangle(10, 10, 30, 20));
  ASSERT_TRUE(surface.FillRegion(greenBrush, region));
  EXPECT_EQ(CountPixels(kGreen), 20 * 10);
  EXPECT_EQ(CountPixels(kGreen, 10, 10, 30, 20), 20 * 10);
}

TEST_F(SurfaceRegionsPaths, FrameRegionPaintsABorderInsideTheEdge) {
  GdiRegion region;
  ASSERT_TRUE(region.CreateRectangle(10, 10, 50, 50));
  ASSERT_TRUE(surface.FrameRegion(greenBrush, region, 2, 3));
  EXPECT_EQ(Pixel(10, 30), kGreen);
  EXPECT_EQ(Pixel(11, 30), kGreen);
  EXPECT_EQ(Pixel(12, 30), kBlack);
  EXPECT_EQ(Pixel(30, 12), kGreen);
  EXPECT_EQ(Pixel(30, 13), kBlack);
  EXPECT_EQ(Pixel(9, 30), kBlack);
}

TEST_F(SurfaceRegionsPaths, RegionOperationsReportAnEmptyRegionOrBrush) {
  GdiRegion region;
  ASSERT_TRUE(region.CreateRectangle(0, 0, 5, 5));
  EXPECT_FALSE(surface.FillRegion(greenBrush, GdiRegion()));
  EXPECT_FALSE(surface.FrameRegion(GdiBrush(), region, 1, 1));
  EXPECT_EQ(errorLog.Text(), "填充区域失败(FillRgn()返回值为0)描边区域失败(FrameRgn()返回值为0)");
}

TEST_F(SurfaceRegionsPaths, ARecordedPathIsFilledOnlyWhenFinished) {
  ASSERT_TRUE(surface.StartPath());
  ASSERT_TRUE(surface.DrawRectangle(redPen, 10, 10, 20, 20));
  EXPECT_EQ(CountPixels(kRed), 0);  // recorded, not drawn
  ASSERT_TRUE(surface.FinishPath());
  ASSERT_TRUE(surface.FillRecordedPath(greenBrush));
  EXPECT_EQ(CountPixels(kGreen), 20 * 20);
  // The fill consumed the path.
  EXPECT_FALSE(surface.FillRecordedPath(greenBrush));
  EXPECT_EQ(errorLog.Text(), "填充路径失败(FillPath()返回0)请检查路径是否已启动");
}

TEST_F(SurfaceRegionsPaths, StrokeRecordedPathDrawsTheOutline) {
  ASSERT_TRUE(surface.StartPath());
  std::vector<Point> points{{10, 10}, {40, 10}, {40, 40}};
  ASSERT_TRUE(surface.DrawPolyline(redPen, points));
  ASSERT_TRUE(surface.FinishPath());
  ASSERT_TRUE(surface.StrokeRecordedPath(redPen));
  EXPECT_EQ(Pixel(25, 10), kRed);
  EXPECT_EQ(Pixel(40, 25), kRed);
}

TEST_F(SurfaceRegionsPaths, PathStepsOutOfOrderFail) {
  EXPECT_FALSE(surface.FinishPath());
  EXPECT_FALSE(surface.StrokeRecordedPath(redPen));
  EXPECT_EQ(errorLog.Text(),
            "结束路径失败(EndPath()返回0)请检查路径是否已开始"
            "描边路径失败(StrokePath()返回0)请检查路径是否已启动");
}

TEST_F(SurfaceRegionsPaths, InvertAreaInvertsExactlyTheArea) {
  ASSERT_TRUE(surface.InvertArea(10, 10, 5, 4));
  EXPECT_EQ(CountPixels(kWhite), 5 * 4);
  EXPECT_EQ(CountPixels(kWhite, 10, 10, 15, 14), 5 * 4);
  ASSERT_TRUE(surface.InvertArea(10, 10, 5, 4));
  EXPECT_EQ(CountPixels(kWhite), 0);
}

TEST_F(SurfaceRegionsPaths, ReadPixelAnswersInvalidOutsideTheBackBuffer) {
  EXPECT_EQ(surface.ReadPixel(-1, 0), platform::CLR_INVALID);
  EXPECT_EQ(surface.ReadPixel(kWidth, 0), platform::CLR_INVALID);
  EXPECT_EQ(surface.ReadPixel(0, 0), kBlack);
  EXPECT_TRUE(errorLog.IsNone());
}

}  // namespace
}  // namespace varnimo::testing
