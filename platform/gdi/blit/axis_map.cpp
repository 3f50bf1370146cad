#include "platform/gdi/blit/axis_map_p.h"

#include <algorithm>

namespace platform::gdi {
namespace {

// Origin and extent as the covered range [start, start + size), size >= 0.
struct Range {
  std::int64_t start;
  std::int64_t size;
};

Range Normalised(AxisSpan span) {
  return span.extent < 0 ? Range{span.origin + span.extent, -span.extent}
                         : Range{span.origin, span.extent};
}

}  // namespace

AxisMap AxisMap::Build(AxisSpan destination, AxisSpan source, AxisLimits destinationLimits,
                       AxisLimits sourceLimits) {
  AxisMap map;
  const Range to = Normalised(destination);
  const Range from = Normalised(source);
  if (to.size == 0 || from.size == 0) return map;
  std::int64_t first = std::max<std::int64_t>(to.start, destinationLimits.first);
  std::int64_t last = std::min<std::int64_t>(to.start + to.size, destinationLimits.last);
  const bool mirrored = (destination.extent < 0) != (source.extent < 0);

  if (!mirrored && to.size == from.size) {
    const std::int64_t offset = from.start - to.start;
    first = std::max<std::int64_t>(first, sourceLimits.first - offset);
    last = std::min<std::int64_t>(last, sourceLimits.last - offset);
    if (first >= last) return map;
    map.first_ = static_cast<int>(first);
    map.last_ = static_cast<int>(last);
    // Limits are surface bounds, never negative, so a source and a destination
    // coordinate inside them differ by less than 2^31.
    map.offset_ = static_cast<int>(offset);
    return map;
  }

  std::vector<int> table;
  std::int64_t kept = first;
  for (std::int64_t d = first; d < last; ++d) {
    // Extents come from int arguments, so k < 2^31 and from.size <= 2^31: the
    // product stays below 2^63.
    const std::int64_t k = d - to.start;
    const std::int64_t m = (2 * k + 1) * from.size / (2 * to.size);
    const std::int64_t s = mirrored ? from.start + from.size - 1 - m : from.start + m;
    if (s < sourceLimits.first || s >= sourceLimits.last) {
      if (table.empty()) kept = d + 1;
      else break;  // the map is monotonic: nothing further is inside either
      continue;
    }
    table.push_back(static_cast<int>(s));
  }
  if (table.empty()) return map;
  map.first_ = static_cast<int>(kept);
  map.last_ = static_cast<int>(kept + static_cast<std::int64_t>(table.size()));
  map.table_ = std::move(table);
  return map;
}

int AxisMap::SourceMin() const {
  if (table_.empty()) return first_ + offset_;
  return std::min(table_.front(), table_.back());
}

int AxisMap::SourceMax() const {
  if (table_.empty()) return last_ - 1 + offset_;
  return std::max(table_.front(), table_.back());
}

}  // namespace platform::gdi
