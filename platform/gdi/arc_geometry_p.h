#pragma once
// The geometry of Arc, Chord and Pie: the ellipse of a box, the radials through two
// points and the sweep between them in the DC's arc direction.

#include <QPainterPath>

#include "platform/gdi/coverage_p.h"
#include "platform/gdi/types.h"

namespace platform::gdi {

class ArcGeometry {
 public:
  // Start and end are points on the radials from the box's centre; equal radials
  // sweep the whole ellipse.
  ArcGeometry(const Box& box, double startX, double startY, double endX, double endY,
              int direction);

  // Is the point (device coordinates) within the angle swept from the start radial?
  bool InSector(double x, double y) const;
  // Is the point on the arc's side of the chord (or on the chord)?
  bool OnArcSide(double x, double y) const;
  bool Full() const { return full_; }

  // Adds the arc of the ellipse inscribed in `ellipse` to the path: as a new figure,
  // or joined to the current point with a line.
  enum class Join { NewFigure, Line };
  void AddTo(QPainterPath& path, const QRectF& ellipse, Join join) const;

 private:
  QPointF EllipsePoint(double angle) const;

  double centreX_;
  double centreY_;
  double radiusX_;
  double radiusY_;
  double start_;  // radians, counter-clockwise from +x as seen on screen
  double sweep_;  // radians, positive counter-clockwise, 0 < |sweep| <= 2 pi
  bool full_;
  // The sector as the counter-clockwise turn from `from_` to `to_` (directions from
  // the centre, y upwards), whether it exceeds half a turn, and the chord's ends and
  // the side of its line the arc lies on: per-pixel tests use products only.
  QPointF from_;
  QPointF to_;
  bool wide_;
  QPointF chordStart_;
  QPointF chordEnd_;
  bool arcSidePositive_;
};

}  // namespace platform::gdi
