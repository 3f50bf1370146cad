// Shapes on pixels: the edge and corner rules, pens, brushes and failures.

#include <gtest/gtest.h>

#include <climits>

#include "platform/gdi/region.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace platform {
namespace {

using varnimo::testing::Selected;
using varnimo::testing::TestCanvas;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

TEST(Shapes, NullPenRectangleFillsTheWholeBitmap) {
  TestCanvas canvas(7, 5);
  canvas.FillOnly();
  EXPECT_EQ(Rectangle(canvas.Dc(), 0, 0, 7, 5), TRUE);
  EXPECT_EQ(canvas.Count(0), 7 * 5);
}

// Where the pen and the brush land for one shape call, at the box's edges and corners.
struct EdgeCase {
  const char* name;
  int penStyle;
  int penWidth;
  RECT box;
  std::vector<POINT> pen;      // pixels in the pen's colour (black)
  std::vector<POINT> brush;    // pixels in the brush's colour (grey)
  std::vector<POINT> outside;  // pixels left white
};

TEST(Shapes, RectangleEdgesAndCorners) {
  const EdgeCase cases[] = {
      {"one-pixel pen on the outermost ring",
       PS_SOLID,
       1,
       {2, 3, 10, 9},
       {{2, 3}, {9, 3}, {2, 8}, {9, 8}, {5, 3}, {2, 5}},
       {{3, 4}, {8, 7}},
       {{1, 3}, {10, 3}, {2, 2}, {2, 9}, {10, 9}}},
      {"reversed corners draw the same box",
       PS_SOLID,
       1,
       {10, 9, 2, 3},
       {{2, 3}, {9, 8}},
       {{3, 4}},
       {{10, 9}, {1, 2}}},
      {"width 0 is one pixel", PS_SOLID, 0, {2, 3, 10, 9}, {{2, 3}, {9, 8}}, {{3, 4}}, {{1, 2}}},
      {"width 3 is centred on the outline",
       PS_SOLID,
       3,
       {2, 3, 10, 9},
       {{1, 2}, {3, 4}, {10, 9}, {8, 7}},
       {{4, 5}, {7, 6}},
       {{0, 1}, {11, 10}}},
      {"width 3 inside the frame stays in the box",
       PS_INSIDEFRAME,
       3,
       {2, 3, 10, 9},
       {{2, 3}, {4, 5}, {9, 8}, {7, 6}},
       {},
       {{1, 2}, {10, 9}}},
      {"width 2 lies inside",
       PS_SOLID,
       2,
       {2, 3, 10, 9},
       {{2, 3}, {3, 4}, {9, 8}, {8, 7}},
       {{4, 5}, {7, 6}},
       {{1, 2}, {10, 9}}},
      {"a dashed pen keeps to the same ring",
       PS_DOT,
       1,
       {2, 3, 10, 9},
       {{3, 3}},
       {{3, 4}, {8, 7}},
       {{1, 3}, {10, 3}, {2, 2}}},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestCanvas canvas(12, 12);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    Selected pen(canvas.Dc(), CreatePen(c.penStyle, c.penWidth, 0));
    Selected brush(canvas.Dc(), CreateSolidBrush(kGrey));
    ASSERT_EQ(Rectangle(canvas.Dc(), c.box.left, c.box.top, c.box.right, c.box.bottom), TRUE);
    for (POINT p : c.pen) EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), 0u) << p.x << "," << p.y;
    for (POINT p : c.brush) EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), kGrey) << p.x << "," << p.y;
    for (POINT p : c.outside) {
      EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), RGB(255, 255, 255)) << p.x << "," << p.y;
    }
  }
}

TEST(Shapes, EllipseTouchesEachSideOfItsBoxAndNoCorner) {
  TestCanvas canvas(12, 10);
  EXPECT_EQ(Ellipse(canvas.Dc(), 1, 1, 11, 9), TRUE);
  EXPECT_EQ(canvas.Picture(),
            "............\n"
            "....####....\n"
            "..##....##..\n"
            ".#........#.\n"
            ".#........#.\n"
            ".#........#.\n"
            ".#........#.\n"
            "..##....##..\n"
            "....####....\n"
            "............\n");
}

