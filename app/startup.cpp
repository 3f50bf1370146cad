#include "app/startup.h"

#include <QCoreApplication>
#include <utility>

#include "app/app_state.h"
#include "core/error_log.h"
#include "platform/gdiplus/startup.h"

namespace varnimo::app {

void StartGdiplus() {
  const platform::GdiplusStartupInput input{.GdiplusVersion = 1,
                                            .DebugEventCallback = nullptr,
                                            .SuppressBackgroundThread = platform::FALSE,
                                            .SuppressExternalCodecs = platform::FALSE};
  platform::GdiplusStartup(&State().gdiplusToken, &input, nullptr);
}

void RegisterShutdown() {
  static bool registered = false;
  if (registered || QCoreApplication::instance() == nullptr) return;
  registered = true;
  QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &Shutdown);
}

void Shutdown() {
  if (!HasAppState()) return;
  AppState& state = State();
  state.picturePath.clear();
  state.watermarkText.clear();
  state.position = {};
  state.textBounds = {};
  state.canvasSize = {};
  // Moving each object out into a scope of its own ends it here, in this order, and
  // not in the reverse order of the record's fields.
  { DrawingSurface released = std::move(state.surface); }
  { WindowHook released = std::move(state.hook); }
  state.fontNames.clear();
  DiscardAppState();
  errorLog.Free();
}

}  // namespace varnimo::app
