#include "platform/gdiplus/startup.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(GdiplusStartup, AcceptsVersionOneAndNests) {
  ASSERT_FALSE(GdiplusIsRunning());
  GdiplusStartupInput input;
  ULONG_PTR first = 0;
  ULONG_PTR second = 0;
  ASSERT_EQ(GdiplusStartup(&first, &input, nullptr), Ok);
  ASSERT_EQ(GdiplusStartup(&second, &input, nullptr), Ok);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  GdiplusShutdown(first);
  EXPECT_TRUE(GdiplusIsRunning()) << "one start-up is still in force";
  GdiplusShutdown(second);
  EXPECT_FALSE(GdiplusIsRunning());
}

TEST(GdiplusStartup, RefusesOtherVersionsAndMissingRecords) {
  ULONG_PTR token = 0;
  for (std::uint32_t version : {0u, 2u, 3u}) {
    GdiplusStartupInput input;
    input.GdiplusVersion = version;
    EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), UnsupportedGdiplusVersion) << version;
  }
  GdiplusStartupInput input;
  EXPECT_EQ(GdiplusStartup(nullptr, &input, nullptr), InvalidParameter);
  EXPECT_EQ(GdiplusStartup(&token, nullptr, nullptr), InvalidParameter);
  input.SuppressBackgroundThread = TRUE;
  EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), InvalidParameter);
  EXPECT_FALSE(GdiplusIsRunning());

  GdiplusStartupOutput output{};
  ASSERT_EQ(GdiplusStartup(&token, &input, &output), Ok);
  ULONG_PTR hookToken = 1;
  EXPECT_EQ(output.NotificationHook(&hookToken), Ok);
  output.NotificationUnhook(hookToken);
  GdiplusShutdown(token);
}

TEST(GdipAlloc, GivesUsableMemoryAndFreesNull) {
  auto* bytes = static_cast<unsigned char*>(GdipAlloc(64));
  ASSERT_NE(bytes, nullptr);
  bytes[63] = 1;
  GdipFree(bytes);
  GdipFree(nullptr);
  void* empty = GdipAlloc(0);
  EXPECT_NE(empty, nullptr);
  GdipFree(empty);
}

}  // namespace
}  // namespace platform
