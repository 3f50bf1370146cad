#include "core/text_conversion.h"

#include <gtest/gtest.h>

namespace varnimo {
namespace {

TEST(AnsiToWide, EmptyTextIsOneZeroUnit) {
  const WideText wide = AnsiToWide("");
  ASSERT_EQ(wide.size(), 1u);
  EXPECT_EQ(wide[0], 0);
}

TEST(AnsiToWide, TwoChineseCharactersTakeThreeUnits) {
  const WideText wide = AnsiToWide("\xD6\xD0\xCE\xC4");  // 中文
  EXPECT_EQ(wide, (WideText{u'中', u'文', 0}));
}

TEST(AnsiToWide, InvalidBytesGiveAnEmptyResult) {
  EXPECT_TRUE(AnsiToWide("ok\x81").empty());
}

TEST(WideToAnsi, RoundTripsEveryTextTheCodePageHolds) {
  const char* texts[] = {"", "Varnimo 1.0", "\xD6\xD0\xCE\xC4 mixed", "\x94\x39\xFC\x36",
                         "\xA1\xA3\xA3\xA1"};
  for (const char* text : texts) EXPECT_EQ(WideToAnsi(AnsiToWide(text).data()), text);
  EXPECT_EQ(WideToAnsi(nullptr), "");
  const char16_t lone[] = {0xDC00, 0};
  EXPECT_EQ(WideToAnsi(lone), "");
}

TEST(GuidText, RoundTripsAnyGuid) {
  const GuidBytes guid = {0xAE, 0x3C, 0x6B, 0xB9, 0x28, 0x07, 0xD3, 0x11,
                          0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E};
  const std::string text = GuidToText(guid);
  EXPECT_EQ(text, "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}");
  EXPECT_EQ(TextToClsid(text), guid);
}

TEST(GuidText, NonGuidsGiveZerosAndEmptyGuidsGiveNoText) {
  EXPECT_EQ(TextToClsid("abc"), GuidBytes{});
  EXPECT_EQ(TextToClsid(""), GuidBytes{});
  EXPECT_EQ(GuidToText({}), "");
  const std::uint8_t shortGuid[4] = {1, 2, 3, 4};
  EXPECT_EQ(GuidToText(shortGuid), "");
}

}  // namespace
}  // namespace varnimo
