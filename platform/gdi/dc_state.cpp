// The drawing state of a device context: modes, colours, the current position and
// the application's clip region.

#include "platform/gdi/dc.h"
#include "platform/gdi/objects_p.h"
#include "platform/gdi/region_p.h"

namespace platform {
namespace {

using namespace gdi;

// Replaces one field of the DC when `accepted` holds for the new value; returns the
// previous value, or `failure` for a bad DC or a refused value.
template <typename Value, typename Accept>
Value Exchange(HDC handle, Value DeviceContext::*field, Value value, Value failure,
               Accept accepted) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || !accepted(value)) return failure;
  const Value previous = (*dc).*field;
  (*dc).*field = value;
  return previous;
}

template <typename Value>
Value Read(HDC handle, Value DeviceContext::*field, Value failure) {
  auto dc = DeviceContexts().Find(handle);
  return dc ? (*dc).*field : failure;
}

constexpr auto kAnyColour = [](COLORREF) { return true; };

}  // namespace

int SetBkMode(HDC dc, int mode) {
  return Exchange(dc, &DeviceContext::bkMode, mode, 0,
                  [](int m) { return m == TRANSPARENT || m == OPAQUE; });
}
int GetBkMode(HDC dc) { return Read(dc, &DeviceContext::bkMode, 0); }

COLORREF SetBkColor(HDC dc, COLORREF colour) {
  return Exchange(dc, &DeviceContext::bkColor, colour, CLR_INVALID, kAnyColour);
}
COLORREF GetBkColor(HDC dc) { return Read(dc, &DeviceContext::bkColor, CLR_INVALID); }

COLORREF SetTextColor(HDC dc, COLORREF colour) {
  return Exchange(dc, &DeviceContext::textColor, colour, CLR_INVALID, kAnyColour);
}
COLORREF GetTextColor(HDC dc) { return Read(dc, &DeviceContext::textColor, CLR_INVALID); }

int SetPolyFillMode(HDC dc, int mode) {
  return Exchange(dc, &DeviceContext::polyFillMode, mode, 0,
                  [](int m) { return m == ALTERNATE || m == WINDING; });
}
int GetPolyFillMode(HDC dc) { return Read(dc, &DeviceContext::polyFillMode, 0); }

int SetArcDirection(HDC dc, int direction) {
  return Exchange(dc, &DeviceContext::arcDirection, direction, 0,
                  [](int d) { return d == AD_COUNTERCLOCKWISE || d == AD_CLOCKWISE; });
}
int GetArcDirection(HDC dc) { return Read(dc, &DeviceContext::arcDirection, 0); }

int SetStretchBltMode(HDC dc, int mode) {
  return Exchange(dc, &DeviceContext::stretchMode, mode, 0,
                  [](int m) { return m >= BLACKONWHITE && m <= HALFTONE; });
}
int GetStretchBltMode(HDC dc) { return Read(dc, &DeviceContext::stretchMode, 0); }

BOOL MoveToEx(HDC handle, int x, int y, POINT* previous) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc) return FALSE;
  if (previous != nullptr) *previous = dc->position;
  dc->position = POINT{x, y};
  // Inside a path bracket a move starts a new figure.
  if (dc->path.phase == PathState::Phase::Recording) dc->path.path.moveTo(x, y);
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC handle, POINT* position) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc || position == nullptr) return FALSE;
  *position = dc->position;
  return TRUE;
}

int SelectClipRgn(HDC handle, HRGN region) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc) return RGN_ERROR;
  if (region == 0) {
    dc->clip.reset();
  } else {
    auto object = Regions().Find(region);
    if (!object) return RGN_ERROR;
    dc->clip = object->region;
  }
  return RegionType(EffectiveClip(*dc));
}

}  // namespace platform
