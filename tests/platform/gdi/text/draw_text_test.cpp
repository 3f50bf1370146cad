#include "platform/gdi/text/draw_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "platform/gdi/region.h"
#include "tests/platform/gdi/text/text_canvas.h"
#include "tests/support/golden.h"

namespace {

using namespace platform;
using namespace varnimo::testing;

int LineHeight(const TextCanvas& canvas) {
  TEXTMETRICA metric{};
  GetTextMetricsA(canvas.Dc(), &metric);
  return metric.tmHeight;
}

TEST(DrawTextTest, InkLandsInsideTheRectangleInTheTextColour) {
  TextCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.UseFont(-20));
  SetTextColor(canvas.Dc(), kRed);
  RECT rect{20, 10, 180, 50};
  const int height = DrawTextA(canvas.Dc(), "Hello", -1, &rect, DT_LEFT | DT_TOP);
  EXPECT_EQ(height, LineHeight(canvas));
  const QRect ink = canvas.InkBounds();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(20, 10, 160, 40).contains(ink));
  EXPECT_GT(canvas.Count(kRed), 50);
  EXPECT_EQ(GetTextColor(canvas.Dc()), kRed);
}

enum class Horizontal { Left, Centre, Right };
enum class Vertical { Top, Middle, Bottom };

struct AlignmentCase {
  const char* label;
  UINT format;
  Horizontal horizontal;
  Vertical vertical;
};

class AlignmentTest : public ::testing::TestWithParam<AlignmentCase> {};

// The ink of a single line in the 300x100 rectangle at (0, 0) hugs the side the flags
// name, or is centred; glyphs may keep a pixel or two of side bearing.
TEST_P(AlignmentTest, FlagsMoveTheInk) {
  const AlignmentCase& test = GetParam();
  TextCanvas canvas(300, 100);
  ASSERT_TRUE(canvas.UseFont(-20));
  const int line = LineHeight(canvas);
  RECT rect{0, 0, 300, 100};
  ASSERT_NE(DrawTextA(canvas.Dc(), "Mmmm", -1, &rect, test.format | DT_SINGLELINE), 0);
  const QRect ink = canvas.InkBounds();
  ASSERT_FALSE(ink.isEmpty());
  switch (test.horizontal) {
    case Horizontal::Left:
      EXPECT_LE(ink.left(), 3);
      break;
    case Horizontal::Centre:
      EXPECT_NEAR(ink.left() + ink.right(), 299, 4);
      break;
    case Horizontal::Right:
      EXPECT_GE(ink.right(), 296);
      break;
  }
  switch (test.vertical) {
    case Vertical::Top:
      EXPECT_LT(ink.bottom(), line);
      break;
    case Vertical::Middle:
      EXPECT_GT(ink.top(), (100 - line) / 2);
      EXPECT_LT(ink.bottom(), (100 + line) / 2);
      break;
    case Vertical::Bottom:
      EXPECT_GT(ink.top(), 100 - line);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, AlignmentTest,
    ::testing::Values(AlignmentCase{"left top", DT_LEFT | DT_TOP, Horizontal::Left, Vertical::Top},
                      AlignmentCase{"center", DT_CENTER, Horizontal::Centre, Vertical::Top},
                      AlignmentCase{"right", DT_RIGHT, Horizontal::Right, Vertical::Top},
                      AlignmentCase{"vcenter", DT_VCENTER, Horizontal::Left, Vertical::Middle},
                      AlignmentCase{"center vcenter", DT_CENTER | DT_VCENTER, Horizontal::Centre,
                                    Vertical::Middle},
                      AlignmentCase{"bottom right", DT_BOTTOM | DT_RIGHT, Horizontal::Right,
                                    Vertical::Bottom}),
    [](const auto& testCase) {
      std::string name = testCase.param.label;
      for (char& c : name) c = c == ' ' ? '_' : c;
      return name;
    });

TEST(DrawTextTest, VerticalPlacementChangesTheReturnedHeight) {
  TextCanvas canvas(100, 100);
  ASSERT_TRUE(canvas.UseFont(-20));
  const int line = LineHeight(canvas);
  RECT rect{0, 0, 100, 100};
  EXPECT_EQ(DrawTextA(canvas.Dc(), "x", -1, &rect, DT_SINGLELINE), line);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "x", -1, &rect, DT_SINGLELINE | DT_BOTTOM), 100);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "x", -1, &rect, DT_SINGLELINE | DT_VCENTER),
            (100 - line) / 2 + line);
  // Without DT_SINGLELINE the vertical flags do nothing.
  EXPECT_EQ(DrawTextA(canvas.Dc(), "x", -1, &rect, DT_BOTTOM), line);
}

