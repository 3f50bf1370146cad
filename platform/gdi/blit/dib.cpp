// GetDIBits and SetDIBits: a bitmap's pixels as device-independent rows.

#include "platform/gdi/blit/dib.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/gdi/blit/dib_formats_p.h"
#include "platform/gdi/objects_p.h"

namespace platform {
namespace {

using gdi::DibFormat;
using gdi::DibLayout;
using gdi::PixelSurface;

// The bitmap, when the DC is valid and the bitmap is free or selected into that DC,
// and its pixels have a depth the calls convert. The caller holds the object for the
// whole call: it owns a DIB section's memory, which must outlive the copying even if
// another thread deletes the handle meanwhile.
std::shared_ptr<const gdi::BitmapObject> UsableBitmap(HDC dc, HBITMAP bitmap) {
  const auto context = gdi::DeviceContexts().Find(dc);
  const auto found = gdi::Bitmaps().Find(bitmap);
  if (!context || !found || !found->surface || !found->surface->Valid()) return nullptr;
  if (found->selectedInto != 0 && found->selectedInto != dc) return nullptr;
  if (!gdi::FindDibFormat(static_cast<WORD>(found->bitsPerPixel))) return nullptr;
  return found;
}

// The rows a request names: DIB scan lines start .. start + lines - 1, and where each
// lands in the bitmap.
struct RowRequest {
  const DibFormat* format;
  DibLayout layout;
  int dibHeight;
  bool bottomUp;
  std::int64_t start;
  std::int64_t count;

  // The picture row of the request's i-th scan line (may lie outside the bitmap).
  std::int64_t PictureRow(std::int64_t i) const {
    const std::int64_t scan = start + i;
    return bottomUp ? dibHeight - 1 - scan : scan;
  }
};

std::optional<RowRequest> ReadRequest(const BITMAPINFOHEADER& header, UINT start, UINT lines) {
  const DibFormat* format = gdi::FindDibFormat(header.biBitCount);
  if (format == nullptr || header.biCompression != BI_RGB || header.biHeight == 0) return std::nullopt;
  const std::int64_t height = std::abs(std::int64_t{header.biHeight});
  const auto layout = gdi::LayoutOf(header.biWidth, height, header.biBitCount);
  if (!layout) return std::nullopt;
  const std::int64_t count = std::clamp<std::int64_t>(height - start, 0, lines);
  return RowRequest{format, *layout, static_cast<int>(height), header.biHeight > 0, start, count};
}

bool HeaderUsable(const BITMAPINFO* info, UINT usage) {
  return info != nullptr && usage == DIB_RGB_COLORS && info->bmiHeader.biSize >= sizeof(BITMAPINFOHEADER);
}

// The header of the bitmap in its own format: bottom row first, BI_RGB.
void DescribeBitmap(const PixelSurface& pixels, int bitsPerPixel, BITMAPINFOHEADER& header) {
  const auto layout = gdi::LayoutOf(pixels.Width(), pixels.Height(), static_cast<WORD>(bitsPerPixel));
  header.biWidth = pixels.Width();
  header.biHeight = pixels.Height();
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bitsPerPixel);
  header.biCompression = BI_RGB;
  header.biSizeImage = layout ? layout->imageSize : 0;
  header.biXPelsPerMeter = 0;
  header.biYPelsPerMeter = 0;
  header.biClrUsed = 0;
  header.biClrImportant = 0;
}

}  // namespace

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage) {
  const auto object = UsableBitmap(dc, bitmap);
  if (!object || !HeaderUsable(info, usage)) return 0;
  const PixelSurface* pixels = object->surface.get();
  BITMAPINFOHEADER& header = info->bmiHeader;
  if (bits == nullptr && header.biBitCount == 0) {
    DescribeBitmap(*pixels, object->bitsPerPixel, header);
    return pixels->Height();
  }
  const auto request = ReadRequest(header, start, lines);
  if (!request) return 0;
  header.biSizeImage = request->layout.imageSize;
  if (bits == nullptr) return request->dibHeight;  // a query of the format's sizes

  const int columns = std::min<int>(header.biWidth, pixels->Width());
  auto* out = static_cast<std::uint8_t*>(bits);
  int copied = 0;
  for (std::int64_t i = 0; i < request->count; ++i, out += request->layout.stride) {
    std::memset(out, 0, request->layout.stride);
    const std::int64_t row = request->PictureRow(i);
    if (row < 0 || row >= pixels->Height()) continue;
    request->format->read(pixels->Row(static_cast<int>(row)), out, columns);
    ++copied;
  }
  return copied;
}

int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage) {
  const auto object = UsableBitmap(dc, bitmap);
  if (!object || bits == nullptr || !HeaderUsable(info, usage)) return 0;
  PixelSurface* pixels = object->surface.get();
  const auto request = ReadRequest(info->bmiHeader, start, lines);
  if (!request) return 0;

  const int columns = std::min<int>(info->bmiHeader.biWidth, pixels->Width());
  const auto* in = static_cast<const std::uint8_t*>(bits);
  int written = 0;
  int top = pixels->Height();
  int bottom = -1;
  for (std::int64_t i = 0; i < request->count; ++i, in += request->layout.stride) {
    const std::int64_t row = request->PictureRow(i);
    if (row < 0 || row >= pixels->Height()) continue;
    request->format->write(in, pixels->Row(static_cast<int>(row)), columns);
    top = std::min(top, static_cast<int>(row));
    bottom = std::max(bottom, static_cast<int>(row));
    ++written;
  }
  if (written > 0) pixels->Changed(QRect(0, top, pixels->Width(), bottom - top + 1));
  return written;
}

}  // namespace platform