TEST(Shapes, EllipseAreaIsTheOutlineAndTheInside) {
  // The null-pen fill covers exactly the pixels the outline and the brush cover.
  TestCanvas outlined(40, 30);
  Selected grey(outlined.Dc(), CreateSolidBrush(kGrey));
  Ellipse(outlined.Dc(), 3, 2, 37, 27);
  TestCanvas filled(40, 30);
  filled.FillOnly();
  Ellipse(filled.Dc(), 3, 2, 37, 27);
  EXPECT_EQ(filled.Count(0), outlined.Count(0) + outlined.Count(kGrey));
  // It is symmetric about both axes of the box.
  for (int y = 0; y < 29; ++y) {
    for (int x = 0; x < 40; ++x) {
      ASSERT_EQ(GetPixel(filled.Dc(), x, y), GetPixel(filled.Dc(), 39 - x, y)) << x << "," << y;
      ASSERT_EQ(GetPixel(filled.Dc(), x, y), GetPixel(filled.Dc(), x, 28 - y)) << x << "," << y;
    }
  }
}

TEST(Shapes, RoundRectCornersFollowTheCornerEllipse) {
  TestCanvas canvas(14, 12);
  EXPECT_EQ(RoundRect(canvas.Dc(), 1, 1, 13, 11, 6, 6), TRUE);
  EXPECT_EQ(canvas.Picture(),
            "..............\n"
            "..##########..\n"
            ".#..........#.\n"
            ".#..........#.\n"
            ".#..........#.\n"
            ".#..........#.\n"
            ".#..........#.\n"
            ".#..........#.\n"
            ".#..........#.\n"
            ".#..........#.\n"
            "..##########..\n"
            "..............\n");
  // Corners of zero size make a rectangle.
  TestCanvas square(6, 6);
  RoundRect(square.Dc(), 0, 0, 6, 6, 0, 0);
  EXPECT_EQ(GetPixel(square.Dc(), 0, 0), 0u);
}

TEST(Shapes, PieAndChordGoCounterClockwiseFromStartToEnd) {
  // From the radial pointing right to the one pointing up: the upper right quarter.
  TestCanvas pie(12, 12);
  Selected grey(pie.Dc(), CreateSolidBrush(kGrey));
  EXPECT_EQ(Pie(pie.Dc(), 0, 0, 12, 12, 12, 6, 6, 0), TRUE);
  EXPECT_EQ(pie.Picture({{kGrey, 'o'}}),
            "......##....\n"
            "......#o##..\n"
            "......#ooo#.\n"
            "......#ooo#.\n"
            "......#oooo#\n"
            "......######\n"
            "............\n"
            "............\n"
            "............\n"
            "............\n"
            "............\n"
            "............\n");
  TestCanvas chord(12, 12);
  Selected chordGrey(chord.Dc(), CreateSolidBrush(kGrey));
  EXPECT_EQ(Chord(chord.Dc(), 0, 0, 12, 12, 12, 6, 6, 0), TRUE);
  EXPECT_EQ(GetPixel(chord.Dc(), 6, 0), 0u);
  EXPECT_EQ(GetPixel(chord.Dc(), 11, 5), 0u);
  EXPECT_EQ(GetPixel(chord.Dc(), 9, 2), kGrey);
  EXPECT_EQ(GetPixel(chord.Dc(), 7, 4), RGB(255, 255, 255));  // the pie's corner, cut off
}

