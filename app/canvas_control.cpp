#include "app/canvas_control.h"

#include "platform/user/messages.h"
#include "platform/user/window_widget.h"

namespace varnimo::app {

namespace {

constexpr char kCanvasClass[] = "VarnimoCanvas";

// Registers the canvas window class; once it exists, registering again is refused
// and the class registered first serves.
void RegisterCanvasClass() {
  const platform::WNDCLASSA canvasClass{0, &platform::DefWindowProcA, kCanvasClass};
  platform::RegisterClassA(&canvasClass);
}

}  // namespace

CanvasControl::CanvasControl(int width, int height, QWidget* parent) : QWidget(parent) {
  RegisterCanvasClass();
  window_ = platform::CreateWindowExA(0, kCanvasClass, "", 0, 0, 0, width, height, 0, nullptr);
  view_ = new platform::WindowWidget(window_, this);
  resize(width, height);
}

CanvasControl::~CanvasControl() {
  if (window_ != 0) platform::DestroyWindow(window_);
}

void CanvasControl::resizeEvent(QResizeEvent*) { view_->setGeometry(rect()); }

}  // namespace varnimo::app
