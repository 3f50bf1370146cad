#include "platform/kernel/code_page.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/kernel/last_error.h"

namespace platform {
namespace {

// "中文" in GB18030 (and GBK): D6 D0 CE C4.
const char kChinese[] = "\xD6\xD0\xCE\xC4";

TEST(MultiByteToWideChar, CountsAndConvertsWithTerminatorForMinusOne) {
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, kChinese, -1, nullptr, 0), 3);
  char16_t wide[3] = {1, 1, 1};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, kChinese, -1, wide, 3), 3);
  EXPECT_EQ(wide[0], u'中');
  EXPECT_EQ(wide[1], u'文');
  EXPECT_EQ(wide[2], 0);
}

TEST(MultiByteToWideChar, WritesNoTerminatorWhenALengthIsGiven) {
  char16_t wide[3] = {0x7777, 0x7777, 0x7777};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, kChinese, 4, wide, 3), 2);
  EXPECT_EQ(wide[1], u'文');
  EXPECT_EQ(wide[2], 0x7777);
}

TEST(MultiByteToWideChar, ReachesBeyondGbkThroughFourByteSequences) {
  // U+1F600 is a four-byte GB18030 sequence and a surrogate pair in UTF-16.
  const char emoji[] = "\x94\x39\xFC\x36";
  char16_t wide[3] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, emoji, -1, wide, 3), 3);
  EXPECT_EQ(wide[0], 0xD83D);
  EXPECT_EQ(wide[1], 0xDE00);
}

struct Failure {
  const char* label;
  UINT codePage;
  const char* input;
  int inputCount;
  int capacity;
  DWORD error;
};

TEST(MultiByteToWideChar, FailsCleanly) {
  const Failure cases[] = {
      {"truncated double byte", CP_ACP, "a\xD6", 2, 8, ERROR_NO_UNICODE_TRANSLATION},
      {"invalid lead byte", CP_ACP, "\xFF\x30", 2, 8, ERROR_NO_UNICODE_TRANSLATION},
      {"invalid UTF-8", CP_UTF8, "\xC3\x28", 2, 8, ERROR_NO_UNICODE_TRANSLATION},
      {"buffer too small", CP_ACP, kChinese, -1, 2, ERROR_INSUFFICIENT_BUFFER},
      {"zero length", CP_ACP, "abc", 0, 8, ERROR_INVALID_PARAMETER},
      {"unknown code page", 1252, "abc", 3, 8, ERROR_INVALID_PARAMETER},
      {"null input", CP_ACP, nullptr, 3, 8, ERROR_INVALID_PARAMETER},
  };
  for (const Failure& c : cases) {
    char16_t wide[8] = {};
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(MultiByteToWideChar(c.codePage, 0, c.input, c.inputCount, wide, c.capacity), 0)
        << c.label;
    EXPECT_EQ(GetLastError(), c.error) << c.label;
  }
}

TEST(WideCharToMultiByte, RoundTripsAndHonoursCountOnlyCalls) {
  const char16_t wide[] = u"Aé中\U0001F600";
  const int needed = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  ASSERT_GT(needed, 0);
  std::string bytes(static_cast<std::size_t>(needed), '\x7F');
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, bytes.data(), needed, nullptr, nullptr),
            needed);
  EXPECT_EQ(bytes.back(), '\0');
  char16_t back[8] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, back, 8), 6);
  EXPECT_EQ(std::u16string(back), std::u16string(wide));
}

TEST(WideCharToMultiByte, RefusesUnpairedSurrogatesAndShortBuffers) {
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  char out[16];
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, lone, -1, out, 16, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"中文", -1, out, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

}  // namespace
}  // namespace platform
