#pragma once
// Region helpers shared by the GDI services.

#include <QRegion>
#include <cstdint>

#include "platform/gdi/types.h"

namespace platform::gdi {

// Region coordinates stay within 27 bits, as device coordinates do. Regions made by
// scanning a shape are limited in rows, and those made from a polygon or path in the
// pixels of their bounding box: these bound the work of making them.
constexpr std::int64_t kRegionCoordinateLimit = std::int64_t{1} << 27;
constexpr std::int64_t kMaxCurvedRegionRows = std::int64_t{1} << 20;
constexpr std::int64_t kMaxPolygonRegionPixels = std::int64_t{1} << 26;

// NULLREGION, SIMPLEREGION or COMPLEXREGION.
inline int RegionType(const QRegion& region) {
  if (region.isEmpty()) return NULLREGION;
  return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace platform::gdi
