#pragma once
// The platform objects behind GDI handles, shared by the GDI services (drawing,
// transfers, text) and the window layer. Not for use above platform/.
//
// Pixels: every drawing target is a PixelSurface of 32 bits per pixel, in memory blue,
// green, red, x (the layout of a 32-bit DIB), held in a QImage. A surface may be
// bottom-up (a DIB section made with a positive height): memory row 0 is then the
// picture's bottom row. Code that touches pixels goes through Row(y), which takes the
// picture's row, and QPainter drawing goes through BeginPainting, which flips the
// painter for bottom-up surfaces; nothing else needs to know. A surface over a DIB
// section's memory must stay the only user of that memory: never keep a copy of
// `image` (QImage copies share data, and writing through a shared image detaches it
// from the DIB's memory).
//
// Threads: the handle tables are safe to share. One device context, and what is
// selected into it, is used by one thread at a time, as on any GDI.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/gdi/types.h"
#include "platform/kernel/handle_table.h"

namespace platform::gdi {

class PixelSurface {
 public:
  // A new surface of the size, cleared to black; a null image when the size is not
  // positive or too large to allocate (callers check Valid()).
  static std::shared_ptr<PixelSurface> Create(int width, int height,
                                              QImage::Format format = QImage::Format_RGB32);
  // A surface over memory the caller owns (a DIB section's bits), `stride` bytes per
  // memory row; bottom-up when memory row 0 is the picture's bottom row.
  static std::shared_ptr<PixelSurface> Wrap(void* bits, int width, int height, int stride,
                                            bool bottomUp, QImage::Format format);

  bool Valid() const { return !image.isNull(); }
  int Width() const { return image.width(); }
  int Height() const { return image.height(); }
  bool BottomUp() const { return bottomUp; }

  // The picture's row y (0 = top), whatever the memory order.
  std::uint32_t* Row(int y) {
    return reinterpret_cast<std::uint32_t*>(image.scanLine(bottomUp ? image.height() - 1 - y : y));
  }
  const std::uint32_t* Row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(
        image.constScanLine(bottomUp ? image.height() - 1 - y : y));
  }

  // Starts a painter on the surface in picture coordinates. On a bottom-up surface
  // the painter is mirrored, which is exact for fills, images and glyphs (they sample
  // pixel centres) but moves aliased pen lines up by one row (QPainter puts them below
  // their coordinate in device space): draw thin lines there as filled rectangles.
  void BeginPainting(QPainter& painter);

  // Tells the owner (a window) that the area changed, so that it can be shown.
  void Changed(const QRect& area) {
    if (onChanged) onChanged(area);
  }

  QImage image;
  bool bottomUp = false;
  std::function<void(const QRect&)> onChanged;
};

// One handle kind each. `stock` objects come from GetStockObject: DeleteObject leaves
// them alone and reports success.
struct PenObject {
  LOGPEN logPen{};
  bool stock = false;
  int selections = 0;  // device contexts that have it selected
};

struct BrushObject {
  LOGBRUSH logBrush{};
  QImage pattern;  // BS_PATTERN: a copy of the pattern bitmap's pixels
  bool stock = false;
  int selections = 0;
};

struct FontObject {
  LOGFONTA logFont{};
  bool stock = false;
  int selections = 0;
  // The text services resolve and cache the face and raster font here on first use.
  std::shared_ptr<void> resolved;
};

struct BitmapObject {
  std::shared_ptr<PixelSurface> surface;
  int bitsPerPixel = 32;  // 1 for the stock 1x1 bitmap of a new memory DC
  void* dibBits = nullptr;  // a DIB section's pixels, owned by `dibStorage`
  std::unique_ptr<std::byte[]> dibStorage;
  bool stock = false;
  Handle selectedInto = 0;  // the memory DC it is selected into, 0 when free
};

struct RegionObject {
  QRegion region;  // device pixels
};

// A path being recorded between BeginPath and EndPath, and the closed path after it.
struct PathState {
  enum class Phase { None, Recording, Closed } phase = Phase::None;
  QPainterPath path;
};

struct DeviceContext {
  // Memory DCs draw into the selected bitmap; window and screen DCs into the window's
  // (or screen's) own pixels.
  bool memory = false;
  HWND window = 0;
  std::shared_ptr<PixelSurface> target;
  // Clipping set by the window layer (window region, paint area), in device pixels;
  // nullopt: the whole target.
  std::optional<QRegion> systemClip;
  // Clipping selected by the application (SelectClipRgn); nullopt: none.
  std::optional<QRegion> clip;

  HBITMAP bitmap = 0;
  HPEN pen = 0;
  HBRUSH brush = 0;
  HFONT font = 0;

  int bkMode = OPAQUE;
  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF textColor = RGB(0, 0, 0);
  POINT position{};
  int polyFillMode = ALTERNATE;
  int arcDirection = AD_COUNTERCLOCKWISE;
  int stretchMode = BLACKONWHITE;
  PathState path;
};

HandleTable<DeviceContext>& DeviceContexts();
HandleTable<BitmapObject>& Bitmaps();
HandleTable<PenObject>& Pens();
HandleTable<BrushObject>& Brushes();
HandleTable<FontObject>& Fonts();
HandleTable<RegionObject>& Regions();

// The stock objects of GetStockObject (0 for an index without one), and the 1x1
// bitmap every new memory DC starts with. Made once, never deleted.
HGDIOBJ StockObject(int index);
HBITMAP StockBitmap();

// A device context made on a window's (or the screen's) pixels, with the stock pen,
// brush and font selected. For the window layer's GetDC and BeginPaint.
HDC CreateWindowDC(HWND window, std::shared_ptr<PixelSurface> pixels);

// The clipping in force on a device context: its target's bounds, narrowed by the
// system clip and the application's clip.
QRegion EffectiveClip(const DeviceContext& dc);

}  // namespace platform::gdi
