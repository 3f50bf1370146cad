#pragma once
// Text as the drawing calls receive it: ANSI code page (GB18030) bytes or UTF-16 units
// with a count, turned into Qt strings, and back.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gdi/types.h"

namespace platform::gdi {

// The bytes a call may read: count -1 means up to the terminator; a count of 0 or more
// stops at a terminator found within it, so a count longer than the text is safe.
// nullopt for a null text or a count below -1.
std::optional<std::string_view> BoundedText(const char* text, int count);
std::optional<std::u16string_view> BoundedText(const WCHAR* text, UINT count);

// GB18030 bytes to a string; nullopt when the bytes are not valid GB18030.
std::optional<QString> AnsiToString(std::string_view text);
// A string to GB18030 bytes; nullopt when it holds unpaired surrogates.
std::optional<std::string> StringToAnsi(const QString& text);
// The longest prefix of GB18030 `text`, in bytes, that fits `capacity` bytes without
// splitting a character.
std::size_t FittingPrefix(std::string_view text, std::size_t capacity);

// UTF-16 units to a string; nullopt when they hold unpaired surrogates.
std::optional<QString> WideToString(std::u16string_view text);

}  // namespace platform::gdi
