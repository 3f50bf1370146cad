#include "platform/user/paint.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "tests/platform/user/window_fixture.h"

namespace platform::testing {
namespace {

class Painting : public WindowTest {
 protected:
  // A 100 x 60 window with nothing invalid and no message recorded.
  HWND MakeValid() {
    const HWND window = Make(100, 60);
    ValidateRect(window, nullptr);
    Log().clear();
    return window;
  }
};

TEST_F(Painting, BeginPaintReportsTheInvalidAreaAndValidatesIt) {
  const HWND window = MakeValid();
  const RECT first{10, 5, 20, 15};
  const RECT second{30, 40, 35, 45};
  ASSERT_TRUE(InvalidateRect(window, &first, FALSE));
  ASSERT_TRUE(InvalidateRect(window, &second, TRUE));
  RECT bounds{};
  EXPECT_TRUE(GetUpdateRect(window, &bounds, FALSE));
  EXPECT_TRUE(SameRect(bounds, RECT{10, 5, 35, 45}));

  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  ASSERT_NE(dc, 0u);
  EXPECT_EQ(paint.hdc, dc);
  EXPECT_TRUE(SameRect(paint.rcPaint, RECT{10, 5, 35, 45}));
  // The recording procedure lets DefWindowProcA answer 0: the erase is still to do.
  ASSERT_EQ(Received(window, WM_ERASEBKGND).size(), 1u);
  EXPECT_EQ(Received(window, WM_ERASEBKGND)[0].wParam, dc);
  EXPECT_EQ(paint.fErase, TRUE);
  EXPECT_EQ(paint.fRestore, 0);
  EXPECT_EQ(paint.fIncUpdate, 0);
  EXPECT_FALSE(GetUpdateRect(window, &bounds, FALSE));
  EXPECT_TRUE(SameRect(bounds, RECT{0, 0, 0, 0}));

  // The paint DC draws inside the invalid area only.
  EXPECT_EQ(WindowFromDC(dc), window);
  EXPECT_EQ(GetPixel(dc, 12, 7), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 32, 42), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 25, 10), CLR_INVALID);
  EXPECT_EQ(GetPixel(dc, 50, 50), CLR_INVALID);

  EXPECT_TRUE(EndPaint(window, &paint));
  EXPECT_EQ(GetObjectType(dc), 0u);  // released
  EXPECT_FALSE(EndPaint(window, &paint));
}

TEST_F(Painting, BeginPaintWithNothingInvalidGivesADcAndAnEmptyArea) {
  const HWND window = MakeValid();
  PAINTSTRUCT paint;
  std::memset(&paint, 0xAB, sizeof paint);
  const HDC dc = BeginPaint(window, &paint);
  ASSERT_NE(dc, 0u);
  EXPECT_TRUE(SameRect(paint.rcPaint, RECT{0, 0, 0, 0}));
  EXPECT_EQ(paint.fErase, FALSE);
  for (const BYTE reserved : paint.rgbReserved) EXPECT_EQ(reserved, 0);
  EXPECT_TRUE(Received(window, WM_ERASEBKGND).empty());
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);  // nothing to paint, so nothing is drawn
  EXPECT_TRUE(EndPaint(window, &paint));
}

TEST_F(Painting, RectanglesAreCutToTheClientAreaWhateverTheirCoordinates) {
  const HWND window = MakeValid();
  const RECT huge{INT_MIN, -100, INT_MAX, 5};
  ASSERT_TRUE(InvalidateRect(window, &huge, FALSE));
  RECT bounds{};
  ASSERT_TRUE(GetUpdateRect(window, &bounds, FALSE));
  EXPECT_TRUE(SameRect(bounds, RECT{0, 0, 100, 5}));

  const RECT outside{200, 200, 300, 300};
  const RECT inverted{50, 50, 40, 40};
  ValidateRect(window, nullptr);
  InvalidateRect(window, &outside, TRUE);
  InvalidateRect(window, &inverted, TRUE);
  EXPECT_FALSE(GetUpdateRect(window, &bounds, FALSE));
}

TEST_F(Painting, ValidateRectRemovesPartOfTheUpdateRegion) {
  const HWND window = MakeValid();
  const RECT all{0, 0, 100, 60};
  const RECT left{0, 0, 50, 60};
  InvalidateRect(window, &all, FALSE);
  ValidateRect(window, &left);
  RECT bounds{};
  ASSERT_TRUE(GetUpdateRect(window, &bounds, FALSE));
  EXPECT_TRUE(SameRect(bounds, RECT{50, 0, 100, 60}));
}

LRESULT ErasingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Painting, AnErasedBackgroundClearsFErase) {
  const HWND window = MakeValid();
  SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ErasingProc));
  InvalidateRect(window, nullptr, TRUE);
  PAINTSTRUCT paint{};
  ASSERT_NE(BeginPaint(window, &paint), 0u);
  EXPECT_EQ(paint.fErase, FALSE);
  EndPaint(window, &paint);
}

TEST_F(Painting, UpdateWindowSendsPaintOnlyWhenSomethingIsInvalid) {
  const HWND window = MakeValid();
  EXPECT_TRUE(UpdateWindow(window));
  EXPECT_TRUE(Received(window, WM_PAINT).empty());
  InvalidateRect(window, nullptr, FALSE);
  EXPECT_TRUE(UpdateWindow(window));
  EXPECT_EQ(Received(window, WM_PAINT).size(), 1u);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));  // DefWindowProcA validated
}

TEST_F(Painting, BadArgumentsFail) {
  const HWND window = MakeValid();
  PAINTSTRUCT paint{};
  EXPECT_EQ(BeginPaint(0, &paint), 0u);
  EXPECT_EQ(BeginPaint(window, nullptr), 0u);
  EXPECT_FALSE(EndPaint(window, nullptr));
  EXPECT_FALSE(InvalidateRect(0, nullptr, TRUE));
  EXPECT_FALSE(InvalidateRgn(window, 12345, TRUE));
  // A DC from GetDC is not a paint DC.
  paint.hdc = GetDC(window);
  EXPECT_FALSE(EndPaint(window, &paint));
  EXPECT_EQ(ReleaseDC(window, paint.hdc), 1);
}

}  // namespace
}  // namespace platform::testing
