#include "app/app_state.h"

#include <memory>

namespace varnimo::app {

namespace {
std::unique_ptr<AppState> appState;
}  // namespace

void InitAppState() { appState = std::make_unique<AppState>(); }

bool HasAppState() { return appState != nullptr; }

AppState& State() { return *appState; }

void DiscardAppState() { appState.reset(); }

}  // namespace varnimo::app
