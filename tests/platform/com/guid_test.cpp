#include "platform/com/guid.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// The JPEG codec's format id, a well-known GUID.
constexpr GUID kJpeg = {0xB96B3CAE, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

TEST(StringFromGUID2, WritesBracedUpperCaseText) {
  char16_t text[39];
  ASSERT_EQ(StringFromGUID2(&kJpeg, text, 39), 39);
  EXPECT_EQ(std::u16string(text), u"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}");
}

TEST(StringFromGUID2, RefusesNullGuidAndShortBuffers) {
  char16_t text[39] = {u'x'};
  EXPECT_EQ(StringFromGUID2(nullptr, text, 39), 0);
  EXPECT_EQ(StringFromGUID2(&kJpeg, text, 38), 0);
  EXPECT_EQ(text[0], u'x');
}

TEST(CLSIDFromString, ParsesTheBracedFormInEitherCase) {
  CLSID parsed{};
  EXPECT_EQ(CLSIDFromString(u"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}", &parsed), S_OK);
  EXPECT_EQ(parsed, kJpeg);
  EXPECT_EQ(CLSIDFromString(u"{b96b3cae-0728-11d3-9d7b-0000f81ef32e}", &parsed), S_OK);
  EXPECT_EQ(parsed, kJpeg);
}

TEST(CLSIDFromString, IsStrictAndZeroesTheResultOnFailure) {
  const char16_t* rejected[] = {
      u"abc",
      u"",
      u"B96B3CAE-0728-11D3-9D7B-0000F81EF32E",
      u"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E",
      u"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}x",
      u"{B96B3CAE07280-11D3-9D7B-0000F81EF32E}",
      u"{B96B3CAE-0728-11D3-9D7B-0000F81EF32G}",
      u"{B96B3CAE-0728-11D3-9D7B-0000F81E}",
  };
  for (const char16_t* text : rejected) {
    CLSID parsed = kJpeg;
    EXPECT_EQ(CLSIDFromString(text, &parsed), CO_E_CLASSSTRING);
    EXPECT_EQ(parsed, CLSID{});
  }
  EXPECT_EQ(CLSIDFromString(u"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}", nullptr), E_INVALIDARG);
}

}  // namespace
}  // namespace platform
