#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/gdi/coverage_p.h"

namespace platform::gdi {
namespace {

// The rows and columns of the box that lie inside the limit, as a QRect (empty when
// they do not meet).
QRect Visible(const Box& box, const QRect& limit) {
  const std::int64_t left = std::max<std::int64_t>(box.left, limit.left());
  const std::int64_t top = std::max<std::int64_t>(box.top, limit.top());
  const std::int64_t right = std::min<std::int64_t>(box.right, limit.right() + std::int64_t{1});
  const std::int64_t bottom = std::min<std::int64_t>(box.bottom, limit.bottom() + std::int64_t{1});
  if (right <= left || bottom <= top) return {};
  return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
               static_cast<int>(bottom - top));
}

// The span [x0, x1) of row y that the ellipse inscribed in the box covers: the
// pixels whose centres lie strictly inside it. Symmetric about the box's centre.
std::optional<std::pair<std::int64_t, std::int64_t>> EllipseRow(const Box& box, std::int64_t y) {
  const double radiusX = static_cast<double>(box.Width()) / 2;
  const double radiusY = static_cast<double>(box.Height()) / 2;
  const double v = (static_cast<double>(y) + 0.5 - box.CentreY()) / radiusY;
  if (v * v >= 1) return std::nullopt;
  const double half = radiusX * std::sqrt(1 - v * v);
  const auto x0 = static_cast<std::int64_t>(std::floor(box.CentreX() - half - 0.5)) + 1;
  const std::int64_t x1 = box.left + box.right - x0;
  if (x1 <= x0) return std::nullopt;
  return std::pair{x0, x1};
}

// Builds the area of a shape whose rows are single spans given by span(y).
template <typename Span>
QRegion SpanArea(const Box& box, const QRect& limit, Span span) {
  const QRect rows = Visible(box, limit);
  RegionBuilder builder;
  if (rows.isEmpty()) return {};
  std::vector<std::pair<int, int>> spans;
  for (int y = rows.top(); y <= rows.bottom(); ++y) {
    spans.clear();
    if (auto row = span(y)) {
      const std::int64_t x0 = std::max<std::int64_t>(row->first, rows.left());
      const std::int64_t x1 = std::min<std::int64_t>(row->second, rows.right() + std::int64_t{1});
      if (x0 < x1) spans.emplace_back(static_cast<int>(x0), static_cast<int>(x1));
    }
    builder.AddRow(y, spans);
  }
  return builder.Finish();
}

// An aliased painting into a mask over the area, read back as a region: what
// QPainter covers is what the region holds. The mask is painted in strips of bounded
// size, so a large area costs time but not memory.
template <typename Paint>
QRegion MaskArea(const QRect& area, Paint paint) {
  if (area.isEmpty()) return {};
  constexpr int kStripBytes = 4 << 20;
  const int stripHeight = std::clamp(kStripBytes / 4 / area.width(), 1, area.height());
  QImage mask(area.width(), stripHeight, QImage::Format_ARGB32_Premultiplied);
  if (mask.isNull()) return {};
  RegionBuilder builder;
  std::vector<std::pair<int, int>> spans;
  for (int stripTop = area.top(); stripTop <= area.bottom(); stripTop += stripHeight) {
    mask.fill(Qt::transparent);
    {
      QPainter painter(&mask);
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.translate(-area.left(), -stripTop);
      paint(painter);
    }
    const int rows = std::min(stripHeight, area.bottom() + 1 - stripTop);
    for (int row = 0; row < rows; ++row) {
      spans.clear();
      const auto* pixels = reinterpret_cast<const std::uint32_t*>(mask.constScanLine(row));
      int runStart = -1;
      for (int x = 0; x <= mask.width(); ++x) {
        const bool inside = x < mask.width() && pixels[x] != 0;
        if (inside && runStart < 0) runStart = x;
        if (!inside && runStart >= 0) {
          spans.emplace_back(runStart + area.left(), x + area.left());
          runStart = -1;
        }
      }
      builder.AddRow(stripTop + row, spans);
    }
  }
  return builder.Finish();
}

// The part of the limit a path can touch, grown by `margin` for pens and rounding.
QRect PathBounds(const QPainterPath& path, int margin, const QRect& limit) {
  if (path.isEmpty()) return {};
  const QRectF bounds = path.controlPointRect();
  const auto edge = [margin](double value, int direction) {
    constexpr double kReach = 1e9;
    return static_cast<int>(std::floor(std::clamp(value, -kReach, kReach))) + direction * margin;
  };
  const QRect near(QPoint(edge(bounds.left(), -1), edge(bounds.top(), -1)),
                   QPoint(edge(bounds.right(), 1), edge(bounds.bottom(), 1)));
  return near.intersected(limit);
}

}  // namespace