TEST(Shapes, ArcDirectionChoosesTheOtherSide) {
  TestCanvas ccw(12, 12);
  Arc(ccw.Dc(), 0, 0, 12, 12, 12, 6, 6, 0);
  EXPECT_EQ(GetPixel(ccw.Dc(), 9, 1), 0u);  // upper right
  EXPECT_EQ(GetPixel(ccw.Dc(), 6, 11), RGB(255, 255, 255));
  TestCanvas cw(12, 12);
  SetArcDirection(cw.Dc(), AD_CLOCKWISE);
  Arc(cw.Dc(), 0, 0, 12, 12, 12, 6, 6, 0);
  EXPECT_EQ(GetPixel(cw.Dc(), 9, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(cw.Dc(), 6, 11), 0u);  // bottom
  EXPECT_EQ(GetPixel(cw.Dc(), 0, 6), 0u);   // left
  // The arcs of both directions together make the ellipse's outline.
  SetArcDirection(ccw.Dc(), AD_CLOCKWISE);
  Arc(ccw.Dc(), 0, 0, 12, 12, 12, 6, 6, 0);
  TestCanvas ellipse(12, 12);
  SelectObject(ellipse.Dc(), GetStockObject(NULL_BRUSH));
  Ellipse(ellipse.Dc(), 0, 0, 12, 12);
  EXPECT_EQ(ccw.Picture(), ellipse.Picture());
}

TEST(Shapes, EqualRadialsMakeTheWholeEllipse) {
  TestCanvas arc(12, 12);
  Arc(arc.Dc(), 0, 0, 12, 12, 12, 6, 12, 6);
  TestCanvas ellipse(12, 12);
  Ellipse(ellipse.Dc(), 0, 0, 12, 12);
  EXPECT_EQ(arc.Picture(), ellipse.Picture());
}

TEST(Lines, LineToExcludesItsEndAndMovesThePosition) {
  struct Case {
    POINT from, to;
    POINT lastDrawn, end;
  };
  const Case cases[] = {{{1, 1}, {8, 1}, {7, 1}, {8, 1}},
                        {{1, 1}, {1, 8}, {1, 7}, {1, 8}},
                        {{8, 8}, {1, 1}, {2, 2}, {1, 1}},
                        {{1, 1}, {8, 4}, {7, 4}, {8, 4}}};
  for (const Case& c : cases) {
    TestCanvas canvas(10, 10);
    MoveToEx(canvas.Dc(), c.from.x, c.from.y, nullptr);
    EXPECT_EQ(LineTo(canvas.Dc(), c.to.x, c.to.y), TRUE);
    EXPECT_EQ(GetPixel(canvas.Dc(), c.from.x, c.from.y), 0u);
    EXPECT_EQ(GetPixel(canvas.Dc(), c.lastDrawn.x, c.lastDrawn.y), 0u);
    EXPECT_EQ(GetPixel(canvas.Dc(), c.end.x, c.end.y), RGB(255, 255, 255));
    POINT position{};
    GetCurrentPositionEx(canvas.Dc(), &position);
    EXPECT_EQ(position.x, c.to.x);
    EXPECT_EQ(position.y, c.to.y);
  }
}

TEST(Lines, DashStylesAndTheBackgroundMode) {
  struct Case {
    int style;
    const char* pattern;
  };
  // One row of a line from x = 0 to x = 30: '#' dash, 'r' gap in opaque mode.
  const Case cases[] = {{PS_SOLID, "##############################"},
                        {PS_DASH, "##################rrrrrr######"},
                        {PS_DOT, "###rrr###rrr###rrr###rrr###rrr"},
                        {PS_DASHDOT, "#########rrrrrr###rrrrrr######"},
                        {PS_DASHDOTDOT, "#########rrr###rrr###rrr######"}};
  for (const Case& c : cases) {
    for (int mode : {OPAQUE, TRANSPARENT}) {
      TestCanvas canvas(30, 1);
      SetBkMode(canvas.Dc(), mode);
      SetBkColor(canvas.Dc(), kRed);
      Selected pen(canvas.Dc(), CreatePen(c.style, 1, 0));
      MoveToEx(canvas.Dc(), 0, 0, nullptr);
      LineTo(canvas.Dc(), 30, 0);
      std::string expected = std::string(c.pattern) + "\n";
      if (mode == TRANSPARENT) std::replace(expected.begin(), expected.end(), 'r', '.');
      EXPECT_EQ(canvas.Picture({{kRed, 'r'}}), expected) << c.style << " mode " << mode;
    }
  }
}

TEST(Lines, WidePensAreRoundAndStyledWidePensAreSolid) {
  TestCanvas canvas(20, 9);
  Selected pen(canvas.Dc(), CreatePen(PS_DASH, 5, 0));
  MoveToEx(canvas.Dc(), 4, 4, nullptr);
  LineTo(canvas.Dc(), 15, 4);
  for (int x = 4; x <= 15; ++x) EXPECT_EQ(GetPixel(canvas.Dc(), x, 4), 0u) << x;
  EXPECT_EQ(GetPixel(canvas.Dc(), 9, 2), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 9, 6), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 9, 8), RGB(255, 255, 255));
  // Round ends: the pen reaches past the end point along the line, not at its corners.
  EXPECT_EQ(GetPixel(canvas.Dc(), 17, 4), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 17, 2), RGB(255, 255, 255));
}

