#pragma once
// Conversions between the program's text (NUL-free byte strings in the ANSI code page,
// GB18030), the UTF-16 that GDI+ takes, and GUIDs in their braced text form.
//
// None of them reports failure: a conversion that the platform refuses gives its empty
// or zero result, as documented on each.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnimo {

// UTF-16 code units followed by one zero unit; empty when the text could not be
// converted. Data() is ready for any call that takes a NUL-terminated UTF-16 string.
using WideText = std::vector<char16_t>;

// A GUID's 16 bytes in the platform's memory layout.
using GuidBytes = std::array<std::uint8_t, 16>;

// The text as UTF-16 with a terminator; "" gives one zero unit. Text that is not valid
// in the ANSI code page gives an empty result.
WideText AnsiToWide(std::string_view text);

// The NUL-terminated UTF-16 string in the ANSI code page; null or unconvertible input
// (an unpaired surrogate) gives "".
std::string WideToAnsi(const char16_t* wide);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case; a span that is not exactly
// 16 bytes (an empty GUID) gives "".
std::string GuidToText(std::span<const std::uint8_t> guid);

// The GUID the braced text names; all zeros for any other text.
GuidBytes TextToClsid(std::string_view text);

}  // namespace varnimo
