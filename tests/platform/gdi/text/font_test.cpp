#include "platform/gdi/text/font.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "tests/platform/gdi/text/text_canvas.h"

namespace {

using namespace platform;
using varnimo::testing::TextCanvas;

HFONT MakeFont(int height, const char* face) {
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, DRAFT_QUALITY, 0,
                     face);
}

TEST(FontTest, CreatingAFontStartsTheGuiRuntime) {
  const HFONT font = MakeFont(-12, "DejaVu Sans");
  ASSERT_NE(font, 0u);
  EXPECT_NE(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr);
  EXPECT_TRUE(DeleteObject(font));
}

struct FaceCase {
  const char* label;
  const char* face;
  bool accepted;
};

class FaceLookupTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceLookupTest, AcceptsOnlyInstalledNames) {
  const HFONT font = MakeFont(-16, GetParam().face);
  EXPECT_EQ(font != 0, GetParam().accepted);
  if (font != 0) DeleteObject(font);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceLookupTest,
    ::testing::Values(
        FaceCase{"WenQuanYi", "WenQuanYi Micro Hei", true}, FaceCase{"DejaVu", "DejaVu Sans", true},
        FaceCase{"OtherCase", "dejavu SANS", true},
        // 文泉驿微米黑, the localised name of WenQuanYi Micro Hei, in GB18030.
        FaceCase{"LocalisedName", "\xce\xc4\xc8\xaa\xe6\xe4\xce\xa2\xc3\xd7\xba\xda", true},
        FaceCase{"Empty", "", true}, FaceCase{"Null", nullptr, true},
        FaceCase{"Unknown", "No Such Typeface", false},
        // 微软雅黑, not installed here.
        FaceCase{"NotInstalled", "\xce\xa2\xc8\xed\xd1\xc5\xba\xda", false},
        // The toolkit's generic alias is no typeface of its own.
        FaceCase{"GenericAlias", "Sans Serif", false}, FaceCase{"PrefixOnly", "DejaVu", false},
        FaceCase{"TooLong", "DejaVu Sans DejaVu Sans DejaVu S", false},
        FaceCase{"InvalidGb18030", "DejaVu\x81", false}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(FontTest, LogFontWithoutTerminatorFails) {
  LOGFONTA logFont{};
  logFont.lfHeight = -12;
  std::memset(logFont.lfFaceName, 'A', sizeof logFont.lfFaceName);
  EXPECT_EQ(CreateFontIndirectA(&logFont), 0u);
  EXPECT_EQ(CreateFontIndirectA(nullptr), 0u);
}

TEST(FontTest, AbsurdHeightsAndWidthsFail) {
  for (const int height : {INT_MIN, -100000, 100000, INT_MAX}) {
    EXPECT_EQ(MakeFont(height, "DejaVu Sans"), 0u) << height;
  }
  EXPECT_EQ(CreateFontA(-12, INT_MIN, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"), 0u);
}

struct HeightCase {
  const char* face;
  int height;
};

class FontHeightTest : public ::testing::TestWithParam<HeightCase> {};

// A negative height is the character (em) height: the cell less its internal leading.
// A positive one is the cell height. Whole-pixel rounding of ascent and descent allows
// one pixel either way.
TEST_P(FontHeightTest, HeightsMeanCharacterOrCellHeight) {
  const auto [face, height] = GetParam();
  TextCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.UseFont(height, face));
  TEXTMETRICA metric{};
  ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metric));
  EXPECT_EQ(metric.tmHeight, metric.tmAscent + metric.tmDescent);
  if (height < 0) {
    EXPECT_NEAR(metric.tmHeight - metric.tmInternalLeading, -height, 1);
    EXPECT_GT(metric.tmHeight, -height);
  } else {
    EXPECT_NEAR(metric.tmHeight, height, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Heights, FontHeightTest,
    ::testing::Values(HeightCase{"DejaVu Sans", -12}, HeightCase{"DejaVu Sans", 12},
                      HeightCase{"DejaVu Sans", -40}, HeightCase{"DejaVu Sans", 40},
                      HeightCase{"WenQuanYi Micro Hei", -16}, HeightCase{"WenQuanYi Micro Hei", 16},
                      HeightCase{"WenQuanYi Micro Hei", 72}),
    [](const auto& testCase) {
      std::string name = testCase.param.face;
      name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
      const int height = testCase.param.height;
      return name + (height < 0 ? "_minus" : "_") + std::to_string(std::abs(height));
    });

TEST(FontTest, ZeroHeightTakesTheDefaultSize) {
  TextCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.UseFont(0));
  TEXTMETRICA metric{};
  ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metric));
  EXPECT_NEAR(metric.tmHeight - metric.tmInternalLeading, 16, 1);
}

TEST(FontTest, MetricsReflectWeightAndStyle) {
  TextCanvas canvas(8, 8);
  LOGFONTA logFont{-20, 0, 0, 0, FW_BOLD, 1, 1, 1, 0, 0, 0, 0, 0, "DejaVu Sans"};
  ASSERT_TRUE(canvas.UseFont(logFont));
  TEXTMETRICA metric{};
  ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metric));
  EXPECT_EQ(metric.tmWeight, FW_BOLD);
  EXPECT_EQ(metric.tmItalic, 1);
  EXPECT_EQ(metric.tmUnderlined, 1);
  EXPECT_EQ(metric.tmStruckOut, 1);
  EXPECT_GT(metric.tmAveCharWidth, 0);
  EXPECT_GE(metric.tmMaxCharWidth, metric.tmAveCharWidth);
}