TEST(Lines, PolylineAndPolyBezierLeaveThePositionAlone) {
  TestCanvas canvas(12, 12);
  const POINT points[] = {{1, 1}, {10, 1}, {10, 10}, {1, 10}};
  EXPECT_EQ(Polyline(canvas.Dc(), points, 4), TRUE);
  EXPECT_EQ(GetPixel(canvas.Dc(), 10, 1), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 1, 10), RGB(255, 255, 255));  // the last point is left out
  EXPECT_EQ(PolyBezier(canvas.Dc(), points, 4), TRUE);
  EXPECT_EQ(GetPixel(canvas.Dc(), 1, 1), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 5, 6), RGB(255, 255, 255));  // inside the curve's hull
  POINT position{};
  GetCurrentPositionEx(canvas.Dc(), &position);
  EXPECT_EQ(position.x, 0);
  EXPECT_EQ(position.y, 0);
}

TEST(Lines, PolyBezierCountsMustBeThreeNPlusOne) {
  TestCanvas canvas(12, 12);
  const POINT points[7] = {{1, 1}, {3, 9}, {8, 9}, {10, 1}, {10, 5}, {1, 5}, {1, 10}};
  EXPECT_EQ(PolyBezier(canvas.Dc(), points, 1), TRUE);
  EXPECT_EQ(canvas.Count(0), 0);
  for (DWORD count : {0u, 2u, 3u, 5u, 6u}) EXPECT_EQ(PolyBezier(canvas.Dc(), points, count), FALSE);
  EXPECT_EQ(PolyBezier(canvas.Dc(), points, 7), TRUE);
  EXPECT_GT(canvas.Count(0), 0);
}

TEST(Polygons, FillModesDecideTheCentreOfAStar) {
  const POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  for (int mode : {ALTERNATE, WINDING}) {
    TestCanvas canvas(21, 21);
    SetPolyFillMode(canvas.Dc(), mode);
    canvas.FillOnly();
    EXPECT_EQ(Polygon(canvas.Dc(), star, 5), TRUE);
    EXPECT_EQ(GetPixel(canvas.Dc(), 10, 11), mode == WINDING ? 0u : RGB(255, 255, 255)) << mode;
    EXPECT_EQ(GetPixel(canvas.Dc(), 10, 3), 0u) << mode;  // a point of the star
  }
}

TEST(Polygons, OutlineIncludesEveryVertexAndTheBrushFillsInside) {
  TestCanvas canvas(12, 12);
  Selected grey(canvas.Dc(), CreateSolidBrush(kGrey));
  const POINT square[] = {{1, 1}, {10, 1}, {10, 10}, {1, 10}};
  EXPECT_EQ(Polygon(canvas.Dc(), square, 4), TRUE);
  for (POINT p : square) EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), 0u);
  EXPECT_EQ(GetPixel(canvas.Dc(), 5, 5), kGrey);
  EXPECT_EQ(canvas.Count(kGrey), 8 * 8);
  EXPECT_EQ(Polygon(canvas.Dc(), square, 1), FALSE);
  EXPECT_EQ(Polygon(canvas.Dc(), nullptr, 4), FALSE);
}