Box MakeBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  return Box{std::min(left, right), std::min(top, bottom), std::max(left, right),
             std::max(top, bottom)};
}

void RegionBuilder::AddRow(int y, const std::vector<std::pair<int, int>>& spans) {
  if (bandHeight_ > 0 && y == bandTop_ + bandHeight_ && spans == band_) {
    ++bandHeight_;
    return;
  }
  Flush();
  band_ = spans;
  bandTop_ = y;
  bandHeight_ = spans.empty() ? 0 : 1;
}

void RegionBuilder::Flush() {
  for (const auto& [x0, x1] : band_) rects_.emplace_back(x0, bandTop_, x1 - x0, bandHeight_);
  band_.clear();
  bandHeight_ = 0;
}

QRegion RegionBuilder::Finish() {
  Flush();
  QRegion region;
  if (!rects_.empty()) region.setRects(rects_.data(), static_cast<int>(rects_.size()));
  rects_.clear();
  return region;
}

QRegion RectArea(const Box& box, const QRect& limit) { return QRegion(Visible(box, limit)); }

QRegion EllipseArea(const Box& box, const QRect& limit) {
  if (box.Empty()) return {};
  return SpanArea(box, limit, [&box](int y) { return EllipseRow(box, y); });
}

QRegion RoundRectArea(const Box& box, int cornerWidth, int cornerHeight, const QRect& limit) {
  if (box.Empty()) return {};
  const std::int64_t cornerW =
      std::min<std::int64_t>(std::abs(std::int64_t{cornerWidth}), box.Width());
  const std::int64_t cornerH =
      std::min<std::int64_t>(std::abs(std::int64_t{cornerHeight}), box.Height());
  if (cornerW < 2 || cornerH < 2) return RectArea(box, limit);
  const Box top{box.left, box.top, box.left + cornerW, box.top + cornerH};
  const Box bottom{box.left, box.bottom - cornerH, box.left + cornerW, box.bottom};
  // Rows within half a corner of the top or bottom edge follow the corner ellipse;
  // the left inset mirrors to the right.
  return SpanArea(box, limit, [&](int y) -> std::optional<std::pair<std::int64_t, std::int64_t>> {
    const Box* corner = nullptr;
    if (y < box.top + cornerH / 2) corner = &top;
    if (y >= box.bottom - cornerH / 2) corner = &bottom;
    if (corner == nullptr) return std::pair{box.left, box.right};
    auto row = EllipseRow(*corner, y);
    if (!row) return std::nullopt;
    const std::int64_t inset = row->first - box.left;
    return std::pair{box.left + inset, box.right - inset};
  });
}

QRegion PathArea(const QPainterPath& path, Qt::FillRule rule, const QRect& limit) {
  QPainterPath filled = path;
  filled.setFillRule(rule);
  return MaskArea(PathBounds(path, 1, limit),
                  [&filled](QPainter& painter) { painter.fillPath(filled, Qt::black); });
}

QRegion WideLineArea(const QPainterPath& path, int width, const QRect& limit) {
  QPen pen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  return MaskArea(PathBounds(path, width + 2, limit), [&](QPainter& painter) {
    // Points name pixels, whose centres lie half a pixel in.
    painter.translate(0.5, 0.5);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  });
}

QRegion Ring(const QRegion& shape, int width) {
  QRegion inner = shape;
  for (int step = 0; step < width && !inner.isEmpty(); ++step) {
    QRegion next = inner & inner.translated(1, 0) & inner.translated(-1, 0) &
                   inner.translated(0, 1) & inner.translated(0, -1);
    if (step % 2 == 1) {
      next &= inner.translated(1, 1) & inner.translated(-1, -1) & inner.translated(1, -1) &
              inner.translated(-1, 1);
    }
    inner = next;
  }
  return shape - inner;
}

}  // namespace platform::gdi
