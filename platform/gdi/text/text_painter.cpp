#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextLine>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gdi/text/line_shaper_p.h"
#include "platform/gdi/text/text_painter_p.h"

namespace platform::gdi {
namespace {

// The rectangle as pixels, its right and bottom edges excluded.
QRect AreaOf(const RECT& rect) {
  const auto last = [](LONG edge) {
    return static_cast<int>(std::max<std::int64_t>(std::int64_t{edge} - 1, INT_MIN));
  };
  return QRect(QPoint(rect.left, rect.top), QPoint(last(rect.right), last(rect.bottom)));
}

QColor ColourOf(COLORREF colour) {
  return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// A line's cell moved by a pass's offset. Coordinates are held within a range that
// whole-pixel conversions survive; no surface reaches that far.
constexpr std::int64_t kFar = std::int64_t{1} << 30;

QRectF CellOf(const TextLine& line, int lineHeight, QPoint offset) {
  const auto held = [](std::int64_t value) {
    return static_cast<qreal>(std::clamp(value, -kFar, kFar));
  };
  return QRectF(held(line.x + offset.x()), held(line.y + offset.y()), line.width, lineHeight);
}

// The text's rotation: the baseline turns counter-clockwise about the first line's
// top-left corner.
QTransform RotationOf(const TextBlock& block, const ResolvedFont& font) {
  QTransform transform;
  if (font.escapementDegrees == 0 || block.lines.empty()) return transform;
  const QPointF origin(static_cast<qreal>(block.lines.front().x),
                       static_cast<qreal>(block.lines.front().y));
  transform.translate(origin.x(), origin.y());
  transform.rotate(-font.escapementDegrees);
  transform.translate(-origin.x(), -origin.y());
  return transform;
}

// One pass as it will be painted: its clip and the lines it reaches.
struct PlannedPass {
  const InkPass* pass = nullptr;
  QRegion clip;
  std::vector<const TextLine*> lines;
};

// Picks the lines each pass can reach, and the pixels that may change.
std::vector<PlannedPass> Plan(const TextBlock& block, const RECT& rect, const QRegion& deviceClip,
                              const QTransform& rotation, std::span<const InkPass> passes,
                              QRect& affected) {
  std::vector<PlannedPass> planned;
  const QRect area = AreaOf(rect);
  for (const InkPass& pass : passes) {
    PlannedPass plan{&pass,
                     (block.format & DT_NOCLIP)
                         ? deviceClip
                         : deviceClip.intersected(area.translated(pass.offset)),
                     {}};
    const QRect bounds = plan.clip.boundingRect();
    for (const TextLine& line : block.lines) {
      // Glyphs may reach a little beyond the advance (italics, overhangs).
      const QRectF cell = CellOf(line, block.lineHeight, pass.offset)
                              .adjusted(-block.lineHeight, 0, block.lineHeight, 0);
      const QRect reach = rotation.mapRect(cell).toAlignedRect() & bounds;
      if (reach.isEmpty()) continue;
      affected |= reach;
      plan.lines.push_back(&line);
    }
    planned.push_back(std::move(plan));
  }
  return planned;
}

void DrawPrefixUnderlines(QPainter& painter, const QTextLine& shaped, const TextLine& line,
                          QPointF baseline, const QFontMetricsF& metrics, const QColor& colour) {
  for (const int position : line.underlined) {
    const bool pair = position + 1 < line.text.size() && line.text[position].isHighSurrogate();
    const qreal from = shaped.cursorToX(position);
    const qreal to = shaped.cursorToX(position + (pair ? 2 : 1));
    painter.fillRect(QRectF(baseline.x() + from, baseline.y() + metrics.underlinePos(), to - from,
                            std::max<qreal>(1, metrics.lineWidth())),
                     colour);
  }
}

// Paints the planned passes with `painter`, whose `base` maps picture coordinates to
// its device.
void PaintPasses(QPainter& painter, const QTransform& base, const std::vector<PlannedPass>& planned,
                 const TextBlock& block, const ResolvedFont& font, const QTransform& rotation,
                 COLORREF background, bool opaque) {
  const QTransform placement = rotation * base;
  // Clip regions are in picture coordinates, so they are set under the base mapping
  // alone; the rotation applies to the text only.
  const auto enter = [&](const PlannedPass& plan) {
    painter.setTransform(base);
    painter.setClipRegion(plan.clip);
    painter.setTransform(placement);
  };
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, !font.aliased);
  const bool prefixOnly = block.format & DT_PREFIXONLY;
  if (opaque && !prefixOnly) {
    for (const PlannedPass& plan : planned) {
      enter(plan);
      for (const TextLine* line : plan.lines) {
        painter.fillRect(CellOf(*line, block.lineHeight, plan.pass->offset), ColourOf(background));
      }
    }
  }
  const LineShaper shaper(font.font, block.tabDistance);
  const QFontMetricsF metrics(font.font);
  for (const PlannedPass& plan : planned) {
    enter(plan);
    const QColor colour = ColourOf(plan.pass->colour);
    painter.setPen(colour);
    for (const TextLine* line : plan.lines) {
      if (line->text.isEmpty()) continue;
      const std::unique_ptr<QTextLayout> layout = shaper.Shape(line->text, line->underlined);
      if (layout->lineCount() == 0) continue;
      const QTextLine shaped = layout->lineAt(0);
      // The baseline sits at the font's ascent below the cell's top, whatever fallback
      // faces the line needed.
      const QRectF cell = CellOf(*line, block.lineHeight, plan.pass->offset);
      const QPointF baseline(cell.left(), cell.top() + font.ascent);
      if (prefixOnly) {
        DrawPrefixUnderlines(painter, shaped, *line, baseline, metrics, colour);
      } else {
        layout->draw(&painter, QPointF(baseline.x(), baseline.y() - shaped.ascent()));
      }
    }
  }
}

// Copies the area between a bottom-up surface and a top-down scratch picture.
void CopyRows(PixelSurface& surface, QImage& scratch, const QRect& area, bool toSurface) {
  const std::size_t bytes = static_cast<std::size_t>(area.width()) * sizeof(std::uint32_t);
  for (int y = 0; y < area.height(); ++y) {
    std::uint32_t* surfaceRow = surface.Row(area.top() + y) + area.left();
    auto* scratchRow = reinterpret_cast<std::uint32_t*>(scratch.scanLine(y));
    std::memcpy(toSurface ? surfaceRow : scratchRow, toSurface ? scratchRow : surfaceRow, bytes);
  }
}

}  // namespace

bool PaintTextBlock(DeviceContext& dc, const TextBlock& block, const ResolvedFont& font,
                    const RECT& rect, std::span<const InkPass> passes) {
  if (!dc.target || !dc.target->Valid()) return false;
  PixelSurface& surface = *dc.target;
  const QTransform rotation = RotationOf(block, font);
  QRect affected;
  const std::vector<PlannedPass> planned =
      Plan(block, rect, EffectiveClip(dc), rotation, passes, affected);
  affected &= QRect(0, 0, surface.Width(), surface.Height());
  if (affected.isEmpty()) return true;
  const bool opaque = dc.bkMode == OPAQUE;
  if (!surface.BottomUp()) {
    QPainter painter;
    surface.BeginPainting(painter);
    PaintPasses(painter, painter.transform(), planned, block, font, rotation, dc.bkColor, opaque);
  } else {
    // Text painted through a mirroring transform loses the font engine's hinted glyphs,
    // so a bottom-up surface gets its text painted upright on a copy of the area.
    QImage scratch(affected.size(), QImage::Format_RGB32);
    if (scratch.isNull()) return false;
    CopyRows(surface, scratch, affected, false);
    {
      QPainter painter(&scratch);
      PaintPasses(painter, QTransform::fromTranslate(-affected.left(), -affected.top()), planned,
                  block, font, rotation, dc.bkColor, opaque);
    }
    CopyRows(surface, scratch, affected, true);
  }
  surface.Changed(affected);
  return true;
}

}  // namespace platform::gdi
