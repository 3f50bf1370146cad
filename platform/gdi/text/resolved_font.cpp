#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>

#include "platform/gdi/text/ansi_text_p.h"
#include "platform/gdi/text/face_lookup_p.h"
#include "platform/gdi/text/gui_runtime_p.h"
#include "platform/gdi/text/resolved_font_p.h"

namespace platform::gdi {
namespace {

// Guards FontObject::resolved, which fonts shared between threads fill lazily.
std::mutex resolutionMutex;

std::optional<QString> FamilyOf(const LOGFONTA& logFont) {
  const std::size_t length = strnlen(logFont.lfFaceName, LF_FACESIZE);
  if (length == LF_FACESIZE) return std::nullopt;
  if (length == 0) {
    if ((logFont.lfPitchAndFamily & 0x03) == FIXED_PITCH) {
      static const std::optional<QString> monospace = DefaultFamily(GenericFamily::Monospace);
      return monospace;
    }
    static const std::optional<QString> sansSerif = DefaultFamily(GenericFamily::SansSerif);
    return sansSerif;
  }
  const std::optional<QString> name = AnsiToString({logFont.lfFaceName, length});
  if (!name) return std::nullopt;
  return FindInstalledFamily(*name);
}

// The em size that gives the font the requested height: a negative height is the em
// size itself, a positive one the cell height (ascent + descent).
int EmSizeFor(const QFont& shape, LONG height) {
  if (height == 0) return kDefaultCharacterHeight;
  if (height < 0) return -height;
  constexpr int kProbeSize = 1024;
  QFont probe = shape;
  probe.setPixelSize(kProbeSize);
  const QFontMetricsF metrics(probe);
  const qreal cell = metrics.ascent() + metrics.descent();
  if (cell <= 0) return height;
  return std::max(1, static_cast<int>(std::lround(height * kProbeSize / cell)));
}

int StretchFor(const QFont& font, LONG width) {
  if (width == 0) return QFont::Unstretched;
  const qreal natural = QFontMetricsF(font).averageCharWidth();
  if (natural <= 0) return QFont::Unstretched;
  const long stretch = std::lround(100.0 * std::abs(width) / natural);
  return static_cast<int>(std::clamp(stretch, 1L, 4000L));
}

}  // namespace

std::shared_ptr<const ResolvedFont> ResolveFont(const LOGFONTA& logFont) {
  if (std::abs(static_cast<long long>(logFont.lfHeight)) > kMaxFontPixels ||
      std::abs(static_cast<long long>(logFont.lfWidth)) > kMaxFontPixels) {
    return nullptr;
  }
  if (!EnsureGuiRuntime()) return nullptr;
  const std::optional<QString> family = FamilyOf(logFont);
  if (!family) return nullptr;

  auto resolved = std::make_shared<ResolvedFont>();
  resolved->weight = logFont.lfWeight <= 0 ? FW_NORMAL : std::min<LONG>(logFont.lfWeight, 1000);
  resolved->aliased = logFont.lfQuality == NONANTIALIASED_QUALITY;
  resolved->escapementDegrees = (logFont.lfEscapement % 3600) / 10.0;
  resolved->charSet = logFont.lfCharSet;

  QFont& font = resolved->font;
  font.setFamily(*family);
  font.setWeight(static_cast<QFont::Weight>(resolved->weight));
  font.setItalic(logFont.lfItalic != 0);
  font.setUnderline(logFont.lfUnderline != 0);
  font.setStrikeOut(logFont.lfStrikeOut != 0);
  font.setStyleStrategy(resolved->aliased ? QFont::NoAntialias
                                          : QFont::StyleStrategy(QFont::PreferAntialias |
                                                                 QFont::NoSubpixelAntialias));
  font.setPixelSize(EmSizeFor(font, logFont.lfHeight));
  font.setStretch(StretchFor(font, logFont.lfWidth));

  const QFontMetrics metrics(font);
  resolved->ascent = metrics.ascent();
  resolved->descent = metrics.descent();
  resolved->internalLeading = std::max(0, resolved->Height() - font.pixelSize());
  resolved->externalLeading = std::max(0, metrics.leading());
  resolved->averageCharWidth = metrics.averageCharWidth();
  resolved->maxCharWidth = metrics.maxWidth();
  return resolved;
}

std::shared_ptr<const ResolvedFont> ResolvedFontOf(FontObject& font) {
  {
    const std::lock_guard lock(resolutionMutex);
    if (font.resolved) return std::static_pointer_cast<const ResolvedFont>(font.resolved);
  }
  // Resolved outside the lock: two threads may both resolve, and either result is right.
  std::shared_ptr<const ResolvedFont> resolved = ResolveFont(font.logFont);
  if (!resolved) return nullptr;
  const std::lock_guard lock(resolutionMutex);
  if (!font.resolved) font.resolved = std::const_pointer_cast<ResolvedFont>(resolved);
  return std::static_pointer_cast<const ResolvedFont>(font.resolved);
}

std::shared_ptr<const ResolvedFont> SelectedFont(const DeviceContext& dc) {
  const std::shared_ptr<FontObject> font = Fonts().Find(dc.font);
  return font ? ResolvedFontOf(*font) : nullptr;
}

void FillTextMetrics(const ResolvedFont& font, TEXTMETRICA& metric) {
  metric = TEXTMETRICA{};
  metric.tmHeight = font.Height();
  metric.tmAscent = font.ascent;
  metric.tmDescent = font.descent;
  metric.tmInternalLeading = font.internalLeading;
  metric.tmExternalLeading = font.externalLeading;
  metric.tmAveCharWidth = font.averageCharWidth;
  metric.tmMaxCharWidth = font.maxCharWidth;
  metric.tmWeight = font.weight;
  metric.tmDigitizedAspectX = 96;
  metric.tmDigitizedAspectY = 96;
  metric.tmFirstChar = ' ';
  metric.tmLastChar = static_cast<char>(0xFF);
  metric.tmDefaultChar = '?';
  metric.tmBreakChar = ' ';
  metric.tmItalic = font.font.italic() ? 1 : 0;
  metric.tmUnderlined = font.font.underline() ? 1 : 0;
  metric.tmStruckOut = font.font.strikeOut() ? 1 : 0;
  const bool fixedPitch = QFontDatabase::isFixedPitch(font.font.family());
  // The pitch bit is set for variable-pitch fonts, as the documented layout has it.
  metric.tmPitchAndFamily =
      static_cast<BYTE>((fixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE);
  metric.tmCharSet = font.charSet;
}

}  // namespace platform::gdi
