#pragma once
// Recording shapes into a DC's path bracket.

#include <QPainterPath>

#include "platform/gdi/objects_p.h"

namespace platform::gdi {

// The path being recorded on the DC, or null outside a BeginPath/EndPath bracket.
inline QPainterPath* RecordingPath(DeviceContext& dc) {
  return dc.path.phase == PathState::Phase::Recording ? &dc.path.path : nullptr;
}

}  // namespace platform::gdi
