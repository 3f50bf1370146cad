#include <QTextLayout>
#include <QTextLine>
#include <algorithm>
#include <limits>

#include "platform/gdi/text/ellipsis_p.h"
#include "platform/gdi/text/line_shaper_p.h"
#include "platform/gdi/text/prefix_p.h"
#include "platform/gdi/text/text_block_p.h"

namespace platform::gdi {
namespace {

constexpr int kDefaultTabCharacters = 8;
// Wider layouts are treated as unbounded: a rectangle reaching to the end of the
// coordinate range is a common way of asking for no limit.
constexpr std::int64_t kMaxLayoutWidth = 1 << 24;

std::int64_t Span(LONG low, LONG high) { return static_cast<std::int64_t>(high) - low; }

LONG ClampToLong(std::int64_t value) {
  return static_cast<LONG>(std::clamp<std::int64_t>(value, std::numeric_limits<LONG>::min(),
                                                    std::numeric_limits<LONG>::max()));
}

// The DT_TABSTOP flag borrows bits 8 to 15 for the tab length, so those bits are no
// flags then.
UINT FlagsOf(UINT format) {
  return (format & DT_TABSTOP) ? (format & ~0xFF00u) | DT_TABSTOP : format;
}

int TabCharacters(UINT format, const DRAWTEXTPARAMS* params) {
  if (params != nullptr && params->iTabLength > 0) return params->iTabLength;
  if (format & DT_TABSTOP) {
    const int characters = static_cast<int>((format >> 8) & 0xFF);
    if (characters > 0) return characters;
  }
  return kDefaultTabCharacters;
}

std::optional<EllipsisKind> EllipsisOf(UINT format) {
  if (format & DT_PATH_ELLIPSIS) return EllipsisKind::Path;
  if (format & DT_WORD_ELLIPSIS) return EllipsisKind::Word;
  if (format & DT_END_ELLIPSIS) return EllipsisKind::End;
  return std::nullopt;
}

// A stretch of the display text that becomes one or more lines.
struct Paragraph {
  int start = 0;
  int length = 0;
};

// Multi-line text breaks at CR LF, CR and LF; a break at the very end adds no line.
std::vector<Paragraph> SplitParagraphs(const QString& text) {
  std::vector<Paragraph> paragraphs;
  const int length = static_cast<int>(text.size());
  int start = 0;
  for (int i = 0; i < length; ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    paragraphs.push_back({start, i - start});
    if (text[i] == u'\r' && i + 1 < length && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < length || paragraphs.empty()) paragraphs.push_back({start, length - start});
  return paragraphs;
}

// Where each line of a paragraph starts and how long it is, broken at word
// boundaries to fit `width` (a word wider than the line breaks where it must).
std::vector<Paragraph> WrapParagraph(const QString& text, const Paragraph& paragraph, int width,
                                     const LineShaper& shaper) {
  std::vector<Paragraph> lines;
  const QString content = text.mid(paragraph.start, paragraph.length);
  if (content.isEmpty()) return {paragraph};
  QTextLayout layout(content, shaper.Font());
  layout.setTextOption(
      TextOptionFor(shaper.TabDistance(), QTextOption::WrapAtWordBoundaryOrAnywhere));
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max(width, 1));
    int length = line.textLength();
    // Spaces at the break belong to no line's width.
    while (length > 0 && content[line.textStart() + length - 1] == u' ') --length;
    lines.push_back({paragraph.start + line.textStart(), length});
  }
  layout.endLayout();
  if (lines.empty()) lines.push_back(paragraph);
  return lines;
}

struct Cut {
  int from = 0;  // display positions
  int to = 0;
};

QString ModifiedSource(const QString& source, const PrefixedText& prefixed,
                       const std::vector<Cut>& cuts) {
  QString result;
  int copied = 0;
  for (const Cut& cut : cuts) {
    const int from = prefixed.sourceIndex[static_cast<std::size_t>(cut.from)];
    result += source.mid(copied, from - copied) + kEllipsis;
    copied = prefixed.sourceIndex[static_cast<std::size_t>(cut.to)];
  }
  return result + source.mid(copied);
}

// The lines of the display text: paragraphs (one for single-line text), each wrapped
// when word breaking is asked for.
std::vector<Paragraph> BreakLines(const QString& display, UINT flags, int available,
                                  const LineShaper& shaper) {
  const bool singleLine = flags & DT_SINGLELINE;
  if (singleLine) return {{0, static_cast<int>(display.size())}};
  std::vector<Paragraph> lines;
  for (const Paragraph& paragraph : SplitParagraphs(display)) {
    if (!(flags & DT_WORDBREAK)) {
      lines.push_back(paragraph);
      continue;
    }
    for (const Paragraph& line : WrapParagraph(display, paragraph, available, shaper)) {
      lines.push_back(line);
    }
  }
  return lines;
}

// Shortens the line to `available` pixels, keeping its underlines on the characters
// that remain; returns the cut in the line's own positions.
Cut ShortenLine(TextLine& line, int available, EllipsisKind kind, const LineShaper& shaper) {
  const Elision elision = Elide(line.text, available, kind, shaper);
  const int shift = elision.head + static_cast<int>(kEllipsis.size()) - elision.tail;
  std::vector<int> kept;
  for (const int position : line.underlined) {
    if (position < elision.head) kept.push_back(position);
    if (position >= elision.tail) kept.push_back(position + shift);
  }
  line.underlined = std::move(kept);
  line.text = elision.Apply(line.text);
  line.width = shaper.Width(line.text);
  return {elision.head, elision.tail};
}

// Places the lines: each by the horizontal flags, the block by the vertical ones
// (which apply to single-line text only).
void PlaceLines(TextBlock& block, const RECT& rect) {
  const bool singleLine = block.format & DT_SINGLELINE;
  block.top = rect.top;
  if (singleLine && (block.format & DT_BOTTOM)) {
    block.top = static_cast<std::int64_t>(rect.bottom) - block.lineHeight;
  } else if (singleLine && (block.format & DT_VCENTER)) {
    block.top = rect.top + (Span(rect.top, rect.bottom) - block.lineHeight) / 2;
  }
  const std::int64_t left = static_cast<std::int64_t>(rect.left) + block.leftMargin;
  const std::int64_t right = static_cast<std::int64_t>(rect.right) - block.rightMargin;
  std::int64_t y = block.top;
  for (TextLine& line : block.lines) {
    if (block.format & DT_RIGHT) {
      line.x = right - line.width;
    } else if (block.format & DT_CENTER) {
      line.x = left + (right - left - line.width) / 2;
    } else {
      line.x = left;
    }
    line.y = y;
    y += block.lineHeight;
  }
}

}  // namespace

