// The stock pens, brushes and fonts, and the 1x1 bitmap of new memory DCs. They are
// made together on first use and live as long as the process.

#include <array>

#include "platform/gdi/objects_p.h"

namespace platform::gdi {
namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

HGDIOBJ MakeBrush(UINT style, COLORREF colour) {
  auto brush = std::make_shared<BrushObject>();
  brush->logBrush = LOGBRUSH{style, colour, 0};
  brush->stock = true;
  return Brushes().Insert(std::move(brush));
}

HGDIOBJ MakePen(UINT style, COLORREF colour) {
  auto pen = std::make_shared<PenObject>();
  pen->logPen = LOGPEN{style, POINT{0, 0}, colour};
  pen->stock = true;
  return Pens().Insert(std::move(pen));
}

// Stock fonts carry only their logical description, with an empty face name: the
// text services pick the face. Fixed-pitch ones say so in lfPitchAndFamily.
HGDIOBJ MakeFont(LONG height, bool fixedPitch) {
  constexpr BYTE kFixedPitch = 1;
  auto font = std::make_shared<FontObject>();
  font->logFont.lfHeight = height;
  font->logFont.lfWeight = FW_NORMAL;
  font->logFont.lfCharSet = DEFAULT_CHARSET;
  font->logFont.lfPitchAndFamily = fixedPitch ? kFixedPitch : DEFAULT_PITCH;
  font->stock = true;
  return Fonts().Insert(std::move(font));
}

struct StockTable {
  std::array<HGDIOBJ, kStockCount> objects{};
  HBITMAP bitmap = 0;

  StockTable() {
    objects[WHITE_BRUSH] = MakeBrush(BS_SOLID, RGB(255, 255, 255));
    objects[LTGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(192, 192, 192));
    objects[GRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(128, 128, 128));
    objects[DKGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(64, 64, 64));
    objects[BLACK_BRUSH] = MakeBrush(BS_SOLID, RGB(0, 0, 0));
    objects[NULL_BRUSH] = MakeBrush(BS_NULL, 0);
    objects[WHITE_PEN] = MakePen(PS_SOLID, RGB(255, 255, 255));
    objects[BLACK_PEN] = MakePen(PS_SOLID, RGB(0, 0, 0));
    objects[NULL_PEN] = MakePen(PS_NULL, 0);
    objects[OEM_FIXED_FONT] = MakeFont(12, true);
    objects[ANSI_FIXED_FONT] = MakeFont(12, true);
    objects[ANSI_VAR_FONT] = MakeFont(12, false);
    objects[SYSTEM_FONT] = MakeFont(16, false);
    objects[DEVICE_DEFAULT_FONT] = MakeFont(16, false);
    objects[SYSTEM_FIXED_FONT] = MakeFont(16, true);
    objects[DEFAULT_GUI_FONT] = MakeFont(-11, false);

    // Every memory DC starts with this bitmap; drawing into such a DC lands in its
    // one pixel. It is reported as one bit per pixel, as a new DC's bitmap is.
    auto one = std::make_shared<BitmapObject>();
    one->surface = PixelSurface::Create(1, 1);
    one->bitsPerPixel = 1;
    one->stock = true;
    bitmap = Bitmaps().Insert(std::move(one));
  }
};

const StockTable& Stock() {
  static const StockTable table;
  return table;
}

}  // namespace

HGDIOBJ StockObject(int index) {
  if (index < 0 || index >= kStockCount) return 0;
  return Stock().objects[static_cast<std::size_t>(index)];
}

HBITMAP StockBitmap() { return Stock().bitmap; }

}  // namespace platform::gdi
