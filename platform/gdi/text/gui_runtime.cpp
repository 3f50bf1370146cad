#include <QGuiApplication>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "platform/gdi/text/gui_runtime_p.h"

namespace platform::gdi {
namespace {

bool HasDisplay() {
  return std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
         std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Arguments live as long as the application object, as Qt requires.
int argumentCount = 0;
char programName[] = "varnimo";
char platformOption[] = "-platform";
char offscreenPlatform[] = "offscreen";
char* arguments[] = {programName, platformOption, offscreenPlatform, nullptr};

// The application object is built in static storage and never destroyed: torn down
// during static destruction it would outlive the Qt globals it depends on. Being in
// static storage, it and what it holds stay reachable, so leak checkers stay quiet.
alignas(QGuiApplication) std::byte applicationStorage[sizeof(QGuiApplication)];

}  // namespace

bool EnsureGuiRuntime() {
  static std::once_flag created;
  std::call_once(created, [] {
    if (QCoreApplication::instance() != nullptr) return;
    argumentCount = HasDisplay() ? 1 : 3;
    std::construct_at(reinterpret_cast<QGuiApplication*>(applicationStorage), argumentCount,
                      arguments);
  });
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace platform::gdi
