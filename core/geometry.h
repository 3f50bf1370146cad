#pragma once
// The geometry records that drawing operations exchange with their callers and with
// the platform. Each is a plain record of 32-bit fields, in the order and layout the
// platform calls expect, with a few value operations: one form that changes the
// record and one that returns a changed copy.

#include <cstdint>
#include <type_traits>

namespace varnimo {

struct PointF {
  float X = 0;
  float Y = 0;

  void TranslateBy(float dx, float dy) { X += dx, Y += dy; }
  PointF Translated(float dx, float dy) const { return {X + dx, Y + dy}; }
  friend bool operator==(const PointF&, const PointF&) = default;
};

struct Point {
  std::int32_t X = 0;
  std::int32_t Y = 0;

  void TranslateBy(std::int32_t dx, std::int32_t dy) { X += dx, Y += dy; }
  Point Translated(std::int32_t dx, std::int32_t dy) const { return {X + dx, Y + dy}; }
  friend bool operator==(const Point&, const Point&) = default;
};

struct SizeF {
  float Width = 0;
  float Height = 0;

  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
  friend bool operator==(const SizeF&, const SizeF&) = default;
};

struct RectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;

  float Right() const { return X + Width; }
  float Bottom() const { return Y + Height; }
  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
  // Half-open: the right and bottom edges are outside.
  bool Contains(PointF p) const { return p.X >= X && p.X < Right() && p.Y >= Y && p.Y < Bottom(); }
  void TranslateBy(float dx, float dy) { X += dx, Y += dy; }
  RectF Translated(float dx, float dy) const { return {X + dx, Y + dy, Width, Height}; }
  friend bool operator==(const RectF&, const RectF&) = default;
};

struct Rect {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;

  std::int32_t Right() const { return X + Width; }
  std::int32_t Bottom() const { return Y + Height; }
  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
  // Half-open: the right and bottom edges are outside.
  bool Contains(Point p) const { return p.X >= X && p.X < Right() && p.Y >= Y && p.Y < Bottom(); }
  void TranslateBy(std::int32_t dx, std::int32_t dy) { X += dx, Y += dy; }
  Rect Translated(std::int32_t dx, std::int32_t dy) const { return {X + dx, Y + dy, Width, Height}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A run of characters in a text: the first one's index and how many.
struct CharacterRange {
  std::int32_t First = 0;
  std::int32_t Length = 0;
  friend bool operator==(const CharacterRange&, const CharacterRange&) = default;
};

// The platform reads these records in place: no padding, fields in order.
static_assert(sizeof(PointF) == 8 && sizeof(Point) == 8 && sizeof(CharacterRange) == 8);
static_assert(sizeof(SizeF) == 8 && sizeof(RectF) == 16 && sizeof(Rect) == 16);
static_assert(std::is_standard_layout_v<RectF> && std::is_trivially_copyable_v<RectF>);

}  // namespace varnimo
