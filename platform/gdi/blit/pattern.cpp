#include "platform/gdi/blit/pattern_p.h"

#include <algorithm>

#include "platform/gdi/paint_p.h"

namespace platform::gdi {
namespace {

int FloorMod(int value, int modulus) {
  const int remainder = value % modulus;
  return remainder < 0 ? remainder + modulus : remainder;
}

// The smallest tile that repeats the fill: one pixel, the 8 x 8 hatch cell, or the
// pattern bitmap.
QSize TileSize(const gdi::Fill& fill) {
  switch (fill.kind) {
    case gdi::Fill::Kind::Hatch: return {8, 8};
    case gdi::Fill::Kind::Pattern: return fill.pattern.size();
    default: return {1, 1};
  }
}

}  // namespace

std::optional<BrushPattern> BrushPattern::Of(const DeviceContext& dc) {
  auto fill = ResolveBrush(dc, dc.brush);
  if (!fill || fill->kind == gdi::Fill::Kind::None) return std::nullopt;
  fill->background = PixelOf(dc.bkColor);
  const QSize size = TileSize(*fill);
  if (size.isEmpty()) return std::nullopt;
  // The tile sits at the device origin, so painting it with the shape painter gives
  // the brush's pixels exactly as the shape calls lay them out.
  Canvas tile{nullptr, PixelSurface::Create(size.width(), size.height()), QRegion(QRect(QPoint(0, 0), size))};
  if (!tile.surface->Valid()) return std::nullopt;
  PaintArea(tile, tile.clip, *fill);
  return BrushPattern(std::move(tile.surface->image));
}

void BrushPattern::Fill(int x, int y, std::span<std::uint32_t> out) const {
  const int width = tile_.width();
  const auto* row = reinterpret_cast<const std::uint32_t*>(tile_.constScanLine(FloorMod(y, tile_.height())));
  if (width == 1) {
    std::fill(out.begin(), out.end(), row[0]);
    return;
  }
  int column = FloorMod(x, width);
  std::size_t done = 0;
  while (done < out.size()) {
    const std::size_t run = std::min<std::size_t>(out.size() - done, width - column);
    std::copy_n(row + column, run, out.data() + done);
    done += run;
    column = 0;
  }
}

}  // namespace platform::gdi
