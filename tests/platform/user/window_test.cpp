#include "platform/user/window.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "platform/kernel/last_error.h"
#include "platform/user/messages.h"
#include "tests/platform/user/window_fixture.h"

namespace platform::testing {
namespace {

using Windows = WindowTest;

TEST_F(Windows, CreateSendsCreateThenSizeAndReportsItsRectangles) {
  const HWND window = Make(120, 80, 30, 40);
  ASSERT_TRUE(IsWindow(window));
  ASSERT_GE(Log().size(), 2u);
  EXPECT_EQ(Log()[0].message, WM_CREATE);
  EXPECT_EQ(LastCreate().cx, 120);
  EXPECT_EQ(LastCreate().cy, 80);
  EXPECT_EQ(LastCreate().x, 30);
  EXPECT_STREQ(LastCreate().lpszClass, kClassName);
  EXPECT_EQ(Log()[1].message, WM_SIZE);
  EXPECT_EQ(Log()[1].lParam, MAKELPARAM(120, 80));

  RECT rect{};
  ASSERT_TRUE(GetWindowRect(window, &rect));
  EXPECT_TRUE(SameRect(rect, RECT{30, 40, 150, 120}));
  ASSERT_TRUE(GetClientRect(window, &rect));
  EXPECT_TRUE(SameRect(rect, RECT{0, 0, 120, 80}));
}

TEST_F(Windows, ChildRectangleIsOnTheScreenAndDiesWithItsParent) {
  const HWND parent = Make(200, 200, 100, 50);
  const HWND child = Make(20, 10, 5, 6, parent);
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(child, &rect));
  EXPECT_TRUE(SameRect(rect, RECT{105, 56, 125, 66}));

  Log().clear();
  EXPECT_TRUE(DestroyWindow(parent));
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(child));
  ASSERT_EQ(Log().size(), 2u);  // WM_DESTROY to the parent first, then the child
  EXPECT_EQ(Log()[0].window, parent);
  EXPECT_EQ(Log()[1].window, child);
  EXPECT_EQ(Log()[1].message, WM_DESTROY);
  EXPECT_FALSE(DestroyWindow(parent));
}

// Positions are the caller's: edges and screen origins beyond the int range are held at
// its ends instead of wrapping round to the other side.
TEST_F(Windows, RectanglesAtTheEndsOfTheCoordinateRangeDoNotWrap) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const HWND parent = Make(200, 100, kMax - 50, kMin);
  const HWND child = Make(20, 10, 100, -5, parent);
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(parent, &rect));
  EXPECT_TRUE(SameRect(rect, RECT{kMax - 50, kMin, kMax, kMin + 100}));
  ASSERT_TRUE(GetWindowRect(child, &rect));
  EXPECT_TRUE(SameRect(rect, RECT{kMax, kMin, kMax, kMin + 10}));
}

LRESULT RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_CREATE ? -1 : DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Windows, CreationFailsForBadClassParentSizeOrRefusal) {
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, 0, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_EQ(CreateWindowExA(0, nullptr, "", 0, 0, 0, 10, 10, 0, nullptr), 0u);

  struct Size {
    int width, height;
  };
  for (const Size size : {Size{0, 10}, Size{10, -1}, Size{kMaxWindowSide + 1, 1},
                          Size{kMaxWindowSide, kMaxWindowSide}}) {
    EXPECT_EQ(CreateWindowExA(0, kClassName, "", 0, 0, 0, size.width, size.height, 0, nullptr), 0u)
        << size.width << " x " << size.height;
  }
  const HWND dead = Make(10, 10);
  DestroyWindow(dead);
  EXPECT_EQ(CreateWindowExA(0, kClassName, "", 0, 0, 0, 10, 10, dead, nullptr), 0u);

  const WNDCLASSA refusing{0, &RefuseCreation, "RefusingWindow"};
  ASSERT_NE(RegisterClassA(&refusing), 0);
  EXPECT_EQ(CreateWindowExA(0, "refusingwindow", "", 0, 0, 0, 10, 10, 0, nullptr), 0u);
}

