#include <QTextCharFormat>
#include <QTextLine>
#include <cmath>

#include "platform/gdi/text/line_shaper_p.h"

namespace platform::gdi {

QTextOption TextOptionFor(qreal tabDistance, QTextOption::WrapMode wrap) {
  QTextOption option;
  option.setWrapMode(wrap);
  if (tabDistance > 0) option.setTabStopDistance(tabDistance);
  option.setUseDesignMetrics(false);
  return option;
}

std::unique_ptr<QTextLayout> LineShaper::Shape(const QString& text,
                                               std::span<const int> underlined) const {
  auto layout = std::make_unique<QTextLayout>(text, font_);
  layout->setTextOption(TextOptionFor(tabDistance_, QTextOption::NoWrap));
  if (!underlined.empty()) {
    QList<QTextLayout::FormatRange> formats;
    for (const int position : underlined) {
      QTextLayout::FormatRange range;
      range.start = position;
      const bool pair = position + 1 < text.size() && text[position].isHighSurrogate();
      range.length = pair ? 2 : 1;
      range.format.setFontUnderline(true);
      formats.append(range);
    }
    layout->setFormats(formats);
  }
  layout->beginLayout();
  QTextLine line = layout->createLine();
  if (line.isValid()) line.setPosition(QPointF(0, 0));
  layout->endLayout();
  return layout;
}

int LineShaper::Width(const QString& text) const {
  if (text.isEmpty()) return 0;
  const std::unique_ptr<QTextLayout> layout = Shape(text);
  if (layout->lineCount() == 0) return 0;
  return static_cast<int>(std::ceil(layout->lineAt(0).naturalTextWidth() - 1e-6));
}

int LineShaper::UnitsWithin(const QString& text, int x) const {
  if (text.isEmpty()) return 0;
  const std::unique_ptr<QTextLayout> layout = Shape(text);
  if (layout->lineCount() == 0) return 0;
  return layout->lineAt(0).xToCursor(x, QTextLine::CursorBetweenCharacters);
}

}  // namespace platform::gdi
