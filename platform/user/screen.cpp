// The screen: its size, and the pixels that GetDC(0) draws into.

#include <QGuiApplication>
#include <QScreen>
#include <mutex>

#include "platform/user/window_p.h"

namespace platform {
namespace {

// Without a GUI application (or without a screen) the screen has this size.
constexpr QSize kDefaultScreenSize(1920, 1080);

QSize ScreenSize() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QSize size = screen->size();
      if (!size.isEmpty()) return size;
    }
  }
  return kDefaultScreenSize;
}

}  // namespace

int GetScreenWidth() { return ScreenSize().width(); }
int GetScreenHeight() { return ScreenSize().height(); }

namespace user {

std::shared_ptr<gdi::PixelSurface> ScreenPixels() {
  static std::mutex mutex;
  static std::shared_ptr<gdi::PixelSurface> pixels;
  std::lock_guard lock(mutex);
  // The screen's size can change (a GUI application started after the first use);
  // device contexts made earlier keep the pixels they were made on.
  const QSize size = ScreenSize();
  if (!pixels || pixels->image.size() != size) {
    pixels = gdi::PixelSurface::Create(size.width(), size.height());
  }
  return pixels;
}

}  // namespace user
}  // namespace platform
