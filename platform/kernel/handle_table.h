#pragma once
// Per-kind tables that map 32-bit handles to platform objects.
//
// A handle packs the object's kind, a generation count and a slot index:
//
//   bit 31..27  kind (HandleKind, never 0)
//   bit 26..18  generation of the slot when the handle was issued
//   bit 17..0   slot index
//
// Because the kind is never 0, no valid handle is 0. Removing an object bumps its
// slot's generation, so a stale handle no longer matches; a handle of another kind
// never matches either. Freed slots are reused oldest-first, which keeps a just-freed
// handle from coming back soon. Every table is safe to use from several threads:
// lookups take a shared lock and hand out a shared_ptr, so an object stays alive for
// the call that found it even if another thread deletes its handle meanwhile.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <vector>

#include "platform/kernel/types.h"

namespace platform {

enum class HandleKind : std::uint8_t {
  None = 0,
  Window,
  DeviceContext,
  Bitmap,
  Pen,
  Brush,
  Font,
  Region,
  GdipGraphics,
  GdipImage,
  GdipFontCollection,
  GdipFontFamily,
  GdipFont,
  GdipBrush,
  GdipPen,
  GdipStringFormat,
  GdipRegion,
  GdipPath,
  GdipMatrix,
  GdipImageAttributes,
  GdipCachedBitmap,
};

namespace handle_bits {
constexpr unsigned kIndexBits = 18;
constexpr unsigned kGenerationBits = 9;
constexpr unsigned kKindShift = kIndexBits + kGenerationBits;
constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
constexpr std::uint32_t kGenerationMask = (1u << kGenerationBits) - 1;
constexpr std::size_t kMaxSlots = std::size_t{1} << kIndexBits;
}  // namespace handle_bits

constexpr HandleKind KindOf(Handle handle) {
  return static_cast<HandleKind>(handle >> handle_bits::kKindShift);
}

template <typename Object>
class HandleTable {
 public:
  explicit HandleTable(HandleKind kind) : kind_(kind) {}
  HandleTable(const HandleTable&) = delete;
  HandleTable& operator=(const HandleTable&) = delete;

  // Stores the object and returns its new handle; 0 when the object is null or the
  // table is full.
  Handle Insert(std::shared_ptr<Object> object) {
    if (!object) return 0;
    std::unique_lock lock(mutex_);
    std::uint32_t index;
    if (!free_.empty()) {
      index = free_.front();
      free_.pop_front();
    } else if (slots_.size() < handle_bits::kMaxSlots) {
      index = static_cast<std::uint32_t>(slots_.size());
      slots_.emplace_back();
    } else {
      return 0;
    }
    Slot& slot = slots_[index];
    slot.object = std::move(object);
    ++live_;
    return Compose(slot.generation, index);
  }

  // The object behind the handle, or null for 0, a stale handle or another kind's.
  std::shared_ptr<Object> Find(Handle handle) const {
    std::shared_lock lock(mutex_);
    const Slot* slot = Locate(handle);
    return slot ? slot->object : nullptr;
  }

  // Takes the object out of the table and invalidates the handle. Returns the object
  // (so the caller decides when it dies), or null when the handle was not valid.
  std::shared_ptr<Object> Remove(Handle handle) {
    std::unique_lock lock(mutex_);
    Slot* slot = const_cast<Slot*>(Locate(handle));
    if (!slot) return nullptr;
    std::shared_ptr<Object> object = std::move(slot->object);
    slot->generation = (slot->generation + 1) & handle_bits::kGenerationMask;
    free_.push_back(handle & handle_bits::kIndexMask);
    --live_;
    return object;
  }

  // The number of live handles.
  std::size_t Size() const {
    std::shared_lock lock(mutex_);
    return live_;
  }

  HandleKind Kind() const { return kind_; }

 private:
  struct Slot {
    std::shared_ptr<Object> object;
    std::uint32_t generation = 0;
  };

  Handle Compose(std::uint32_t generation, std::uint32_t index) const {
    return (static_cast<std::uint32_t>(kind_) << handle_bits::kKindShift) |
           (generation << handle_bits::kIndexBits) | index;
  }

  const Slot* Locate(Handle handle) const {
    if (handle == 0 || KindOf(handle) != kind_) return nullptr;
    const std::uint32_t index = handle & handle_bits::kIndexMask;
    if (index >= slots_.size()) return nullptr;
    const Slot& slot = slots_[index];
    if (!slot.object || Compose(slot.generation, index) != handle) return nullptr;
    return &slot;
  }

  const HandleKind kind_;
  mutable std::shared_mutex mutex_;
  std::vector<Slot> slots_;
  std::deque<std::uint32_t> free_;
  std::size_t live_ = 0;
};

}  // namespace platform
