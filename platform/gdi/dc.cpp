// Device contexts and the objects selected into them: creation and deletion,
// selection with its bookkeeping, stock objects and object queries.

#include "platform/gdi/dc.h"

#include <cstring>
#include <mutex>

#include "platform/gdi/objects_p.h"

namespace platform {
namespace {

using namespace gdi;

// Selection counts and the bitmap's owner DC change together with the DC's fields;
// one lock keeps DeleteObject from removing an object that is being selected.
std::mutex& SelectionMutex() {
  static std::mutex mutex;
  return mutex;
}

template <typename Object>
void CountSelection(HandleTable<Object>& table, Handle handle, int change) {
  if (auto object = table.Find(handle)) object->selections += change;
}

// Swaps a pen, brush or font into `slot` and returns what was there; 0 when the
// handle is not of the table's kind or is stale.
template <typename Object>
HGDIOBJ Swap(HandleTable<Object>& table, Handle& slot, HGDIOBJ object) {
  auto found = table.Find(object);
  if (!found) return 0;
  const HGDIOBJ previous = slot;
  if (previous == object) return previous;
  found->selections += 1;
  CountSelection(table, previous, -1);
  slot = object;
  return previous;
}

HGDIOBJ SwapBitmap(HDC handle, DeviceContext& dc, HBITMAP object) {
  if (!dc.memory) return 0;
  auto bitmap = Bitmaps().Find(object);
  if (!bitmap || !bitmap->surface || !bitmap->surface->Valid()) return 0;
  const HBITMAP previous = dc.bitmap;
  if (previous == object) return previous;
  if (!bitmap->stock) {
    if (bitmap->selectedInto != 0) return 0;
    bitmap->selectedInto = handle;
  }
  if (auto old = Bitmaps().Find(previous); old && !old->stock) old->selectedInto = 0;
  dc.bitmap = object;
  dc.target = bitmap->surface;
  return previous;
}

template <typename Record>
int CopyRecord(const Record& record, int size, void* buffer) {
  constexpr int kSize = static_cast<int>(sizeof(Record));
  if (buffer == nullptr) return kSize;
  if (size < kSize) return 0;
  std::memcpy(buffer, &record, sizeof(Record));
  return kSize;
}

}  // namespace

HDC CreateCompatibleDC(HDC compatible) {
  if (compatible != 0 && !DeviceContexts().Find(compatible)) return 0;
  auto bitmap = Bitmaps().Find(StockBitmap());
  if (!bitmap) return 0;
  auto dc = std::make_shared<DeviceContext>();
  dc->memory = true;
  dc->bitmap = StockBitmap();
  dc->target = bitmap->surface;
  dc->pen = StockObject(BLACK_PEN);
  dc->brush = StockObject(WHITE_BRUSH);
  dc->font = StockObject(SYSTEM_FONT);
  return DeviceContexts().Insert(std::move(dc));
}

BOOL DeleteDC(HDC handle) {
  std::lock_guard lock(SelectionMutex());
  auto dc = DeviceContexts().Remove(handle);
  if (!dc) return FALSE;
  CountSelection(Pens(), dc->pen, -1);
  CountSelection(Brushes(), dc->brush, -1);
  CountSelection(Fonts(), dc->font, -1);
  if (auto bitmap = Bitmaps().Find(dc->bitmap); bitmap && !bitmap->stock) bitmap->selectedInto = 0;
  return TRUE;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
  if (KindOf(object) == HandleKind::Region) {
    const int type = SelectClipRgn(handle, object);
    return static_cast<HGDIOBJ>(type);
  }
  std::lock_guard lock(SelectionMutex());
  auto dc = DeviceContexts().Find(handle);
  if (!dc) return 0;
  switch (KindOf(object)) {
    case HandleKind::Pen:
      return Swap(Pens(), dc->pen, object);
    case HandleKind::Brush:
      return Swap(Brushes(), dc->brush, object);
    case HandleKind::Font:
      return Swap(Fonts(), dc->font, object);
    case HandleKind::Bitmap:
      return SwapBitmap(handle, *dc, object);
    default:
      return 0;
  }
}

HGDIOBJ GetCurrentObject(HDC handle, UINT type) {
  auto dc = DeviceContexts().Find(handle);
  if (!dc) return 0;
  switch (type) {
    case OBJ_PEN:
      return dc->pen;
    case OBJ_BRUSH:
      return dc->brush;
    case OBJ_FONT:
      return dc->font;
    case OBJ_BITMAP:
      return dc->bitmap;
    default:
      return 0;
  }
}

HGDIOBJ GetStockObject(int index) { return StockObject(index); }

BOOL DeleteObject(HGDIOBJ object) {
  std::lock_guard lock(SelectionMutex());
  const auto removeUnselected = [object](auto& table) -> BOOL {
    auto found = table.Find(object);
    if (!found) return FALSE;
    if (found->stock) return TRUE;
    if (found->selections > 0) return FALSE;
    return table.Remove(object) ? TRUE : FALSE;
  };
  switch (KindOf(object)) {
    case HandleKind::Pen:
      return removeUnselected(Pens());
    case HandleKind::Brush:
      return removeUnselected(Brushes());
    case HandleKind::Font:
      return removeUnselected(Fonts());
    case HandleKind::Region:
      return Regions().Remove(object) ? TRUE : FALSE;
    case HandleKind::Bitmap: {
      auto bitmap = Bitmaps().Find(object);
      if (!bitmap) return FALSE;
      if (bitmap->stock) return TRUE;
      if (bitmap->selectedInto != 0) return FALSE;
      return Bitmaps().Remove(object) ? TRUE : FALSE;
    }
    default:
      return FALSE;
  }
}

int GetObjectA(HGDIOBJ object, int size, void* buffer) {
  switch (KindOf(object)) {
    case HandleKind::Pen:
      if (auto pen = Pens().Find(object)) return CopyRecord(pen->logPen, size, buffer);
      return 0;
    case HandleKind::Brush:
      if (auto brush = Brushes().Find(object)) return CopyRecord(brush->logBrush, size, buffer);
      return 0;
    case HandleKind::Font:
      if (auto font = Fonts().Find(object)) return CopyRecord(font->logFont, size, buffer);
      return 0;
    case HandleKind::Bitmap: {
      auto bitmap = Bitmaps().Find(object);
      if (!bitmap || !bitmap->surface) return 0;
      BITMAP record{};
      record.bmWidth = bitmap->surface->Width();
      record.bmHeight = bitmap->surface->Height();
      // Rows of a device bitmap are padded to 16 bits.
      record.bmWidthBytes = (record.bmWidth * bitmap->bitsPerPixel + 15) / 16 * 2;
      record.bmPlanes = 1;
      record.bmBitsPixel = static_cast<WORD>(bitmap->bitsPerPixel);
      record.bmBits = bitmap->dibBits;
      return CopyRecord(record, size, buffer);
    }
    default:
      return 0;
  }
}

DWORD GetObjectType(HGDIOBJ object) {
  switch (KindOf(object)) {
    case HandleKind::Pen:
      return Pens().Find(object) ? OBJ_PEN : 0;
    case HandleKind::Brush:
      return Brushes().Find(object) ? OBJ_BRUSH : 0;
    case HandleKind::Font:
      return Fonts().Find(object) ? OBJ_FONT : 0;
    case HandleKind::Bitmap:
      return Bitmaps().Find(object) ? OBJ_BITMAP : 0;
    case HandleKind::Region:
      return Regions().Find(object) ? OBJ_REGION : 0;
    case HandleKind::DeviceContext: {
      auto dc = DeviceContexts().Find(object);
      if (!dc) return 0;
      return dc->memory ? OBJ_MEMDC : OBJ_DC;
    }
    default:
      return 0;
  }
}

}  // namespace platform
