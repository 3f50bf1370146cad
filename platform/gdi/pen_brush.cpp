// Creating pens and brushes.

#include "platform/gdi/pen_brush.h"

#include <cstring>

#include "platform/gdi/objects_p.h"
#include "platform/gdi/paint_p.h"

namespace platform {
namespace {

using namespace gdi;

HBRUSH InsertBrush(LOGBRUSH logBrush, QImage pattern = {}) {
  auto brush = std::make_shared<BrushObject>();
  brush->logBrush = logBrush;
  brush->pattern = std::move(pattern);
  return Brushes().Insert(std::move(brush));
}

// A top-down copy of a bitmap's picture, whatever its memory row order.
QImage CopyPicture(PixelSurface& surface) {
  QImage copy(surface.Width(), surface.Height(), QImage::Format_RGB32);
  if (copy.isNull()) return copy;
  const auto rowBytes = static_cast<std::size_t>(surface.Width()) * 4;
  for (int y = 0; y < surface.Height(); ++y)
    std::memcpy(copy.scanLine(y), surface.Row(y), rowBytes);
  return copy;
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF colour) {
  if (style < PS_SOLID || style > PS_INSIDEFRAME || width < 0 || width > kMaxPenWidth) return 0;
  auto pen = std::make_shared<PenObject>();
  pen->logPen = LOGPEN{static_cast<UINT>(style), POINT{width, 0}, colour};
  return Pens().Insert(std::move(pen));
}

HPEN CreatePenIndirect(const LOGPEN* logPen) {
  if (logPen == nullptr) return 0;
  return CreatePen(static_cast<int>(logPen->lopnStyle), logPen->lopnWidth.x, logPen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF colour) { return InsertBrush(LOGBRUSH{BS_SOLID, colour, 0}); }

HBRUSH CreateHatchBrush(int hatch, COLORREF colour) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return 0;
  return InsertBrush(LOGBRUSH{BS_HATCHED, colour, static_cast<ULONG_PTR>(hatch)});
}

HBRUSH CreatePatternBrush(HBITMAP handle) {
  auto bitmap = Bitmaps().Find(handle);
  if (!bitmap || !bitmap->surface || !bitmap->surface->Valid()) return 0;
  QImage pattern = CopyPicture(*bitmap->surface);
  if (pattern.isNull()) return 0;
  return InsertBrush(LOGBRUSH{BS_PATTERN, 0, handle}, std::move(pattern));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush) {
  if (logBrush == nullptr) return 0;
  switch (logBrush->lbStyle) {
    case BS_SOLID:
      return CreateSolidBrush(logBrush->lbColor);
    case BS_NULL:
      return InsertBrush(LOGBRUSH{BS_NULL, 0, 0});
    case BS_HATCHED:
      if (logBrush->lbHatch > static_cast<ULONG_PTR>(HS_DIAGCROSS)) return 0;
      return CreateHatchBrush(static_cast<int>(logBrush->lbHatch), logBrush->lbColor);
    case BS_PATTERN:
      if (logBrush->lbHatch > 0xFFFFFFFFu) return 0;
      return CreatePatternBrush(static_cast<HBITMAP>(logBrush->lbHatch));
    default:
      return 0;
  }
}

}  // namespace platform
