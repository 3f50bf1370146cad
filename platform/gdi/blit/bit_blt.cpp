// BitBlt, StretchBlt and PatBlt: the ternary raster operations.

#include <optional>
#include <vector>

#include "platform/gdi/blit/pattern_p.h"
#include "platform/gdi/blit/rop3_p.h"
#include "platform/gdi/blit/transfer.h"
#include "platform/gdi/blit/transfer_p.h"

namespace platform {
namespace {

using gdi::ApplyRop;
using gdi::BrushPattern;
using gdi::DrawingTarget;
using gdi::MappedTransfer;

// Supplies the pattern row for each destination run; with the null brush there is
// no pattern and operations that need one draw nothing.
class PatternRows {
 public:
  PatternRows(const DrawingTarget& target, std::uint8_t index) {
    if (gdi::RopUsesPattern(index)) pattern_ = BrushPattern::Of(*target.dc);
    needed_ = gdi::RopUsesPattern(index);
  }
  bool Missing() const { return needed_ && !pattern_; }
  const std::uint32_t* For(int x, int y, std::size_t count) {
    if (!pattern_) return nullptr;
    row_.resize(count);
    pattern_->Fill(x, y, row_);
    return row_.data();
  }

 private:
  bool needed_ = false;
  std::optional<BrushPattern> pattern_;
  std::vector<std::uint32_t> row_;
};

// The operations that ignore the source: only the destination rectangle counts.
BOOL PatternTransfer(HDC dc, int x, int y, int width, int height, std::uint8_t index) {
  const auto target = DrawingTarget::Of(dc);
  if (!target) return FALSE;
  PatternRows pattern(*target, index);
  if (pattern.Missing()) return TRUE;
  gdi::PaintSpans(*target, target->Area(x, y, width, height),
                  [&](std::span<std::uint32_t> span, int spanX, int spanY) {
                    ApplyRop(index, span, nullptr, pattern.For(spanX, spanY, span.size()));
                  });
  return TRUE;
}

BOOL SourceTransfer(const MappedTransfer::Request& request, std::uint8_t index) {
  auto transfer = MappedTransfer::Prepare(request, gdi::Smoothing::FollowStretchMode);
  if (!transfer) return FALSE;
  PatternRows pattern(transfer->Destination(), index);
  if (pattern.Missing()) return TRUE;
  transfer->Run([&](std::span<std::uint32_t> span, const std::uint32_t* source, int x, int y) {
    ApplyRop(index, span, source, pattern.For(x, y, span.size()));
  });
  return TRUE;
}

}  // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
  return StretchBlt(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
  const std::uint8_t index = gdi::RopIndex(rop);
  if (!gdi::RopUsesSource(index)) return PatternTransfer(destination, x, y, width, height, index);
  return SourceTransfer({destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                         sourceHeight},
                        index);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  const std::uint8_t index = gdi::RopIndex(rop);
  if (gdi::RopUsesSource(index)) return FALSE;
  return PatternTransfer(dc, x, y, width, height, index);
}

}  // namespace platform