TEST(Brushes, HatchesSitOnAnEightPixelGridFromTheOrigin) {
  struct Case {
    int hatch;
    std::vector<POINT> lines;
    std::vector<POINT> gaps;
  };
  const Case cases[] = {
      {HS_HORIZONTAL, {{3, 8}, {5, 16}}, {{3, 9}, {5, 12}}},
      {HS_VERTICAL, {{8, 3}, {16, 5}}, {{9, 3}, {12, 5}}},
      {HS_FDIAGONAL, {{9, 9}, {10, 2}, {2, 10}}, {{9, 10}, {3, 10}}},
      {HS_BDIAGONAL, {{7, 8}, {2, 13}}, {{9, 9}, {10, 2}}},
      {HS_CROSS, {{8, 3}, {3, 8}}, {{9, 9}, {3, 3}}},
      {HS_DIAGCROSS, {{9, 9}, {7, 8}}, {{8, 9}, {3, 9}}},
  };
  for (const Case& c : cases) {
    for (int mode : {OPAQUE, TRANSPARENT}) {
      TestCanvas canvas(20, 20);
      SetBkMode(canvas.Dc(), mode);
      SetBkColor(canvas.Dc(), kRed);
      const HBRUSH brush = CreateHatchBrush(c.hatch, RGB(0, 0, 255));
      const RECT rect{1, 1, 19, 19};
      EXPECT_EQ(FillRect(canvas.Dc(), &rect, brush), 1);
      DeleteObject(brush);
      for (POINT p : c.lines) {
        EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), RGB(0, 0, 255))
            << c.hatch << " " << p.x << "," << p.y;
      }
      const COLORREF gap = mode == OPAQUE ? kRed : RGB(255, 255, 255);
      for (POINT p : c.gaps) {
        EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), gap) << c.hatch << " " << p.x << "," << p.y;
      }
    }
  }
  EXPECT_EQ(CreateHatchBrush(6, 0), 0u);
  EXPECT_EQ(CreateHatchBrush(-1, 0), 0u);
}

TEST(Brushes, PatternsTileFromTheDeviceOrigin) {
  TestCanvas pattern(2, 2);
  SetPixelV(pattern.Dc(), 0, 0, kRed);
  SetPixelV(pattern.Dc(), 1, 1, kRed);
  const HBRUSH brush = CreatePatternBrush(pattern.Bitmap());
  ASSERT_NE(brush, 0u);
  // Later changes to the bitmap do not reach the brush.
  SetPixelV(pattern.Dc(), 0, 0, 0);
  TestCanvas canvas(6, 6);
  const RECT rect{1, 1, 6, 6};
  EXPECT_EQ(FillRect(canvas.Dc(), &rect, brush), 1);
  EXPECT_EQ(canvas.Picture({{kRed, 'r'}}),
            "......\n"
            ".r.r.r\n"
            "..r.r.\n"
            ".r.r.r\n"
            "..r.r.\n"
            ".r.r.r\n");
  LOGBRUSH logBrush{};
  GetObjectA(brush, sizeof logBrush, &logBrush);
  EXPECT_EQ(logBrush.lbStyle, BS_PATTERN);
  DeleteObject(brush);
  EXPECT_EQ(CreatePatternBrush(0), 0u);
}

TEST(Brushes, CreationRefusesUnknownStylesAndSizes) {
  EXPECT_EQ(CreatePen(7, 1, 0), 0u);
  EXPECT_EQ(CreatePen(-1, 1, 0), 0u);
  EXPECT_EQ(CreatePen(PS_SOLID, -1, 0), 0u);
  EXPECT_EQ(CreatePen(PS_SOLID, 100000, 0), 0u);
  EXPECT_EQ(CreatePenIndirect(nullptr), 0u);
  EXPECT_EQ(CreateBrushIndirect(nullptr), 0u);
  const LOGBRUSH unknown{9, 0, 0};
  EXPECT_EQ(CreateBrushIndirect(&unknown), 0u);
  const LOGBRUSH hatched{BS_HATCHED, kRed, HS_CROSS};
  const HBRUSH brush = CreateBrushIndirect(&hatched);
  LOGBRUSH back{};
  ASSERT_NE(GetObjectA(brush, sizeof back, &back), 0);
  EXPECT_EQ(back.lbStyle, BS_HATCHED);
  EXPECT_EQ(back.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  DeleteObject(brush);
}

TEST(Brushes, NullBrushAndNullPenDrawNothing) {
  TestCanvas canvas(8, 8);
  canvas.FillOnly(NULL_BRUSH);
  EXPECT_EQ(Rectangle(canvas.Dc(), 0, 0, 8, 8), TRUE);
  EXPECT_EQ(Ellipse(canvas.Dc(), 0, 0, 8, 8), TRUE);
  EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 64);
}

