#pragma once
// A double buffer for one window or device context.
//
// The back buffer is a compatible bitmap selected into a memory device context, with a
// GDI+ graphics made on that device context; GDI and GDI+ operations draw into it and
// the present operations copy it to the target window. Failures of GDI operations
// append a fixed message to errorLog and answer false; see core/error_log.h.
//
// A surface is empty when made, created by one of the Create operations, and released
// by Release (which the destructor runs too). Release keeps the field values, so the
// accessors still answer the freed handles afterwards; what was freed is never freed a
// second time. Creating a surface that already holds device objects frees them first.
// Surfaces move but do not copy.
//
// The operations are defined one family per source file: drawing_surface.cpp
// (lifecycle and accessors), surface_clear.cpp, surface_shapes.cpp, surface_lines.cpp,
// surface_text.cpp, surface_regions_paths.cpp, surface_pixels.cpp, surface_transfer.cpp,
// surface_gradient.cpp, surface_present.cpp, surface_pixel_data.cpp.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/control.h"
#include "core/gdi_objects.h"
#include "core/gdi_records.h"
#include "core/gdip_object.h"
#include "core/geometry.h"
#include "platform/gdi/types.h"
#include "platform/gdiplus/status.h"

namespace varnimo {

class DrawingSurface : public GdipObject {
 public:
  using HDC = platform::HDC;
  using HWND = platform::HWND;
  using COLORREF = platform::COLORREF;
  using RasterOperation = std::optional<platform::DWORD>;  // left out: SRCCOPY
  using Bytes = std::vector<std::uint8_t>;

  DrawingSurface() = default;
  ~DrawingSurface() override;
  DrawingSurface(DrawingSurface&& other) noexcept;
  DrawingSurface& operator=(DrawingSurface&& other) noexcept;

  // ---- Lifecycle and accessors ----
  platform::GpGraphics GetGraphics() const { return graphics; }
  std::int32_t GetWidth() const { return width; }
  std::int32_t GetHeight() const { return height; }
  // The target window's size as its rectangle was read at creation.
  std::int32_t GetWindowWidth() const;
  std::int32_t GetWindowHeight() const;
  // A back buffer of the window's size; window 0 is the whole screen.
  bool CreateFromWindow(HWND window);
  bool CreateFromControl(const Control& control);
  bool CreateFromControlWithSize(const Control& control, std::int32_t w, std::int32_t h);
  // A back buffer of the given size for the window; window 0 is the whole screen.
  bool CreateFromWindowWithSize(HWND window, std::int32_t w, std::int32_t h);
  // Surfaces on the caller's device context, which Release hands to ReleaseDC.
  bool CreateFromDcWithSize(HDC dc, std::int32_t w, std::int32_t h);
  bool CreateFromDc(HDC dc);
  HWND GetWindowHandle() const { return windowHandle; }
  HDC GetWindowDc() const { return windowDc; }
  HDC GetMemoryDc() const { return memoryDc; }
  // Frees the device contexts and the back buffer, and deletes the graphics. Answers
  // whether deleting the graphics succeeded (false, with lastStatus untouched, when
  // there was none).
  bool Release();

  // ---- Clearing to black ----
  bool Clear();
  bool ClearRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  bool ClearWindow();
  bool ClearWindowRect(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom);

  // ---- Shapes; boxes are x, y, width, height unless named left ... bottom ----
  bool DrawRectangle(const GdiPen& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height);
  bool FillRectangle(const GdiBrush& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height);
  bool DrawEllipse(const GdiPen& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height);
  bool FillEllipse(const GdiBrush& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height);
  bool DrawArc(const GdiPen& pen, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t xStart, std::int32_t yStart, std::int32_t xEnd,
               std::int32_t yEnd);
  bool FillChord(const GdiBrush& brush, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t xStart, std::int32_t yStart,
                 std::int32_t xEnd, std::int32_t yEnd);
  // Angles in whole degrees: 0 points up from the centre, 90 left, 180 down, 270 right.
  bool FillChordByAngles(const GdiBrush& brush, std::int32_t x, std::int32_t y,
                         std::int32_t width, std::int32_t height, std::int32_t startAngle,
                         std::int32_t endAngle);
  bool FillPie(const GdiBrush& brush, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t xStart, std::int32_t yStart, std::int32_t xEnd,
               std::int32_t yEnd);
  bool DrawPie(const GdiPen& pen, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t xStart, std::int32_t yStart, std::int32_t xEnd,
               std::int32_t yEnd);
  bool FillPieByAngles(const GdiBrush& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::int32_t startAngle, std::int32_t endAngle);
  bool DrawPieByAngles(const GdiPen& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::int32_t startAngle, std::int32_t endAngle);
  bool DrawArcByAngles(const GdiPen& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::int32_t startAngle, std::int32_t endAngle);
  bool DrawRoundRect(const GdiPen& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, std::int32_t cornerWidth, std::int32_t cornerHeight);
  bool FillRoundRect(const GdiBrush& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, std::int32_t cornerWidth, std::int32_t cornerHeight);

