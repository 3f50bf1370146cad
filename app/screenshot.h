#pragma once
// Writing a window as the user sees it to a picture file.

#include <QString>

class QWidget;

namespace varnimo::app {

// Renders the widget with its children and writes it to `path` as PNG; answers
// whether the file was written.
bool WriteScreenshot(QWidget& widget, const QString& path);

}  // namespace varnimo::app
