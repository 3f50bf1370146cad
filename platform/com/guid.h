#pragma once
// GUIDs and their braced text form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <compare>

#include "platform/com/hresult.h"
#include "platform/kernel/types.h"

namespace platform {

// The 16-byte GUID layout: a 32-bit, two 16-bit and eight 8-bit fields, little-endian.
struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];

  friend bool operator==(const GUID&, const GUID&) = default;
};
static_assert(sizeof(GUID) == 16);
using CLSID = GUID;
using IID = GUID;

// The number of characters of a GUID's text, without the terminator.
constexpr int kGuidTextLength = 38;

// Writes the braced, upper-case text and a terminator. Returns the characters written
// including the terminator (39), or 0 when the GUID is null or the buffer is null or
// holds fewer than 39 characters.
int StringFromGUID2(const GUID* guid, WCHAR* text, int capacity);

// Parses exactly the braced form (hexadecimal digits of either case, nothing before or
// after). Returns S_OK, or CO_E_CLASSSTRING with *clsid zeroed for any other text;
// E_INVALIDARG when clsid is null.
HRESULT CLSIDFromString(const WCHAR* text, CLSID* clsid);

}  // namespace platform
