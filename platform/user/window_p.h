#pragma once
// The platform object behind a window handle, shared by the window services (windows,
// messages, painting, regions, capture, input) and the bridge widget. Not for use above
// platform/.
//
// A window's client area is the whole window: there is no frame, so window and client
// coordinates differ only by the window's position. Windows and their messages belong to
// the GUI thread; only the handle table is safe to touch from other threads.

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/objects_p.h"
#include "platform/kernel/handle_table.h"
#include "platform/user/window.h"

namespace platform::user {

// Whoever shows a window on the screen (the bridge widget) hears of every change that
// needs showing.
class WindowHost {
 public:
  // Pixels of the area changed.
  virtual void PixelsChanged(const QRect& area) = 0;
  // The update region became non-empty: a WM_PAINT is due.
  virtual void UpdatePending() = 0;
  // The size or the window region changed.
  virtual void GeometryChanged() = 0;
  // The window is being destroyed; the handle is no longer usable afterwards.
  virtual void WindowDestroyed() = 0;

 protected:
  virtual ~WindowHost() = default;
};

// A device context handed out on a window: by GetDC (common) or by BeginPaint (paint,
// clipped to the area that was invalid).
struct WindowDc {
  enum class Kind { Common, Paint };
  HDC dc = 0;
  Kind kind = Kind::Common;
  QRegion paintArea;  // Paint DCs only
};

struct WindowObject {
  HWND self = 0;
  WNDPROC procedure = nullptr;
  LONG_PTR userData = 0;
  HWND parent = 0;
  std::vector<HWND> children;
  // Relative to the parent's client area, or to the screen for a top-level window.
  QPoint position;
  // The client pixels. Resizing replaces the image inside this same object, so that
  // device contexts made earlier keep drawing into what the window shows.
  std::shared_ptr<gdi::PixelSurface> pixels;

  QRegion updateRegion;
  bool erasePending = false;

  // The window region (client coordinates) and the region handle the window owns;
  // nullopt and 0 when the whole window is visible.
  std::optional<QRegion> region;
  HRGN regionHandle = 0;

  std::vector<WindowDc> dcs;
  WindowHost* host = nullptr;
  bool destroying = false;

  QRect ClientRect() const { return QRect(0, 0, pixels->Width(), pixels->Height()); }
};

HandleTable<WindowObject>& Windows();

// A registered window class.
struct WindowClass {
  std::string name;
  WNDPROC procedure = nullptr;
};
std::optional<WindowClass> FindWindowClass(const char* name);

// The screen's own pixels, of the screen size, for GetDC(0).
std::shared_ptr<gdi::PixelSurface> ScreenPixels();

// The window behind the handle; null (and ERROR_INVALID_WINDOW_HANDLE as the last
// error) for 0, a stale handle or another kind's handle. A window being destroyed is
// still found, so that its procedure can handle WM_DESTROY.
std::shared_ptr<WindowObject> FindWindowObject(HWND window);

// A coordinate computed in 64 bits, held to the int range.
inline int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// The top-left corner of the window's client area on the screen, held to the int range
// where the positions of the window and its parents add up beyond it.
QPoint ScreenOrigin(const WindowObject& window);

// What a device context of the window may touch: the window region, narrowed for a
// paint DC to its paint area.
std::optional<QRegion> SystemClipFor(const WindowObject& window, const WindowDc& dc);
// Recomputes the system clip of every device context of the window (after the window
// region changed).
void RefreshSystemClips(const WindowObject& window);

// Makes a device context on the window's pixels and records it; 0 on failure.
HDC AddWindowDc(WindowObject& window, WindowDc::Kind kind, QRegion paintArea = {});
// Deletes a device context the window handed out as `kind`; false when it is not one.
bool RemoveWindowDc(WindowObject& window, HDC dc, WindowDc::Kind kind);
// Deletes every device context of the window (when it is destroyed).
void RemoveAllWindowDcs(WindowObject& window);

// Adds the area (client coordinates, cut to the client area) to the update region and
// tells the host when the region becomes non-empty.
void AddToUpdateRegion(WindowObject& window, const QRegion& area, BOOL erase);

// The capture is given up when its window dies.
void ForgetCaptureOf(HWND window);

// Attaches the host that shows the window (null detaches); false for a bad window.
bool SetWindowHost(HWND window, WindowHost* host);

}  // namespace platform::user