TEST(DrawTextTest, CalcRectMeasuresAndDrawsNothing) {
  TextCanvas canvas(300, 200);
  ASSERT_TRUE(canvas.UseFont(-16));
  const int line = LineHeight(canvas);
  SIZE extent{};
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.Dc(), "Hello world", 11, &extent));

  RECT single{10, 20, 300, 200};
  EXPECT_EQ(DrawTextA(canvas.Dc(), "Hello world", -1, &single, DT_CALCRECT | DT_SINGLELINE), line);
  EXPECT_EQ(single.left, 10);
  EXPECT_EQ(single.top, 20);
  EXPECT_EQ(single.right, 10 + extent.cx);
  EXPECT_EQ(single.bottom, 20 + line);

  RECT wrapped{10, 20, 90, 25};
  const int height = DrawTextA(canvas.Dc(), "one two three four five six", -1, &wrapped,
                               DT_CALCRECT | DT_WORDBREAK);
  EXPECT_GE(height, 3 * line);
  EXPECT_EQ(height % line, 0);
  EXPECT_EQ(wrapped.bottom, 20 + height);
  EXPECT_LE(wrapped.right, 90);
  EXPECT_GT(wrapped.right, 10);

  EXPECT_TRUE(canvas.InkBounds().isEmpty());
}

TEST(DrawTextTest, ExplicitLineBreaksMakeLines) {
  TextCanvas canvas(200, 200);
  ASSERT_TRUE(canvas.UseFont(-16));
  const int line = LineHeight(canvas);
  RECT rect{0, 0, 200, 200};
  EXPECT_EQ(DrawTextA(canvas.Dc(), "a\r\nb\nc\rd", -1, &rect, DT_CALCRECT), 4 * line);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "a\n", -1, &rect, DT_CALCRECT), line);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "a\nb", -1, &rect, DT_CALCRECT | DT_SINGLELINE), line);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "", -1, &rect, DT_CALCRECT), line);
}

TEST(DrawTextTest, WordBreakSpreadsInkOverSeveralLines) {
  TextCanvas canvas(120, 200);
  ASSERT_TRUE(canvas.UseFont(-16));
  const int line = LineHeight(canvas);
  RECT rect{0, 0, 120, 200};
  const int height =
      DrawTextA(canvas.Dc(), "alpha beta gamma delta epsilon", -1, &rect, DT_WORDBREAK);
  EXPECT_GE(height, 2 * line);
  const QRect ink = canvas.InkBounds();
  EXPECT_GT(ink.height(), line);
  EXPECT_LE(ink.right(), 120);
}

// Chinese text has no spaces: it breaks between characters, and a Latin word longer
// than the line breaks where it must.
TEST(DrawTextTest, WordBreakSplitsTextWithoutSpaces) {
  TextCanvas canvas(100, 300);
  ASSERT_TRUE(canvas.UseFont(-20, "WenQuanYi Micro Hei"));
  const int line = LineHeight(canvas);
  // 中文中文中文中文中文 (ten characters, 200 pixels)
  const std::string chinese =
      "\xd6\xd0\xce\xc4\xd6\xd0\xce\xc4\xd6\xd0\xce\xc4\xd6\xd0\xce\xc4\xd6\xd0\xce\xc4";
  RECT rect{0, 0, 100, 300};
  EXPECT_GE(DrawTextA(canvas.Dc(), chinese.c_str(), -1, &rect, DT_WORDBREAK | DT_CALCRECT),
            2 * line);
  EXPECT_LE(rect.right, 100);
  RECT latin{0, 0, 100, 300};
  EXPECT_GE(
      DrawTextA(canvas.Dc(), "Pneumonoultramicroscopic", -1, &latin, DT_WORDBREAK | DT_CALCRECT),
      2 * line);
  EXPECT_LE(latin.right, 100);
}

TEST(DrawTextTest, ClipsToTheRectangleUnlessNoClip) {
  TextCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.UseFont(-30));
  RECT rect{10, 10, 40, 50};
  DrawTextA(canvas.Dc(), "WWWWWW", -1, &rect, DT_SINGLELINE);
  const QRect clipped = canvas.InkBounds();
  ASSERT_FALSE(clipped.isEmpty());
  EXPECT_TRUE(QRect(10, 10, 30, 40).contains(clipped));

  canvas.Fill(kWhite);
  DrawTextA(canvas.Dc(), "WWWWWW", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(canvas.InkBounds().right(), 100);
}

