#pragma once
// Reference-counted byte streams with the IStream contract, and the stream that lies
// over a global memory block.

#include <cstdint>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"
#include "platform/kernel/types.h"

namespace platform {

extern const IID IID_IUnknown;
extern const IID IID_ISequentialStream;
extern const IID IID_IStream;

class IUnknown {
 public:
  virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
  virtual ULONG AddRef() = 0;
  // Drops one reference; the object deletes itself when none is left.
  virtual ULONG Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

class ISequentialStream : public IUnknown {
 public:
  // Reads up to `count` bytes from the current position; a short read at the end of
  // the stream is S_OK with fewer bytes (S_FALSE when none was left).
  virtual HRESULT Read(void* buffer, ULONG count, ULONG* read) = 0;
  virtual HRESULT Write(const void* buffer, ULONG count, ULONG* written) = 0;
};

enum STREAM_SEEK : DWORD { STREAM_SEEK_SET = 0, STREAM_SEEK_CUR = 1, STREAM_SEEK_END = 2 };

constexpr DWORD STGTY_STREAM = 2;
constexpr DWORD STATFLAG_DEFAULT = 0;
constexpr DWORD STATFLAG_NONAME = 1;
constexpr DWORD STGM_READWRITE = 2;

struct STATSTG {
  WCHAR* pwcsName;  // always null: memory streams have no name
  DWORD type;
  std::uint64_t cbSize;
  DWORD grfMode;
  DWORD grfLocksSupported;
  CLSID clsid;
  DWORD grfStateBits;
};

class IStream : public ISequentialStream {
 public:
  // Moves the position; a position before the start fails with
  // STG_E_INVALIDFUNCTION, one past the end is allowed (a later write fills the gap
  // with zeros).
  virtual HRESULT Seek(std::int64_t move, DWORD origin, std::uint64_t* newPosition) = 0;
  virtual HRESULT SetSize(std::uint64_t size) = 0;
  virtual HRESULT CopyTo(IStream* target, std::uint64_t count, std::uint64_t* read,
                         std::uint64_t* written) = 0;
  virtual HRESULT Commit(DWORD flags) = 0;
  virtual HRESULT Revert() = 0;
  virtual HRESULT LockRegion(std::uint64_t offset, std::uint64_t count, DWORD type) = 0;
  virtual HRESULT UnlockRegion(std::uint64_t offset, std::uint64_t count, DWORD type) = 0;
  virtual HRESULT Stat(STATSTG* stat, DWORD flags) = 0;
  // A second stream over the same bytes with its own position, starting at this one's.
  virtual HRESULT Clone(IStream** clone) = 0;
};

// Makes a stream over the block. A null block makes a new, empty moveable block.
// Writing past the end grows the block when it is moveable (a fixed block cannot grow
// and the write fails with STG_E_MEDIUMFULL); the stream's size is always the block's
// GlobalSize. With deleteOnRelease TRUE the block is freed when the last stream over it
// (clones included) is released; with FALSE it stays the caller's.
HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream);

// The block under a stream made by CreateStreamOnHGlobal; E_INVALIDARG (and null) for
// any other stream.
HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* memory);

}  // namespace platform
