#pragma once
// The application as its entry point starts it, for tests: state, GDI+, the main
// window and its created handler. Ending it runs Shutdown, then closes the window.

#include <memory>

#include "app/main_window.h"

namespace varnimo::app::testing {

class RunningApp {
 public:
  RunningApp();
  ~RunningApp();
  RunningApp(const RunningApp&) = delete;
  RunningApp& operator=(const RunningApp&) = delete;

  MainWindow& Window() { return *window_; }

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace varnimo::app::testing