TEST_F(Windows, ClassNamesAreUniqueWithoutRegardToCase) {
  const WNDCLASSA again{0, &Record, "recordingWINDOW"};
  EXPECT_EQ(RegisterClassA(&again), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
  const WNDCLASSA noProcedure{0, nullptr, "NoProcedure"};
  EXPECT_EQ(RegisterClassA(&noProcedure), 0);
  EXPECT_EQ(RegisterClassA(nullptr), 0);
}

TEST_F(Windows, BadHandlesFailEverywhere) {
  const HWND dead = Make(10, 10);
  DestroyWindow(dead);
  const HDC screen = GetDC(0);  // a handle of another kind
  RECT rect{};
  for (const HWND bad : {HWND{0}, dead, HWND{screen}}) {
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(GetClientRect(bad, &rect));
    EXPECT_FALSE(MoveWindow(bad, 0, 0, 5, 5, TRUE));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_EQ(SendMessageA(bad, WM_PAINT, 0, 0), 0);
  }
  EXPECT_FALSE(GetWindowRect(dead, &rect));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(GetDC(dead), 0u);
  ReleaseDC(0, screen);
}

TEST_F(Windows, ResizingKeepsThePixelsWhereOldAndNewOverlap) {
  const HWND window = Make(40, 30);
  const HDC dc = GetDC(window);
  ASSERT_NE(dc, 0u);
  ASSERT_TRUE(SetPixelV(dc, 5, 5, RGB(255, 0, 0)));
  ASSERT_TRUE(SetPixelV(dc, 39, 29, RGB(0, 255, 0)));
  Log().clear();

  ASSERT_TRUE(MoveWindow(window, 7, 8, 60, 20, TRUE));
  const std::vector<Message> sizes = Received(window, WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(LOWORD(sizes[0].lParam), 60);
  EXPECT_EQ(HIWORD(sizes[0].lParam), 20);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_TRUE(SameRect(rect, RECT{7, 8, 67, 28}));

  // The DC made before the resize draws into the resized pixels.
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 50, 10), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 39, 29), CLR_INVALID);  // cut off
  ASSERT_TRUE(SetPixelV(dc, 59, 19, RGB(0, 0, 255)));
  EXPECT_EQ(GetPixel(dc, 59, 19), RGB(0, 0, 255));
  EXPECT_EQ(ReleaseDC(window, dc), 1);

  // Moving without resizing sends no WM_SIZE; a refused size changes nothing.
  Log().clear();
  EXPECT_TRUE(MoveWindow(window, 0, 0, 60, 20, FALSE));
  EXPECT_TRUE(Received(window, WM_SIZE).empty());
  EXPECT_FALSE(MoveWindow(window, 0, 0, 0, 20, FALSE));
  GetClientRect(window, &rect);
  EXPECT_TRUE(SameRect(rect, RECT{0, 0, 60, 20}));
}

TEST_F(Windows, DcsBelongToTheirWindowAndDieWithIt) {
  const HWND window = Make(10, 10);
  const HWND other = Make(10, 10);
  const HDC dc = GetDC(window);
  ASSERT_NE(dc, 0u);
  EXPECT_EQ(WindowFromDC(dc), window);
  EXPECT_EQ(ReleaseDC(other, dc), 0);  // not that window's DC
  EXPECT_EQ(ReleaseDC(window, dc), 1);
  EXPECT_EQ(ReleaseDC(window, dc), 0);  // released already
  EXPECT_EQ(GetObjectType(dc), 0u);

  const HDC kept = GetDC(window);
  DestroyWindow(window);
  EXPECT_EQ(GetObjectType(kept), 0u);
  EXPECT_EQ(WindowFromDC(kept), 0u);
  EXPECT_EQ(ReleaseDC(window, kept), 0);

  const HDC memory = CreateCompatibleDC(0);
  EXPECT_EQ(WindowFromDC(memory), 0u);
  EXPECT_EQ(ReleaseDC(0, memory), 0);  // not a DC GetDC gave out
  DeleteDC(memory);
}

TEST_F(Windows, TheScreenDcDrawsIntoPixelsOfTheScreenSize) {
  EXPECT_GT(GetScreenWidth(), 0);
  EXPECT_GT(GetScreenHeight(), 0);
  const HDC screen = GetDC(0);
  ASSERT_NE(screen, 0u);
  EXPECT_EQ(WindowFromDC(screen), 0u);
  const int right = GetScreenWidth() - 1;
  const int bottom = GetScreenHeight() - 1;
  EXPECT_TRUE(SetPixelV(screen, right, bottom, RGB(1, 2, 3)));
  EXPECT_EQ(GetPixel(screen, right, bottom), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(screen, right + 1, bottom), CLR_INVALID);
  EXPECT_EQ(ReleaseDC(0, screen), 1);
  EXPECT_EQ(ReleaseDC(0, screen), 0);
}

}  // namespace
}  // namespace platform::testing
