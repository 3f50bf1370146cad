#pragma once
// Scalar types and handle conventions shared by every service of the platform layer.
//
// Handles are 32-bit ids handed out by per-kind handle tables (handle_table.h); 0 is
// "no handle". Addresses, window procedures, stream pointers and tokens are
// pointer-sized, as on any 64-bit platform.

#include <cstdint>

namespace platform {

using BOOL = std::int32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using INT = std::int32_t;
using WCHAR = char16_t;
using ULONG_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using SIZE_T = std::size_t;
using COLORREF = std::uint32_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

// A 32-bit id from a handle table; the kind is encoded in its top bits.
using Handle = std::uint32_t;

using HWND = Handle;
using HDC = Handle;
using HGDIOBJ = Handle;
using HBITMAP = Handle;
using HPEN = Handle;
using HBRUSH = Handle;
using HFONT = Handle;
using HRGN = Handle;

// Global memory handles are pointer-sized: a fixed block's handle is its address.
using HGLOBAL = void*;

}  // namespace platform
