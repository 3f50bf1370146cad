#include "core/gdi_objects.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/region.h"
#include "platform/gdi/shapes.h"

namespace varnimo {
namespace {

using platform::GetObjectType;

static_assert(!std::is_copy_constructible_v<GdiPen> && std::is_nothrow_move_constructible_v<GdiPen>);
static_assert(!std::is_copy_assignable_v<GdiRegion> && std::is_nothrow_move_assignable_v<GdiRegion>);

TEST(GdiObjects, APenOwnsItsHandleUntilRecreatedOrDestroyed) {
  platform::HGDIOBJ first = 0;
  {
    GdiPen pen;
    EXPECT_EQ(pen.GetHandle(), 0u);
    ASSERT_TRUE(pen.Create(platform::PS_DASH, 1, 0x0000FF));
    first = pen.GetHandle();
    EXPECT_EQ(GetObjectType(first), platform::OBJ_PEN);
    platform::LOGPEN logPen{};
    ASSERT_NE(platform::GetObjectA(first, sizeof logPen, &logPen), 0);
    EXPECT_EQ(logPen.lopnStyle, static_cast<platform::UINT>(platform::PS_DASH));
    EXPECT_EQ(logPen.lopnColor, 0x0000FFu);

    // A failed create leaves the object empty, and the earlier pen is gone.
    EXPECT_FALSE(pen.Create(99, 1, 0));
    EXPECT_EQ(pen.GetHandle(), 0u);
    EXPECT_EQ(GetObjectType(first), 0u);
    ASSERT_TRUE(pen.Create(platform::PS_SOLID, 3, 0));
    first = pen.GetHandle();
  }
  EXPECT_EQ(GetObjectType(first), 0u);
}

TEST(GdiObjects, MovingHandsTheHandleOver) {
  GdiBrush from;
  ASSERT_TRUE(from.CreateSolid(0x123456));
  const platform::HGDIOBJ handle = from.GetHandle();
  GdiBrush to(std::move(from));
  EXPECT_EQ(to.GetHandle(), handle);
  EXPECT_EQ(from.GetHandle(), 0u);
  GdiBrush assigned;
  ASSERT_TRUE(assigned.CreateSolid(0));
  const platform::HGDIOBJ replaced = assigned.GetHandle();
  assigned = std::move(to);
  EXPECT_EQ(assigned.GetHandle(), handle);
  EXPECT_EQ(GetObjectType(replaced), 0u);
}

TEST(GdiObjects, DeleteReportsAnEmptyObjectAndOneStillSelected) {
  GdiPen pen;
  EXPECT_FALSE(pen.Delete());
  ASSERT_TRUE(pen.Create(platform::PS_SOLID, 1, 0));
  const platform::HDC dc = platform::CreateCompatibleDC(0);
  const platform::HGDIOBJ previous = platform::SelectObject(dc, pen.GetHandle());
  EXPECT_FALSE(pen.Delete());
  EXPECT_NE(pen.GetHandle(), 0u);
  platform::SelectObject(dc, previous);
  EXPECT_TRUE(pen.Delete());
  EXPECT_EQ(pen.GetHandle(), 0u);
  platform::DeleteDC(dc);
}

// Paints a 8 x 8 memory bitmap with the brush and answers its pixels.
std::vector<platform::COLORREF> Paint(const GdiBrush& brush) {
  const platform::HDC dc = platform::CreateCompatibleDC(0);
  GdiBitmap target;
  EXPECT_TRUE(target.CreateCompatible(dc, 8, 8));
  const platform::HGDIOBJ previous = platform::SelectObject(dc, target.GetHandle());
  platform::SetBkColor(dc, 0xFFFFFF);
  const platform::RECT all{0, 0, 8, 8};
  platform::FillRect(dc, &all, brush.GetHandle());
  std::vector<platform::COLORREF> pixels;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pixels.push_back(platform::GetPixel(dc, x, y));
  platform::SelectObject(dc, previous);
  platform::DeleteDC(dc);
  return pixels;
}

TEST(GdiObjects, BrushesPaintSolidHatchedAndPatterned) {
  GdiBrush solid;
  ASSERT_TRUE(solid.CreateSolid(0x00FF00));
  EXPECT_EQ(Paint(solid), std::vector<platform::COLORREF>(64, 0x00FF00));

  GdiBrush hatch;
  ASSERT_TRUE(hatch.CreateHatch(platform::HS_CROSS, 0x0000FF));
  const auto hatched = Paint(hatch);
  EXPECT_NE(std::count(hatched.begin(), hatched.end(), 0x0000FFu), 0);
  EXPECT_NE(std::count(hatched.begin(), hatched.end(), 0xFFFFFFu), 0);

  GdiBitmap tile;
  ASSERT_TRUE(tile.CreateFromPixels(2, 1, std::vector<std::uint32_t>{0xFF0000, 0x0000FF}));
  GdiBrush pattern;
  ASSERT_TRUE(pattern.CreatePattern(tile));
  tile.Delete();  // the brush keeps its own copy
  const auto patterned = Paint(pattern);
  EXPECT_EQ(patterned[0], 0x0000FFu);  // red as a COLORREF
  EXPECT_EQ(patterned[1], 0xFF0000u);
  EXPECT_EQ(patterned[2], 0x0000FFu);
}

TEST(GdiObjects, BitmapsRefuseSizesTheirPixelsDoNotFill) {
  GdiBitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromPixels(2, 2, std::vector<std::uint32_t>(3)));
  EXPECT_FALSE(bitmap.CreateFromPixels(0, 2, {}));
  EXPECT_FALSE(bitmap.CreateFromPixels(-1, -1, std::vector<std::uint32_t>(1)));
  EXPECT_EQ(bitmap.GetHandle(), 0u);
  ASSERT_TRUE(bitmap.CreateCompatible(0, 10, 20));
  platform::BITMAP info{};
  ASSERT_NE(platform::GetObjectA(bitmap.GetHandle(), sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 10);
  EXPECT_EQ(info.bmHeight, 20);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_FALSE(bitmap.CreateCompatible(0, 0, 0));
}

TEST(GdiObjects, RegionsTakeTheirShapes) {
  GdiRegion rectangle, ellipse, rounded, polygon;
  ASSERT_TRUE(rectangle.CreateRectangle(0, 0, 10, 10));
  ASSERT_TRUE(ellipse.CreateEllipse(0, 0, 10, 10));
  ASSERT_TRUE(rounded.CreateRoundRectangle(0, 0, 10, 10, 6, 6));
  const std::vector<Point> triangle{{0, 0}, {10, 0}, {0, 10}};
  ASSERT_TRUE(polygon.CreatePolygon(triangle, platform::ALTERNATE));
  EXPECT_TRUE(platform::PtInRegion(rectangle.GetHandle(), 0, 0));
  EXPECT_FALSE(platform::PtInRegion(ellipse.GetHandle(), 0, 0));
  EXPECT_TRUE(platform::PtInRegion(ellipse.GetHandle(), 5, 5));
  EXPECT_FALSE(platform::PtInRegion(rounded.GetHandle(), 0, 0));
  EXPECT_TRUE(platform::PtInRegion(rounded.GetHandle(), 5, 0));
  EXPECT_TRUE(platform::PtInRegion(polygon.GetHandle(), 2, 2));
  EXPECT_FALSE(platform::PtInRegion(polygon.GetHandle(), 8, 8));
}

TEST(GdiObjects, CombineMayUseTheRegionItselfAsAnOperand) {
  GdiRegion left, right;
  ASSERT_TRUE(left.CreateRectangle(0, 0, 10, 10));
  ASSERT_TRUE(right.CreateRectangle(20, 0, 30, 10));
  EXPECT_EQ(left.Combine(left, right, platform::RGN_OR), platform::COMPLEXREGION);
  EXPECT_TRUE(platform::PtInRegion(left.GetHandle(), 5, 5));
  EXPECT_TRUE(platform::PtInRegion(left.GetHandle(), 25, 5));
  EXPECT_FALSE(platform::PtInRegion(left.GetHandle(), 15, 5));

  GdiRegion overlap;
  EXPECT_EQ(overlap.Combine(left, right, platform::RGN_AND), platform::SIMPLEREGION);
  EXPECT_TRUE(platform::PtInRegion(overlap.GetHandle(), 25, 5));
  EXPECT_FALSE(platform::PtInRegion(overlap.GetHandle(), 5, 5));
  EXPECT_EQ(overlap.Combine(left, GdiRegion(), platform::RGN_OR), platform::RGN_ERROR);
  EXPECT_EQ(overlap.GetHandle(), 0u);
}

}  // namespace
}  // namespace varnimo
