#include "app/color_picker.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

#include "platform/gdi/types.h"

namespace varnimo::app {

ColorPicker::ColorPicker(QWidget* parent) : QWidget(parent), color_(Qt::black) {
  setCursor(Qt::PointingHandCursor);
}

platform::COLORREF ColorPicker::GdiColor() const {
  return platform::RGB(static_cast<platform::BYTE>(color_.red()),
                       static_cast<platform::BYTE>(color_.green()),
                       static_cast<platform::BYTE>(color_.blue()));
}

void ColorPicker::setColor(const QColor& color) {
  if (!color.isValid() || color == color_) return;
  color_ = color;
  update();
  emit colorChanged(color_);
}

void ColorPicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), color_);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorPicker::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  setColor(QColorDialog::getColor(color_, this));
}

}  // namespace varnimo::app
