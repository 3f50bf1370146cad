#pragma once
// Handing arrays of geometry records to a platform call that takes one contiguous
// block and a count.
//
// Callers hold their records however suits them: a single record, a span or vector
// of records, or nested ranges (a two-dimensional array of points), taken in element
// order, outermost dimension first. MarshalRecords copies them into one block; the
// platform call reads (and may write) the block; when the MarshalledRecords goes out of
// scope, or on Unmarshal, every entry is copied back into its element and the block is
// released, on every path. One allocation and two copies per call; nothing is cached.
//
// A caller may pass a count of its own. A count larger than the array (or negative) is
// refused: no block is made, Valid() is false, and nothing is read past the array.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <ranges>
#include <type_traits>

#include "core/geometry.h"

namespace varnimo {

template <typename Record>
concept GeometryRecord =
    std::same_as<Record, PointF> || std::same_as<Record, Point> || std::same_as<Record, RectF> ||
    std::same_as<Record, Rect> || std::same_as<Record, SizeF> ||
    std::same_as<Record, CharacterRange>;

namespace marshalling_detail {

// Visits every record of the array in element order.
template <typename Record, typename Array, typename Visit>
void ForEachRecord(Array& array, Visit& visit) {
  if constexpr (std::same_as<std::remove_cv_t<Array>, Record>) {
    visit(array);
  } else {
    for (auto& element : array) ForEachRecord<Record>(element, visit);
  }
}

}  // namespace marshalling_detail

template <typename Record, typename Array>
concept RecordArray = GeometryRecord<Record> &&
                      (std::same_as<std::remove_cv_t<Array>, Record> || std::ranges::range<Array>);

template <GeometryRecord Record, typename Array>
class MarshalledRecords {
 public:
  MarshalledRecords(Array& array, std::optional<std::int32_t> count) : array_(&array) {
    std::size_t elements = 0;
    auto countOne = [&elements](const Record&) { ++elements; };
    marshalling_detail::ForEachRecord<Record>(array, countOne);
    if (elements > static_cast<std::size_t>(INT32_MAX)) return;
    const auto total = static_cast<std::int32_t>(elements);
    if (count && (*count < 0 || *count > total)) return;
    count_ = count.value_or(total);
    valid_ = true;
    if (elements == 0) return;
    block_ = std::make_unique_for_overwrite<Record[]>(elements);
    std::size_t at = 0;
    auto copyIn = [this, &at](const Record& record) { block_[at++] = record; };
    marshalling_detail::ForEachRecord<Record>(array, copyIn);
  }

  ~MarshalledRecords() { Unmarshal(); }
  MarshalledRecords(const MarshalledRecords&) = delete;
  MarshalledRecords& operator=(const MarshalledRecords&) = delete;

  // False when the caller's count did not fit the array; there is then no block.
  bool Valid() const { return valid_; }
  // The contiguous records, or null for an empty array.
  Record* Block() const { return block_.get(); }
  // The count to hand to the platform: the caller's, or the number of elements.
  std::int32_t Count() const { return count_; }

  // Copies the block back into the caller's records and releases it. Runs once.
  void Unmarshal() {
    if (!block_) return;
    if constexpr (!std::is_const_v<Array>) {
      std::size_t at = 0;
      auto copyOut = [this, &at](Record& record) { record = block_[at++]; };
      marshalling_detail::ForEachRecord<Record>(*array_, copyOut);
    }
    block_.reset();
  }

 private:
  Array* array_;
  std::unique_ptr<Record[]> block_;
  std::int32_t count_ = 0;
  bool valid_ = false;
};

// Marshals the array's records of type Record, e.g. MarshalRecords<Point>(points).
template <GeometryRecord Record, typename Array>
  requires RecordArray<Record, Array>
MarshalledRecords<Record, Array> MarshalRecords(Array& array,
                                                std::optional<std::int32_t> count = std::nullopt) {
  return MarshalledRecords<Record, Array>(array, count);
}

}  // namespace varnimo
