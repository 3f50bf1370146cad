// SetWindowRgn and GetWindowRgn.

#include "platform/user/window_region.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/region_p.h"
#include "platform/user/paint.h"
#include "platform/user/window_p.h"

namespace platform {

int SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || object->destroying) return 0;
  std::optional<QRegion> shape;
  if (region != 0) {
    const std::shared_ptr<gdi::RegionObject> found = gdi::Regions().Find(region);
    if (!found) return 0;
    // A copy: the window's shape cannot change behind its back.
    shape = found->region;
  }
  // Giving the window the region it already owns must not delete it.
  if (object->regionHandle != 0 && object->regionHandle != region) {
    DeleteObject(object->regionHandle);
  }
  object->regionHandle = region;
  object->region = std::move(shape);
  user::RefreshSystemClips(*object);
  if (object->host) object->host->GeometryChanged();
  if (redraw) InvalidateRect(window, nullptr, TRUE);
  return 1;
}

int GetWindowRgn(HWND window, HRGN region) {
  const std::shared_ptr<user::WindowObject> object = user::FindWindowObject(window);
  if (!object || !object->region) return RGN_ERROR;
  const std::shared_ptr<gdi::RegionObject> found = gdi::Regions().Find(region);
  if (!found) return RGN_ERROR;
  found->region = *object->region;
  return gdi::RegionType(found->region);
}

}  // namespace platform
