#pragma once
// One line of text laid out with a font: the single place where widths are measured
// and lines are shaped, so that measuring, eliding and drawing agree.

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <span>

namespace platform::gdi {

class LineShaper {
 public:
  // `tabDistance`: pixels between tab stops; 0 keeps the layout's default stops.
  LineShaper(const QFont& font, qreal tabDistance) : font_(font), tabDistance_(tabDistance) {}

  // The text shaped as one unbroken line, ready to draw at (0, 0); `underlined`
  // positions get an underline of their own.
  std::unique_ptr<QTextLayout> Shape(const QString& text,
                                     std::span<const int> underlined = {}) const;

  // The advance of the text as one line, rounded up to whole pixels.
  int Width(const QString& text) const;

  // How many units of the text, from its start, lie within `x` pixels.
  int UnitsWithin(const QString& text, int x) const;

  const QFont& Font() const { return font_; }
  qreal TabDistance() const { return tabDistance_; }

 private:
  QFont font_;
  qreal tabDistance_;
};

// Layout options shared by every layout of text in this service.
QTextOption TextOptionFor(qreal tabDistance, QTextOption::WrapMode wrap);

}  // namespace platform::gdi
