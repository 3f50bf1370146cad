// Painting regions: FillRgn, FrameRgn, InvertRgn and PaintRgn.

#include <algorithm>

#include "platform/gdi/paint_p.h"
#include "platform/gdi/region.h"

namespace platform {
namespace {

using namespace gdi;

struct RegionCall {
  Canvas canvas;
  QRegion region;
};

std::optional<RegionCall> Open(HDC dc, HRGN handle) {
  auto canvas = OpenCanvas(dc);
  auto region = Regions().Find(handle);
  if (!canvas || !region) return std::nullopt;
  return RegionCall{*canvas, region->region};
}

BOOL Paint(HDC dc, HRGN region, HBRUSH brush) {
  auto call = Open(dc, region);
  if (!call) return FALSE;
  const auto fill = ResolveBrush(*call->canvas.dc, brush);
  if (!fill) return FALSE;
  PaintArea(call->canvas, call->region, *fill);
  return TRUE;
}

// The pixels of the region whose neighbours up to `reach` pixels away along the axis
// `unit` all lie in the region. The reach covered grows about threefold per step
// (pixels good for c, shifted by up to 2c + 1 both ways, are good for c + shift), so
// a wide frame costs a handful of region operations, not one per pixel of width.
QRegion ErodedAlong(const QRegion& region, int reach, QPoint unit) {
  QRegion inner = region;
  int covered = 0;
  while (covered < reach && !inner.isEmpty()) {
    const int shift = std::min(2 * covered + 1, reach - covered);
    inner &= inner.translated(unit * shift) & inner.translated(unit * -shift);
    covered += shift;
  }
  return inner;
}

// The pixels of the region that lie within `width` columns or `height` rows of its
// edge.
QRegion Border(const QRegion& region, int width, int height) {
  return region - (ErodedAlong(region, width, QPoint(1, 0)) &
                   ErodedAlong(region, height, QPoint(0, 1)));
}

}  // namespace

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) { return Paint(dc, region, brush); }

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxPenWidth || height > kMaxPenWidth) return FALSE;
  auto call = Open(dc, region);
  if (!call) return FALSE;
  const auto fill = ResolveBrush(*call->canvas.dc, brush);
  if (!fill) return FALSE;
  PaintArea(call->canvas, Border(call->region, width, height), *fill);
  return TRUE;
}

BOOL InvertRgn(HDC dc, HRGN region) {
  auto call = Open(dc, region);
  if (!call) return FALSE;
  InvertArea(call->canvas, call->region);
  return TRUE;
}

BOOL PaintRgn(HDC dc, HRGN region) {
  auto canvas = DeviceContexts().Find(dc);
  if (!canvas) return FALSE;
  return Paint(dc, region, canvas->brush);
}

}  // namespace platform
