// The stream over a global memory block behind CreateStreamOnHGlobal.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>

#include "platform/com/stream.h"
#include "platform/kernel/global_memory.h"

namespace platform {

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_ISequentialStream = {
    0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3D}};
const IID IID_IStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace {

// The block and its fate, shared by a stream and its clones.
class SharedBlock {
 public:
  SharedBlock(HGLOBAL memory, bool deleteOnRelease)
      : memory_(memory), deleteOnRelease_(deleteOnRelease) {}
  ~SharedBlock() {
    if (deleteOnRelease_) GlobalFree(memory_);
  }
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  HGLOBAL Memory() const { return memory_; }

 private:
  HGLOBAL memory_;
  bool deleteOnRelease_;
};

// Locks the block for the lifetime of the guard.
class BlockLock {
 public:
  explicit BlockLock(HGLOBAL memory)
      : memory_(memory), data_(static_cast<std::byte*>(GlobalLock(memory))) {}
  ~BlockLock() {
    if (data_) GlobalUnlock(memory_);
  }
  BlockLock(const BlockLock&) = delete;
  BlockLock& operator=(const BlockLock&) = delete;
  std::byte* Data() const { return data_; }

 private:
  HGLOBAL memory_;
  std::byte* data_;
};

class HGlobalStream final : public IStream {
 public:
  HGlobalStream(std::shared_ptr<SharedBlock> block, std::uint64_t position)
      : block_(std::move(block)), position_(position) {}

  HGLOBAL Memory() const { return block_->Memory(); }

  HRESULT QueryInterface(const IID& iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
      AddRef();
      *object = static_cast<IStream*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }

  ULONG AddRef() override { return ++references_; }

  ULONG Release() override {
    const ULONG left = --references_;
    // The stream was made by CreateStreamOnHGlobal or Clone and is owned by its
    // reference count alone.
    if (left == 0) delete this;
    return left;
  }

  HRESULT Read(void* buffer, ULONG count, ULONG* read) override {
    if (read) *read = 0;
    if (buffer == nullptr && count > 0) return STG_E_INVALIDPOINTER;
    const std::uint64_t size = Size();
    const ULONG available =
        position_ >= size ? 0 : static_cast<ULONG>(std::min<std::uint64_t>(count, size - position_));
    if (available > 0) {
      BlockLock lock(Memory());
      if (!lock.Data()) return E_FAIL;
      std::memcpy(buffer, lock.Data() + position_, available);
      position_ += available;
    }
    if (read) *read = available;
    return available < count ? S_FALSE : S_OK;
  }

  HRESULT Write(const void* buffer, ULONG count, ULONG* written) override {
    if (written) *written = 0;
    if (buffer == nullptr && count > 0) return STG_E_INVALIDPOINTER;
    if (count == 0) return S_OK;
    const std::uint64_t end = position_ + count;
    if (end > Size()) {
      const HRESULT grown = SetSize(end);
      if (FAILED(grown)) return grown;
    }
    BlockLock lock(Memory());
    if (!lock.Data()) return E_FAIL;
    std::memcpy(lock.Data() + position_, buffer, count);
    position_ = end;
    if (written) *written = count;
    return S_OK;
  }

  HRESULT Seek(std::int64_t move, DWORD origin, std::uint64_t* newPosition) override {
    std::int64_t base;
    switch (origin) {
      case STREAM_SEEK_SET: base = 0; break;
      case STREAM_SEEK_CUR: base = static_cast<std::int64_t>(position_); break;
      case STREAM_SEEK_END: base = static_cast<std::int64_t>(Size()); break;
      default: return STG_E_INVALIDFUNCTION;
    }
    std::int64_t target;
    if (__builtin_add_overflow(base, move, &target) || target < 0) return STG_E_INVALIDFUNCTION;
    position_ = static_cast<std::uint64_t>(target);
    if (newPosition) *newPosition = position_;
    return S_OK;
  }

  HRESULT SetSize(std::uint64_t size) override {
    if (size > std::numeric_limits<std::uint32_t>::max()) return STG_E_MEDIUMFULL;
    if (size == Size()) return S_OK;
    // Growing keeps the handle for a moveable block and fails for a fixed one, whose
    // handle is its address: a stream must never lose its block.
    if (!GlobalReAlloc(Memory(), static_cast<SIZE_T>(size), GMEM_ZEROINIT)) return STG_E_MEDIUMFULL;
    return S_OK;
  }

  HRESULT CopyTo(IStream* target, std::uint64_t count, std::uint64_t* read,
                 std::uint64_t* written) override {
    if (read) *read = 0;
    if (written) *written = 0;
    if (target == nullptr) return STG_E_INVALIDPOINTER;
    const std::uint64_t size = Size();
    const std::uint64_t available = position_ >= size ? 0 : std::min(count, size - position_);
    std::uint64_t done = 0;
    std::uint64_t copied = 0;
    constexpr ULONG kChunk = 1u << 16;
    std::byte chunk[kChunk];
    while (done < available) {
      ULONG part = static_cast<ULONG>(std::min<std::uint64_t>(kChunk, available - done));
      ULONG got = 0;
      Read(chunk, part, &got);
      done += got;
      ULONG put = 0;
      const HRESULT result = target->Write(chunk, got, &put);
      copied += put;
      if (FAILED(result) || got == 0) {
        if (read) *read = done;
        if (written) *written = copied;
        return FAILED(result) ? result : S_OK;
      }
    }
    if (read) *read = done;
    if (written) *written = copied;
    return S_OK;
  }

  HRESULT Commit(DWORD) override { return S_OK; }
  HRESULT Revert() override { return S_OK; }
  HRESULT LockRegion(std::uint64_t, std::uint64_t, DWORD) override { return STG_E_INVALIDFUNCTION; }
  HRESULT UnlockRegion(std::uint64_t, std::uint64_t, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }

  HRESULT Stat(STATSTG* stat, DWORD flags) override {
    if (stat == nullptr) return STG_E_INVALIDPOINTER;
    if (flags != STATFLAG_DEFAULT && flags != STATFLAG_NONAME) return STG_E_INVALIDFLAG;
    *stat = STATSTG{};
    stat->type = STGTY_STREAM;
    stat->cbSize = Size();
    stat->grfMode = STGM_READWRITE;
    return S_OK;
  }

  HRESULT Clone(IStream** clone) override {
    if (clone == nullptr) return STG_E_INVALIDPOINTER;
    *clone = MakeStream(block_, position_);
    return S_OK;
  }

  // Streams own themselves through their reference count, so they are made here and
  // deleted only by Release.
  static IStream* MakeStream(std::shared_ptr<SharedBlock> block, std::uint64_t position) {
    return new HGlobalStream(std::move(block), position);
  }

 private:
  ~HGlobalStream() override = default;

  std::uint64_t Size() const { return GlobalSize(Memory()); }

  std::shared_ptr<SharedBlock> block_;
  std::uint64_t position_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream) {
  if (stream == nullptr) return E_INVALIDARG;
  *stream = nullptr;
  if (memory == nullptr) {
    memory = GlobalAlloc(GMEM_MOVEABLE, 0);
    if (memory == nullptr) return E_OUTOFMEMORY;
  } else if (GlobalFlags(memory) == GMEM_INVALID_HANDLE) {
    return E_INVALIDARG;
  }
  auto block = std::make_shared<SharedBlock>(memory, deleteOnRelease != FALSE);
  *stream = HGlobalStream::MakeStream(std::move(block), 0);
  return S_OK;
}

HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* memory) {
  if (memory == nullptr) return E_INVALIDARG;
  *memory = nullptr;
  auto* ours = dynamic_cast<HGlobalStream*>(stream);
  if (ours == nullptr) return E_INVALIDARG;
  *memory = ours->Memory();
  return S_OK;
}

}  // namespace platform
