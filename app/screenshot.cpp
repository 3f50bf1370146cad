#include "app/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

namespace varnimo::app {

bool WriteScreenshot(QWidget& widget, const QString& path) {
  // Pending layout and paint events first, so the picture shows the settled window.
  QCoreApplication::processEvents();
  return widget.grab().save(path, "PNG");
}

}  // namespace varnimo::app
