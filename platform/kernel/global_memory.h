#pragma once
// Global memory blocks.
//
// A fixed block (GMEM_FIXED) is its own handle: GlobalAlloc returns the block's
// address, and GlobalLock of it returns the same address. A moveable block
// (GMEM_MOVEABLE) has a handle distinct from its data; GlobalLock pins the data and
// returns its address, GlobalUnlock releases the pin, and GlobalReAlloc may move the
// data of an unlocked moveable block while its handle stays the same. Moveable blocks
// keep spare capacity, so a block grown a little at a time (a stream being written)
// costs amortised linear time.
//
// Every live handle is registered, so a zero, freed or foreign handle is detected:
// the call fails with ERROR_INVALID_HANDLE instead of touching memory. The registry is
// shared by all threads and locked for each call.

#include "platform/kernel/types.h"

namespace platform {

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_MODIFY = 0x0080;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Returns the new block's handle, or null (ERROR_NOT_ENOUGH_MEMORY, or
// ERROR_INVALID_PARAMETER for unknown flags).
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);

// The block's address (null for a bad handle). Moveable blocks count their locks.
void* GlobalLock(HGLOBAL memory);

// Releases one lock. Returns TRUE while the block stays locked, FALSE when it is
// unlocked (then GetLastError is ERROR_SUCCESS) or on failure.
BOOL GlobalUnlock(HGLOBAL memory);

// The block's size in bytes; 0 for a bad handle. Takes a handle or a fixed block's
// address.
SIZE_T GlobalSize(HGLOBAL memory);

// Resizes the block. A moveable block keeps its handle (its data may move unless it is
// locked, in which case only shrinking or growing within capacity succeeds). A fixed
// block moves, and gets a new handle, only when GMEM_MOVEABLE is passed; otherwise it
// can only shrink in place. New bytes are zero when GMEM_ZEROINIT is passed. Returns
// the (possibly new) handle, or null with the block unchanged.
HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags);

// Frees the block. Returns null on success and the handle itself on failure.
HGLOBAL GlobalFree(HGLOBAL memory);

// The lock count in the low byte of the result, plus GMEM_ flags of the block; for
// diagnostics and tests. Returns GMEM_INVALID_HANDLE for a bad handle.
constexpr UINT GMEM_INVALID_HANDLE = 0x8000;
UINT GlobalFlags(HGLOBAL memory);

}  // namespace platform
