#pragma once
// Shortening a line that is wider than its rectangle, with "..." standing for what
// was left out.

#include <QString>

#include "platform/gdi/text/line_shaper_p.h"

namespace platform::gdi {

enum class EllipsisKind {
  End,   // cut the end
  Word,  // cut the end after the last whole word that fits
  Path,  // cut the middle, keeping as much as possible after the last path separator
};

inline const QString kEllipsis = QStringLiteral("...");

// The shortened line is text[0, head) + "..." + text[tail, end).
struct Elision {
  int head = 0;
  int tail = 0;

  QString Apply(const QString& text) const { return text.left(head) + kEllipsis + text.mid(tail); }
};

// How to shorten `text` so that it fits `width` pixels; when even "..." alone does not
// fit, everything is cut and "..." remains.
Elision Elide(const QString& text, int width, EllipsisKind kind, const LineShaper& shaper);

}  // namespace platform::gdi