TEST(DrawTextTest, HonoursTheDcClipAndReportsTheChangedArea) {
  TextCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.UseFont(-30));
  QRect reported;
  canvas.Surface().onChanged = [&reported](const QRect& area) { reported |= area; };
  const HRGN region = CreateRectRgn(0, 0, 40, 60);
  ASSERT_NE(SelectClipRgn(canvas.Dc(), region), RGN_ERROR);
  DeleteObject(region);
  RECT rect{10, 10, 200, 60};
  ASSERT_NE(DrawTextA(canvas.Dc(), "WWWWWW", -1, &rect, DT_SINGLELINE), 0);
  const QRect ink = canvas.InkBounds();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.right(), 40);
  EXPECT_TRUE(reported.contains(ink));
  EXPECT_LE(reported.right(), 40);
}

// Where the x after a tab begins, by its ink.
int InkAfterTab(UINT format, DRAWTEXTPARAMS* params) {
  TextCanvas canvas(400, 40);
  EXPECT_TRUE(canvas.UseFont(-16));
  RECT rect{0, 0, 400, 40};
  std::string text = "\tx";
  EXPECT_NE(DrawTextExA(canvas.Dc(), text.data(), -1, &rect, format | DT_SINGLELINE, params), 0);
  return canvas.InkBounds().left();
}

TEST(DrawTextTest, ExpandTabsUsesEightAverageCharactersOrTheGivenStop) {
  TextCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.UseFont(-16));
  TEXTMETRICA metric{};
  GetTextMetricsA(canvas.Dc(), &metric);
  const int average = metric.tmAveCharWidth;
  EXPECT_LT(InkAfterTab(0, nullptr), 2 * average);
  EXPECT_NEAR(InkAfterTab(DT_EXPANDTABS, nullptr), 8 * average, 2);
  // DT_TABSTOP with 4 characters per tab in bits 8 to 15.
  EXPECT_NEAR(InkAfterTab(DT_EXPANDTABS | DT_TABSTOP | (4 << 8), nullptr), 4 * average, 2);
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 12, 0, 0, 0};
  EXPECT_NEAR(InkAfterTab(DT_EXPANDTABS, &params), 12 * average, 2);
}

TEST(DrawTextTest, MarginsAndLengthDrawnFromTheParameters) {
  TextCanvas canvas(200, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  std::string text = "abc";
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 0, 30, 0, 0};
  RECT rect{0, 0, 200, 40};
  ASSERT_NE(DrawTextExA(canvas.Dc(), text.data(), -1, &rect, DT_SINGLELINE, &params), 0);
  EXPECT_EQ(params.uiLengthDrawn, 3u);
  EXPECT_GE(canvas.InkBounds().left(), 30);

  DRAWTEXTPARAMS wrongSize{sizeof(DRAWTEXTPARAMS) + 4, 0, 0, 0, 0};
  EXPECT_EQ(DrawTextExA(canvas.Dc(), text.data(), -1, &rect, 0, &wrongSize), 0);
}

struct EllipsisCase {
  const char* label;
  const char* text;
  UINT format;
  const char* mustStartWith;
  const char* mustEndWith;
};

class EllipsisTest : public ::testing::TestWithParam<EllipsisCase> {};

