// Resolving a DC's pen and brush for one call, and painting areas of pixels.

#include <algorithm>
#include <cstring>

#include "platform/gdi/paint_p.h"

namespace platform::gdi {
namespace {

// Hatch lines on an 8 x 8 grid anchored at the device origin.
bool HatchCovers(int hatch, int x, int y) {
  const int column = x & 7;
  const int row = y & 7;
  const bool horizontal = row == 0;
  const bool vertical = column == 0;
  const bool forward = ((column - row) & 7) == 0;   // top left to bottom right
  const bool backward = ((column + row) & 7) == 7;  // bottom left to top right
  switch (hatch) {
    case HS_HORIZONTAL:
      return horizontal;
    case HS_VERTICAL:
      return vertical;
    case HS_FDIAGONAL:
      return forward;
    case HS_BDIAGONAL:
      return backward;
    case HS_CROSS:
      return horizontal || vertical;
    default:
      return forward || backward;
  }
}

int Wrap(int value, int period) {
  const int remainder = value % period;
  return remainder < 0 ? remainder + period : remainder;
}

void PaintSpan(std::uint32_t* row, int x0, int x1, int y, const Fill& fill) {
  switch (fill.kind) {
    case Fill::Kind::None:
      return;
    case Fill::Kind::Solid:
      std::fill(row + x0, row + x1, fill.colour);
      return;
    case Fill::Kind::Hatch:
      for (int x = x0; x < x1; ++x) {
        if (HatchCovers(fill.hatch, x, y)) {
          row[x] = fill.colour;
        } else if (fill.background) {
          row[x] = *fill.background;
        }
      }
      return;
    case Fill::Kind::Pattern: {
      const auto* source = reinterpret_cast<const std::uint32_t*>(
          fill.pattern.constScanLine(Wrap(y, fill.pattern.height())));
      const int width = fill.pattern.width();
      for (int x = x0; x < x1; ++x) row[x] = source[Wrap(x, width)] | 0xFF000000u;
      return;
    }
  }
}

// Calls visit(row, x0, x1, y) for every span of the area inside the canvas's clip,
// then reports the changed bounds.
template <typename Visit>
void VisitArea(Canvas& canvas, const QRegion& area, Visit visit) {
  const QRegion painted = area & canvas.clip;
  if (painted.isEmpty()) return;
  for (const QRect& rect : painted) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      visit(canvas.surface->Row(y), rect.left(), rect.right() + 1, y);
    }
  }
  canvas.surface->Changed(painted.boundingRect());
}

// Cosmetic styles, in pixels: on, off, on, off ...
std::vector<int> DashesOf(UINT style) {
  switch (style) {
    case PS_DASH:
      return {18, 6};
    case PS_DOT:
      return {3, 3};
    case PS_DASHDOT:
      return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
      return {9, 3, 3, 3, 3, 3};
    default:
      return {};
  }
}

// A solid colour fills the first row of each rectangle and copies it to the others:
// the library's memcpy moves a row faster than a fill loop writes it.
void PaintSolid(Canvas& canvas, const QRegion& area, std::uint32_t colour) {
  const QRegion painted = area & canvas.clip;
  if (painted.isEmpty()) return;
  for (const QRect& rect : painted) {
    const std::uint32_t* first = canvas.surface->Row(rect.top()) + rect.left();
    std::fill_n(canvas.surface->Row(rect.top()) + rect.left(), rect.width(), colour);
    const auto bytes = static_cast<std::size_t>(rect.width()) * sizeof(std::uint32_t);
    for (int y = rect.top() + 1; y <= rect.bottom(); ++y) {
      std::memcpy(canvas.surface->Row(y) + rect.left(), first, bytes);
    }
  }
  canvas.surface->Changed(painted.boundingRect());
}

}  // namespace

std::optional<Canvas> OpenCanvas(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || !dc->target || !dc->target->Valid()) return std::nullopt;
  Canvas canvas{dc, dc->target, EffectiveClip(*dc)};
  return canvas;
}

Fill SolidFill(std::uint32_t pixel) {
  Fill fill;
  fill.kind = Fill::Kind::Solid;
  fill.colour = pixel;
  return fill;
}

std::optional<Fill> ResolveBrush(const DeviceContext& dc, HBRUSH handle) {
  auto brush = Brushes().Find(handle);
  if (!brush) return std::nullopt;
  const LOGBRUSH& logBrush = brush->logBrush;
  Fill fill;
  switch (logBrush.lbStyle) {
    case BS_SOLID:
      return SolidFill(PixelOf(logBrush.lbColor));
    case BS_HATCHED:
      fill.kind = Fill::Kind::Hatch;
      fill.colour = PixelOf(logBrush.lbColor);
      fill.hatch = static_cast<int>(logBrush.lbHatch);
      if (dc.bkMode == OPAQUE) fill.background = PixelOf(dc.bkColor);
      return fill;
    case BS_PATTERN:
      fill.kind = Fill::Kind::Pattern;
      fill.pattern = brush->pattern;
      return fill;
    default:
      return fill;
  }
}

std::optional<Outline> ResolvePen(const DeviceContext& dc) {
  auto pen = Pens().Find(dc.pen);
  if (!pen || pen->logPen.lopnStyle == static_cast<UINT>(PS_NULL)) return std::nullopt;
  Outline outline;
  outline.width = std::max<int>(1, pen->logPen.lopnWidth.x);
  outline.colour = PixelOf(pen->logPen.lopnColor);
  outline.insideFrame = pen->logPen.lopnStyle == static_cast<UINT>(PS_INSIDEFRAME);
  // Styles draw one pixel wide only; wider styled pens draw solid.
  if (outline.width == 1) outline.dashes = DashesOf(pen->logPen.lopnStyle);
  if (!outline.dashes.empty() && dc.bkMode == OPAQUE) outline.gapColour = PixelOf(dc.bkColor);
  return outline;
}

void PaintArea(Canvas& canvas, const QRegion& area, const Fill& fill) {
  if (fill.kind == Fill::Kind::None) return;
  if (fill.kind == Fill::Kind::Solid) {
    PaintSolid(canvas, area, fill.colour);
    return;
  }
  if (fill.kind == Fill::Kind::Pattern && fill.pattern.isNull()) return;
  VisitArea(canvas, area, [&fill](std::uint32_t* row, int x0, int x1, int y) {
    PaintSpan(row, x0, x1, y, fill);
  });
}

void InvertArea(Canvas& canvas, const QRegion& area) {
  VisitArea(canvas, area, [](std::uint32_t* row, int x0, int x1, int) {
    for (int x = x0; x < x1; ++x) row[x] ^= 0x00FFFFFFu;
  });
}

void PaintOutline(Canvas& canvas, const Outline& pen, const QRegion& solid,
                  const std::optional<QRegion>& dashed) {
  if (!dashed) {
    PaintArea(canvas, solid, SolidFill(pen.colour));
    return;
  }
  const QRegion dashes = *dashed & solid;
  if (pen.gapColour) PaintArea(canvas, solid - dashes, SolidFill(*pen.gapColour));
  PaintArea(canvas, dashes, SolidFill(pen.colour));
}

QRect WorkArea(const Canvas& canvas, int margin) {
  return canvas.clip.boundingRect().adjusted(-margin, -margin, margin, margin);
}

}  // namespace platform::gdi
