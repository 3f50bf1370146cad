#pragma once
// The bridge between Qt and platform windows: a widget that shows a platform window.
//
// The widget paints the window's pixels one to one (only inside the window region, so
// what lies behind shows elsewhere), repaints whenever they change, delivers the
// window's pending WM_PAINT soon after its update region becomes non-empty, turns
// mouse events into mouse messages (through input.h, so capture and window region
// apply) and turns its own resizes into MoveWindow, which sends WM_SIZE. A device
// context on the window therefore draws into exactly what the widget shows.

#include <QWidget>
#include <memory>

#include "platform/user/window.h"

namespace platform {

class WindowWidget final : public QWidget {
 public:
  // Shows `window`; the widget takes the window's size. The widget does not own the
  // window: either may be destroyed first. A bad handle gives an empty widget.
  explicit WindowWidget(HWND window, QWidget* parent = nullptr);
  ~WindowWidget() override;
  WindowWidget(const WindowWidget&) = delete;
  WindowWidget& operator=(const WindowWidget&) = delete;

  // The window shown; 0 once it is destroyed.
  HWND Window() const { return window_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  class Host;

  // Gives the window the widget's size and screen position.
  void SyncWindowGeometry();
  // Follows the window's size and region after they changed.
  void FollowWindowGeometry();
  void DeliverPaintSoon();
  void Deliver(QMouseEvent* event, UINT message);

  HWND window_ = 0;
  std::unique_ptr<Host> host_;
  bool paintQueued_ = false;
};

}  // namespace platform
