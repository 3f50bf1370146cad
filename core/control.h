#pragma once
// A control of the GUI toolkit, as far as the drawing core needs one: something that
// has a platform window to draw into.

#include "platform/kernel/types.h"

namespace varnimo {

class Control {
 public:
  virtual ~Control() = default;
  // The control's platform window; 0 when it has none yet.
  virtual platform::HWND WindowHandle() const = 0;
};

}  // namespace varnimo
