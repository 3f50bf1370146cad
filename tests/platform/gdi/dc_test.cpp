// Device contexts, selection, deletion, stock objects and object queries.

#include "platform/gdi/dc.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/objects_p.h"
#include "platform/gdi/region.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace platform {
namespace {

using varnimo::testing::TestCanvas;

TEST(DeviceContext, NewMemoryDcHasTheStockObjectsAndAOnePixelBitmap) {
  const HDC dc = CreateCompatibleDC(0);
  ASSERT_NE(dc, 0u);
  EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  BITMAP bitmap{};
  ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap),
            static_cast<int>(sizeof bitmap));
  EXPECT_EQ(bitmap.bmWidth, 1);
  EXPECT_EQ(bitmap.bmHeight, 1);
  EXPECT_EQ(bitmap.bmBitsPixel, 1);
  // Drawing lands in that one pixel; nothing lies beyond it.
  EXPECT_EQ(SetPixel(dc, 0, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(dc, 1, 0), CLR_INVALID);
  EXPECT_EQ(DeleteDC(dc), TRUE);
  EXPECT_EQ(DeleteDC(dc), FALSE);
  EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(DeviceContext, CompatibleDcNeedsAValidDcOrNone) {
  const HDC dc = CreateCompatibleDC(0);
  const HDC second = CreateCompatibleDC(dc);
  EXPECT_NE(second, 0u);
  DeleteDC(second);
  DeleteDC(dc);
  EXPECT_EQ(CreateCompatibleDC(dc), 0u);
  EXPECT_EQ(CreateCompatibleDC(CreatePen(PS_SOLID, 1, 0)), 0u);
}

TEST(DeviceContext, SelectObjectReturnsThePreviousObjectOfThatKind) {
  TestCanvas canvas(4, 4);
  const HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
  const HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
  EXPECT_EQ(SelectObject(canvas.Dc(), pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(canvas.Dc(), brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(canvas.Dc(), GetStockObject(NULL_PEN)), pen);
  EXPECT_EQ(SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH)), brush);
  EXPECT_EQ(SelectObject(canvas.Dc(), GetStockObject(DEFAULT_GUI_FONT)),
            GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(DeleteObject(pen), TRUE);
  EXPECT_EQ(DeleteObject(brush), TRUE);
}

TEST(DeviceContext, SelectObjectFailsWithZero) {
  TestCanvas canvas(4, 4);
  const HPEN pen = CreatePen(PS_SOLID, 1, 0);
  DeleteObject(pen);
  EXPECT_EQ(SelectObject(canvas.Dc(), 0), 0u);
  EXPECT_EQ(SelectObject(canvas.Dc(), pen), 0u);              // stale
  EXPECT_EQ(SelectObject(canvas.Dc(), canvas.Dc()), 0u);      // a DC is not selectable
  EXPECT_EQ(SelectObject(0, GetStockObject(BLACK_PEN)), 0u);  // no DC
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
}

TEST(DeviceContext, ABitmapIsSelectedIntoOneDcAtATime) {
  TestCanvas canvas(4, 4);
  const HDC other = CreateCompatibleDC(0);
  EXPECT_EQ(SelectObject(other, canvas.Bitmap()), 0u);
  // Selecting it again into its own DC is harmless.
  EXPECT_EQ(SelectObject(canvas.Dc(), canvas.Bitmap()), canvas.Bitmap());
  EXPECT_EQ(DeleteObject(canvas.Bitmap()), FALSE);
  EXPECT_EQ(GetObjectType(canvas.Bitmap()), OBJ_BITMAP);

  // Once another bitmap replaces it, the other DC may have it.
  const HBITMAP spare = CreateCompatibleBitmap(0, 2, 2);
  EXPECT_EQ(SelectObject(canvas.Dc(), spare), canvas.Bitmap());
  const HBITMAP stock = SelectObject(other, canvas.Bitmap());
  EXPECT_NE(stock, 0u);
  SelectObject(other, stock);
  SelectObject(canvas.Dc(), canvas.Bitmap());
  EXPECT_EQ(DeleteObject(spare), TRUE);
  DeleteDC(other);
}

TEST(DeviceContext, WindowDcsTakeNoBitmap) {
  auto pixels = gdi::PixelSurface::Create(8, 8);
  const HDC dc = gdi::CreateWindowDC(0, pixels);
  ASSERT_NE(dc, 0u);
  EXPECT_EQ(GetObjectType(dc), OBJ_DC);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
  EXPECT_EQ(SelectObject(dc, bitmap), 0u);
  // It draws into the window's pixels and tells the window what changed.
  QRect changed;
  pixels->onChanged = [&changed](const QRect& area) { changed |= area; };
  EXPECT_EQ(Rectangle(dc, 1, 2, 4, 6), TRUE);
  EXPECT_EQ(pixels->image.pixel(1, 2), 0xFF000000u);
  EXPECT_EQ(changed, QRect(1, 2, 3, 4));
  DeleteObject(bitmap);
  DeleteDC(dc);
  EXPECT_EQ(gdi::CreateWindowDC(0, nullptr), 0u);
}

TEST(DeviceContext, WindowDcsHonourTheSystemClip) {
  auto pixels = gdi::PixelSurface::Create(8, 8);
  const HDC dc = gdi::CreateWindowDC(0, pixels);
  gdi::DeviceContexts().Find(dc)->systemClip = QRegion(0, 0, 4, 8);
  const HRGN clip = CreateRectRgn(0, 2, 8, 8);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  SelectObject(dc, GetStockObject(NULL_PEN));
  Rectangle(dc, 0, 0, 8, 8);
  // Only where both clips allow: columns 0 to 3, rows 2 to 7.
  EXPECT_EQ(pixels->image.pixel(3, 2), 0xFFFFFFFFu);
  EXPECT_EQ(pixels->image.pixel(4, 2), 0xFF000000u);
  EXPECT_EQ(pixels->image.pixel(3, 1), 0xFF000000u);
  EXPECT_EQ(GetPixel(dc, 4, 4), CLR_INVALID);
  DeleteDC(dc);
}

TEST(DeviceContext, SelectedObjectsSurviveDeleteObjectUntilDeselected) {
  const HDC dc = CreateCompatibleDC(0);
  const HPEN pen = CreatePen(PS_SOLID, 2, RGB(9, 9, 9));
  const HBRUSH brush = CreateHatchBrush(HS_CROSS, 0);
  SelectObject(dc, pen);
  SelectObject(dc, brush);
  EXPECT_EQ(DeleteObject(pen), FALSE);
  EXPECT_EQ(DeleteObject(brush), FALSE);
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
  // DeleteDC lets go of what it had selected.
  DeleteDC(dc);
  EXPECT_EQ(DeleteObject(pen), TRUE);
  EXPECT_EQ(DeleteObject(brush), TRUE);
  EXPECT_EQ(DeleteObject(pen), FALSE);
  EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST(DeviceContext, ADeletedDcFreesItsBitmap) {
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 3, 3);
  SelectObject(dc, bitmap);
  DeleteDC(dc);
  EXPECT_EQ(DeleteObject(bitmap), TRUE);
}

TEST(DeviceContext, AnObjectSelectedIntoTwoDcsStaysUntilBothLetGo) {
  const HDC first = CreateCompatibleDC(0);
  const HDC second = CreateCompatibleDC(0);
  const HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
  SelectObject(first, brush);
  SelectObject(second, brush);
  SelectObject(first, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(DeleteObject(brush), FALSE);
  SelectObject(second, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(DeleteObject(brush), TRUE);
  DeleteDC(first);
  DeleteDC(second);
}

TEST(StockObjects, BrushesAndPensHaveTheirColours) {
  struct Case {
    int index;
    UINT style;
    COLORREF colour;
  };
  const Case brushes[] = {
      {WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255)}, {LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192)},
      {GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128)},  {DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64)},
      {BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0)},       {NULL_BRUSH, BS_NULL, 0}};
  for (const Case& c : brushes) {
    LOGBRUSH logBrush{};
    ASSERT_EQ(GetObjectA(GetStockObject(c.index), sizeof logBrush, &logBrush),
              static_cast<int>(sizeof logBrush))
        << c.index;
    EXPECT_EQ(logBrush.lbStyle, c.style) << c.index;
    EXPECT_EQ(logBrush.lbColor, c.colour) << c.index;
  }
  const Case pens[] = {
      {WHITE_PEN, PS_SOLID, RGB(255, 255, 255)}, {BLACK_PEN, PS_SOLID, 0}, {NULL_PEN, PS_NULL, 0}};
  for (const Case& c : pens) {
    LOGPEN logPen{};
    ASSERT_NE(GetObjectA(GetStockObject(c.index), sizeof logPen, &logPen), 0) << c.index;
    EXPECT_EQ(logPen.lopnStyle, c.style) << c.index;
    EXPECT_EQ(logPen.lopnColor, c.colour) << c.index;
  }
}

