#include "app/hyperlink_label.h"

#include <QMouseEvent>

namespace varnimo::app {

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette linkColours = palette();
  linkColours.setColor(QPalette::WindowText, linkColours.color(QPalette::Link));
  setPalette(linkColours);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace varnimo::app