TEST(Pixels, GetAndSetPixelStayInsideTheBitmapAndTheClip) {
  TestCanvas canvas(4, 4);
  EXPECT_EQ(SetPixel(canvas.Dc(), 3, 3, RGB(10, 20, 30)), RGB(10, 20, 30));
  EXPECT_EQ(GetPixel(canvas.Dc(), 3, 3), RGB(10, 20, 30));
  for (POINT p : {POINT{-1, 0}, POINT{4, 0}, POINT{0, 4}, POINT{INT_MIN, INT_MAX}}) {
    EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), CLR_INVALID);
    EXPECT_EQ(SetPixelV(canvas.Dc(), p.x, p.y, 0), FALSE);
    EXPECT_EQ(SetPixel(canvas.Dc(), p.x, p.y, 0), CLR_INVALID);
  }
  const HRGN clip = CreateRectRgn(0, 0, 2, 2);
  SelectClipRgn(canvas.Dc(), clip);
  DeleteObject(clip);
  EXPECT_EQ(GetPixel(canvas.Dc(), 3, 3), CLR_INVALID);
  EXPECT_EQ(SetPixelV(canvas.Dc(), 3, 3, 0), FALSE);
  EXPECT_EQ(SetPixelV(canvas.Dc(), 1, 1, 0), TRUE);
}

TEST(Pixels, InvertFillAndFrameRectangles) {
  TestCanvas canvas(6, 6);
  const RECT all{0, 0, 6, 6};
  const RECT inner{1, 1, 5, 5};
  EXPECT_EQ(InvertRect(canvas.Dc(), &inner), TRUE);
  EXPECT_EQ(canvas.Count(0), 16);
  EXPECT_EQ(InvertRect(canvas.Dc(), &inner), TRUE);
  EXPECT_EQ(canvas.Count(0), 0);
  const HBRUSH red = CreateSolidBrush(kRed);
  EXPECT_EQ(FrameRect(canvas.Dc(), &all, red), 1);
  EXPECT_EQ(FillRect(canvas.Dc(), &inner, GetStockObject(BLACK_BRUSH)), 1);
  EXPECT_EQ(canvas.Picture({{kRed, 'r'}}),
            "rrrrrr\n"
            "r####r\n"
            "r####r\n"
            "r####r\n"
            "r####r\n"
            "rrrrrr\n");
  // An inverted rectangle is empty for these calls.
  const RECT inverted{5, 5, 1, 1};
  EXPECT_EQ(FillRect(canvas.Dc(), &inverted, red), 1);
  EXPECT_EQ(canvas.Count(kRed), 20);
  DeleteObject(red);
  EXPECT_EQ(FillRect(canvas.Dc(), &inner, red), 0);  // deleted brush
  EXPECT_EQ(FillRect(canvas.Dc(), nullptr, GetStockObject(BLACK_BRUSH)), 0);
  EXPECT_EQ(InvertRect(canvas.Dc(), nullptr), FALSE);
}

TEST(Pixels, AFrameCutByTheBitmapEdgeShowsNoFalseEdge) {
  TestCanvas canvas(6, 6);
  const RECT huge{-10, -10, 100, 100};
  EXPECT_EQ(FrameRect(canvas.Dc(), &huge, GetStockObject(BLACK_BRUSH)), 1);
  EXPECT_EQ(canvas.Count(0), 0);
}

TEST(Shapes, HugeCoordinatesAreClippedNotRefused) {
  TestCanvas canvas(10, 10);
  canvas.FillOnly();
  EXPECT_EQ(Rectangle(canvas.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX), TRUE);
  EXPECT_EQ(canvas.Count(0), 100);
  SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  EXPECT_EQ(Ellipse(canvas.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX), TRUE);
  EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 100);
  MoveToEx(canvas.Dc(), INT_MIN, 5, nullptr);
  EXPECT_EQ(LineTo(canvas.Dc(), INT_MAX, 5), TRUE);
  EXPECT_EQ(GetPixel(canvas.Dc(), 3, 5), 0u);
}

TEST(Shapes, DrawingHonoursTheClipRegion) {
  TestCanvas canvas(8, 8);
  const HRGN clip = CreateEllipticRgn(0, 0, 8, 8);
  EXPECT_EQ(SelectClipRgn(canvas.Dc(), clip), COMPLEXREGION);
  canvas.FillOnly();
  Rectangle(canvas.Dc(), 0, 0, 8, 8);
  SelectClipRgn(canvas.Dc(), 0);
  EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(canvas.Dc(), 4, 4), 0u);
  TestCanvas ellipse(8, 8);
  ellipse.FillOnly();
  Ellipse(ellipse.Dc(), 0, 0, 8, 8);
  EXPECT_EQ(canvas.Picture(), ellipse.Picture());
  DeleteObject(clip);
}