// A width asks for that average character width: the glyphs are stretched to it.
TEST(FontTest, WidthStretchesTheText) {
  TextCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.UseFont(-20));
  TEXTMETRICA natural{};
  ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &natural));
  SIZE naturalSize{};
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.Dc(), "Hello world", 11, &naturalSize));

  LOGFONTA wide{-20, natural.tmAveCharWidth * 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"};
  ASSERT_TRUE(canvas.UseFont(wide));
  SIZE wideSize{};
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.Dc(), "Hello world", 11, &wideSize));
  EXPECT_NEAR(wideSize.cx, naturalSize.cx * 2, naturalSize.cx / 10);
  EXPECT_EQ(wideSize.cy, naturalSize.cy);
}

TEST(FontTest, TextExtentStopsAtTheTerminatorAndRefusesBadInput) {
  TextCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.UseFont(-16));
  const std::unique_ptr<char[]> text = varnimo::testing::HeapText("abc");
  SIZE exact{};
  SIZE longer{};
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.Dc(), text.get(), 3, &exact));
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.Dc(), text.get(), 1000, &longer));
  EXPECT_GT(exact.cx, 0);
  EXPECT_EQ(exact.cx, longer.cx);

  SIZE size{};
  EXPECT_FALSE(GetTextExtentPoint32A(canvas.Dc(), "abc", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(canvas.Dc(), "\x81\x20", 2, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(canvas.Dc(), nullptr, 2, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(0, "abc", 3, &size));
  TEXTMETRICA metric{};
  EXPECT_FALSE(GetTextMetricsA(0, &metric));
  EXPECT_FALSE(GetTextMetricsA(canvas.Dc(), nullptr));
}

TEST(FontTest, StockFontMeasuresWithTheDefaultFace) {
  TextCanvas canvas(8, 8);
  TEXTMETRICA metric{};
  ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metric));
  EXPECT_GT(metric.tmHeight, 0);
}

struct Enumeration {
  std::vector<std::string> names;
  int stopAfter = INT_MAX;
};

int Collect(const LOGFONTA* logFont, const TEXTMETRICA* metric, DWORD type, LONG_PTR data) {
  auto& enumeration = *reinterpret_cast<Enumeration*>(data);
  enumeration.names.emplace_back(logFont->lfFaceName);
  EXPECT_EQ(type, TRUETYPE_FONTTYPE);
  EXPECT_GT(metric->tmHeight, 0);
  EXPECT_EQ(logFont->lfHeight, metric->tmHeight);
  return static_cast<int>(enumeration.names.size()) < enumeration.stopAfter ? 1 : 0;
}

TEST(FontEnumTest, ReportsEachInstalledTypefaceOnce) {
  TextCanvas canvas(8, 8);
  Enumeration enumeration;
  EXPECT_EQ(EnumFontsA(canvas.Dc(), nullptr, &Collect, reinterpret_cast<LONG_PTR>(&enumeration)),
            1);
  const auto has = [&](const std::string& name) {
    return std::count(enumeration.names.begin(), enumeration.names.end(), name);
  };
  EXPECT_EQ(has("DejaVu Sans"), 1);
  EXPECT_EQ(has("WenQuanYi Micro Hei"), 1);
  EXPECT_EQ(has("Sans Serif"), 0);
  for (const std::string& name : enumeration.names) {
    EXPECT_LT(name.size(), static_cast<std::size_t>(LF_FACESIZE));
    const HFONT font = MakeFont(-12, name.c_str());
    EXPECT_NE(font, 0u) << name;
    DeleteObject(font);
  }
}

TEST(FontEnumTest, StopsWhenTheCallbackReturnsZero) {
  TextCanvas canvas(8, 8);
  Enumeration enumeration;
  enumeration.stopAfter = 2;
  EXPECT_EQ(EnumFontsA(canvas.Dc(), nullptr, &Collect, reinterpret_cast<LONG_PTR>(&enumeration)),
            0);
  EXPECT_EQ(enumeration.names.size(), 2u);
}

TEST(FontEnumTest, FaceNameLimitsTheEnumeration) {
  TextCanvas canvas(8, 8);
  Enumeration one;
  EXPECT_EQ(EnumFontsA(canvas.Dc(), "dejavu sans", &Collect, reinterpret_cast<LONG_PTR>(&one)), 1);
  EXPECT_EQ(one.names, std::vector<std::string>{"DejaVu Sans"});
  Enumeration none;
  EXPECT_EQ(
      EnumFontsA(canvas.Dc(), "No Such Typeface", &Collect, reinterpret_cast<LONG_PTR>(&none)), 1);
  EXPECT_TRUE(none.names.empty());
}

TEST(FontEnumTest, RefusesBadArguments) {
  TextCanvas canvas(8, 8);
  Enumeration enumeration;
  EXPECT_EQ(EnumFontsA(0, nullptr, &Collect, reinterpret_cast<LONG_PTR>(&enumeration)), 0);
  EXPECT_EQ(EnumFontsA(canvas.Dc(), nullptr, nullptr, 0), 0);
  EXPECT_TRUE(enumeration.names.empty());
}

TEST(PreferredFontFamilyTest, NamesTheFamilyForALanguage) {
  EXPECT_EQ(PreferredFontFamily("zh-cn"), "WenQuanYi Micro Hei");
  EXPECT_FALSE(PreferredFontFamily("en").empty());
  EXPECT_EQ(PreferredFontFamily(""), "");
  // No installed font covers Cherokee.
  EXPECT_EQ(PreferredFontFamily("chr"), "");
}

}  // namespace
