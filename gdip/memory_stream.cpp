#include "gdip/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/kernel/global_memory.h"

namespace varnimo {

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memoryHandle(std::exchange(other.memoryHandle, nullptr)),
      lockedAddress(std::exchange(other.lockedAddress, nullptr)),
      stream(std::exchange(other.stream, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
  if (this != &other) {
    Close();
    memoryHandle = std::exchange(other.memoryHandle, nullptr);
    lockedAddress = std::exchange(other.lockedAddress, nullptr);
    stream = std::exchange(other.stream, nullptr);
  }
  return *this;
}

platform::IStream* MemoryStream::Create(std::optional<std::span<const std::uint8_t>> data,
                                        std::optional<std::int32_t> size) {
  Close();
  if (!data) {
    memoryHandle = platform::GlobalAlloc(platform::GMEM_MOVEABLE, 0);
    platform::CreateStreamOnHGlobal(memoryHandle, platform::FALSE, &stream);
    return stream;
  }
  const std::size_t count =
      size ? std::clamp<std::size_t>(static_cast<std::size_t>(std::max(*size, 0)), 0, data->size())
           : data->size();
  memoryHandle = platform::GlobalAlloc(platform::GMEM_FIXED | platform::GMEM_ZEROINIT, count);
  lockedAddress = platform::GlobalLock(memoryHandle);
  // A fixed block's locked address is its handle, so the stream lies over the block.
  platform::CreateStreamOnHGlobal(lockedAddress, platform::FALSE, &stream);
  if (lockedAddress && count > 0) std::memcpy(lockedAddress, data->data(), count);
  platform::GlobalUnlock(memoryHandle);
  return stream;
}

void MemoryStream::Close() {
  if (memoryHandle == nullptr) return;
  platform::GlobalFree(memoryHandle);
  memoryHandle = nullptr;
  if (stream) {
    stream->Release();
    stream = nullptr;
  }
}

std::int32_t MemoryStream::GetSize() {
  lockedAddress = platform::GlobalLock(memoryHandle);
  const platform::SIZE_T size = lockedAddress ? platform::GlobalSize(lockedAddress) : 0;
  platform::GlobalUnlock(memoryHandle);
  return static_cast<std::int32_t>(std::min<platform::SIZE_T>(size, INT32_MAX));
}

bool MemoryStream::Attach(platform::IStream* adopted) {
  Close();
  platform::GetHGlobalFromStream(adopted, &memoryHandle);
  stream = adopted;
  return memoryHandle != nullptr;
}

std::vector<std::uint8_t> MemoryStream::GetBytes() {
  lockedAddress = platform::GlobalLock(memoryHandle);
  if (!lockedAddress) return {};
  const platform::SIZE_T size = platform::GlobalSize(lockedAddress);
  const auto* begin = static_cast<const std::uint8_t*>(lockedAddress);
  std::vector<std::uint8_t> bytes(begin, begin + size);
  platform::GlobalUnlock(memoryHandle);
  return bytes;
}

}  // namespace varnimo
