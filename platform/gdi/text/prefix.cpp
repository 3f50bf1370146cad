#include "platform/gdi/text/prefix_p.h"

namespace platform::gdi {

PrefixedText ApplyPrefixes(const QString& source, PrefixHandling handling) {
  PrefixedText result;
  const int length = static_cast<int>(source.size());
  result.display.reserve(length);
  result.sourceIndex.reserve(static_cast<std::size_t>(length) + 1);
  auto append = [&result](QChar character, int from) {
    result.display.append(character);
    result.sourceIndex.push_back(from);
  };
  for (int i = 0; i < length;) {
    if (handling == PrefixHandling::Ignore || source[i] != u'&') {
      append(source[i], i);
      ++i;
      continue;
    }
    if (i + 1 == length) break;  // a lone & at the end
    if (source[i + 1] == u'&') {
      append(u'&', i);
      i += 2;
      continue;
    }
    result.underlined.push_back(static_cast<int>(result.display.size()));
    append(source[i + 1], i);
    i += 2;
    // The low half of a surrogate pair belongs to the underlined character.
    if (i < length && source[i - 1].isHighSurrogate() && source[i].isLowSurrogate()) {
      append(source[i], i);
      ++i;
    }
  }
  result.sourceIndex.push_back(length);
  return result;
}

}  // namespace platform::gdi
