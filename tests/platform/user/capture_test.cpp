#include "platform/user/capture.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/gdi/region.h"
#include "platform/user/input.h"
#include "platform/user/window_region.h"
#include "tests/platform/user/window_fixture.h"

namespace platform::testing {
namespace {

class Capture : public WindowTest {
 protected:
  void TearDown() override {
    ReleaseCapture();
    WindowTest::TearDown();
  }
};

TEST_F(Capture, SetGetAndRelease) {
  const HWND first = Make(10, 10);
  const HWND second = Make(10, 10);
  EXPECT_EQ(GetCapture(), 0u);
  EXPECT_EQ(SetCapture(first), 0u);
  EXPECT_EQ(GetCapture(), first);
  EXPECT_EQ(SetCapture(second), first);
  ASSERT_EQ(Received(first, WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(Received(first, WM_CAPTURECHANGED)[0].lParam, static_cast<LPARAM>(second));
  EXPECT_EQ(SetCapture(0), 0u);  // not a window: nothing changes
  EXPECT_EQ(GetCapture(), second);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), 0u);
  EXPECT_EQ(Received(second, WM_CAPTURECHANGED).size(), 1u);

  SetCapture(first);
  DestroyWindow(first);
  EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(Capture, APressElsewhereEndsTheCaptureAndIsNotLost) {
  const HWND button = Make(40, 20, 0, 0);
  const HWND canvas = Make(200, 100, 200, 0);
  SetCapture(button);
  Log().clear();

  // Movements go to the capturing window, relative to its client area.
  EXPECT_TRUE(user::DeliverMouseInput(canvas, WM_MOUSEMOVE, 0, 10, 5));
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].window, button);
  EXPECT_EQ(GET_X_LPARAM(Log()[0].lParam), 210);
  EXPECT_EQ(GET_Y_LPARAM(Log()[0].lParam), 5);

  // A press on the capturing window keeps the capture.
  EXPECT_TRUE(user::DeliverMouseInput(button, WM_LBUTTONDOWN, MK_LBUTTON, 1, 1));
  EXPECT_EQ(GetCapture(), button);

  // A press elsewhere ends it and reaches the window under the mouse.
  Log().clear();
  EXPECT_TRUE(user::DeliverMouseInput(canvas, WM_LBUTTONDOWN, MK_LBUTTON, 120, 80));
  EXPECT_EQ(GetCapture(), 0u);
  EXPECT_EQ(Received(button, WM_CAPTURECHANGED).size(), 1u);
  const std::vector<Message> presses = Received(canvas, WM_LBUTTONDOWN);
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(GET_X_LPARAM(presses[0].lParam), 120);
  EXPECT_EQ(GET_Y_LPARAM(presses[0].lParam), 80);
  EXPECT_EQ(presses[0].wParam, MK_LBUTTON);
}

TEST_F(Capture, ThePointMustLieInsideTheWindowUnlessItHoldsTheCapture) {
  const HWND window = Make(100, 50);
  ASSERT_TRUE(SetWindowRgn(window, CreateEllipticRgn(0, 0, 100, 50), FALSE));
  Log().clear();
  EXPECT_FALSE(user::DeliverMouseInput(window, WM_LBUTTONDOWN, MK_LBUTTON, 2, 2));
  EXPECT_FALSE(user::DeliverMouseInput(window, WM_MOUSEMOVE, 0, 150, 25));
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(user::DeliverMouseInput(window, WM_LBUTTONDOWN, MK_LBUTTON, 50, 25));

  // With the capture, even far-away points arrive, clamped to 16 bits.
  SetCapture(window);
  Log().clear();
  EXPECT_TRUE(user::DeliverMouseInput(window, WM_MOUSEMOVE, 0, -40000, 2));
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(GET_X_LPARAM(Log()[0].lParam), -32768);
  EXPECT_FALSE(user::DeliverMouseInput(0, WM_MOUSEMOVE, 0, 1, 1));
}

// Windows at opposite ends of the coordinate range: the point handed to the capturing
// window lies far to its left and is held at the 16-bit limit, not wrapped round.
TEST_F(Capture, TranslationBetweenFarApartWindowsDoesNotWrap) {
  const HWND capturing = Make(10, 10, std::numeric_limits<int>::max() - 50, 0);
  const HWND other = Make(10, 10, std::numeric_limits<int>::min(), 0);
  SetCapture(capturing);
  Log().clear();
  EXPECT_TRUE(user::DeliverMouseInput(other, WM_MOUSEMOVE, 0, 0, 3));
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].window, capturing);
  EXPECT_EQ(GET_X_LPARAM(Log()[0].lParam), -32768);
  EXPECT_EQ(GET_Y_LPARAM(Log()[0].lParam), 3);
}

}  // namespace
}  // namespace platform::testing
