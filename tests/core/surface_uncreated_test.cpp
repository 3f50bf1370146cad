#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

constexpr const char* kPen = "选入画笔失败(SelectObject()返回0)请检查画笔是否已创建";
constexpr const char* kBrush = "选入刷子失败(SelectObject()返回0)请检查刷子是否已创建";

// A surface that was never created has no device contexts: every drawing operation
// fails at its first checked call and reports that call's message, even with good
// pens and brushes.
class UncreatedSurface : public SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    ASSERT_TRUE(region.CreateRectangle(0, 0, 5, 5));
  }

  DrawingSurface empty;
  const GdiPen& pen = redPen;
  const GdiBrush& brush = blueBrush;
  GdiRegion region;
  std::vector<Point> points{{0, 0}, {1, 1}, {2, 0}, {3, 1}};
};

TEST_F(UncreatedSurface, EveryDrawingOperationReportsItsFirstCall) {
  struct Case {
    const char* name;
    std::function<bool()> run;
    const char* message;
  };
  const Case cases[] = {
      {"Clear", [&] { return empty.Clear(); }, "选入刷子失败(SelectObject()返回0)"},
      {"ClearWindowRect", [&] { return empty.ClearWindowRect(0, 0, 1, 1); },
       "选入刷子失败(SelectObject()返回0)"},
      {"DrawRectangle", [&] { return empty.DrawRectangle(pen, 0, 0, 1, 1); }, kPen},
      {"FillRectangle", [&] { return empty.FillRectangle(brush, 0, 0, 1, 1); }, kBrush},
      {"DrawArc", [&] { return empty.DrawArc(pen, 0, 0, 1, 1, 0, 0, 1, 1); }, kPen},
      {"FillChordByAngles", [&] { return empty.FillChordByAngles(brush, 0, 0, 1, 1, 0, 90); }, kBrush},
      {"DrawPieByAngles", [&] { return empty.DrawPieByAngles(pen, 0, 0, 1, 1, 0, 90); }, kPen},
      {"DrawRoundRect", [&] { return empty.DrawRoundRect(pen, 0, 0, 1, 1, 1, 1); }, kPen},
      {"DrawLine", [&] { return empty.DrawLine(pen, 0, 0, 1, 1); }, kPen},
      {"DrawBeziers", [&] { return empty.DrawBeziers(pen, points); }, kPen},
      {"FillPolygon", [&] { return empty.FillPolygon(brush, points); }, kBrush},
      {"InvertArea", [&] { return empty.InvertArea(0, 0, 1, 1); }, "反色范围失败(InvertRect()返回值为0)"},
      {"FillRegion", [&] { return empty.FillRegion(brush, region); }, "填充区域失败(FillRgn()返回值为0)"},
      {"StartPath", [&] { return empty.StartPath(); },
       "启动路径失败(BeiginPath()返回0)请检查GDI_图形是否已创建"},
      {"FillRecordedPath", [&] { return empty.FillRecordedPath(brush); }, kBrush},
      {"BlendPixel", [&] { return empty.BlendPixel(0, 0, kRed, 9); },
       "画点失败(SetPixelV()返回值为0)请检查提供的参数是否正常。请检查是否创建图形"},
      {"CopyFromWindow", [&] { return empty.CopyFromWindow(); },
       "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    errorLog.Free();
    EXPECT_FALSE(c.run());
    EXPECT_EQ(errorLog.Text(), c.message);
  }
  EXPECT_EQ(empty.ReadPixel(0, 0), platform::CLR_INVALID);
  EXPECT_EQ(empty.GetDcWindow(), 0u);
}

TEST_F(UncreatedSurface, TwoFailuresInARowKeepBothMessages) {
  EXPECT_FALSE(empty.DrawLine(pen, 0, 0, 1, 1));
  EXPECT_FALSE(empty.FillRectangle(brush, 0, 0, 1, 1));
  EXPECT_EQ(errorLog.Text(), std::string(kPen) + kBrush);
}

}  // namespace
}  // namespace varnimo::testing
