#include "platform/com/guid.h"

#include <array>
#include <cstring>

namespace platform {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The 16 bytes in text order: Data1..Data3 are written most significant byte first.
std::array<std::uint8_t, 16> TextOrderBytes(const GUID& guid) {
  std::array<std::uint8_t, 16> bytes{};
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(guid.Data1 >> (24 - 8 * i));
  for (int i = 0; i < 2; ++i) bytes[4 + i] = static_cast<std::uint8_t>(guid.Data2 >> (8 - 8 * i));
  for (int i = 0; i < 2; ++i) bytes[6 + i] = static_cast<std::uint8_t>(guid.Data3 >> (8 - 8 * i));
  std::memcpy(bytes.data() + 8, guid.Data4, 8);
  return bytes;
}

GUID FromTextOrderBytes(const std::array<std::uint8_t, 16>& bytes) {
  GUID guid{};
  for (int i = 0; i < 4; ++i) guid.Data1 = (guid.Data1 << 8) | bytes[i];
  guid.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(guid.Data4, bytes.data() + 8, 8);
  return guid;
}

// After the brace, the digit pairs of each group, separated by hyphens.
constexpr std::array<int, 5> kGroupBytes{4, 2, 2, 2, 6};

int HexValue(WCHAR c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

int StringFromGUID2(const GUID* guid, WCHAR* text, int capacity) {
  if (guid == nullptr || text == nullptr || capacity < kGuidTextLength + 1) return 0;
  const std::array<std::uint8_t, 16> bytes = TextOrderBytes(*guid);
  int out = 0;
  int byte = 0;
  text[out++] = u'{';
  for (std::size_t group = 0; group < kGroupBytes.size(); ++group) {
    if (group > 0) text[out++] = u'-';
    for (int i = 0; i < kGroupBytes[group]; ++i, ++byte) {
      text[out++] = static_cast<WCHAR>(kHexDigits[bytes[byte] >> 4]);
      text[out++] = static_cast<WCHAR>(kHexDigits[bytes[byte] & 0xF]);
    }
  }
  text[out++] = u'}';
  text[out++] = 0;
  return out;
}

HRESULT CLSIDFromString(const WCHAR* text, CLSID* clsid) {
  if (clsid == nullptr) return E_INVALIDARG;
  *clsid = CLSID{};
  if (text == nullptr) return CO_E_CLASSSTRING;
  std::array<std::uint8_t, 16> bytes{};
  int at = 0;
  if (text[at++] != u'{') return CO_E_CLASSSTRING;
  int byte = 0;
  for (std::size_t group = 0; group < kGroupBytes.size(); ++group) {
    if (group > 0 && text[at++] != u'-') return CO_E_CLASSSTRING;
    for (int i = 0; i < kGroupBytes[group]; ++i, ++byte) {
      // A terminator among the digits fails here, before anything past it is read.
      const int high = HexValue(text[at++]);
      if (high < 0) return CO_E_CLASSSTRING;
      const int low = HexValue(text[at++]);
      if (low < 0) return CO_E_CLASSSTRING;
      bytes[byte] = static_cast<std::uint8_t>(high << 4 | low);
    }
  }
  if (text[at++] != u'}' || text[at] != 0) return CO_E_CLASSSTRING;
  *clsid = FromTextOrderBytes(bytes);
  return S_OK;
}

}  // namespace platform
