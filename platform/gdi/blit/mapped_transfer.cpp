#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/gdi/blit/transfer_p.h"

namespace platform::gdi {
namespace {

bool SameSurface(const PixelSurface& a, const PixelSurface& b) {
  return &a == &b || a.image.constBits() == b.image.constBits();
}

// A HALFTONE stretch that can be done by Qt's smooth scaling: the whole source
// rectangle lies inside the source and the whole destination inside the destination
// (which also bounds the memory the scaled copy takes).
bool CanSmooth(const MappedTransfer::Request& r, const DrawingTarget& destination,
               const DrawingTarget& source) {
  if (destination.dc->stretchMode != HALFTONE) return false;
  const std::int64_t dw = r.width, dh = r.height, sw = r.sourceWidth, sh = r.sourceHeight;
  if (std::abs(dw) == std::abs(sw) && std::abs(dh) == std::abs(sh)) return false;
  const auto inside = [](std::int64_t origin, std::int64_t extent, int size) {
    const std::int64_t start = extent < 0 ? origin + extent : origin;
    return extent != 0 && start >= 0 && start + std::abs(extent) <= size;
  };
  return inside(r.x, dw, destination.surface->Width()) &&
         inside(r.y, dh, destination.surface->Height()) &&
         inside(r.sourceX, sw, source.surface->Width()) &&
         inside(r.sourceY, sh, source.surface->Height());
}

// The source rectangle scaled smoothly to the destination size and mirrored as the
// signs ask, as a top-down image.
QImage SmoothlyScaled(const MappedTransfer::Request& r, const PixelSurface& source) {
  const int left = r.sourceWidth < 0 ? r.sourceX + r.sourceWidth : r.sourceX;
  const int top = r.sourceHeight < 0 ? r.sourceY + r.sourceHeight : r.sourceY;
  const int width = std::abs(r.sourceWidth);
  const int height = std::abs(r.sourceHeight);
  const int memoryTop = source.BottomUp() ? source.Height() - top - height : top;
  QImage part = source.image.copy(left, memoryTop, width, height);
  if (source.BottomUp()) part = part.mirrored(false, true);
  part = part.scaled(std::abs(r.width), std::abs(r.height), Qt::IgnoreAspectRatio,
                     Qt::SmoothTransformation);
  return part.mirrored((r.width < 0) != (r.sourceWidth < 0), (r.height < 0) != (r.sourceHeight < 0))
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

std::optional<DrawingTarget> DrawingTarget::Of(HDC handle) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || !dc->target || !dc->target->Valid()) return std::nullopt;
  auto surface = dc->target;
  return DrawingTarget{std::move(dc), std::move(surface)};
}

QRect DrawingTarget::Between(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                             std::int64_t y1) const {
  const auto clamp = [](std::int64_t a, std::int64_t b, int size) {
    const auto start = std::clamp<std::int64_t>(std::min(a, b), 0, size);
    const auto end = std::clamp<std::int64_t>(std::max(a, b), 0, size);
    return std::pair<int, int>(static_cast<int>(start), static_cast<int>(end));
  };
  const auto [left, right] = clamp(x0, x1, surface->Width());
  const auto [top, bottom] = clamp(y0, y1, surface->Height());
  return QRect(left, top, right - left, bottom - top);
}

SourceRows SourceRows::Of(const PixelSurface& surface, int first, int last, bool copy) {
  SourceRows rows;
  const QImage& image = surface.image;
  const std::ptrdiff_t stride = image.bytesPerLine();
  rows.top_ = first;
  if (copy) {
    const int count = last - first + 1;
    const int memoryTop = surface.BottomUp() ? surface.Height() - 1 - last : first;
    rows.owned_ = image.copy(0, memoryTop, image.width(), count);
    const int firstMemoryRow = surface.BottomUp() ? count - 1 : 0;
    rows.first_ = std::as_const(rows.owned_).constScanLine(firstMemoryRow);
  } else {
    rows.first_ = image.constScanLine(surface.BottomUp() ? surface.Height() - 1 - first : first);
  }
  rows.stride_ = surface.BottomUp() ? -stride : stride;
  return rows;
}

SourceRows SourceRows::Of(QImage image) {
  SourceRows rows;
  rows.owned_ = std::move(image);
  rows.first_ = rows.owned_.constScanLine(0);
  rows.stride_ = rows.owned_.bytesPerLine();
  return rows;
}

std::optional<MappedTransfer> MappedTransfer::Prepare(const Request& r, Smoothing smoothing) {
  auto destination = DrawingTarget::Of(r.destination);
  auto source = DrawingTarget::Of(r.source);
  if (!destination || !source) return std::nullopt;
  MappedTransfer transfer(std::move(*destination), std::move(*source));
  const DrawingTarget& to = transfer.destination_;
  const DrawingTarget& from = transfer.source_;

  if (smoothing == Smoothing::FollowStretchMode && CanSmooth(r, to, from)) {
    QImage scaled = SmoothlyScaled(r, *from.surface);
    const int left = r.width < 0 ? r.x + r.width : r.x;
    const int top = r.height < 0 ? r.y + r.height : r.y;
    transfer.columns_ = AxisMap::Build({left, scaled.width()}, {0, scaled.width()}, to.Columns(),
                                       {0, scaled.width()});
    transfer.rows_ = AxisMap::Build({top, scaled.height()}, {0, scaled.height()}, to.Rows(),
                                    {0, scaled.height()});
    transfer.pixels_ = SourceRows::Of(std::move(scaled));
    return transfer;
  }

  transfer.columns_ = AxisMap::Build({r.x, r.width}, {r.sourceX, r.sourceWidth}, to.Columns(),
                                     from.Columns());
  transfer.rows_ = AxisMap::Build({r.y, r.height}, {r.sourceY, r.sourceHeight}, to.Rows(),
                                  from.Rows());
  if (transfer.Area().isEmpty()) return transfer;
  // A source that is also the destination is read from a copy of the rows it
  // supplies, so that no pixel is read after the transfer overwrote it.
  const bool copy = SameSurface(*to.surface, *from.surface);
  transfer.pixels_ =
      SourceRows::Of(*from.surface, transfer.rows_.SourceMin(), transfer.rows_.SourceMax(), copy);
  return transfer;
}

QRect MappedTransfer::Area() const {
  if (columns_.Empty() || rows_.Empty()) return {};
  return QRect(QPoint(columns_.First(), rows_.First()), QPoint(columns_.Last() - 1, rows_.Last() - 1));
}

const std::uint32_t* MappedTransfer::Sample(int x, int y, int count) {
  const std::uint32_t* row = pixels_->Row(rows_.SourceOf(y));
  if (columns_.Straight()) return row + columns_.SourceOf(x);
  scratch_.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) scratch_[i] = row[columns_.SourceOf(x + i)];
  return scratch_.data();
}

}  // namespace platform::gdi
