#include "app_fixture.h"

#include "app/app_state.h"
#include "app/startup.h"

namespace varnimo::app::testing {

RunningApp::RunningApp() {
  InitAppState();
  StartGdiplus();
  window_ = std::make_unique<MainWindow>();
  window_->OnMainWindowCreated();
  window_->show();
}

RunningApp::~RunningApp() {
  Shutdown();
  window_.reset();
}

}  // namespace varnimo::app::testing