TEST(StockObjects, FontsAreLogicalFontsWithoutAFace) {
  for (int index : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT,
                    DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT}) {
    const HGDIOBJ font = GetStockObject(index);
    EXPECT_EQ(GetObjectType(font), OBJ_FONT) << index;
    LOGFONTA logFont{};
    ASSERT_EQ(GetObjectA(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_STREQ(logFont.lfFaceName, "") << index;
    EXPECT_NE(logFont.lfHeight, 0) << index;
  }
}

TEST(StockObjects, SurviveDeleteObjectAndUnknownIndicesHaveNone) {
  const HGDIOBJ brush = GetStockObject(BLACK_BRUSH);
  EXPECT_EQ(DeleteObject(brush), TRUE);
  EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
  EXPECT_EQ(GetStockObject(BLACK_BRUSH), brush);
  for (int index : {-1, 9, 15, DC_BRUSH, DC_PEN, 1000})
    EXPECT_EQ(GetStockObject(index), 0u) << index;
}

TEST(ObjectQueries, GetObjectSizesAndFailures) {
  const HPEN pen = CreatePen(PS_DOT, 0, RGB(1, 2, 3));
  EXPECT_EQ(GetObjectA(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
  LOGPEN logPen{};
  EXPECT_EQ(GetObjectA(pen, sizeof logPen - 1, &logPen), 0);
  ASSERT_EQ(GetObjectA(pen, sizeof logPen, &logPen), static_cast<int>(sizeof logPen));
  EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));
  const HRGN region = CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(GetObjectA(region, 0, nullptr), 0);
  EXPECT_EQ(GetObjectType(region), OBJ_REGION);
  DeleteObject(region);
  DeleteObject(pen);
  EXPECT_EQ(GetObjectA(pen, sizeof logPen, &logPen), 0);
  EXPECT_EQ(GetObjectType(0), 0u);
}

TEST(DcState, SettersReturnThePreviousValueAndRefuseUnknownValues) {
  TestCanvas canvas(1, 1);
  const HDC dc = canvas.Dc();
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(dc, 7), 0);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
  EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(SetTextColor(dc, RGB(4, 5, 6)), 0u);
  EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(SetPolyFillMode(dc, WINDING), ALTERNATE);
  EXPECT_EQ(SetPolyFillMode(dc, 0), 0);
  EXPECT_EQ(GetPolyFillMode(dc), WINDING);
  EXPECT_EQ(SetArcDirection(dc, AD_CLOCKWISE), AD_COUNTERCLOCKWISE);
  EXPECT_EQ(SetArcDirection(dc, 3), 0);
  EXPECT_EQ(GetArcDirection(dc), AD_CLOCKWISE);
  EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), BLACKONWHITE);
  EXPECT_EQ(SetStretchBltMode(dc, 5), 0);
  EXPECT_EQ(GetStretchBltMode(dc), HALFTONE);
  POINT previous{-1, -1};
  EXPECT_EQ(MoveToEx(dc, 5, 6, &previous), TRUE);
  EXPECT_EQ(previous.x, 0);
  EXPECT_EQ(previous.y, 0);
  POINT now{};
  EXPECT_EQ(GetCurrentPositionEx(dc, &now), TRUE);
  EXPECT_EQ(now.x, 5);
  EXPECT_EQ(now.y, 6);
}

TEST(DcState, BadDcsGiveTheFailureValues) {
  const HDC stale = CreateCompatibleDC(0);
  DeleteDC(stale);
  const HGDIOBJ wrongKind = GetStockObject(BLACK_PEN);
  for (HDC dc : {HDC{0}, stale, wrongKind}) {
    EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
    EXPECT_EQ(GetBkMode(dc), 0);
    EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(GetBkColor(dc), CLR_INVALID);
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(GetTextColor(dc), CLR_INVALID);
    EXPECT_EQ(SetPolyFillMode(dc, WINDING), 0);
    EXPECT_EQ(SetArcDirection(dc, AD_CLOCKWISE), 0);
    EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), 0);
    EXPECT_EQ(MoveToEx(dc, 1, 1, nullptr), FALSE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), 0u);
    EXPECT_EQ(SelectClipRgn(dc, 0), RGN_ERROR);
    EXPECT_EQ(DeleteDC(dc), FALSE);
  }
}

}  // namespace
}  // namespace platform
