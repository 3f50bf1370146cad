#pragma once
// Helpers shared by the drawing surface's operation families: messages, box edges,
// scoped selection of GDI objects, and the selection patterns of
// the outline, fill and single-object operations.
//
// Every pattern puts back what was selected before, and deletes what it made, on
// every path; a failure then appends the message and answers false.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/error_log.h"
#include "core/gdi_objects.h"
#include "core/geometry.h"
#include "core/int32_arithmetic.h"
#include "core/record_marshalling.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/types.h"

namespace varnimo::surface_detail {

inline constexpr std::string_view kPenNotSelected =
    "选入画笔失败(SelectObject()返回0)请检查画笔是否已创建";
inline constexpr std::string_view kBrushNotSelected =
    "选入刷子失败(SelectObject()返回0)请检查刷子是否已创建";
// Failures of the transfers between the back buffer, windows and other surfaces.
inline constexpr std::string_view kBitBltFailed =
    "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功";
inline constexpr std::string_view kAlphaBlendFailed =
    "将内存设备场景内容复制到窗口设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功";

// A constant-opacity blend of the opacity's low 8 bits, no per-pixel alpha.
inline platform::BLENDFUNCTION ConstantBlend(std::int32_t opacity) {
  return {platform::AC_SRC_OVER, 0, static_cast<platform::BYTE>(opacity & 0xFF), 0};
}

// True for a nonzero platform result; otherwise appends the message and answers false.
inline bool ReportUnlessDone(platform::BOOL result, std::string_view failure) {
  return result != 0 || ReportFailure(failure);
}

// The right or bottom edge of a box: the exact sum, held to int32 where it would not
// fit (such a box reaches past any back buffer either way).
inline std::int32_t EdgeOf(std::int32_t start, std::int32_t extent) {
  return Saturate(std::int64_t{start} + extent);
}

// Selects an object for one scope and selects the previous one back at its end.
class Selection {
 public:
  Selection(platform::HDC dc, platform::HGDIOBJ object)
      : dc_(dc), previous_(platform::SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ != 0) platform::SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  // False when the selection failed (SelectObject answered 0).
  explicit operator bool() const { return previous_ != 0; }

 private:
  platform::HDC dc_;
  platform::HGDIOBJ previous_;
};

// The pen that draws no edge, for operations that fill without an outline.
inline GdiPen MakeNullPen() {
  GdiPen pen;
  pen.Create(platform::PS_NULL, 0, 0);
  return pen;
}

// An outline: the pen and the hollow stock brush.
template <typename Draw>
bool DrawOutline(platform::HDC dc, const GdiPen& pen, std::string_view failure, Draw draw) {
  Selection penSelection(dc, pen.GetHandle());
  if (!penSelection) return ReportFailure(kPenNotSelected);
  Selection hollow(dc, platform::GetStockObject(platform::NULL_BRUSH));
  if (!draw()) return ReportFailure(failure);
  return true;
}

// A filled shape: the null pen and the brush.
template <typename Draw>
bool DrawFilled(platform::HDC dc, platform::HBRUSH brush, std::string_view brushFailure,
                std::string_view failure, Draw draw) {
  const GdiPen nullPen = MakeNullPen();
  Selection penSelection(dc, nullPen.GetHandle());
  Selection brushSelection(dc, brush);
  if (!brushSelection) return ReportFailure(brushFailure);
  if (!draw()) return ReportFailure(failure);
  return true;
}

// A filled shape with the caller's brush.
template <typename Draw>
bool FillWith(platform::HDC dc, const GdiBrush& brush, std::string_view failure, Draw draw) {
  return DrawFilled(dc, brush.GetHandle(), kBrushNotSelected, failure, draw);
}

// One selected object (a pen for lines, a brush for a recorded path).
template <typename Draw>
bool DrawWith(platform::HDC dc, platform::HGDIOBJ object, std::string_view selectFailure,
              std::string_view failure, Draw draw) {
  Selection selection(dc, object);
  if (!selection) return ReportFailure(selectFailure);
  if (!draw()) return ReportFailure(failure);
  return true;
}

// Hands the points to one platform call as a contiguous block and copies them back
// afterwards. A count larger than the array (or negative) makes no call: the answer is
// false, as for a failed call, and nothing past the array is read.
template <typename Call>
bool DrawPoints(std::span<Point> points, std::optional<std::int32_t> count, Call call) {
  static_assert(sizeof(Point) == sizeof(platform::POINT) &&
                offsetof(platform::POINT, y) == sizeof(std::int32_t));
  auto block = MarshalRecords<Point>(points, count);
  if (!block.Valid()) return false;
  // Point and POINT are the same two int32 fields; the platform reads the block as
  // POINTs in place.
  const auto* vertices = reinterpret_cast<const platform::POINT*>(block.Block());
  return call(vertices, block.Count());
}

}  // namespace varnimo::surface_detail
