#include <cmath>
#include <numbers>

#include "platform/gdi/arc_geometry_p.h"

namespace platform::gdi {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

double Normalised(double angle) {
  const double turned = std::fmod(angle, kTurn);
  return turned < 0 ? turned + kTurn : turned;
}

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

double Cross(const QPointF& a, const QPointF& b) { return a.x() * b.y() - a.y() * b.x(); }

}  // namespace

ArcGeometry::ArcGeometry(const Box& box, double startX, double startY, double endX, double endY,
                         int direction)
    : centreX_(box.CentreX()),
      centreY_(box.CentreY()),
      radiusX_(static_cast<double>(box.Width()) / 2),
      radiusY_(static_cast<double>(box.Height()) / 2) {
  // Screen y grows downwards; angles are counted as seen on the screen.
  const QPointF start(startX - centreX_, centreY_ - startY);
  const QPointF end(endX - centreX_, centreY_ - endY);
  start_ = std::atan2(start.y(), start.x());
  double sweep = Normalised(std::atan2(end.y(), end.x()) - start_);
  full_ = sweep == 0;
  if (full_) sweep = kTurn;
  if (direction == AD_CLOCKWISE) sweep = full_ ? -kTurn : sweep - kTurn;
  sweep_ = sweep;

  // A clockwise sweep from start to end covers the counter-clockwise one from end
  // to start.
  from_ = sweep_ > 0 ? start : end;
  to_ = sweep_ > 0 ? end : start;
  wide_ = std::abs(sweep_) > std::numbers::pi;

  chordStart_ = EllipsePoint(start_);
  chordEnd_ = EllipsePoint(start_ + sweep_);
  const QPointF middle = EllipsePoint(start_ + sweep_ / 2);
  arcSidePositive_ = Cross(chordEnd_ - chordStart_, middle - chordStart_) > 0;
}

bool ArcGeometry::InSector(double x, double y) const {
  if (full_) return true;
  const QPointF point(x - centreX_, centreY_ - y);
  if (!wide_) return Cross(from_, point) >= 0 && Cross(point, to_) >= 0;
  // More than half a turn: everything but the open sector from `to_` round to `from_`.
  return !(Cross(to_, point) > 0 && Cross(point, from_) > 0);
}

QPointF ArcGeometry::EllipsePoint(double angle) const {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double scale =
      1 / std::sqrt((c / radiusX_) * (c / radiusX_) + (s / radiusY_) * (s / radiusY_));
  return {centreX_ + c * scale, centreY_ - s * scale};
}

bool ArcGeometry::OnArcSide(double x, double y) const {
  if (full_) return true;
  const double side = Cross(chordEnd_ - chordStart_, QPointF(x, y) - chordStart_);
  return side == 0 || (side > 0) == arcSidePositive_;
}

void ArcGeometry::AddTo(QPainterPath& path, const QRectF& ellipse, Join join) const {
  // QPainterPath takes angles of the ellipse's parametric form, in degrees.
  const double a = ellipse.width() / 2;
  const double b = ellipse.height() / 2;
  const double startParameter = std::atan2(a * std::sin(start_), b * std::cos(start_));
  const double end = start_ + sweep_;
  const double endParameter = std::atan2(a * std::sin(end), b * std::cos(end));
  double sweep = full_ ? kTurn : Normalised(endParameter - startParameter);
  if (sweep_ < 0) sweep = full_ ? -kTurn : sweep - kTurn;
  if (join == Join::NewFigure) path.arcMoveTo(ellipse, Degrees(startParameter));
  path.arcTo(ellipse, Degrees(startParameter), Degrees(sweep));
}

}  // namespace platform::gdi
