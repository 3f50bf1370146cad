#pragma once
// A colour picker: a swatch of the current colour that opens the desktop's colour
// dialog when clicked.

#include <QColor>
#include <QWidget>

#include "platform/kernel/types.h"

namespace varnimo::app {

class ColorPicker : public QWidget {
  Q_OBJECT

 public:
  explicit ColorPicker(QWidget* parent = nullptr);

  QColor color() const { return color_; }
  // The colour as GDI takes it, 0x00BBGGRR.
  platform::COLORREF GdiColor() const;
  // Emits colorChanged when the colour differs from the current one.
  void setColor(const QColor& color);

 signals:
  void colorChanged(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor color_;
};

}  // namespace varnimo::app
