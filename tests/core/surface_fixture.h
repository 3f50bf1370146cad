#pragma once
// A drawing surface on a real platform window, for tests of its operations.
//
// Each test gets a 550 x 400 window at (30, 40) on the screen, a surface bound to it
// with a black back buffer of the window's size, and a red pen and solid brushes. GDI+ runs for the whole program, and
// errorLog starts empty in every test.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/drawing_surface.h"
#include "core/error_log.h"
#include "platform/gdiplus/startup.h"
#include "platform/user/messages.h"
#include "platform/user/window.h"

namespace varnimo::testing {

// A platform window that lives as long as the object.
class TestWindow {
 public:
  TestWindow(int x, int y, int width, int height) {
    static const std::uint16_t atom = [] {
      const platform::WNDCLASSA windowClass{0, &platform::DefWindowProcA, "SurfaceTestWindow"};
      return platform::RegisterClassA(&windowClass);
    }();
    EXPECT_NE(atom, 0);
    handle_ = platform::CreateWindowExA(0, "SurfaceTestWindow", "", 0, x, y, width, height, 0,
                                        nullptr);
    EXPECT_NE(handle_, 0u);
  }
  ~TestWindow() { platform::DestroyWindow(handle_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  platform::HWND Handle() const { return handle_; }

 private:
  platform::HWND handle_ = 0;
};

class SurfaceTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 550;
  static constexpr int kHeight = 400;

  static void SetUpTestSuite() {
    static const bool started = [] {
      platform::ULONG_PTR token = 0;
      const platform::GdiplusStartupInput input;
      return platform::GdiplusStartup(&token, &input, nullptr) == platform::Ok;
    }();
    ASSERT_TRUE(started);
  }

  void SetUp() override {
    errorLog.Free();
    ASSERT_TRUE(surface.CreateFromWindow(window.Handle()));
    ASSERT_TRUE(surface.Clear());
    ASSERT_TRUE(redPen.Create(platform::PS_SOLID, 1, 0x0000FF));
    ASSERT_TRUE(blueBrush.CreateSolid(0xFF0000));
    ASSERT_TRUE(greenBrush.CreateSolid(0x00FF00));
    ASSERT_TRUE(whiteBrush.CreateSolid(0xFFFFFF));
  }

  // The back-buffer pixel as 0x00BBGGRR.
  platform::COLORREF Pixel(int x, int y) { return surface.ReadPixel(x, y); }

  // How many back-buffer pixels inside the box have the colour.
  int CountPixels(platform::COLORREF colour, int left = 0, int top = 0, int right = kWidth,
                  int bottom = kHeight) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) count += Pixel(x, y) == colour ? 1 : 0;
    return count;
  }

  TestWindow window{30, 40, kWidth, kHeight};
  DrawingSurface surface;
  GdiPen redPen;  // solid, one pixel wide
  GdiBrush blueBrush;
  GdiBrush greenBrush;
  GdiBrush whiteBrush;
};

constexpr platform::COLORREF kBlack = 0x000000;
constexpr platform::COLORREF kWhite = 0xFFFFFF;
constexpr platform::COLORREF kRed = 0x0000FF;
constexpr platform::COLORREF kGreen = 0x00FF00;
constexpr platform::COLORREF kBlue = 0xFF0000;

}  // namespace varnimo::testing