  // ---- Lines and point arrays ----
  // Leaves the current position at (x2, y2).
  bool DrawLine(const GdiPen& pen, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2);
  // The count, when given, must not exceed the array: a larger one is refused with the
  // operation's message. DrawBeziers takes 3n + 1 points.
  bool DrawBeziers(const GdiPen& pen, std::span<Point> points,
                   std::optional<std::int32_t> count = std::nullopt);
  bool DrawPolyline(const GdiPen& pen, std::span<Point> points,
                    std::optional<std::int32_t> count = std::nullopt);
  bool DrawPolygon(const GdiPen& pen, std::span<Point> points,
                   std::optional<std::int32_t> count = std::nullopt);
  bool FillPolygon(const GdiBrush& brush, std::span<Point> points,
                   std::optional<std::int32_t> count = std::nullopt);

  // ---- Text (ANSI code page) ----
  // With a background colour the text is drawn on an opaque background of it, without
  // one transparently; the mode stays in force afterwards. The text ends at its first
  // NUL. With DT_CALCRECT the rectangle receives the text's extent.
  bool WriteText(const GdiFont& font, std::optional<COLORREF> backColour,
                 std::string_view text, platform::RECT& rect, platform::UINT format);
  // The text in the font's colour over a black shadow at (xOffset, yOffset).
  // `reserved` is not used.
  bool WriteShadowText(const GdiFont& font, std::optional<COLORREF> backColour,
                       std::string_view text, platform::RECT& rect, std::int32_t reserved,
                       std::int32_t xOffset, std::int32_t yOffset, platform::UINT format);

  // ---- Pixels and areas ----
  // The back-buffer pixel; CLR_INVALID outside it.
  COLORREF ReadPixel(std::int32_t x, std::int32_t y);
  COLORREF ReadWindowPixel(std::int32_t x, std::int32_t y);
  // Blends the colour into one back-buffer pixel with the opacity 0-255.
  bool BlendPixel(std::int32_t x, std::int32_t y, COLORREF colour, std::int32_t opacity);
  bool InvertArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  // The window the target device context belongs to; 0 for none.
  HWND GetDcWindow();

  // ---- Regions and paths ----
  bool FillRegion(const GdiBrush& brush, const GdiRegion& region);
  bool FrameRegion(const GdiBrush& brush, const GdiRegion& region, std::int32_t frameWidth,
                   std::int32_t frameHeight);
  // Between StartPath and FinishPath the drawing operations record a path, which
  // FillRecordedPath or StrokeRecordedPath then draws and consumes.
  bool StartPath();
  bool FinishPath();
  bool FillRecordedPath(const GdiBrush& brush);
  bool StrokeRecordedPath(const GdiPen& pen);