TEST_P(EllipsisTest, ShortensTheTextAndWritesItBack) {
  const EllipsisCase& test = GetParam();
  TextCanvas canvas(400, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  const std::size_t length = std::strlen(test.text);
  // Guard bytes after the terminator show that nothing is written past it.
  std::string buffer = std::string(test.text) + '\0' + "GUARD";
  RECT rect{0, 0, 110, 40};
  ASSERT_NE(DrawTextExA(canvas.Dc(), buffer.data(), -1, &rect,
                        test.format | DT_SINGLELINE | DT_MODIFYSTRING, nullptr),
            0);
  const std::string shown(buffer.c_str());
  EXPECT_LE(shown.size(), length);
  EXPECT_EQ(buffer.substr(length + 1), "GUARD");
  EXPECT_NE(shown.find("..."), std::string::npos) << shown;
  EXPECT_EQ(shown.rfind(test.mustStartWith, 0), 0u) << shown;
  EXPECT_EQ(shown.substr(shown.size() - std::strlen(test.mustEndWith)), test.mustEndWith) << shown;
  SIZE extent{};
  ASSERT_TRUE(
      GetTextExtentPoint32A(canvas.Dc(), shown.c_str(), static_cast<int>(shown.size()), &extent));
  EXPECT_LE(extent.cx, 110);
  EXPECT_LE(canvas.InkBounds().right(), 110);
}

INSTANTIATE_TEST_SUITE_P(
    Ellipses, EllipsisTest,
    ::testing::Values(
        EllipsisCase{"End", "Hello wonderful world of text", DT_END_ELLIPSIS, "Hello w", "..."},
        EllipsisCase{"Word", "Hello wonderful world of text", DT_WORD_ELLIPSIS, "Hello", "..."},
        EllipsisCase{"Path", "C:\\Users\\someone\\Documents\\file.txt", DT_PATH_ELLIPSIS,
                     "C:", "...\\file.txt"},
        EllipsisCase{"PathWithoutSeparator", "abcdefghijklmnopqrstuvwxyz0123456789",
                     DT_PATH_ELLIPSIS, "abc", "789"}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

struct ModifiedCase {
  const char* label;
  const char* text;
  int width;
  UINT format;
  const char* expected;
};

class ModifiedTextTest : public ::testing::TestWithParam<ModifiedCase> {};

TEST_P(ModifiedTextTest, WritesBackWhatIsShown) {
  const ModifiedCase& test = GetParam();
  TextCanvas canvas(400, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  std::string text = test.text;
  RECT rect{0, 0, test.width, 40};
  ASSERT_NE(DrawTextExA(canvas.Dc(), text.data(), -1, &rect,
                        test.format | DT_SINGLELINE | DT_MODIFYSTRING, nullptr),
            0);
  EXPECT_STREQ(text.c_str(), test.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modified, ModifiedTextTest,
    ::testing::Values(
        ModifiedCase{"WordEllipsisCutsAfterAWholeWord", "Hello wonderful world", 110,
                     DT_WORD_ELLIPSIS, "Hello..."},
        ModifiedCase{"TextThatFitsIsLeftAlone", "short", 400, DT_END_ELLIPSIS, "short"},
        ModifiedCase{"WithoutEllipsisNothingChanges", "Hello wonderful world", 20, 0,
                     "Hello wonderful world"},
        ModifiedCase{"NothingFitsLeavesTheEllipsis", "Hello", 1, DT_END_ELLIPSIS, "..."}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

// "中文" shortened to "..." plus nothing still may not outgrow the four bytes it had.
TEST(DrawTextTest, ModifiedStringNeverOutgrowsTheOriginal) {
  TextCanvas canvas(400, 40);
  ASSERT_TRUE(canvas.UseFont(-16, "WenQuanYi Micro Hei"));
  char buffer[] = "\xd6\xd0\xce\xc4\0GUARD";
  RECT rect{0, 0, 20, 40};
  ASSERT_NE(DrawTextExA(canvas.Dc(), buffer, 4, &rect,
                        DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr),
            0);
  EXPECT_LE(std::strlen(buffer), 4u);
  EXPECT_STREQ(buffer + 5, "GUARD");
}

TEST(DrawTextTest, ModifyStringKeepsPrefixes) {
  TextCanvas canvas(400, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  std::string text = "&File and a long tail of words";
  RECT rect{0, 0, 100, 40};
  DrawTextExA(canvas.Dc(), text.data(), -1, &rect,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  EXPECT_EQ(text.rfind("&File", 0), 0u) << text;
  EXPECT_NE(text.find("..."), std::string::npos) << text;
}

// Draws the text in black on white and returns the picture.
QImage Drawn(const char* text, UINT format) {
  TextCanvas canvas(120, 40);
  EXPECT_TRUE(canvas.UseFont(-20));
  RECT rect{4, 4, 120, 40};
  EXPECT_NE(DrawTextA(canvas.Dc(), text, -1, &rect, format | DT_SINGLELINE), 0);
  return canvas.Picture();
}

TEST(DrawTextTest, DoubleAmpersandShowsOneAmpersand) {
  EXPECT_EQ(Drawn("a&&b", 0), Drawn("a&b", DT_NOPREFIX));
  EXPECT_NE(Drawn("a&&b", DT_NOPREFIX), Drawn("a&b", DT_NOPREFIX));
}

TEST(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
  const QImage prefixed = Drawn("&xy", 0);
  const QImage plain = Drawn("xy", 0);
  EXPECT_NE(prefixed, plain);
  EXPECT_EQ(Drawn("&xy", DT_HIDEPREFIX), plain);
  EXPECT_EQ(Drawn("&xy", DT_NOPREFIX), Drawn("&xy", DT_NOPREFIX));
  EXPECT_NE(Drawn("&xy", DT_NOPREFIX), plain);
  // The difference is a line below the baseline, under the x only.
  QRect difference;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (prefixed.pixel(x, y) != plain.pixel(x, y)) difference |= QRect(x, y, 1, 1);
    }
  }
  EXPECT_LE(difference.height(), 3);
  EXPECT_GT(difference.top(), 4 + 15);
  EXPECT_LT(difference.width(), 16);
}

TEST(DrawTextTest, PrefixOnlyDrawsJustTheUnderline) {
  TextCanvas canvas(120, 40);
  ASSERT_TRUE(canvas.UseFont(-20));
  RECT rect{4, 4, 120, 40};
  ASSERT_NE(DrawTextA(canvas.Dc(), "ab&cd", -1, &rect, DT_SINGLELINE | DT_PREFIXONLY), 0);
  const QRect ink = canvas.InkBounds();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LE(ink.height(), 3);
  EXPECT_GT(ink.left(), 4 + 10);  // after "ab"
}

TEST(DrawTextTest, OpaqueModeFillsTheTextCellsTransparentLeavesThem) {
  TextCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.UseFont(-20));
  SetTextColor(canvas.Dc(), kBlack);
  SetBkColor(canvas.Dc(), kBlue);
  RECT rect{10, 10, 200, 60};
  SetBkMode(canvas.Dc(), TRANSPARENT);
  DrawTextA(canvas.Dc(), "Hi", -1, &rect, DT_SINGLELINE);
  EXPECT_EQ(canvas.Count(kBlue), 0);

  canvas.Fill(kWhite);
  SetBkMode(canvas.Dc(), OPAQUE);
  DrawTextA(canvas.Dc(), "Hi", -1, &rect, DT_SINGLELINE);
  SIZE extent{};
  GetTextExtentPoint32A(canvas.Dc(), "Hi", 2, &extent);
  EXPECT_EQ(canvas.At(10, 10), kBlue);
  EXPECT_EQ(canvas.At(10, 10 + extent.cy - 1), kBlue);
  EXPECT_EQ(canvas.At(10 + extent.cx, 10), kWhite);
  EXPECT_EQ(canvas.At(10, 10 + extent.cy), kWhite);
  EXPECT_GT(canvas.Count(kBlue), extent.cx * extent.cy / 2);
}

std::set<COLORREF> ColoursOf(const TextCanvas& canvas) {
  std::set<COLORREF> colours;
  const QImage picture = canvas.Picture();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) colours.insert(canvas.At(x, y));
  }
  return colours;
}

TEST(DrawTextTest, NonAntialiasedQualityGivesOnlyTwoColours) {
  TextCanvas aliased(200, 60);
  ASSERT_TRUE(aliased.UseFont(-24, "DejaVu Sans", FW_NORMAL, NONANTIALIASED_QUALITY));
  RECT rect{0, 0, 200, 60};
  DrawTextA(aliased.Dc(), "Round Oval", -1, &rect, DT_SINGLELINE);
  EXPECT_EQ(ColoursOf(aliased), (std::set<COLORREF>{kWhite, kBlack}));

  TextCanvas smooth(200, 60);
  ASSERT_TRUE(smooth.UseFont(-24, "DejaVu Sans", FW_NORMAL, DRAFT_QUALITY));
  DrawTextA(smooth.Dc(), "Round Oval", -1, &rect, DT_SINGLELINE);
  EXPECT_GT(ColoursOf(smooth).size(), 2u);
}

// A quarter turn counter-clockwise: a long line of text becomes a tall column, going up
// from the starting point.
TEST(DrawTextTest, EscapementRotatesTheBaseline) {
  TextCanvas canvas(100, 300);
  ASSERT_TRUE(canvas.UseFont(-20, "DejaVu Sans", FW_NORMAL, DEFAULT_QUALITY, 900));
  RECT rect{20, 280, 100, 300};
  ASSERT_NE(DrawTextA(canvas.Dc(), "Rotated text", -1, &rect, DT_SINGLELINE | DT_NOCLIP), 0);
  const QRect ink = canvas.InkBounds();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.height(), 3 * ink.width());
  EXPECT_LT(ink.bottom(), 290);
  EXPECT_GT(ink.left(), 15);
}

TEST(DrawTextTest, OverlongCountsStopAtTheTerminator) {
  TextCanvas canvas(200, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  const std::unique_ptr<char[]> text = HeapText("abc");
  RECT exact{0, 0, 200, 40};
  RECT longer = exact;
  DrawTextA(canvas.Dc(), text.get(), 3, &exact, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_NE(DrawTextExA(canvas.Dc(), text.get(), 100000, &longer,
                        DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr),
            0);
  EXPECT_EQ(longer.right, exact.right);
  RECT drawn{0, 0, 200, 40};
  EXPECT_NE(DrawTextA(canvas.Dc(), text.get(), 1 << 30, &drawn, DT_SINGLELINE), 0);
  // A count shorter than the text takes only that many bytes.
  RECT part{0, 0, 200, 40};
  DrawTextA(canvas.Dc(), text.get(), 1, &part, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_LT(part.right, exact.right);
}

TEST(DrawTextTest, RefusesBadArguments) {
  TextCanvas canvas(50, 20);
  ASSERT_TRUE(canvas.UseFont(-12));
  RECT rect{0, 0, 50, 20};
  EXPECT_EQ(DrawTextA(0, "abc", -1, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(canvas.Dc(), nullptr, -1, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "abc", -1, nullptr, 0), 0);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "abc", -2, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(canvas.Dc(), "ab\x81", -1, &rect, 0), 0);
  EXPECT_TRUE(canvas.InkBounds().isEmpty());
}

// Rectangles and margins at the ends of the coordinate range neither overflow nor
// draw anywhere unexpected.
TEST(DrawTextTest, HugeRectanglesMeanNoLimit) {
  TextCanvas canvas(200, 40);
  ASSERT_TRUE(canvas.UseFont(-16));
  std::string text = "abc def";
  DRAWTEXTPARAMS margins{sizeof(DRAWTEXTPARAMS), 0, INT32_MAX, INT32_MAX, 0};
  RECT far{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX};
  EXPECT_NE(DrawTextExA(canvas.Dc(), text.data(), -1, &far, DT_RIGHT | DT_NOCLIP | DT_END_ELLIPSIS,
                        &margins),
            0);
  EXPECT_TRUE(canvas.InkBounds().isEmpty());
  EXPECT_NE(DrawTextExA(canvas.Dc(), text.data(), -1, &far, DT_CALCRECT, &margins), 0);
  EXPECT_EQ(far.right, INT32_MAX);

  RECT calc{0, 0, INT32_MAX, INT32_MAX};
  EXPECT_EQ(DrawTextA(canvas.Dc(), "abc def", -1, &calc, DT_WORDBREAK | DT_CALCRECT),
            LineHeight(canvas));
  RECT whole{INT32_MIN, 0, INT32_MAX, 40};
  EXPECT_NE(
      DrawTextA(canvas.Dc(), "abc def", -1, &whole, DT_WORDBREAK | DT_CENTER | DT_END_ELLIPSIS), 0);
  EXPECT_FALSE(canvas.InkBounds().isEmpty());
}

TEST(TextOutTest, DrawsFromTheTopLeftCorner) {
  TextCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.UseFont(-20));
  EXPECT_TRUE(TextOutA(canvas.Dc(), 30, 15, "Hello", 5));
  const QRect ink = canvas.InkBounds();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 30);
  EXPECT_LT(ink.left(), 34);
  EXPECT_GE(ink.top(), 15);
  EXPECT_LT(ink.top(), 15 + 8);
  EXPECT_FALSE(TextOutA(canvas.Dc(), 0, 0, "Hello", -1));
  EXPECT_FALSE(TextOutA(0, 0, 0, "Hello", 5));
}

TEST(DrawTextTest, GoldenMultiLineCentredWithPrefix) {
  TextCanvas canvas(160, 90);
  ASSERT_TRUE(canvas.UseFont(-16, "WenQuanYi Micro Hei"));
  SetTextColor(canvas.Dc(), RGB(20, 60, 160));
  SetBkMode(canvas.Dc(), OPAQUE);
  SetBkColor(canvas.Dc(), RGB(255, 240, 200));
  // "&Save 保存 the picture as a file" wrapped and centred.
  RECT rect{5, 5, 155, 85};
  ASSERT_NE(DrawTextA(canvas.Dc(), "&Save \xb1\xa3\xb4\xe6 the picture as a file", -1, &rect,
                      DT_CENTER | DT_WORDBREAK),
            0);
  EXPECT_TRUE(
      varnimo::testing::MatchesGolden(canvas.Picture(), "text/draw_text_wrapped_centred", 24));
}

}  // namespace
