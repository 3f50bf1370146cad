#pragma once
// The application's one process-wide record: what the controls last told it, where the
// watermark sits, and the drawing objects bound to the preview canvas.
//
// It exists from InitAppState until Shutdown (startup.h). Texts are held in the ANSI
// code page (GB18030); an empty string stands for "no text".

#include <cstdint>
#include <string>
#include <vector>

#include "core/drawing_surface.h"
#include "core/geometry.h"
#include "core/window_hook.h"
#include "platform/kernel/types.h"

namespace varnimo::app {

struct CanvasSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const CanvasSize&, const CanvasSize&) = default;
};

struct AppState {
  // Content of the picture-path box: the file drawn as background.
  std::string picturePath;
  // Content of the watermark box.
  std::string watermarkText;
  // Top-left corner of the watermark text on the canvas.
  Point position;
  // Where the watermark was last drawn (X, Y) and its measured size.
  RectF textBounds;
  // Size of the canvas control, read once when the main window is created.
  CanvasSize canvasSize;
  // The token GdiplusStartup handed out; kept only for the record.
  platform::ULONG_PTR gdiplusToken = 0;
  // Back buffer bound to the canvas window.
  DrawingSurface surface;
  // Subclass of the canvas window.
  WindowHook hook;
  // Face names collected during a font enumeration; empty before and after it.
  std::vector<std::string> fontNames;
};

// Builds the record with every field at its initial value. A record built earlier
// (and not yet shut down) is replaced.
void InitAppState();

// True between InitAppState and Shutdown.
bool HasAppState();

// The record; only valid while HasAppState() is true.
AppState& State();

// Ends the record's life: used by Shutdown only, which frees the fields in its own
// order first.
void DiscardAppState();

}  // namespace varnimo::app
