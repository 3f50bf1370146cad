#pragma once
// Pens, brushes, regions and bitmaps that callers hand to the drawing surface.
//
// Each object owns one GDI handle, deletes it when it is destroyed or re-created, and
// moves but does not copy. A default-constructed object holds no handle and
// GetHandle answers 0; so does an object whose last create failed. The surface only
// borrows the handle for one call.

#include <cstdint>
#include <span>

#include "core/geometry.h"
#include "platform/gdi/types.h"

namespace varnimo {

// The part every GDI object class shares: one owned handle of any GDI kind.
class GdiObject {
 public:
  GdiObject() = default;
  // Takes over a handle the caller made (0 for none).
  explicit GdiObject(platform::HGDIOBJ adopted) : handle_(adopted) {}
  ~GdiObject() { Delete(); }
  GdiObject(GdiObject&& other) noexcept;
  GdiObject& operator=(GdiObject&& other) noexcept;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  platform::HGDIOBJ GetHandle() const { return handle_; }

  // Deletes the handle and leaves the object empty. False when there was none, or
  // when the platform refused (the object is still selected into a device context;
  // it then stays held).
  bool Delete();

 protected:
  // Deletes what is held, then holds the new handle; answers whether there is one.
  bool Replace(platform::HGDIOBJ made);

 private:
  platform::HGDIOBJ handle_ = 0;
};

class GdiPen : public GdiObject {
 public:
  // A pen of the style (PS_SOLID, PS_DASH ... PS_NULL, PS_INSIDEFRAME), width in
  // pixels (0 draws one pixel wide) and colour 0x00BBGGRR.
  bool Create(int style, int width, platform::COLORREF colour);
};

class GdiBitmap : public GdiObject {
 public:
  // A 32-bit bitmap of the size, compatible with the device context (0: the screen);
  // its pixels start black.
  bool CreateCompatible(platform::HDC dc, int width, int height);
  // A 32-bit bitmap holding a copy of the pixels: `width` x `height` values
  // 0x00RRGGBB, top row first. Fails when the span holds fewer pixels than that or
  // the size is not positive.
  bool CreateFromPixels(int width, int height, std::span<const std::uint32_t> pixels);
};

class GdiBrush : public GdiObject {
 public:
  bool CreateSolid(platform::COLORREF colour);
  // A hatch (HS_HORIZONTAL ... HS_DIAGCROSS) in the colour, over the background of
  // the device context it paints.
  bool CreateHatch(int hatch, platform::COLORREF colour);
  // Tiles a copy of the bitmap's pixels; the bitmap may be deleted afterwards.
  bool CreatePattern(const GdiBitmap& pattern);
};

class GdiRegion : public GdiObject {
 public:
  bool CreateRectangle(int left, int top, int right, int bottom);
  bool CreateEllipse(int left, int top, int right, int bottom);
  bool CreateRoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                            int cornerHeight);
  // fillMode: ALTERNATE or WINDING.
  bool CreatePolygon(std::span<const Point> points, int fillMode);
  // Makes this region first <mode> second (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF,
  // RGN_COPY). Returns the result's region type (NULLREGION, SIMPLEREGION,
  // COMPLEXREGION), or RGN_ERROR, leaving the object empty.
  int Combine(const GdiRegion& first, const GdiRegion& second, int mode);
};

}  // namespace varnimo
