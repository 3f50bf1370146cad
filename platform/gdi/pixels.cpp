// Single pixels and rectangles painted without the pen: GetPixel, SetPixel,
// InvertRect, FillRect and FrameRect.

#include "platform/gdi/coverage_p.h"
#include "platform/gdi/paint_p.h"
#include "platform/gdi/shapes.h"

namespace platform {
namespace {

using namespace gdi;

QRegion RectAreaOf(const Canvas& canvas, const RECT& rect) {
  // Unlike the shape calls these take the rectangle as given: an inverted one is
  // empty. The margin keeps a frame's cut at the clip's edge out of sight.
  const Box box{rect.left, rect.top, rect.right, rect.bottom};
  if (box.Empty()) return {};
  return RectArea(box, WorkArea(canvas, 1));
}

}  // namespace

COLORREF GetPixel(HDC handle, int x, int y) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || !canvas->clip.contains(QPoint(x, y))) return CLR_INVALID;
  return ColourOf(canvas->surface->Row(y)[x]);
}

BOOL SetPixelV(HDC handle, int x, int y, COLORREF colour) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || !canvas->clip.contains(QPoint(x, y))) return FALSE;
  canvas->surface->Row(y)[x] = PixelOf(colour);
  canvas->surface->Changed(QRect(x, y, 1, 1));
  return TRUE;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
  // Pixels hold 8 bits per channel, so the colour set is the colour asked for.
  return SetPixelV(dc, x, y, colour) ? colour & 0x00FFFFFFu : CLR_INVALID;
}

BOOL InvertRect(HDC handle, const RECT* rect) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || rect == nullptr) return FALSE;
  InvertArea(*canvas, RectAreaOf(*canvas, *rect));
  return TRUE;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || rect == nullptr) return 0;
  const auto fill = ResolveBrush(*canvas->dc, brush);
  if (!fill) return 0;
  PaintArea(*canvas, RectAreaOf(*canvas, *rect), *fill);
  return 1;
}

int FrameRect(HDC handle, const RECT* rect, HBRUSH brush) {
  auto canvas = OpenCanvas(handle);
  if (!canvas || rect == nullptr) return 0;
  const auto fill = ResolveBrush(*canvas->dc, brush);
  if (!fill) return 0;
  const QRegion area = RectAreaOf(*canvas, *rect);
  PaintArea(*canvas, Ring(area, 1), *fill);
  return 1;
}

}  // namespace platform
