// The bridge widget.

#include "platform/user/window_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/user/input.h"
#include "platform/user/messages.h"
#include "platform/user/paint.h"
#include "platform/user/window_p.h"

namespace platform {
namespace {

WPARAM KeysOf(const QMouseEvent& event) {
  WPARAM keys = 0;
  if (event.buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (event.buttons() & Qt::RightButton) keys |= MK_RBUTTON;
  if (event.buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (event.modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (event.modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

// The message of a press (or release) of the button; 0 for buttons windows do not see.
UINT ButtonMessage(Qt::MouseButton button, bool press) {
  switch (button) {
    case Qt::LeftButton: return press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Qt::RightButton: return press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case Qt::MiddleButton: return press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default: return 0;
  }
}

}  // namespace

// Hears the window's changes on the widget's behalf.
class WindowWidget::Host final : public user::WindowHost {
 public:
  explicit Host(WindowWidget& widget) : widget_(widget) {}
  void PixelsChanged(const QRect& area) override { widget_.update(area); }
  void UpdatePending() override { widget_.DeliverPaintSoon(); }
  void GeometryChanged() override { widget_.FollowWindowGeometry(); }
  void WindowDestroyed() override {
    widget_.window_ = 0;
    widget_.update();
  }

 private:
  WindowWidget& widget_;
};

WindowWidget::WindowWidget(HWND window, QWidget* parent)
    : QWidget(parent), host_(std::make_unique<Host>(*this)) {
  setMouseTracking(true);
  if (!user::SetWindowHost(window, host_.get())) return;
  window_ = window;
  FollowWindowGeometry();
  if (GetUpdateRect(window_, nullptr, FALSE)) DeliverPaintSoon();
}

WindowWidget::~WindowWidget() {
  // Another widget may have taken the window over since.
  const std::shared_ptr<user::WindowObject> object = user::Windows().Find(window_);
  if (object && object->host == host_.get()) user::SetWindowHost(window_, nullptr);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
  const std::shared_ptr<user::WindowObject> object = user::Windows().Find(window_);
  if (!object) return;
  QPainter painter(this);
  painter.setClipRegion(object->region ? event->region() & *object->region : event->region());
  const QRect area = event->rect();
  painter.drawImage(area, object->pixels->image, area);
}

void WindowWidget::resizeEvent(QResizeEvent* /*event*/) { SyncWindowGeometry(); }
void WindowWidget::moveEvent(QMoveEvent* /*event*/) { SyncWindowGeometry(); }

void WindowWidget::SyncWindowGeometry() {
  RECT current{};
  if (size().isEmpty() || !GetWindowRect(window_, &current)) return;
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  const bool resized = current.right - current.left != width() || current.bottom - current.top != height();
  if (!resized && current.left == origin.x() && current.top == origin.y()) return;
  // Only a new size needs painting: moving keeps the pixels.
  MoveWindow(window_, origin.x(), origin.y(), width(), height(), resized ? TRUE : FALSE);
}

void WindowWidget::FollowWindowGeometry() {
  const std::shared_ptr<user::WindowObject> object = user::Windows().Find(window_);
  if (!object) return;
  const QSize windowSize = object->ClientRect().size();
  if (size() != windowSize) resize(windowSize);
  // The mask lets presses outside the region fall through to what lies behind.
  if (object->region && !object->region->isEmpty()) {
    setMask(*object->region);
  } else {
    clearMask();
  }
  update();
}

void WindowWidget::DeliverPaintSoon() {
  if (paintQueued_) return;
  paintQueued_ = true;
  // As a queued message would: the paint comes once the current event is handled.
  QMetaObject::invokeMethod(
      this,
      [this] {
        paintQueued_ = false;
        UpdateWindow(window_);
      },
      Qt::QueuedConnection);
}

void WindowWidget::Deliver(QMouseEvent* event, UINT message) {
  const QPoint point = event->position().toPoint();
  if (message != 0 && user::DeliverMouseInput(window_, message, KeysOf(*event), point.x(), point.y())) {
    event->accept();
  } else {
    event->ignore();
  }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  Deliver(event, ButtonMessage(event->button(), true));
}
void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  Deliver(event, ButtonMessage(event->button(), false));
}
void WindowWidget::mouseMoveEvent(QMouseEvent* event) { Deliver(event, WM_MOUSEMOVE); }

}  // namespace platform
