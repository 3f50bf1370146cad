// Regions: creation, combination, queries and painting.

#include "platform/gdi/region.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/gdi/gdi_fixture.h"

namespace platform {
namespace {

using varnimo::testing::TestCanvas;

constexpr COLORREF kRed = RGB(255, 0, 0);

RECT BoxOf(HRGN region) {
  RECT box{-1, -1, -1, -1};
  GetRgnBox(region, &box);
  return box;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Regions, CombineModes) {
  struct Case {
    const char* name;
    int mode;
    int type;
    RECT box;
    std::vector<POINT> inside;
    std::vector<POINT> outside;
  };
  // First (0, 0, 10, 10), second (5, 5, 15, 15).
  const Case cases[] = {
      {"and", RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, {{5, 5}, {9, 9}}, {{4, 4}, {10, 10}}},
      {"or", RGN_OR, COMPLEXREGION, {0, 0, 15, 15}, {{0, 0}, {14, 14}}, {{12, 2}, {2, 12}}},
      {"xor", RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, {{0, 0}, {14, 14}}, {{7, 7}, {12, 2}}},
      {"diff", RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, {{0, 0}, {9, 4}}, {{7, 7}, {12, 12}}},
      {"copy", RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}, {{0, 0}, {9, 9}}, {{10, 10}}},
  };
  for (const Case& c : cases) {
    const HRGN first = CreateRectRgn(0, 0, 10, 10);
    const HRGN second = CreateRectRgn(5, 5, 15, 15);
    const HRGN result = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(result, first, c.mode == RGN_COPY ? 0 : second, c.mode), c.type) << c.name;
    EXPECT_TRUE(BoxOf(result) == c.box) << c.name;
    for (POINT p : c.inside)
      EXPECT_EQ(PtInRegion(result, p.x, p.y), TRUE) << c.name << p.x << "," << p.y;
    for (POINT p : c.outside)
      EXPECT_EQ(PtInRegion(result, p.x, p.y), FALSE) << c.name << p.x << "," << p.y;
    // The destination may be one of the sources.
    EXPECT_EQ(CombineRgn(first, first, second, c.mode), c.type) << c.name;
    EXPECT_EQ(EqualRgn(first, result), TRUE) << c.name;
    for (HRGN r : {first, second, result}) DeleteObject(r);
  }
}

TEST(Regions, CombineFailures) {
  const HRGN a = CreateRectRgn(0, 0, 2, 2);
  const HRGN b = CreateRectRgn(1, 1, 3, 3);
  const HRGN stale = CreateRectRgn(0, 0, 1, 1);
  DeleteObject(stale);
  EXPECT_EQ(CombineRgn(a, a, b, 0), RGN_ERROR);
  EXPECT_EQ(CombineRgn(a, a, b, 6), RGN_ERROR);
  EXPECT_EQ(CombineRgn(a, a, stale, RGN_OR), RGN_ERROR);
  EXPECT_EQ(CombineRgn(stale, a, b, RGN_OR), RGN_ERROR);
  EXPECT_EQ(CombineRgn(a, 0, b, RGN_COPY), RGN_ERROR);
  EXPECT_EQ(CombineRgn(a, a, GetStockObject(BLACK_BRUSH), RGN_AND), RGN_ERROR);
  // Nothing changed.
  EXPECT_TRUE(BoxOf(a) == (RECT{0, 0, 2, 2}));
  EXPECT_EQ(CombineRgn(a, a, b, RGN_DIFF), COMPLEXREGION);
  const HRGN empty = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(a, a, empty, RGN_AND), NULLREGION);
  EXPECT_TRUE(BoxOf(a) == (RECT{0, 0, 0, 0}));
  for (HRGN r : {a, b, empty}) DeleteObject(r);
}

TEST(Regions, CurvedRegionsHoldWhatTheShapesFill) {
  struct Case {
    const char* name;
    HRGN region;
    BOOL (*draw)(HDC);
  };
  const Case cases[] = {
      {"ellipse", CreateEllipticRgn(2, 3, 27, 19),
       [](HDC dc) { return Ellipse(dc, 2, 3, 27, 19); }},
      {"round rectangle", CreateRoundRectRgn(2, 3, 27, 19, 9, 7),
       [](HDC dc) { return RoundRect(dc, 2, 3, 27, 19, 9, 7); }},
      {"polygon",
       [] {
         const POINT points[] = {{1, 1}, {28, 4}, {14, 20}, {3, 15}};
         return CreatePolygonRgn(points, 4, ALTERNATE);
       }(),
       [](HDC dc) {
         const POINT points[] = {{1, 1}, {28, 4}, {14, 20}, {3, 15}};
         return Polygon(dc, points, 4);
       }},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.region, 0u) << c.name;
    TestCanvas filled(30, 22);
    EXPECT_EQ(FillRgn(filled.Dc(), c.region, GetStockObject(BLACK_BRUSH)), TRUE);
    TestCanvas drawn(30, 22);
    drawn.FillOnly();
    c.draw(drawn.Dc());
    EXPECT_EQ(filled.Picture(), drawn.Picture()) << c.name;
    DeleteObject(c.region);
  }
}

