#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gdi/text/draw_text.h"
#include "tests/platform/gdi/text/text_canvas.h"
#include "tests/support/golden.h"

namespace {

using namespace platform;
using namespace varnimo::testing;

// The bounding box of the pixels of exactly one colour.
QRect BoundsOf(const TextCanvas& canvas, COLORREF colour) {
  QRect bounds;
  const QImage picture = canvas.Picture();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (canvas.At(x, y) == colour) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

TEST(DrawShadowTextTest, ShadowLandsAtTheOffsetUnderTheText) {
  TextCanvas canvas(200, 60, kWhite);
  ASSERT_TRUE(canvas.UseFont(-24, "DejaVu Sans", FW_BOLD, NONANTIALIASED_QUALITY));
  SetTextColor(canvas.Dc(), kGreen);
  RECT rect{10, 10, 200, 60};
  const std::u16string text = u"Shadow";
  ASSERT_NE(DrawShadowText(canvas.Dc(), text.c_str(), static_cast<UINT>(text.size()), &rect,
                           DT_SINGLELINE, kBlack, kRed, 4, 3),
            0);
  const QRect ink = BoundsOf(canvas, kBlack);
  const QRect shadow = BoundsOf(canvas, kRed);
  ASSERT_FALSE(ink.isEmpty());
  ASSERT_FALSE(shadow.isEmpty());
  // The text covers the shadow's top-left part, so the shadow shows at right and bottom.
  EXPECT_EQ(shadow.right(), ink.right() + 4);
  EXPECT_EQ(shadow.bottom(), ink.bottom() + 3);
  EXPECT_EQ(GetTextColor(canvas.Dc()), kGreen);
}

TEST(DrawShadowTextTest, CountsStopAtTheTerminator) {
  TextCanvas canvas(200, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  // A heap block exactly as long as the text and its terminator.
  auto text = std::make_unique<WCHAR[]>(4);
  text[0] = u'a';
  text[1] = u'b';
  text[2] = u'c';
  text[3] = 0;
  RECT whole{0, 0, 200, 40};
  RECT longer = whole;
  RECT part = whole;
  ASSERT_NE(DrawShadowText(canvas.Dc(), text.get(), static_cast<UINT>(-1), &whole, DT_CALCRECT,
                           kBlack, kRed, 1, 1),
            0);
  ASSERT_NE(DrawShadowText(canvas.Dc(), text.get(), 1000, &longer, DT_CALCRECT, kBlack, kRed, 1, 1),
            0);
  ASSERT_NE(DrawShadowText(canvas.Dc(), text.get(), 1, &part, DT_CALCRECT, kBlack, kRed, 1, 1), 0);
  EXPECT_EQ(longer.right, whole.right);
  EXPECT_LT(part.right, whole.right);
  EXPECT_NE(DrawShadowText(canvas.Dc(), text.get(), 1000, &longer, 0, kBlack, kRed, 1, 1), 0);
}

TEST(DrawShadowTextTest, RefusesBadArguments) {
  TextCanvas canvas(50, 20);
  ASSERT_TRUE(canvas.UseFont(-12));
  RECT rect{0, 0, 50, 20};
  const char16_t unpaired[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(
      DrawShadowText(canvas.Dc(), unpaired, static_cast<UINT>(-1), &rect, 0, kBlack, kRed, 1, 1),
      0);
  EXPECT_EQ(DrawShadowText(0, u"a", 1, &rect, 0, kBlack, kRed, 1, 1), 0);
  EXPECT_EQ(DrawShadowText(canvas.Dc(), nullptr, 1, &rect, 0, kBlack, kRed, 1, 1), 0);
  EXPECT_EQ(DrawShadowText(canvas.Dc(), u"a", 1, nullptr, 0, kBlack, kRed, 1, 1), 0);
  EXPECT_TRUE(canvas.InkBounds().isEmpty());
}

// In OPAQUE mode both cells get the background before any ink, so the text does not
// paint its background over the shadow.
TEST(DrawShadowTextTest, OpaqueBackgroundStaysUnderBothPasses) {
  TextCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.UseFont(-24, "DejaVu Sans", FW_BOLD, NONANTIALIASED_QUALITY));
  SetBkMode(canvas.Dc(), OPAQUE);
  SetBkColor(canvas.Dc(), kGreen);
  RECT rect{10, 10, 200, 60};
  ASSERT_NE(DrawShadowText(canvas.Dc(), u"Mw", static_cast<UINT>(-1), &rect, DT_SINGLELINE, kBlack,
                           kRed, -2, -2),
            0);
  // With a shadow up and to the left, the text's cell covers most of the shadow: its
  // ink must still be there.
  EXPECT_GT(canvas.Count(kRed), 20);
  EXPECT_GT(canvas.Count(kGreen), 100);
}

TEST(DrawShadowTextTest, GoldenChineseWithShadow) {
  TextCanvas canvas(140, 50, RGB(230, 230, 230));
  ASSERT_TRUE(canvas.UseFont(-28, "WenQuanYi Micro Hei", FW_BOLD));
  RECT rect{0, 0, 140, 50};
  // 水印 text
  ASSERT_NE(DrawShadowText(canvas.Dc(), u"\u6c34\u5370 Aa", static_cast<UINT>(-1), &rect,
                           DT_SINGLELINE | DT_CENTER | DT_VCENTER, RGB(0, 200, 255),
                           RGB(40, 40, 40), 3, 3),
            0);
  EXPECT_TRUE(varnimo::testing::MatchesGolden(canvas.Picture(), "text/shadow_text_chinese", 24));
}

// A bottom-up DIB section and a top-down one show the same picture, rotated text too.
TEST(DrawShadowTextTest, BottomUpAndTopDownSurfacesAgree) {
  const auto draw = [](LONG height) {
    const HDC dc = CreateCompatibleDC(0);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 120, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_NE(bitmap, 0u);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const HFONT font =
        CreateFontA(-20, 0, 300, 300, 0, 0, 0, 0, 0, 0, 0, DEFAULT_QUALITY, 0, "DejaVu Sans");
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ previousFont = SelectObject(dc, font);
    RECT rect{10, 10, 120, 60};
    EXPECT_NE(DrawShadowText(dc, u"Tilt", static_cast<UINT>(-1), &rect, DT_SINGLELINE | DT_NOCLIP,
                             kWhite, kRed, 2, 2),
              0);
    QImage picture(120, 60, QImage::Format_RGB32);
    const auto& surface = *gdi::DeviceContexts().Find(dc)->target;
    for (int y = 0; y < 60; ++y) std::memcpy(picture.scanLine(y), surface.Row(y), 120 * 4);
    SelectObject(dc, previousFont);
    DeleteObject(font);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
  };
  const QImage bottomUp = draw(60);
  const QImage topDown = draw(-60);
  int differing = 0;
  int inked = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 120; ++x) {
      differing += bottomUp.pixel(x, y) != topDown.pixel(x, y) ? 1 : 0;
      inked += topDown.pixel(x, y) != qRgb(0, 0, 0) ? 1 : 0;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(inked, 100);
}

}  // namespace
