#include "platform/user/messages.h"

#include <gtest/gtest.h>

#include "platform/kernel/last_error.h"
#include "platform/user/paint.h"
#include "tests/platform/user/window_fixture.h"

namespace platform::testing {
namespace {

using Messages = WindowTest;

// A subclassing procedure: answers WM_USER-like message 0x400 itself, passes every
// message on to the procedure it replaced, and adds 1000 to that procedure's result.
WNDPROC replaced = nullptr;
LRESULT Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == 0x400) return 7;
  return CallWindowProcA(replaced, window, message, wParam, lParam) + 1000;
}

LRESULT Doubling(HWND, UINT, WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }

TEST_F(Messages, SubclassingChainsProceduresAndSendReturnsTheResult) {
  const HWND window = Make(10, 10);
  const LONG_PTR previous = SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass));
  ASSERT_EQ(previous, reinterpret_cast<LONG_PTR>(&Record));
  replaced = reinterpret_cast<WNDPROC>(previous);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Subclass));

  Log().clear();
  EXPECT_EQ(SendMessageA(window, 0x400, 0, 0), 7);
  EXPECT_TRUE(Log().empty());  // not handed on
  EXPECT_EQ(SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4)), 1000);
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].message, WM_LBUTTONDOWN);
  EXPECT_EQ(Log()[0].wParam, MK_LBUTTON);
  EXPECT_EQ(Log()[0].lParam, MAKELPARAM(3, 4));

  // Putting the old procedure back returns the subclass.
  EXPECT_EQ(SetWindowLongA(window, GWL_WNDPROC, previous), reinterpret_cast<LONG_PTR>(&Subclass));
  EXPECT_EQ(SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Doubling)), previous);
  EXPECT_EQ(SendMessageA(window, 0x401, 21, 0), 42);
  EXPECT_EQ(CallWindowProcA(&Doubling, window, 0, 5, 0), 10);
  EXPECT_EQ(CallWindowProcA(nullptr, window, 0, 5, 0), 0);
}

TEST_F(Messages, SetWindowLongRefusesBadWindowsNullProceduresAndUnknownIndices) {
  const HWND window = Make(10, 10);
  EXPECT_EQ(SetWindowLongA(0, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Doubling)), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetWindowLongA(window, GWL_WNDPROC, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Record));
  EXPECT_EQ(SetWindowLongA(window, -999, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
  EXPECT_EQ(GetWindowLongA(window, -999), 0);

  EXPECT_EQ(SetWindowLongA(window, GWL_USERDATA, -5), 0);
  EXPECT_EQ(SetWindowLongA(window, GWL_USERDATA, 9), -5);
  EXPECT_EQ(GetWindowLongA(window, GWL_USERDATA), 9);
}

TEST(MessageParameters, PackSigned16BitCoordinates) {
  struct Case {
    int x, y;
    std::uint64_t packed;
  };
  const Case cases[] = {
      {0, 0, 0x00000000},      {3, 4, 0x00040003},           {-1, -2, 0xFFFEFFFF},
      {-32768, 32767, 0x7FFF8000}, {120, -80, 0xFFB00078},
  };
  for (const Case& c : cases) {
    const LPARAM lParam = MAKELPARAM(c.x, c.y);
    EXPECT_EQ(static_cast<std::uint64_t>(lParam), c.packed) << c.x << ", " << c.y;
    EXPECT_EQ(GET_X_LPARAM(lParam), c.x);
    EXPECT_EQ(GET_Y_LPARAM(lParam), c.y);
  }
  EXPECT_EQ(LOWORD(MAKELPARAM(-1, 0)), 0xFFFF);
  EXPECT_EQ(HIWORD(MAKELPARAM(0, 550)), 550);
}

TEST_F(Messages, DefaultPaintHandlingValidates) {
  const HWND window = Make(10, 10);
  EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));  // new windows start invalid
  EXPECT_EQ(SendMessageA(window, WM_PAINT, 0, 0), 0);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  EXPECT_EQ(DefWindowProcA(window, WM_LBUTTONDOWN, 0, 0), 0);
}

}  // namespace
}  // namespace platform::testing
