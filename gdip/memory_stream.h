#pragma once
// A global memory block with a stream over it, so that bytes held by the program can
// be read by the picture decoders and written by the encoders.
//
// The object owns the block and one reference to the stream. Every stream it makes is
// created with delete-on-release off: the block is freed by Close, never by the
// stream. The object is move-only, so one block is never freed twice.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/com/stream.h"

namespace varnimo {

class MemoryStream {
 public:
  MemoryStream() = default;
  ~MemoryStream() { Close(); }
  MemoryStream(MemoryStream&& other) noexcept;
  MemoryStream& operator=(MemoryStream&& other) noexcept;
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  // Gives up what the object held, then makes a new block and stream. Without data
  // the block starts empty and grows as the stream is written. With data the block
  // holds the first `size` bytes of it (all of it when size is left out; a size
  // outside 0..data.size() is clamped to it) and the stream reads from position 0.
  // Returns the stream, or null when it could not be made (a block that was made is
  // still held and freed by the next Close).
  platform::IStream* Create(std::optional<std::span<const std::uint8_t>> data = std::nullopt,
                            std::optional<std::int32_t> size = std::nullopt);

  // Frees the block and releases the stream. Does nothing without a block: a stream
  // held without one (after a failed Attach) stays unreleased, as it was never ours.
  void Close();

  // The block's size in bytes; 0 without a block.
  std::int32_t GetSize();
  platform::IStream* GetStream() const { return stream; }
  platform::HGLOBAL GetHandle() const { return memoryHandle; }

  // Takes over the caller's reference to a stream made with delete-on-release off,
  // and its block. Answers whether the stream had a block.
  bool Attach(platform::IStream* adopted);

  // A copy of the whole block; empty without a block.
  std::vector<std::uint8_t> GetBytes();

 private:
  platform::HGLOBAL memoryHandle = nullptr;
  void* lockedAddress = nullptr;
  platform::IStream* stream = nullptr;
};

}  // namespace varnimo
