#include "platform/kernel/global_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/kernel/last_error.h"

namespace platform {
namespace {

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
using Storage = std::unique_ptr<std::byte, FreeDeleter>;

// One block. For a fixed block the registry key is the data address; for a moveable
// block it is the address of this record, which never moves.
struct Block {
  bool moveable = false;
  Storage data;
  SIZE_T size = 0;
  SIZE_T capacity = 0;
  UINT lockCount = 0;
};

// Every byte count is rounded up to at least one byte so that even an empty block has
// a unique, non-null address.
Storage Allocate(SIZE_T bytes, bool zero) {
  const SIZE_T real = bytes == 0 ? 1 : bytes;
  void* p = zero ? std::calloc(real, 1) : std::malloc(real);
  return Storage(static_cast<std::byte*>(p));
}

class Registry {
 public:
  static Registry& Instance() {
    static Registry registry;
    return registry;
  }

  HGLOBAL Alloc(UINT flags, SIZE_T bytes) {
    if ((flags & ~(GMEM_MOVEABLE | GMEM_ZEROINIT)) != 0) return FailNull(ERROR_INVALID_PARAMETER);
    auto block = std::make_unique<Block>();
    block->moveable = (flags & GMEM_MOVEABLE) != 0;
    block->data = Allocate(bytes, (flags & GMEM_ZEROINIT) != 0);
    if (!block->data) return FailNull(ERROR_NOT_ENOUGH_MEMORY);
    block->size = bytes;
    block->capacity = bytes;
    HGLOBAL handle = block->moveable ? static_cast<HGLOBAL>(block.get())
                                     : static_cast<HGLOBAL>(block->data.get());
    std::lock_guard lock(mutex_);
    if (block->moveable) dataOwners_.emplace(block->data.get(), handle);
    blocks_.emplace(handle, std::move(block));
    return handle;
  }

  void* Lock(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (!block) return FailNull(ERROR_INVALID_HANDLE);
    if (block->moveable && block->lockCount < 0xFF) ++block->lockCount;
    return block->data.get();
  }

  BOOL Unlock(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (!block) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    if (block->lockCount > 0) --block->lockCount;
    SetLastError(ERROR_SUCCESS);
    return block->lockCount > 0 ? TRUE : FALSE;
  }

  SIZE_T Size(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (!block) {
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
    }
    return block->size;
  }

  UINT Flags(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (!block) return GMEM_INVALID_HANDLE;
    return (block->lockCount & 0xFF) | (block->moveable ? GMEM_MOVEABLE : 0);
  }

  HGLOBAL ReAlloc(HGLOBAL handle, SIZE_T bytes, UINT flags) {
    if ((flags & ~(GMEM_MOVEABLE | GMEM_ZEROINIT)) != 0) return FailNull(ERROR_INVALID_PARAMETER);
    const bool zero = (flags & GMEM_ZEROINIT) != 0;
    std::lock_guard lock(mutex_);
    auto found = blocks_.find(Resolve(handle));
    if (found == blocks_.end()) return FailNull(ERROR_INVALID_HANDLE);
    handle = found->first;
    Block& block = *found->second;
    if (bytes <= block.capacity) {
      if (zero && bytes > block.size) std::memset(block.data.get() + block.size, 0, bytes - block.size);
      block.size = bytes;
      return handle;
    }
    if (block.moveable) {
      if (block.lockCount > 0) return FailNull(ERROR_NOT_ENOUGH_MEMORY);
      // Grow geometrically so that a run of small writes stays linear overall.
      const SIZE_T capacity = std::max(bytes, block.capacity + block.capacity / 2);
      dataOwners_.erase(block.data.get());
      const bool moved = Move(block, capacity, zero);
      dataOwners_.emplace(block.data.get(), handle);
      if (!moved) return FailNull(ERROR_NOT_ENOUGH_MEMORY);
      block.size = bytes;
      return handle;
    }
    if ((flags & GMEM_MOVEABLE) == 0) return FailNull(ERROR_NOT_ENOUGH_MEMORY);
    // A fixed block's handle is its address, so moving it re-registers it.
    std::unique_ptr<Block> owned = std::move(found->second);
    if (!Move(*owned, bytes, zero)) {
      found->second = std::move(owned);
      return FailNull(ERROR_NOT_ENOUGH_MEMORY);
    }
    blocks_.erase(found);
    owned->size = bytes;
    HGLOBAL moved = owned->data.get();
    blocks_.emplace(moved, std::move(owned));
    return moved;
  }

  HGLOBAL Free(HGLOBAL handle) {
    std::unique_ptr<Block> doomed;
    {
      std::lock_guard lock(mutex_);
      auto found = blocks_.find(Resolve(handle));
      if (found == blocks_.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return handle;
      }
      doomed = std::move(found->second);
      if (doomed->moveable) dataOwners_.erase(doomed->data.get());
      blocks_.erase(found);
    }
    return nullptr;
  }

 private:
  // A moveable block's data address stands for its handle, so that a locked address
  // can be handed back to GlobalSize and friends.
  HGLOBAL Resolve(HGLOBAL handle) const {
    auto owner = dataOwners_.find(handle);
    return owner == dataOwners_.end() ? handle : owner->second;
  }

  Block* Find(HGLOBAL handle) {
    auto found = blocks_.find(Resolve(handle));
    return found == blocks_.end() ? nullptr : found->second.get();
  }

  static bool Move(Block& block, SIZE_T capacity, bool zero) {
    Storage data = Allocate(capacity, false);
    if (!data) return false;
    std::memcpy(data.get(), block.data.get(), block.size);
    if (capacity > block.size) {
      // Bytes past the old size are zeroed when asked; otherwise they are left as the
      // allocator gave them, like any fresh memory.
      if (zero) std::memset(data.get() + block.size, 0, capacity - block.size);
    }
    block.data = std::move(data);
    block.capacity = capacity;
    return true;
  }

  static std::nullptr_t FailNull(DWORD code) {
    SetLastError(code);
    return nullptr;
  }

  std::mutex mutex_;
  std::unordered_map<HGLOBAL, std::unique_ptr<Block>> blocks_;
  std::unordered_map<const void*, HGLOBAL> dataOwners_;
};

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) { return Registry::Instance().Alloc(flags, bytes); }
void* GlobalLock(HGLOBAL memory) { return Registry::Instance().Lock(memory); }
BOOL GlobalUnlock(HGLOBAL memory) { return Registry::Instance().Unlock(memory); }
SIZE_T GlobalSize(HGLOBAL memory) { return Registry::Instance().Size(memory); }
UINT GlobalFlags(HGLOBAL memory) { return Registry::Instance().Flags(memory); }
HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags) {
  return Registry::Instance().ReAlloc(memory, bytes, flags);
}
HGLOBAL GlobalFree(HGLOBAL memory) { return Registry::Instance().Free(memory); }

}  // namespace platform