TextBlock LayOutText(const QString& source, const RECT& rect, UINT format,
                     const DRAWTEXTPARAMS* params, const ResolvedFont& font) {
  TextBlock block;
  block.format = FlagsOf(format);
  const UINT flags = block.format;
  block.leftMargin = params != nullptr ? std::max(params->iLeftMargin, 0) : 0;
  block.rightMargin = params != nullptr ? std::max(params->iRightMargin, 0) : 0;
  block.lineHeight = font.Height() + ((flags & DT_EXTERNALLEADING) ? font.externalLeading : 0);
  if (flags & DT_EXPANDTABS) {
    block.tabDistance =
        static_cast<qreal>(TabCharacters(format, params)) * std::max(font.averageCharWidth, 1);
  }
  const LineShaper shaper(font.font, block.tabDistance);

  const PrefixedText prefixed = ApplyPrefixes(
      source, (flags & DT_NOPREFIX) ? PrefixHandling::Ignore : PrefixHandling::Interpret);
  // Tabs and, on a single line, line breaks are shown as spaces.
  QString display = prefixed.display;
  for (QChar& character : display) {
    if (character == u'\t' && !(flags & DT_EXPANDTABS)) character = u' ';
    if ((flags & DT_SINGLELINE) && (character == u'\r' || character == u'\n')) character = u' ';
  }

  const int available = static_cast<int>(std::clamp<std::int64_t>(
      Span(rect.left, rect.right) - block.leftMargin - block.rightMargin, 0, kMaxLayoutWidth));
  const std::optional<EllipsisKind> ellipsis = EllipsisOf(flags);
  // Underlined positions ascend, as the lines do: one walk hands them out.
  auto underlined = prefixed.underlined.cbegin();
  std::vector<Cut> cuts;
  for (const Paragraph& range : BreakLines(display, flags, available, shaper)) {
    TextLine line;
    line.text = display.mid(range.start, range.length);
    while (underlined != prefixed.underlined.cend() && *underlined < range.start) ++underlined;
    for (; underlined != prefixed.underlined.cend() && *underlined < range.start + range.length;
         ++underlined) {
      if (!(flags & DT_HIDEPREFIX)) line.underlined.push_back(*underlined - range.start);
    }
    line.width = shaper.Width(line.text);
    if (ellipsis && line.width > available) {
      const Cut cut = ShortenLine(line, available, *ellipsis, shaper);
      cuts.push_back({range.start + cut.from, range.start + cut.to});
    }
    block.width = std::max(block.width, line.width);
    block.lines.push_back(std::move(line));
  }
  if ((flags & DT_MODIFYSTRING) && !cuts.empty()) {
    block.modifiedSource = ModifiedSource(source, prefixed, cuts);
  }
  PlaceLines(block, rect);
  return block;
}

int TextHeightResult(const TextBlock& block, const RECT& rect) {
  return ClampToLong(block.top + block.Height() - rect.top);
}

RECT CalculatedRect(const TextBlock& block, const RECT& rect) {
  RECT result = rect;
  result.right = ClampToLong(static_cast<std::int64_t>(rect.left) + block.leftMargin + block.width +
                             block.rightMargin);
  result.bottom = ClampToLong(static_cast<std::int64_t>(rect.top) + block.Height());
  return result;
}

}  // namespace platform::gdi
