#pragma once
// How the columns (or rows) of a transfer's destination map to source columns.
//
// A rectangle given as origin and extent covers the pixels from origin to
// origin + extent, the larger end excluded, whichever the extent's sign: (10, -4)
// covers 6..9. When the destination and source extents differ in sign, the copy is
// mirrored. Destination pixel k of n takes source pixel floor((k + 1/2) * m / n) of
// m (the source pixel under its centre), counted from the far end when mirrored.
//
// The arithmetic is 64-bit, so any int origins and extents are safe; a map never
// holds more entries than the destination limits allow.

#include <cstdint>
#include <vector>

namespace platform::gdi {

struct AxisSpan {
  std::int64_t origin;
  std::int64_t extent;
};

// The half-open range of coordinates a surface accepts.
struct AxisLimits {
  int first;
  int last;
};

class AxisMap {
 public:
  // The destination pixels inside destinationLimits whose source pixel lies inside
  // sourceLimits.
  static AxisMap Build(AxisSpan destination, AxisSpan source, AxisLimits destinationLimits,
                       AxisLimits sourceLimits);

  // The destination range [First(), Last()); empty when First() >= Last().
  int First() const { return first_; }
  int Last() const { return last_; }
  bool Empty() const { return first_ >= last_; }
  // Every destination pixel takes the source pixel at the same offset: no stretching
  // and no mirroring.
  bool Straight() const { return table_.empty(); }
  // The source coordinate for destination coordinate d (First() <= d < Last()).
  int SourceOf(int d) const { return table_.empty() ? d + offset_ : table_[d - first_]; }
  // The smallest and largest source coordinate used (empty map: undefined).
  int SourceMin() const;
  int SourceMax() const;

 private:
  int first_ = 0;
  int last_ = 0;
  int offset_ = 0;
  std::vector<int> table_;
};

}  // namespace platform::gdi