  // ---- Transfers, blending and gradients ----
  // Copies the window's (given: GetDC of it, 0 the screen; left out: the target's)
  // pixels into the back buffer, window-rectangle sized, from (0, 0).
  bool CopyFromWindow(std::optional<HWND> window = std::nullopt, RasterOperation rop = {});
  // Shades the rectangle spanned by the first two vertices; mode GRADIENT_FILL_RECT_H
  // or GRADIENT_FILL_RECT_V.
  bool FillGradient(std::span<const GradientVertex> vertices, platform::ULONG mode);
  // Left-out sizes take the bitmap's own.
  bool DrawBitmap(const GdiBitmap& bitmap, std::int32_t x, std::int32_t y, std::int32_t sourceX,
                  std::int32_t sourceY, std::optional<std::int32_t> width = std::nullopt,
                  std::optional<std::int32_t> height = std::nullopt, RasterOperation rop = {});
  bool DrawBitmapTransparent(const GdiBitmap& bitmap, std::int32_t x, std::int32_t y,
                             std::optional<std::int32_t> width, std::optional<std::int32_t> height,
                             std::int32_t sourceX, std::int32_t sourceY,
                             std::optional<std::int32_t> sourceWidth,
                             std::optional<std::int32_t> sourceHeight,
                             COLORREF transparentColour);
  bool CopyFromSurface(const DrawingSurface& source, RasterOperation rop = {});
  bool CopyFromSurfaceTransparent(const DrawingSurface& source, std::int32_t x, std::int32_t y,
                                  std::int32_t width, std::int32_t height, std::int32_t sourceX,
                                  std::int32_t sourceY, std::int32_t sourceWidth,
                                  std::int32_t sourceHeight, COLORREF transparentColour);
  bool CopyFromSurfaceRect(const DrawingSurface& source, std::int32_t x, std::int32_t y,
                           std::int32_t width, std::int32_t height, RasterOperation rop = {});
  // Only the low 8 bits of the opacity are used.
  bool BlendFromSurface(const DrawingSurface& source, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, std::int32_t opacity);
  // Mirrors the area onto itself: mode 0 top to bottom, 1 left to right, any other
  // both. Failure shows only in errorLog.
  void FlipArea(const Rect& area, std::int32_t mode);

  // ---- Presenting the back buffer to the window ----
  // Each copies from the back-buffer point (originX, originY).
  bool Present(RasterOperation rop = {});
  // Moves what the present operations show by (dx, dy).
  void ScrollBy(std::int32_t dx, std::int32_t dy);
  bool PresentRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   RasterOperation rop = {});
  bool PresentBlended(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      std::int32_t opacity);

  // ---- Pixel data ----
  // The bitmap-file image is a 14-byte file header, a 44-byte information block (a
  // BITMAPINFOHEADER whose biSize is 44, then one colour entry) and the pixel rows,
  // bottom row first. Back buffers of 8 bits per pixel or fewer are refused: they read
  // as an empty image and are not written.
  void ToGrayscale();
  void AdjustHsl(float hueOffset, float saturationOffset, float lightnessOffset);
  // Writes the back buffer from rows in its own format; answers the scan lines
  // written, 0 when the bytes are fewer than the back buffer needs or writing failed.
  std::int32_t SetPixelBytes(std::span<const std::uint8_t> pixels);
  Bytes GetPixelBytes();
  // Writes the bitmap-file image; a path that cannot be written gets nothing.
  void SaveBitmapFile(std::string_view path);
  Bytes GetBitmapFileBytes();
  // The headers of the back buffer's image followed by a copy of the caller's bytes.
  Bytes ComposeBitmapFileBytes(std::span<const std::uint8_t> pixels);

 protected:
  void OnNativeSet(std::uint32_t value) override { graphics = value; }

 private:
  struct BitmapFileHeaders;
  struct CreateSteps;
  bool CreateFrom(const CreateSteps& steps);
  void TakeFieldsOf(DrawingSurface& other);
  void FreeDeviceObjects();
  BitmapFileHeaders ReadHeaders();
  BitmapFileHeaders ReadImage(Bytes& image, std::size_t offset);
  std::int32_t WritePixels(const BitmapFileHeaders& headers,
                           std::span<const std::uint8_t> pixels);
  template <typename Filter>
  void FilterPixels(Filter filter);

  HDC windowDc = 0;
  HDC memoryDc = 0;
  platform::HBITMAP bitmap = 0;
  platform::HGDIOBJ previousBitmap = 0;
  HWND windowHandle = 0;
  platform::RECT windowRect{};
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t originX = 0;
  std::int32_t originY = 0;
  platform::GpGraphics graphics = 0;
  // True from the first object a create makes until Release frees them.
  bool holdsDeviceObjects = false;
};

}  // namespace varnimo
