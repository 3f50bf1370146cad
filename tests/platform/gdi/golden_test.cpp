// Pictures of the shapes with every kind of pen and brush, against reference PNGs.

#include "tests/support/golden.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/gdi/path.h"
#include "platform/gdi/region.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace platform {
namespace {

using varnimo::testing::MatchesGolden;
using varnimo::testing::Selected;
using varnimo::testing::TestCanvas;

QImage PictureOf(HDC dc, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      picture.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
  }
  return picture;
}

TEST(Golden, ShapesWithPensAndBrushes) {
  constexpr int kWidth = 160;
  constexpr int kHeight = 100;
  TestCanvas canvas(kWidth, kHeight);
  const HDC dc = canvas.Dc();
  {
    Selected pen(dc, CreatePen(PS_SOLID, 1, RGB(0, 0, 160)));
    Selected brush(dc, CreateSolidBrush(RGB(255, 220, 120)));
    Ellipse(dc, 4, 4, 44, 34);
    RoundRect(dc, 50, 4, 100, 34, 16, 12);
  }
  {
    Selected pen(dc, CreatePen(PS_SOLID, 5, RGB(200, 0, 0)));
    Selected brush(dc, CreateHatchBrush(HS_DIAGCROSS, RGB(0, 128, 0)));
    SetBkColor(dc, RGB(230, 230, 255));
    Pie(dc, 106, 4, 156, 54, 156, 29, 131, 4);
  }
  {
    Selected pen(dc, CreatePen(PS_INSIDEFRAME, 4, RGB(0, 0, 0)));
    Selected brush(dc, CreateHatchBrush(HS_HORIZONTAL, RGB(90, 0, 90)));
    SetBkMode(dc, TRANSPARENT);
    Chord(dc, 4, 40, 54, 90, 4, 40, 54, 90);
  }
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(255, 255, 0));
  for (int style = PS_SOLID; style <= PS_DASHDOTDOT; ++style) {
    Selected pen(dc, CreatePen(style, 1, RGB(0, 0, 0)));
    MoveToEx(dc, 60, 42 + style * 5, nullptr);
    LineTo(dc, 150, 60 + style * 5);
  }
  {
    Selected pen(dc, CreatePen(PS_DOT, 0, RGB(0, 0, 200)));
    Selected brush(dc, GetStockObject(NULL_BRUSH));
    SetArcDirection(dc, AD_CLOCKWISE);
    Arc(dc, 60, 70, 100, 98, 60, 84, 100, 84);
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
  }
  {
    Selected pen(dc, CreatePen(PS_SOLID, 3, RGB(0, 100, 200)));
    const POINT curve[] = {{104, 96}, {114, 60}, {140, 100}, {156, 70}};
    PolyBezier(dc, curve, 4);
  }
  EXPECT_TRUE(MatchesGolden(PictureOf(dc, kWidth, kHeight), "gdi/shapes"));
}

TEST(Golden, PolygonsRegionsAndPaths) {
  constexpr int kWidth = 120;
  constexpr int kHeight = 60;
  TestCanvas canvas(kWidth, kHeight);
  const HDC dc = canvas.Dc();
  const POINT star[] = {{28, 2}, {44, 54}, {2, 20}, {54, 20}, {12, 54}};
  {
    Selected brush(dc, CreateSolidBrush(RGB(250, 150, 150)));
    SetPolyFillMode(dc, WINDING);
    Polygon(dc, star, 5);
  }
  const HRGN ring = CreateEllipticRgn(60, 2, 116, 58);
  const HRGN hole = CreateRoundRectRgn(74, 16, 102, 44, 10, 10);
  CombineRgn(ring, ring, hole, RGN_DIFF);
  const HBRUSH green = CreateSolidBrush(RGB(40, 160, 80));
  FillRgn(dc, ring, green);
  FrameRgn(dc, ring, GetStockObject(BLACK_BRUSH), 2, 1);
  DeleteObject(green);
  DeleteObject(hole);
  DeleteObject(ring);
  BeginPath(dc);
  MoveToEx(dc, 80, 20, nullptr);
  LineTo(dc, 96, 30);
  LineTo(dc, 80, 40);
  CloseFigure(dc);
  EndPath(dc);
  {
    Selected brush(dc, CreateSolidBrush(RGB(60, 60, 220)));
    StrokeAndFillPath(dc);
  }
  EXPECT_TRUE(MatchesGolden(PictureOf(dc, kWidth, kHeight), "gdi/polygons_regions_paths"));
}

}  // namespace
}  // namespace platform
