// Varnimo's entry point.
//
//   varnimo                    shows the main window until it is closed
//   varnimo --screenshot FILE  starts the same way, writes the main window to FILE as
//                              PNG and ends (works without a display under
//                              QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/startup.h"

namespace {

constexpr char kUsage[] = "usage: varnimo [--screenshot FILE]\n";

struct Options {
  bool valid = true;
  QString screenshotPath;  // empty: run interactively
};

Options ReadOptions(const QStringList& arguments) {
  Options options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
      options.screenshotPath = arguments[++i];
    } else {
      options.valid = false;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace varnimo::app;
  QApplication application(argc, argv);
  const Options options = ReadOptions(QCoreApplication::arguments());
  if (!options.valid) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  InitAppState();
  RegisterShutdown();
  StartGdiplus();

  int result = 0;
  {
    MainWindow window;
    window.OnMainWindowCreated();
    window.show();
    if (options.screenshotPath.isEmpty()) {
      QApplication::exec();
    } else if (!WriteScreenshot(window, options.screenshotPath)) {
      std::fprintf(stderr, "varnimo: cannot write %s\n", qPrintable(options.screenshotPath));
      result = 1;
    }
    // The state ends before the window does. When the event loop ran, its end has
    // already shut down and this call finds nothing left to free.
    Shutdown();
  }
  return result;
}
