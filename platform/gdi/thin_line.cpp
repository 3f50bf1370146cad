// One-pixel lines, walked along their major axis. Each pixel is found from its step
// number alone, so a line is walked only where it crosses the area asked for, however
// far its ends lie.

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/gdi/coverage_p.h"

namespace platform::gdi {
namespace {

__extension__ using Wide = __int128;

// n / d rounded to the nearest integer, halves upwards; d > 0.
std::int64_t RoundedQuotient(Wide n, Wide d) {
  const Wide twice = 2 * n + d;
  const Wide doubled = 2 * d;
  Wide quotient = twice / doubled;
  if (twice % doubled != 0 && twice < 0) --quotient;
  return static_cast<std::int64_t>(quotient);
}

class Dashes {
 public:
  explicit Dashes(const std::vector<int>& lengths) : lengths_(lengths) {
    for (int length : lengths_) period_ += length;
  }
  // Is the pixel `steps` pixels along the figure in a dash?
  bool On(std::int64_t steps) const {
    if (period_ == 0) return true;
    std::int64_t position = steps % period_;
    for (std::size_t i = 0; i < lengths_.size(); ++i) {
      if (position < lengths_[i]) return i % 2 == 0;
      position -= lengths_[i];
    }
    return true;
  }

 private:
  const std::vector<int>& lengths_;
  std::int64_t period_ = 0;
};

// Collects pixels in any order and makes a region of them.
class PixelSet {
 public:
  void Add(std::int64_t x, std::int64_t y) {
    points_.emplace_back(static_cast<int>(y), static_cast<int>(x));
  }

  QRegion Finish() {
    std::sort(points_.begin(), points_.end());
    points_.erase(std::unique(points_.begin(), points_.end()), points_.end());
    RegionBuilder builder;
    std::vector<std::pair<int, int>> spans;
    for (std::size_t i = 0; i < points_.size();) {
      const int y = points_[i].first;
      spans.clear();
      for (; i < points_.size() && points_[i].first == y; ++i) {
        const int x = points_[i].second;
        if (!spans.empty() && spans.back().second == x) {
          spans.back().second = x + 1;
        } else {
          spans.emplace_back(x, x + 1);
        }
      }
      builder.AddRow(y, spans);
    }
    return builder.Finish();
  }

 private:
  std::vector<std::pair<int, int>> points_;  // (y, x)
};

struct Point64 {
  std::int64_t x;
  std::int64_t y;
};

Point64 Rounded(const QPointF& point) {
  constexpr double kReach = 1e12;
  return {std::llround(std::clamp(point.x(), -kReach, kReach)),
          std::llround(std::clamp(point.y(), -kReach, kReach))};
}

// Adds the pixels of the segment from `from` up to, not including, `to`, whose
// dash position starts at `travelled`. Returns the segment's length in steps.
std::int64_t TraceSegment(Point64 from, Point64 to, std::int64_t travelled, const Dashes& dashes,
                          const QRect& limit, PixelSet& pixels) {
  const std::int64_t dx = to.x - from.x;
  const std::int64_t dy = to.y - from.y;
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  if (steps == 0) return 0;
  // The major axis's start, direction and the limit's range on it.
  const std::int64_t start = alongX ? from.x : from.y;
  const std::int64_t direction = (alongX ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t low = alongX ? limit.left() : limit.top();
  const std::int64_t high = alongX ? limit.right() : limit.bottom();
  std::int64_t first = direction > 0 ? low - start : start - high;
  std::int64_t last = direction > 0 ? high - start : start - low;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, steps - 1);
  const std::int64_t minorStart = alongX ? from.y : from.x;
  const std::int64_t minorDelta = alongX ? dy : dx;
  for (std::int64_t k = first; k <= last; ++k) {
    if (!dashes.On(travelled + k)) continue;
    const std::int64_t major = start + direction * k;
    const std::int64_t minor = minorStart + RoundedQuotient(Wide{k} * minorDelta, steps);
    const std::int64_t x = alongX ? major : minor;
    const std::int64_t y = alongX ? minor : major;
    if (x >= limit.left() && x <= limit.right() && y >= limit.top() && y <= limit.bottom()) {
      pixels.Add(x, y);
    }
  }
  return steps;
}

}  // namespace

QRegion ThinLineArea(const QPainterPath& path, const std::vector<int>& dashes, const QRect& limit) {
  if (limit.isEmpty()) return {};
  const Dashes pattern(dashes);
  PixelSet pixels;
  std::int64_t travelled = 0;
  for (const QPolygonF& figure : path.toSubpathPolygons()) {
    for (qsizetype i = 1; i < figure.size(); ++i) {
      travelled += TraceSegment(Rounded(figure[i - 1]), Rounded(figure[i]), travelled, pattern,
                                limit, pixels);
    }
  }
  return pixels.Finish();
}

}  // namespace platform::gdi
