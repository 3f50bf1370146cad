#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>
#include <string>

#include "platform/gdi/dc.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

// Program text is in the ANSI code page (GB18030): "中" D6D0, "文" CEC4, and "À", which
// takes four bytes there but one UTF-16 unit, 81308638.
constexpr const char* kLatinAndChinese = "ab\xD6\xD0\xCE\xC4";
constexpr const char* kLatinAndOneChinese = "ab\xD6\xD0";
constexpr const char* kFourByteCharacters = "\x81\x30\x86\x38\x81\x30\x86\x38";

class SurfaceText : public SurfaceTest {
 protected:
  static void SetUpTestSuite() {
    SurfaceTest::SetUpTestSuite();
    if (QGuiApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "core_tests";
      static char* argv[] = {name, nullptr};
      static QGuiApplication application(argc, argv);
    }
  }

  void SetUp() override {
    SurfaceTest::SetUp();
    font.height = -24;
    font.weight = 400;
    font.colour = kWhite;
    font.faceName = "DejaVu Sans";
  }

  platform::RECT Box() const { return {10, 10, 300, 60}; }

  int CountNot(platform::COLORREF colour, const platform::RECT& box) {
    return (box.right - box.left) * (box.bottom - box.top) -
           CountPixels(colour, box.left, box.top, box.right, box.bottom);
  }

  GdiFont font;
};

TEST_F(SurfaceText, WriteTextDrawsInsideTheRectangleOnATransparentBackground) {
  const platform::HGDIOBJ previousFont =
      platform::GetCurrentObject(surface.GetMemoryDc(), platform::OBJ_FONT);
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteText(font, std::nullopt, "Hello", box, platform::DT_SINGLELINE));
  EXPECT_GT(CountPixels(kWhite, 10, 10, 300, 60), 20);
  EXPECT_EQ(CountNot(kBlack, {0, 60, kWidth, kHeight}), 0);
  EXPECT_EQ(CountNot(kBlack, {300, 0, kWidth, 60}), 0);
  EXPECT_EQ(platform::GetBkMode(surface.GetMemoryDc()), platform::TRANSPARENT);
  EXPECT_EQ(platform::GetTextColor(surface.GetMemoryDc()), kWhite);
  EXPECT_EQ(platform::GetCurrentObject(surface.GetMemoryDc(), platform::OBJ_FONT), previousFont);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceText, ABackgroundColourMakesTheBackgroundOpaqueAndStays) {
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteText(font, kGreen, "Hello", box, platform::DT_SINGLELINE));
  EXPECT_GT(CountPixels(kGreen, 10, 10, 300, 60), 20);
  EXPECT_EQ(platform::GetBkMode(surface.GetMemoryDc()), platform::OPAQUE);
  EXPECT_EQ(platform::GetBkColor(surface.GetMemoryDc()), kGreen);

  // Black is a colour too: given as 0 it is still an opaque background.
  ASSERT_TRUE(surface.WriteText(font, kBlack, "Hello", box, platform::DT_SINGLELINE));
  EXPECT_EQ(platform::GetBkMode(surface.GetMemoryDc()), platform::OPAQUE);
  EXPECT_EQ(platform::GetBkColor(surface.GetMemoryDc()), kBlack);
}

TEST_F(SurfaceText, CalcRectMeasuresWithoutDrawing) {
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteText(font, std::nullopt, "Hello", box,
                                platform::DT_SINGLELINE | platform::DT_CALCRECT));
  EXPECT_EQ(box.left, 10);
  EXPECT_GT(box.right, 30);
  EXPECT_LT(box.right, 300);
  EXPECT_GT(box.bottom, 20);
  EXPECT_EQ(CountPixels(kBlack, 0, 0, 300, 60), 300 * 60);
}

