#pragma once
// The pattern operand of a raster operation: the brush selected into the destination
// DC, as a tile of pixels repeated from the device origin.

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/objects_p.h"

namespace platform::gdi {

class BrushPattern {
 public:
  // The DC's brush as a pattern; nullopt for the null brush and for a brush handle
  // that is no longer valid. Hatch gaps take the DC's background colour, whatever
  // the background mode: a pattern has a value at every pixel.
  static std::optional<BrushPattern> Of(const DeviceContext& dc);

  // Writes the pattern pixels of row y, columns x .. x + out.size() - 1.
  void Fill(int x, int y, std::span<std::uint32_t> out) const;

 private:
  explicit BrushPattern(QImage tile) : tile_(std::move(tile)) {}
  QImage tile_;  // Format_RGB32, never empty
};

}  // namespace platform::gdi
