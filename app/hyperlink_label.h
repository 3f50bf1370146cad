#pragma once
// A label drawn as a link that reports a click.

#include <QLabel>

namespace varnimo::app {

class HyperlinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit HyperlinkLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace varnimo::app