TEST_F(SurfaceText, TextEndsAtItsFirstNul) {
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteText(font, std::nullopt, std::string_view("AB\0CD", 5), box, 0));
  const auto withNul = surface.GetPixelBytes();
  ASSERT_TRUE(surface.Clear());
  box = Box();
  ASSERT_TRUE(surface.WriteText(font, std::nullopt, "AB", box, 0));
  EXPECT_EQ(surface.GetPixelBytes(), withNul);
}

TEST_F(SurfaceText, FontFieldsReachTheFont) {
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteText(font, std::nullopt, "Hello", box, 0));
  const auto upright = surface.GetPixelBytes();
  ASSERT_TRUE(surface.Clear());
  font.italic = true;
  box = Box();
  ASSERT_TRUE(surface.WriteText(font, std::nullopt, "Hello", box, 0));
  EXPECT_NE(surface.GetPixelBytes(), upright);
}

TEST_F(SurfaceText, AFaceThatIsNotInstalledFailsTheFont) {
  font.faceName = "No Such Face Anywhere";
  platform::RECT box = Box();
  EXPECT_FALSE(surface.WriteText(font, std::nullopt, "Hello", box, 0));
  EXPECT_FALSE(surface.WriteShadowText(font, std::nullopt, "Hello", box, 0, 2, 2, 0));
  EXPECT_EQ(errorLog.Text(),
            "创建字体失败(CreateFontA()返回0)请检查GDI_字体是否已创建"
            "创建字体失败(CreateFontA()返回0)请检查GDI_字体是否已创建");
  EXPECT_EQ(CountPixels(kBlack, 0, 0, 300, 60), 300 * 60);
}

TEST_F(SurfaceText, AnUncreatedSurfaceCannotTakeTheFont) {
  DrawingSurface empty;
  platform::RECT box = Box();
  EXPECT_FALSE(empty.WriteText(font, std::nullopt, "Hello", box, 0));
  EXPECT_EQ(errorLog.Text(),
            "选入字体到内存设备场景失败(SelectObject()返回0)请检查GDI_字体是否已创建");
}

TEST_F(SurfaceText, ShadowTextDrawsABlackShadowAtTheOffsetThenTheText) {
  ASSERT_TRUE(surface.FillRectangle(whiteBrush, 0, 0, kWidth, kHeight));
  font.colour = kRed;
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteShadowText(font, std::nullopt, "Hello", box, 12345, 4, 4,
                                      platform::DT_SINGLELINE));
  EXPECT_GT(CountPixels(kRed, 10, 10, 300, 60), 20);
  EXPECT_GT(CountPixels(kBlack, 10, 10, 310, 70), 20);
  // The text itself is drawn last: no shadow left of the text's own start column.
  EXPECT_EQ(CountPixels(kBlack, 0, 0, 12, kHeight), 0);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceText, ShadowTextCountsEachCharacterOnce) {
  platform::RECT box = Box();
  ASSERT_TRUE(surface.WriteShadowText(font, std::nullopt, kLatinAndChinese, box, 0, 1, 1, 0));
  const auto four = surface.GetPixelBytes();
  ASSERT_TRUE(surface.Clear());
  box = Box();
  ASSERT_TRUE(surface.WriteShadowText(font, std::nullopt, kLatinAndOneChinese, box, 0, 1, 1, 0));
  EXPECT_NE(surface.GetPixelBytes(), four);  // the fourth character was drawn
}

TEST_F(SurfaceText, ShadowTextNeverCountsPastTheText) {
  platform::RECT box = Box();
  EXPECT_TRUE(surface.WriteShadowText(font, std::nullopt, kFourByteCharacters, box, 0, 1, 1, 0));
  EXPECT_FALSE(surface.WriteShadowText(font, std::nullopt, "\x81", box, 0, 1, 1, 0));
  EXPECT_EQ(errorLog.Text(), "写出文本失败(DrawShadowText()返回0)请检查GDI_字体是否已创建");
}

}  // namespace
}  // namespace varnimo::testing
