// Device-compatible bitmaps and DIB sections, all 32 bits per pixel.

#include "platform/gdi/bitmap.h"

#include <limits>
#include <new>

#include "platform/gdi/objects_p.h"

namespace platform {
namespace {

using namespace gdi;

HBITMAP Register(std::shared_ptr<BitmapObject> bitmap) {
  if (!bitmap->surface || !bitmap->surface->Valid()) return 0;
  return Bitmaps().Insert(std::move(bitmap));
}

// Zeroed storage for a DIB section, or null when the bytes cannot be had.
std::unique_ptr<std::byte[]> AllocateZeroed(std::size_t bytes) {
  try {
    return std::make_unique<std::byte[]>(bytes);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  if (dc != 0 && !DeviceContexts().Find(dc)) return 0;
  auto bitmap = std::make_shared<BitmapObject>();
  bitmap->surface = PixelSurface::Create(width, height);
  return Register(std::move(bitmap));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section,
                         DWORD offset) {
  if (bits != nullptr) *bits = nullptr;
  if (dc != 0 && !DeviceContexts().Find(dc)) return 0;
  // Memory shared through a file mapping is not offered.
  if (info == nullptr || section != nullptr || offset != 0 || usage != DIB_RGB_COLORS) return 0;
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 || header.biBitCount != 32 ||
      header.biCompression != BI_RGB) {
    return 0;
  }
  const int width = header.biWidth;
  if (width <= 0 || header.biHeight == 0 || header.biHeight == std::numeric_limits<LONG>::min()) {
    return 0;
  }
  const bool bottomUp = header.biHeight > 0;
  const int height = bottomUp ? header.biHeight : -header.biHeight;
  const auto pixels = static_cast<std::int64_t>(width) * height;  // below 2^62
  if (pixels > std::numeric_limits<std::int32_t>::max() / 4) return 0;
  const auto bytes = pixels * 4;

  auto bitmap = std::make_shared<BitmapObject>();
  bitmap->dibStorage = AllocateZeroed(static_cast<std::size_t>(bytes));
  if (!bitmap->dibStorage) return 0;
  bitmap->dibBits = bitmap->dibStorage.get();
  bitmap->surface =
      PixelSurface::Wrap(bitmap->dibBits, width, height, width * 4, bottomUp, QImage::Format_RGB32);
  void* memory = bitmap->dibBits;
  const HBITMAP handle = Register(std::move(bitmap));
  if (handle != 0 && bits != nullptr) *bits = memory;
  return handle;
}

}  // namespace platform
