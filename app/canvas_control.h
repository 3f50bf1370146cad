#pragma once
// The preview canvas: a control that owns a platform window of its size and shows it
// through the bridge widget. Drawing into the window (through its device contexts)
// changes what the control shows; clicks on it reach the window's procedure.

#include <QWidget>

#include "core/control.h"
#include "platform/user/window.h"

namespace platform {
class WindowWidget;
}

namespace varnimo::app {

class CanvasControl final : public QWidget, public Control {
  Q_OBJECT

 public:
  // A canvas of the given size, with a black platform window that has the default
  // window procedure.
  CanvasControl(int width, int height, QWidget* parent = nullptr);
  ~CanvasControl() override;

  // The platform window; 0 if it could not be made.
  platform::HWND WindowHandle() const override { return window_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  platform::HWND window_ = 0;
  platform::WindowWidget* view_ = nullptr;
};

}  // namespace varnimo::app
