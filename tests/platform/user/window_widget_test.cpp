#include "platform/user/window_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "platform/gdi/dc.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/region.h"
#include "platform/gdi/shapes.h"
#include "platform/user/paint.h"
#include "platform/user/window_region.h"
#include "tests/platform/user/window_fixture.h"

namespace platform::testing {
namespace {

class Bridge : public WindowTest {
 protected:
  // Fills the rectangle of the window through a window DC.
  static void Fill(HWND window, RECT rect, COLORREF colour) {
    const HDC dc = GetDC(window);
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    ReleaseDC(window, dc);
    DeleteObject(brush);
  }

  // Sends a mouse event to the widget as the window system would; answers whether the
  // widget accepted it.
  static bool Press(QWidget& widget, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), QPointF(widget.mapToGlobal(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
    return event.isAccepted();
  }
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(Bridge, ShowsExactlyWhatADcOnTheWindowDraws) {
  const HWND window = Make(60, 40);
  WindowWidget widget(window);
  EXPECT_EQ(widget.size(), QSize(60, 40));
  Fill(window, RECT{10, 10, 30, 20}, RGB(255, 0, 0));
  Fill(window, RECT{40, 0, 60, 40}, RGB(0, 128, 255));

  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(60, 40));
  const HDC dc = GetDC(window);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) {
      const COLORREF colour = GetPixel(dc, x, y);
      const QRgb pixel = shown.pixel(x, y);
      ASSERT_EQ(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)), colour) << x << "," << y;
    }
  }
  ReleaseDC(window, dc);
}

TEST_F(Bridge, ShowsAndAcceptsClicksOnlyInsideTheWindowRegion) {
  QWidget parent;
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(0, 255, 0));
  parent.setPalette(palette);
  parent.setAutoFillBackground(true);
  parent.resize(100, 50);
  const HWND window = Make(100, 50);
  WindowWidget widget(window, &parent);
  Fill(window, RECT{0, 0, 100, 50}, RGB(255, 255, 255));
  ASSERT_TRUE(SetWindowRgn(window, CreateEllipticRgn(0, 0, 100, 50), TRUE));
  EXPECT_FALSE(widget.mask().isEmpty());

  const QImage shown = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(50, 25), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(2, 25), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(1, 1), qRgb(0, 255, 0));
  EXPECT_EQ(shown.pixel(98, 48), qRgb(0, 255, 0));

  Log().clear();
  EXPECT_FALSE(Press(widget, QPoint(2, 2)));
  EXPECT_TRUE(Received(window, WM_LBUTTONDOWN).empty());
  EXPECT_TRUE(Press(widget, QPoint(60, 30)));
  const std::vector<Message> presses = Received(window, WM_LBUTTONDOWN);
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(GET_X_LPARAM(presses[0].lParam), 60);
  EXPECT_EQ(GET_Y_LPARAM(presses[0].lParam), 30);
  EXPECT_EQ(presses[0].wParam, MK_LBUTTON);
}

TEST_F(Bridge, ResizingTheWidgetResizesTheWindowAndTheOtherWayRound) {
  const HWND window = Make(60, 40);
  Fill(window, RECT{0, 0, 10, 10}, RGB(255, 0, 0));
  WindowWidget widget(window);
  widget.show();
  Log().clear();

  widget.resize(80, 30);
  const std::vector<Message> sizes = Received(window, WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].lParam, MAKELPARAM(80, 30));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 80);
  EXPECT_EQ(client.bottom, 30);
  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(70, 5), qRgb(0, 0, 0));

  RECT placed{};
  GetWindowRect(window, &placed);
  ASSERT_TRUE(MoveWindow(window, placed.left, placed.top, 50, 20, TRUE));
  EXPECT_EQ(widget.size(), QSize(50, 20));
}

TEST_F(Bridge, RepaintsWhenThePixelsChangeAndDeliversPendingPaints) {
  const HWND window = Make(60, 40);
  WindowWidget widget(window);
  PaintCounter counter;
  widget.installEventFilter(&counter);
  widget.show();
  QApplication::processEvents();
  // The new window was invalid: its WM_PAINT came once the events were handled.
  EXPECT_EQ(Received(window, WM_PAINT).size(), 1u);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));

  counter.paints = 0;
  Fill(window, RECT{0, 0, 5, 5}, RGB(1, 2, 3));
  QApplication::processEvents();
  EXPECT_GT(counter.paints, 0);

  InvalidateRect(window, nullptr, FALSE);
  InvalidateRect(window, nullptr, FALSE);
  QApplication::processEvents();
  EXPECT_EQ(Received(window, WM_PAINT).size(), 2u);
}

TEST_F(Bridge, EitherSideMayGoFirst) {
  const HWND window = Make(20, 20);
  {
    WindowWidget widget(window);
    widget.show();
  }
  Fill(window, RECT{0, 0, 20, 20}, RGB(9, 9, 9));  // no widget left to tell

  WindowWidget orphan(window);
  DestroyWindow(window);
  EXPECT_EQ(orphan.Window(), 0u);
  EXPECT_FALSE(Press(orphan, QPoint(1, 1)));
  orphan.grab();

  WindowWidget empty(0);
  EXPECT_EQ(empty.Window(), 0u);
}

}  // namespace
}  // namespace platform::testing
