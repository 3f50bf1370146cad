#pragma once
// The & prefix of drawn text: "&x" shows x underlined, "&&" shows one &, and a lone &
// at the end shows nothing.

#include <QString>
#include <vector>

namespace platform::gdi {

struct PrefixedText {
  QString display;
  // For each position of `display` (and one past its end), where that character's
  // source form begins in the source text: a prefixed character maps to its &, so
  // that cutting the display text never leaves an & dangling in the source.
  std::vector<int> sourceIndex;
  // Positions of `display` that the prefix underlines.
  std::vector<int> underlined;
};

enum class PrefixHandling { Ignore, Interpret };

PrefixedText ApplyPrefixes(const QString& source, PrefixHandling handling);

}  // namespace platform::gdi
