#include <algorithm>
#include <functional>
#include <vector>

#include "platform/gdi/text/ellipsis_p.h"

namespace platform::gdi {
namespace {

// A cut position moved off the middle of a surrogate pair.
int Boundary(const QString& text, int position) {
  if (position > 0 && position < text.size() && text[position].isLowSurrogate() &&
      text[position - 1].isHighSurrogate()) {
    return position - 1;
  }
  return position;
}

// The largest n in [low, high] for which fits(n) holds, assuming it holds up to some
// point and not after; `low` when none does.
int LargestFitting(int low, int high, const std::function<bool(int)>& fits) {
  int best = low;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    if (fits(middle)) {
      best = middle;
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return best;
}

Elision ElideEnd(const QString& text, int width, const LineShaper& shaper) {
  const int length = static_cast<int>(text.size());
  const auto fits = [&](int head) {
    return shaper.Width(text.left(Boundary(text, head)) + kEllipsis) <= width;
  };
  // No longer head fits than the text that fits the whole width: a bound that keeps
  // the search from shaping a long line again and again.
  const int limit = std::min(length, shaper.UnitsWithin(text, width) + 1);
  return {Boundary(text, LargestFitting(0, limit, fits)), length};
}

Elision ElideWord(const QString& text, int width, const LineShaper& shaper) {
  const int length = static_cast<int>(text.size());
  // Word ends: positions where a space follows a word.
  std::vector<int> wordEnds;
  const int limit = std::min(length, shaper.UnitsWithin(text, width) + 1);
  for (int position = 1; position < limit; ++position) {
    if (text[position].isSpace() && !text[position - 1].isSpace()) wordEnds.push_back(position);
  }
  const auto fits = [&](int index) {
    return shaper.Width(text.left(wordEnds[static_cast<std::size_t>(index)]) + kEllipsis) <= width;
  };
  if (wordEnds.empty() || !fits(0)) return ElideEnd(text, width, shaper);
  const int last = LargestFitting(0, static_cast<int>(wordEnds.size()) - 1, fits);
  return {wordEnds[static_cast<std::size_t>(last)], length};
}

Elision ElidePath(const QString& text, int width, const LineShaper& shaper) {
  const int length = static_cast<int>(text.size());
  const int separator = static_cast<int>(std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/')));
  if (separator >= 0) {
    // Keep the last component whole and as much of the front as fits; when even the
    // last component does not fit, cut it from its front.
    const auto headFits = [&](int head) {
      return shaper.Width(text.left(Boundary(text, head)) + kEllipsis + text.mid(separator)) <=
             width;
    };
    if (headFits(0)) return {Boundary(text, LargestFitting(0, separator, headFits)), separator};
    const auto tailFits = [&](int kept) {
      return shaper.Width(kEllipsis + text.right(kept)) <= width;
    };
    const int kept = LargestFitting(0, length - separator, tailFits);
    return {0, Boundary(text, length - kept)};
  }
  // No separator: keep the same number of characters at both ends.
  const auto fits = [&](int kept) {
    return shaper.Width(text.left(Boundary(text, kept)) + kEllipsis +
                        text.mid(Boundary(text, length - kept))) <= width;
  };
  const int kept = LargestFitting(0, length / 2, fits);
  return {Boundary(text, kept), Boundary(text, length - kept)};
}

}  // namespace

Elision Elide(const QString& text, int width, EllipsisKind kind, const LineShaper& shaper) {
  switch (kind) {
    case EllipsisKind::Word:
      return ElideWord(text, width, shaper);
    case EllipsisKind::Path:
      return ElidePath(text, width, shaper);
    case EllipsisKind::End:
      break;
  }
  return ElideEnd(text, width, shaper);
}

}  // namespace platform::gdi