TEST(Regions, OffsetBoxAndQueries) {
  const HRGN region = CreateRectRgn(10, 20, 0, 0);  // corners in any order
  EXPECT_TRUE(BoxOf(region) == (RECT{0, 0, 10, 20}));
  EXPECT_EQ(OffsetRgn(region, 5, -5), SIMPLEREGION);
  EXPECT_TRUE(BoxOf(region) == (RECT{5, -5, 15, 15}));
  EXPECT_EQ(PtInRegion(region, 5, -5), TRUE);
  EXPECT_EQ(PtInRegion(region, 15, 0), FALSE);
  const RECT touching{14, 14, 20, 20};
  const RECT beside{15, 0, 20, 5};
  EXPECT_EQ(RectInRegion(region, &touching), TRUE);
  EXPECT_EQ(RectInRegion(region, &beside), FALSE);
  // Offsets that would leave the coordinate range fail and change nothing.
  EXPECT_EQ(OffsetRgn(region, INT_MAX, 0), RGN_ERROR);
  EXPECT_TRUE(BoxOf(region) == (RECT{5, -5, 15, 15}));
  EXPECT_EQ(SetRectRgn(region, 1, 2, 3, 4), TRUE);
  EXPECT_TRUE(BoxOf(region) == (RECT{1, 2, 3, 4}));
  DeleteObject(region);
}

TEST(Regions, EqualityIsByPixels) {
  const HRGN whole = CreateRectRgn(0, 0, 10, 10);
  const HRGN left = CreateRectRgn(0, 0, 5, 10);
  const HRGN right = CreateRectRgn(5, 0, 10, 10);
  const HRGN joined = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(joined, left, right, RGN_OR);
  EXPECT_EQ(EqualRgn(whole, joined), TRUE);
  EXPECT_EQ(EqualRgn(whole, left), FALSE);
  EXPECT_EQ(EqualRgn(whole, 0), FALSE);
  for (HRGN r : {whole, left, right, joined}) DeleteObject(r);
}

TEST(Regions, CreationRefusesBadInput) {
  EXPECT_EQ(CreateRectRgn(INT_MIN, 0, 0, 0), 0u);
  EXPECT_EQ(CreateEllipticRgn(0, INT_MIN, 10, INT_MAX), 0u);
  EXPECT_EQ(CreateRectRgnIndirect(nullptr), 0u);
  const POINT points[] = {{0, 0}, {10, 0}, {0, 10}};
  EXPECT_EQ(CreatePolygonRgn(nullptr, 3, ALTERNATE), 0u);
  EXPECT_EQ(CreatePolygonRgn(points, 1, ALTERNATE), 0u);
  EXPECT_EQ(CreatePolygonRgn(points, 3, 0), 0u);
  const POINT vast[] = {{0, 0}, {1 << 26, 0}, {0, 1 << 26}};
  EXPECT_EQ(CreatePolygonRgn(vast, 3, WINDING), 0u);
  const HRGN empty = CreateEllipticRgn(5, 5, 5, 9);
  EXPECT_TRUE(BoxOf(empty) == (RECT{0, 0, 0, 0}));
  EXPECT_EQ(GetRgnBox(empty, nullptr), RGN_ERROR);
  DeleteObject(empty);
  EXPECT_EQ(GetRgnBox(empty, nullptr), RGN_ERROR);
  EXPECT_EQ(OffsetRgn(empty, 1, 1), RGN_ERROR);
  EXPECT_EQ(SetRectRgn(empty, 0, 0, 1, 1), FALSE);
  EXPECT_EQ(PtInRegion(empty, 0, 0), FALSE);
}

