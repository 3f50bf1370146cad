#include "app/ansi_text.h"

#include "core/text_conversion.h"

namespace varnimo::app {

std::string ToAnsi(const QString& text) {
  // QString keeps its UTF-16 NUL-terminated, which is what the conversion reads.
  return WideToAnsi(reinterpret_cast<const char16_t*>(text.utf16()));
}

QString FromAnsi(std::string_view text) {
  const WideText wide = AnsiToWide(text);
  if (wide.empty()) return {};
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size() - 1));
}

}  // namespace varnimo::app
