#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/dc.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

using SurfaceLines = SurfaceTest;

constexpr const char* kBezierRule =
    "画多条贝塞尔曲线 的第一个参数 点集合 点 数组类型 中的第一个点指定了起点。剩下的点三个一组"
    "——包括两个控件点和一个终点，必须符合规范，除去一个，必能与3整除！";


TEST_F(SurfaceLines, DrawLineExcludesItsEndAndLeavesThePositionThere) {
  ASSERT_TRUE(surface.DrawLine(redPen, 0, 5, 10, 5));
  EXPECT_EQ(CountPixels(kRed, 0, 5, 10, 6), 10);
  EXPECT_EQ(Pixel(10, 5), kBlack);
  platform::POINT position{};
  platform::GetCurrentPositionEx(surface.GetMemoryDc(), &position);
  EXPECT_EQ(position.x, 10);
  EXPECT_EQ(position.y, 5);
}

TEST_F(SurfaceLines, AnEmptyPenFailsDrawLineWithoutMovingThePosition) {
  platform::MoveToEx(surface.GetMemoryDc(), 7, 8, nullptr);
  EXPECT_FALSE(surface.DrawLine(GdiPen(), 0, 0, 50, 50));
  EXPECT_EQ(errorLog.Text(), "选入画笔失败(SelectObject()返回0)请检查画笔是否已创建");
  platform::POINT position{};
  platform::GetCurrentPositionEx(surface.GetMemoryDc(), &position);
  EXPECT_EQ(position.x, 7);
  EXPECT_EQ(position.y, 8);
}

TEST_F(SurfaceLines, PolylineTakesTheArraysCountUnlessGivenOne) {
  std::vector<Point> points{{0, 0}, {20, 0}, {20, 20}};
  ASSERT_TRUE(surface.DrawPolyline(redPen, points));
  EXPECT_EQ(Pixel(10, 0), kRed);
  EXPECT_EQ(Pixel(20, 10), kRed);
  ASSERT_TRUE(surface.Clear());
  ASSERT_TRUE(surface.DrawPolyline(redPen, points, 2));
  EXPECT_EQ(Pixel(10, 0), kRed);
  EXPECT_EQ(Pixel(20, 10), kBlack);
  // The points come back unchanged.
  EXPECT_EQ(points, (std::vector<Point>{{0, 0}, {20, 0}, {20, 20}}));
}

TEST_F(SurfaceLines, PolygonsCloseTheirOutlineAndFillTheInside) {
  std::vector<Point> triangle{{0, 0}, {100, 0}, {0, 100}};
  ASSERT_TRUE(surface.DrawPolygon(redPen, triangle));
  EXPECT_EQ(Pixel(50, 50), kRed);  // the closing edge
  EXPECT_EQ(Pixel(20, 20), kBlack);
  ASSERT_TRUE(surface.FillPolygon(blueBrush, triangle));
  EXPECT_EQ(Pixel(20, 20), kBlue);
  EXPECT_EQ(Pixel(80, 80), kBlack);
}

TEST_F(SurfaceLines, BeziersNeedThreeNPlusOnePoints) {
  std::vector<Point> curve{{0, 50}, {30, 0}, {60, 100}, {90, 50}, {120, 0}, {150, 100}, {180, 50}};
  ASSERT_TRUE(surface.DrawBeziers(redPen, curve, 4));
  EXPECT_EQ(Pixel(0, 50), kRed);
  EXPECT_EQ(CountPixels(kRed, 100, 0, kWidth, kHeight), 0);  // the second curve is left out
  ASSERT_TRUE(surface.DrawBeziers(redPen, curve));
  EXPECT_GT(CountPixels(kRed, 100, 0, kWidth, kHeight), 0);
  EXPECT_TRUE(errorLog.IsNone());

  ASSERT_TRUE(surface.Clear());
  std::vector<Point> five(curve.begin(), curve.begin() + 5);
  EXPECT_FALSE(surface.DrawBeziers(redPen, five));
  EXPECT_EQ(errorLog.Text(), kBezierRule);
  EXPECT_EQ(CountPixels(kRed), 0);
}

TEST_F(SurfaceLines, TheBezierRuleIsCheckedBeforeThePen) {
  std::vector<Point> two{{0, 0}, {5, 5}};
  EXPECT_FALSE(surface.DrawBeziers(GdiPen(), two));
  EXPECT_EQ(errorLog.Text(), kBezierRule);
}

// A count larger than the array would make the platform read past it: refused with the
// operation's own message, nothing drawn.
TEST_F(SurfaceLines, ACountLargerThanTheArrayIsRefused) {
  std::vector<Point> points{{0, 0}, {50, 0}, {50, 50}, {0, 50}};
  struct Case {
    const char* name;
    bool (*draw)(DrawingSurface&, const GdiPen&, const GdiBrush&, std::span<Point>);
    const char* message;
  };
  const Case cases[] = {
      {"DrawBeziers",
       [](DrawingSurface& s, const GdiPen& p, const GdiBrush&, std::span<Point> a) { return s.DrawBeziers(p, a, 7); },
       "画贝赛尔曲线集合失败(PolyBezier()返回0)请检查GDI_图形是否已创建"},
      {"DrawPolyline",
       [](DrawingSurface& s, const GdiPen& p, const GdiBrush&, std::span<Point> a) { return s.DrawPolyline(p, a, 5); },
       "画直线集合失败(PolyLine()返回0)请检查GDI_图形是否已创建"},
      {"DrawPolygon",
       [](DrawingSurface& s, const GdiPen& p, const GdiBrush&, std::span<Point> a) { return s.DrawPolygon(p, a, 5); },
       "画多边形失败(Polygon()返回0)请检查GDI_图形是否已创建"},
      {"FillPolygon",
       [](DrawingSurface& s, const GdiPen&, const GdiBrush& b, std::span<Point> a) { return s.FillPolygon(b, a, 1000); },
       "画多边形失败(Polygon()返回0)请检查GDI_图形是否已创建"},
      {"NegativeCount",
       [](DrawingSurface& s, const GdiPen& p, const GdiBrush&, std::span<Point> a) { return s.DrawPolyline(p, a, -1); },
       "画直线集合失败(PolyLine()返回0)请检查GDI_图形是否已创建"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    errorLog.Free();
    EXPECT_FALSE(c.draw(surface, redPen, blueBrush, points));
    EXPECT_EQ(errorLog.Text(), c.message);
    EXPECT_EQ(CountPixels(kBlack, 0, 0, 60, 60), 60 * 60);
  }
}

}  // namespace
}  // namespace varnimo::testing