TEST(Shapes, EveryCallFailsOnABadDc) {
  const HDC stale = CreateCompatibleDC(0);
  DeleteDC(stale);
  const POINT points[4] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}};
  const RECT rect{0, 0, 2, 2};
  const HBRUSH brush = GetStockObject(BLACK_BRUSH);
  for (HDC dc : {HDC{0}, stale, HDC{brush}}) {
    EXPECT_EQ(Rectangle(dc, 0, 0, 2, 2), FALSE);
    EXPECT_EQ(Ellipse(dc, 0, 0, 2, 2), FALSE);
    EXPECT_EQ(RoundRect(dc, 0, 0, 2, 2, 1, 1), FALSE);
    EXPECT_EQ(Arc(dc, 0, 0, 2, 2, 0, 0, 1, 1), FALSE);
    EXPECT_EQ(Chord(dc, 0, 0, 2, 2, 0, 0, 1, 1), FALSE);
    EXPECT_EQ(Pie(dc, 0, 0, 2, 2, 0, 0, 1, 1), FALSE);
    EXPECT_EQ(LineTo(dc, 1, 1), FALSE);
    EXPECT_EQ(PolyBezier(dc, points, 4), FALSE);
    EXPECT_EQ(Polyline(dc, points, 4), FALSE);
    EXPECT_EQ(Polygon(dc, points, 4), FALSE);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixelV(dc, 0, 0, 0), FALSE);
    EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
    EXPECT_EQ(InvertRect(dc, &rect), FALSE);
    EXPECT_EQ(FillRect(dc, &rect, brush), 0);
    EXPECT_EQ(FrameRect(dc, &rect, brush), 0);
  }
}

TEST(Shapes, InsideFramePensKeepCurvesInTheirBox) {
  TestCanvas canvas(24, 20);
  const HPEN pen = CreatePen(PS_INSIDEFRAME, 4, 0);
  SelectObject(canvas.Dc(), pen);
  EXPECT_EQ(Ellipse(canvas.Dc(), 2, 3, 22, 17), TRUE);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 24; ++x) {
      if (x >= 2 && x < 22 && y >= 3 && y < 17) continue;
      ASSERT_EQ(GetPixel(canvas.Dc(), x, y), RGB(255, 255, 255)) << x << "," << y;
    }
  }
  EXPECT_EQ(GetPixel(canvas.Dc(), 12, 3), 0u);  // touches the top
  EXPECT_EQ(GetPixel(canvas.Dc(), 12, 6), 0u);  // four pixels deep
  EXPECT_EQ(GetPixel(canvas.Dc(), 12, 7), RGB(255, 255, 255));
  SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST(Brushes, SolidFillsMatchTheGeneralPath) {
  // A one-colour pattern takes the per-pixel path; a solid brush the row copies.
  TestCanvas tile(1, 1);
  SetPixelV(tile.Dc(), 0, 0, RGB(12, 34, 56));
  const HBRUSH pattern = CreatePatternBrush(tile.Bitmap());
  const HBRUSH solid = CreateSolidBrush(RGB(12, 34, 56));
  const HRGN clip = CreateEllipticRgn(3, 2, 37, 29);
  TestCanvas slow(40, 30);
  TestCanvas fast(40, 30);
  for (TestCanvas* canvas : {&slow, &fast}) {
    SelectClipRgn(canvas->Dc(), clip);
    SelectObject(canvas->Dc(), canvas == &slow ? pattern : solid);
    RoundRect(canvas->Dc(), 1, 1, 39, 25, 14, 10);
    SelectObject(canvas->Dc(), GetStockObject(WHITE_BRUSH));
  }
  EXPECT_EQ(slow.Picture({{RGB(12, 34, 56), 'o'}}), fast.Picture({{RGB(12, 34, 56), 'o'}}));
  EXPECT_GT(fast.Count(RGB(12, 34, 56)), 0);
  DeleteObject(clip);
  DeleteObject(pattern);
  DeleteObject(solid);
}

}  // namespace
}  // namespace platform
