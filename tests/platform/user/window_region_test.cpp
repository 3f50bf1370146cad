#include "platform/user/window_region.h"

#include <gtest/gtest.h>

#include "platform/gdi/dc.h"
#include "platform/gdi/region.h"
#include "platform/gdi/shapes.h"
#include "platform/user/paint.h"
#include "tests/platform/user/window_fixture.h"

namespace platform::testing {
namespace {

using WindowRegions = WindowTest;

TEST_F(WindowRegions, DcsOfTheWindowDoNotReachOutsideItsRegion) {
  const HWND window = Make(100, 50);
  const HDC dc = GetDC(window);
  ASSERT_TRUE(SetWindowRgn(window, CreateEllipticRgn(0, 0, 100, 50), TRUE));

  // A DC made before the region and one made after both keep to it.
  const HDC later = GetDC(window);
  for (const HDC each : {dc, later}) {
    EXPECT_EQ(GetPixel(each, 50, 25), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(each, 1, 1), CLR_INVALID);
    EXPECT_EQ(GetPixel(each, 98, 48), CLR_INVALID);
  }
  SetPixelV(dc, 1, 1, RGB(255, 255, 255));
  SetPixelV(dc, 50, 25, RGB(255, 255, 255));

  // Without the region the whole window shows again: the corner was never drawn.
  ASSERT_TRUE(SetWindowRgn(window, 0, FALSE));
  EXPECT_EQ(GetPixel(later, 1, 1), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(later, 50, 25), RGB(255, 255, 255));
  ReleaseDC(window, dc);
  ReleaseDC(window, later);
}

TEST_F(WindowRegions, GetWindowRgnCopiesTheShape) {
  const HWND window = Make(100, 50);
  const HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, copy), RGN_ERROR);  // no region yet
  ASSERT_TRUE(SetWindowRgn(window, CreateEllipticRgn(0, 0, 100, 50), FALSE));
  EXPECT_EQ(GetWindowRgn(window, copy), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(copy, 50, 25));
  EXPECT_TRUE(PtInRegion(copy, 2, 25));
  EXPECT_FALSE(PtInRegion(copy, 2, 2));
  EXPECT_FALSE(PtInRegion(copy, 97, 47));
  EXPECT_EQ(GetWindowRgn(window, 0), RGN_ERROR);
  DeleteObject(copy);
}

TEST_F(WindowRegions, TheWindowOwnsItsRegionAndDeletesItWhenReplacedOrDestroyed) {
  const HWND window = Make(40, 40);
  const HRGN first = CreateRectRgn(0, 0, 10, 10);
  const HRGN second = CreateRectRgn(0, 0, 20, 20);
  ASSERT_TRUE(SetWindowRgn(window, first, FALSE));
  ASSERT_TRUE(SetWindowRgn(window, first, FALSE));  // the same region again stays
  EXPECT_EQ(GetObjectType(first), OBJ_REGION);
  ASSERT_TRUE(SetWindowRgn(window, second, FALSE));
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(second), OBJ_REGION);
  DestroyWindow(window);
  EXPECT_EQ(GetObjectType(second), 0u);
}

TEST_F(WindowRegions, ARefusedRegionStaysWithTheCaller) {
  const HWND window = Make(40, 40);
  const HRGN kept = CreateRectRgn(0, 0, 10, 10);
  ASSERT_TRUE(SetWindowRgn(window, kept, FALSE));
  const HRGN region = CreateRectRgn(0, 0, 5, 5);
  const HWND dead = Make(5, 5);
  DestroyWindow(dead);
  EXPECT_EQ(SetWindowRgn(dead, region, TRUE), 0);
  EXPECT_EQ(GetObjectType(region), OBJ_REGION);
  EXPECT_EQ(SetWindowRgn(window, 12345, TRUE), 0);  // a bad region changes nothing
  const HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, copy), SIMPLEREGION);
  EXPECT_TRUE(PtInRegion(copy, 9, 9));
  DeleteObject(region);
  DeleteObject(copy);
}

TEST_F(WindowRegions, RedrawInvalidatesTheWindow) {
  const HWND window = Make(40, 40);
  ValidateRect(window, nullptr);
  ASSERT_TRUE(SetWindowRgn(window, CreateRectRgn(0, 0, 10, 10), FALSE));
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  ASSERT_TRUE(SetWindowRgn(window, CreateRectRgn(0, 0, 20, 20), TRUE));
  EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
}

}  // namespace
}  // namespace platform::testing
