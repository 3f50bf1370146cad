#include <cstring>
#include <limits>

#include "platform/gdi/text/ansi_text_p.h"
#include "platform/kernel/code_page.h"

namespace platform::gdi {

std::optional<std::string_view> BoundedText(const char* text, int count) {
  if (text == nullptr || count < -1) return std::nullopt;
  if (count == -1) return std::string_view(text);
  return std::string_view(text, strnlen(text, static_cast<std::size_t>(count)));
}

std::optional<std::u16string_view> BoundedText(const WCHAR* text, UINT count) {
  if (text == nullptr) return std::nullopt;
  const std::size_t limit =
      count == static_cast<UINT>(-1) ? std::numeric_limits<std::size_t>::max() : count;
  std::size_t length = 0;
  while (length < limit && text[length] != 0) ++length;
  return std::u16string_view(text, length);
}

std::optional<QString> AnsiToString(std::string_view text) {
  if (text.empty()) return QString();
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return std::nullopt;
  const int length = static_cast<int>(text.size());
  const int units =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (units <= 0) return std::nullopt;
  QString result(units, Qt::Uninitialized);
  if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length,
                          reinterpret_cast<WCHAR*>(result.data()), units) != units) {
    return std::nullopt;
  }
  return result;
}

std::optional<std::string> StringToAnsi(const QString& text) {
  if (text.isEmpty()) return std::string();
  const auto* wide = reinterpret_cast<const WCHAR*>(text.constData());
  const int bytes =
      WideCharToMultiByte(CP_ACP, WC_ERR_INVALID_CHARS, wide, static_cast<int>(text.size()),
                          nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::nullopt;
  std::string result(static_cast<std::size_t>(bytes), '\0');
  if (WideCharToMultiByte(CP_ACP, WC_ERR_INVALID_CHARS, wide, static_cast<int>(text.size()),
                          result.data(), bytes, nullptr, nullptr) != bytes) {
    return std::nullopt;
  }
  return result;
}

std::size_t FittingPrefix(std::string_view text, std::size_t capacity) {
  // GB18030 characters are one byte (below 0x80), or start with 0x81..0xFE and are
  // four bytes long when the second byte is a digit, two bytes otherwise.
  std::size_t position = 0;
  while (position < text.size()) {
    const auto lead = static_cast<unsigned char>(text[position]);
    std::size_t size = 1;
    if (lead >= 0x80 && position + 1 < text.size()) {
      const auto second = static_cast<unsigned char>(text[position + 1]);
      size = (second >= 0x30 && second <= 0x39) ? 4 : 2;
    }
    if (position + size > capacity || position + size > text.size()) break;
    position += size;
  }
  return position;
}

std::optional<QString> WideToString(std::u16string_view text) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return std::nullopt;
  const QString result = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  if (!result.isValidUtf16()) return std::nullopt;
  return result;
}

}  // namespace platform::gdi
