// Painting regions: FillRgn, FrameRgn, InvertRgn and PaintRgn.

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

// The pixels of the region that lie within `width` columns or `height` rows of its
// edge.
QRegion Border(const QRegion& region, int width, int height) {
  QRegion inner = region;
  for (int step = 1; step <= width && !inner.isEmpty(); ++step) {
    inner &= region.translated(step, 0) & region.translated(-step, 0);
  }
  for (int step = 1; step <= height && !inner.isEmpty(); ++step) {
    inner &= region.translated(0, step) & region.translated(0, -step);
  }
  return region - inner;
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
