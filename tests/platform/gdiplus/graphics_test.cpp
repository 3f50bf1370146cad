// Graphics objects on device contexts: creation, the DC hand-out, deletion.

#include "platform/gdiplus/graphics.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdiplus/startup.h"

namespace platform {
namespace {

class GraphicsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    GdiplusStartupInput input;
    ASSERT_EQ(GdiplusStartup(&token_, &input, nullptr), Ok);
    dc_ = CreateCompatibleDC(0);
  }
  void TearDown() override {
    DeleteDC(dc_);
    GdiplusShutdown(token_);
  }
  HDC dc_ = 0;

 private:
  ULONG_PTR token_ = 0;
};

TEST_F(GraphicsFixture, RemembersTheDcAndHandsItOutOnceAtATime) {
  GpGraphics graphics = 0;
  ASSERT_EQ(GdipCreateFromHDC(dc_, &graphics), Ok);
  EXPECT_NE(graphics, 0u);
  HDC dc = 0;
  ASSERT_EQ(GdipGetDC(graphics, &dc), Ok);
  EXPECT_EQ(dc, dc_);
  EXPECT_EQ(GdipGetDC(graphics, &dc), ObjectBusy);
  EXPECT_EQ(GdipReleaseDC(graphics, dc_ + 1), InvalidParameter);
  EXPECT_EQ(GdipReleaseDC(graphics, dc_), Ok);
  EXPECT_EQ(GdipReleaseDC(graphics, dc_), InvalidParameter) << "not handed out";
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
  EXPECT_EQ(GdipDeleteGraphics(graphics), InvalidParameter) << "already deleted";
  EXPECT_EQ(GdipGetDC(graphics, &dc), InvalidParameter);
}

TEST_F(GraphicsFixture, RefusesBadDcsHandlesAndOutPointers) {
  GpGraphics graphics = 0;
  EXPECT_EQ(GdipCreateFromHDC(0, &graphics), InvalidParameter);
  EXPECT_EQ(GdipCreateFromHDC(0x7777, &graphics), InvalidParameter);
  EXPECT_EQ(GdipCreateFromHDC(dc_, nullptr), InvalidParameter);
  EXPECT_EQ(graphics, 0u);
  EXPECT_EQ(GdipDeleteGraphics(0), InvalidParameter);
  EXPECT_EQ(GdipDeleteGraphics(dc_), InvalidParameter) << "a DC handle is not a graphics";
  ASSERT_EQ(GdipCreateFromHDC(dc_, &graphics), Ok);
  EXPECT_EQ(GdipGetDC(graphics, nullptr), InvalidParameter);
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

TEST_F(GraphicsFixture, DcDeletedUnderTheGraphicsIsNotHandedOut) {
  const HDC doomed = CreateCompatibleDC(0);
  GpGraphics graphics = 0;
  ASSERT_EQ(GdipCreateFromHDC(doomed, &graphics), Ok);
  DeleteDC(doomed);
  HDC dc = 0;
  EXPECT_EQ(GdipGetDC(graphics, &dc), InvalidParameter);
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

TEST_F(GraphicsFixture, ThreadsRacingForTheDcGetItOnceInTotal) {
  GpGraphics graphics = 0;
  ASSERT_EQ(GdipCreateFromHDC(dc_, &graphics), Ok);
  constexpr int kThreads = 4;
  constexpr int kRounds = 300;
  for (int round = 0; round < kRounds; ++round) {
    std::atomic<int> waiting = kThreads;
    std::atomic<int> granted = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&] {
        waiting.fetch_sub(1);
        while (waiting.load() > 0) std::this_thread::yield();
        HDC dc = 0;
        if (GdipGetDC(graphics, &dc) == Ok) granted.fetch_add(1);
      });
    }
    for (std::thread& thread : threads) thread.join();
    ASSERT_EQ(granted.load(), 1) << "round " << round;
    ASSERT_EQ(GdipReleaseDC(graphics, dc_), Ok);
  }
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

TEST(GraphicsBeforeStartup, EveryCallReportsNotInitialized) {
  ASSERT_FALSE(GdiplusIsRunning());
  const HDC dc = CreateCompatibleDC(0);
  GpGraphics graphics = 0;
  EXPECT_EQ(GdipCreateFromHDC(dc, &graphics), GdiplusNotInitialized);
  EXPECT_EQ(GdipDeleteGraphics(graphics), GdiplusNotInitialized);
  HDC out = 0;
  EXPECT_EQ(GdipGetDC(graphics, &out), GdiplusNotInitialized);
  EXPECT_EQ(GdipReleaseDC(graphics, dc), GdiplusNotInitialized);
  DeleteDC(dc);
}

}  // namespace
}  // namespace platform
