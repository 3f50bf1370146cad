// Path brackets: recording, closing, filling, stroking and regions of paths.

#include "platform/gdi/path.h"

#include <gtest/gtest.h>

#include "platform/gdi/region.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace platform {
namespace {

using varnimo::testing::TestCanvas;

constexpr COLORREF kGrey = RGB(128, 128, 128);

TEST(Paths, ShapesInsideTheBracketRecordInsteadOfDrawing) {
  TestCanvas canvas(12, 12);
  const HDC dc = canvas.Dc();
  EXPECT_EQ(BeginPath(dc), TRUE);
  const POINT triangle[] = {{1, 1}, {10, 1}, {1, 10}};
  EXPECT_EQ(Rectangle(dc, 0, 0, 4, 4), TRUE);
  EXPECT_EQ(Ellipse(dc, 2, 2, 10, 10), TRUE);
  EXPECT_EQ(Polygon(dc, triangle, 3), TRUE);
  EXPECT_EQ(Arc(dc, 0, 0, 12, 12, 12, 6, 6, 0), TRUE);
  MoveToEx(dc, 0, 11, nullptr);
  EXPECT_EQ(LineTo(dc, 11, 11), TRUE);
  EXPECT_EQ(EndPath(dc), TRUE);
  EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 144);
  EXPECT_EQ(AbortPath(dc), TRUE);
  EXPECT_EQ(FillPath(dc), FALSE);  // aborted: nothing to fill
}

TEST(Paths, FillPathFillsWhatTheNullPenShapeFillsAndConsumesThePath) {
  TestCanvas path(14, 12);
  SelectObject(path.Dc(), GetStockObject(BLACK_BRUSH));
  BeginPath(path.Dc());
  Rectangle(path.Dc(), 1, 1, 6, 5);
  Ellipse(path.Dc(), 5, 3, 13, 11);
  EndPath(path.Dc());
  SetPolyFillMode(path.Dc(), WINDING);
  EXPECT_EQ(FillPath(path.Dc()), TRUE);
  EXPECT_EQ(FillPath(path.Dc()), FALSE);  // consumed

  TestCanvas shapes(14, 12);
  shapes.FillOnly();
  Rectangle(shapes.Dc(), 1, 1, 6, 5);
  Ellipse(shapes.Dc(), 5, 3, 13, 11);
  EXPECT_EQ(path.Picture(), shapes.Picture());
}

TEST(Paths, FillingNeedsAClosedBracket) {
  TestCanvas canvas(8, 8);
  const HDC dc = canvas.Dc();
  EXPECT_EQ(FillPath(dc), FALSE);
  EXPECT_EQ(EndPath(dc), FALSE);
  EXPECT_EQ(CloseFigure(dc), FALSE);
  BeginPath(dc);
  EXPECT_EQ(CloseFigure(dc), FALSE);  // no figure yet
  Rectangle(dc, 0, 0, 4, 4);
  EXPECT_EQ(FillPath(dc), FALSE);  // still recording
  EXPECT_EQ(StrokePath(dc), FALSE);
  EXPECT_EQ(PathToRegion(dc), 0u);
  EXPECT_EQ(EndPath(dc), TRUE);
  EXPECT_EQ(EndPath(dc), FALSE);
  EXPECT_EQ(FillPath(dc), TRUE);
  for (HDC bad : {HDC{0}, HDC{GetStockObject(BLACK_PEN)}}) {
    EXPECT_EQ(BeginPath(bad), FALSE);
    EXPECT_EQ(EndPath(bad), FALSE);
    EXPECT_EQ(AbortPath(bad), FALSE);
    EXPECT_EQ(CloseFigure(bad), FALSE);
    EXPECT_EQ(FillPath(bad), FALSE);
    EXPECT_EQ(StrokePath(bad), FALSE);
    EXPECT_EQ(StrokeAndFillPath(bad), FALSE);
    EXPECT_EQ(PathToRegion(bad), 0u);
  }
}

TEST(Paths, StrokePathDrawsTheLinesAndCloseFigureClosesThem) {
  for (bool close : {false, true}) {
    TestCanvas canvas(10, 10);
    const HDC dc = canvas.Dc();
    BeginPath(dc);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 8, 1);
    LineTo(dc, 8, 8);
    if (close) {
      EXPECT_EQ(CloseFigure(dc), TRUE);
    }
    EndPath(dc);
    EXPECT_EQ(StrokePath(dc), TRUE);
    EXPECT_EQ(GetPixel(dc, 1, 1), 0u);
    EXPECT_EQ(GetPixel(dc, 8, 4), 0u);
    EXPECT_EQ(GetPixel(dc, 4, 4), close ? 0u : RGB(255, 255, 255))
        << close;  // the closing diagonal
  }
}

TEST(Paths, StrokeAndFillPaintsBoth) {
  TestCanvas canvas(10, 10);
  const HDC dc = canvas.Dc();
  SelectObject(dc, CreateSolidBrush(kGrey));
  BeginPath(dc);
  const POINT square[] = {{1, 1}, {8, 1}, {8, 8}, {1, 8}};
  Polygon(dc, square, 4);
  EndPath(dc);
  EXPECT_EQ(StrokeAndFillPath(dc), TRUE);
  EXPECT_EQ(GetPixel(dc, 1, 1), 0u);
  EXPECT_EQ(GetPixel(dc, 8, 8), 0u);
  EXPECT_EQ(GetPixel(dc, 4, 4), kGrey);
  DeleteObject(SelectObject(dc, GetStockObject(WHITE_BRUSH)));
}

TEST(Paths, PathToRegionMakesTheFilledPixels) {
  TestCanvas canvas(4, 4);  // the region is not limited to the DC's pixels
  const HDC dc = canvas.Dc();
  BeginPath(dc);
  Rectangle(dc, 10, 20, 30, 25);
  EndPath(dc);
  const HRGN region = PathToRegion(dc);
  ASSERT_NE(region, 0u);
  const HRGN expected = CreateRectRgn(10, 20, 30, 25);
  EXPECT_EQ(EqualRgn(region, expected), TRUE);
  EXPECT_EQ(FillPath(dc), FALSE);  // consumed
  DeleteObject(region);
  DeleteObject(expected);
}

TEST(Paths, BeginPathStartsAfresh) {
  TestCanvas canvas(8, 8);
  const HDC dc = canvas.Dc();
  BeginPath(dc);
  Rectangle(dc, 0, 0, 8, 8);
  BeginPath(dc);
  Rectangle(dc, 0, 0, 2, 2);
  EndPath(dc);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  FillPath(dc);
  EXPECT_EQ(canvas.Count(0), 4);
}

}  // namespace
}  // namespace platform