TEST(RegionPainting, FillFrameInvertAndPaint) {
  TestCanvas canvas(8, 8);
  const HRGN region = CreateRectRgn(1, 1, 7, 7);
  const HBRUSH red = CreateSolidBrush(kRed);
  EXPECT_EQ(FrameRgn(canvas.Dc(), region, red, 2, 1), TRUE);
  EXPECT_EQ(canvas.Picture({{kRed, 'r'}}),
            "........\n"
            ".rrrrrr.\n"
            ".rr..rr.\n"
            ".rr..rr.\n"
            ".rr..rr.\n"
            ".rr..rr.\n"
            ".rrrrrr.\n"
            "........\n");
  EXPECT_EQ(InvertRgn(canvas.Dc(), region), TRUE);
  EXPECT_EQ(GetPixel(canvas.Dc(), 3, 3), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 1, 1), RGB(0, 255, 255));
  SelectObject(canvas.Dc(), red);
  EXPECT_EQ(PaintRgn(canvas.Dc(), region), TRUE);
  EXPECT_EQ(canvas.Count(kRed), 36);
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(FillRgn(canvas.Dc(), region, GetStockObject(BLACK_BRUSH)), TRUE);
  EXPECT_EQ(canvas.Count(0), 36);
  // Failures.
  EXPECT_EQ(FrameRgn(canvas.Dc(), region, red, 0, 1), FALSE);
  EXPECT_EQ(FrameRgn(canvas.Dc(), region, red, 1, -1), FALSE);
  EXPECT_EQ(FillRgn(canvas.Dc(), region, 0), FALSE);
  EXPECT_EQ(FillRgn(0, region, red), FALSE);
  EXPECT_EQ(FillRgn(canvas.Dc(), 0, red), FALSE);
  EXPECT_EQ(InvertRgn(canvas.Dc(), 0), FALSE);
  EXPECT_EQ(PaintRgn(0, region), FALSE);
  DeleteObject(red);
  DeleteObject(region);
}

TEST(RegionPainting, FrameOfAnEllipseFollowsItsEdge) {
  TestCanvas framed(16, 12);
  const HRGN region = CreateEllipticRgn(0, 0, 16, 12);
  FrameRgn(framed.Dc(), region, GetStockObject(BLACK_BRUSH), 1, 1);
  TestCanvas outlined(16, 12);
  SelectObject(outlined.Dc(), GetStockObject(NULL_BRUSH));
  Ellipse(outlined.Dc(), 0, 0, 16, 12);
  // A 1 x 1 frame is the ring of pixels with a row or column neighbour outside.
  EXPECT_EQ(framed.Picture(), outlined.Picture());
  DeleteObject(region);
}

TEST(RegionPainting, WideFramesHoldThePixelsNearTheEdgeAlongEachAxis) {
  // A pixel of the region is framed when a pixel up to `width` columns left or right
  // of it, or up to `height` rows above or below it, lies outside the region.
  struct Case {
    int width, height;
  };
  for (const Case c : {Case{1, 1}, Case{2, 5}, Case{4, 1}, Case{7, 3}, Case{13, 13}}) {
    TestCanvas canvas(40, 30);
    const HRGN region = CreateEllipticRgn(2, 1, 38, 29);
    ASSERT_EQ(FrameRgn(canvas.Dc(), region, GetStockObject(BLACK_BRUSH), c.width, c.height), TRUE);
    const auto inside = [&](int x, int y) { return PtInRegion(region, x, y) != FALSE; };
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        bool framed = false;
        for (int s = 1; s <= c.width; ++s) framed |= !inside(x - s, y) || !inside(x + s, y);
        for (int s = 1; s <= c.height; ++s) framed |= !inside(x, y - s) || !inside(x, y + s);
        const bool expected = inside(x, y) && framed;
        ASSERT_EQ(GetPixel(canvas.Dc(), x, y), expected ? 0u : RGB(255, 255, 255))
            << "frame " << c.width << " x " << c.height << " at (" << x << ", " << y << ")";
      }
    }
    DeleteObject(region);
  }
}

TEST(ClipRegions, SelectClipRgnCopiesTheRegion) {
  TestCanvas canvas(8, 8);
  const HRGN clip = CreateRectRgn(2, 2, 6, 6);
  EXPECT_EQ(SelectClipRgn(canvas.Dc(), clip), SIMPLEREGION);
  // Changing or deleting the region afterwards does not change the clip.
  SetRectRgn(clip, 0, 0, 1, 1);
  DeleteObject(clip);
  const RECT all{0, 0, 8, 8};
  FillRect(canvas.Dc(), &all, GetStockObject(BLACK_BRUSH));
  EXPECT_EQ(SelectClipRgn(canvas.Dc(), 0), SIMPLEREGION);
  EXPECT_EQ(canvas.Count(0), 16);
  EXPECT_EQ(GetPixel(canvas.Dc(), 2, 2), 0u);
  EXPECT_EQ(SelectClipRgn(canvas.Dc(), clip), RGN_ERROR);  // deleted
  // Selecting a region with SelectObject sets the clip too and returns its type.
  const HRGN outside = CreateRectRgn(20, 20, 30, 30);
  EXPECT_EQ(SelectObject(canvas.Dc(), outside), static_cast<HGDIOBJ>(NULLREGION));
  EXPECT_EQ(GetPixel(canvas.Dc(), 2, 2), CLR_INVALID);
  DeleteObject(outside);
}

}  // namespace
}  // namespace platform
