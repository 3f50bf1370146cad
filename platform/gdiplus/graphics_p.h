#pragma once
// The platform object behind a GpGraphics handle. Not for use above platform/.

#include <atomic>

#include "platform/gdi/types.h"
#include "platform/kernel/handle_table.h"

namespace platform::gdiplus {

struct GraphicsObject {
  // The DC the graphics was made on, looked up again at each use, so that a DC
  // deleted under the graphics makes its calls fail instead of drawing somewhere.
  HDC dc = 0;
  // Between GdipGetDC and GdipReleaseDC the DC belongs to the caller. Atomic: a
  // graphics shared between threads is handed out to one of them only.
  std::atomic<bool> dcHandedOut = false;
};

HandleTable<GraphicsObject>& Graphics();

}  // namespace platform::gdiplus
