#pragma once
// Moving text between Qt (UTF-16), the application's state (ANSI code page) and the
// program's own constants (UTF-8).

#include <QString>
#include <string>
#include <string_view>

namespace varnimo::app {

// The text in the ANSI code page; "" when it holds an unpaired surrogate.
std::string ToAnsi(const QString& text);

// The ANSI text as a QString; empty when the bytes are not valid in the code page.
QString FromAnsi(std::string_view text);

// UTF-8 text, such as a caption written in the program, as a QString.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace varnimo::app
