#pragma once
// A logical font (LOGFONTA) resolved to a real typeface at a pixel size: what the text
// calls measure and draw with. Fonts resolve once and keep the result in their
// FontObject.

#include <QFont>
#include <memory>

#include "platform/gdi/objects_p.h"
#include "platform/gdi/text/font.h"

namespace platform::gdi {

// Heights and widths beyond this many pixels are refused: nobody reads such text and
// glyph caches would not survive it.
constexpr int kMaxFontPixels = 16384;

// The character height (em size) of a font whose height is 0.
constexpr int kDefaultCharacterHeight = 16;

struct ResolvedFont {
  QFont font;  // family, pixel size, weight, style, stretch, antialiasing
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
  int weight = FW_NORMAL;
  double escapementDegrees = 0;  // counter-clockwise rotation of the baseline
  bool aliased = false;          // NONANTIALIASED_QUALITY
  BYTE charSet = DEFAULT_CHARSET;

  int Height() const { return ascent + descent; }
};

// Resolves a logical font; null when its face is not installed or a field is out of
// range (face name without a terminator or not GB18030, absurd height or width).
std::shared_ptr<const ResolvedFont> ResolveFont(const LOGFONTA& logFont);

// The font's resolution, made on first use and kept in the object.
std::shared_ptr<const ResolvedFont> ResolvedFontOf(FontObject& font);

// The resolution of the font selected into the device context; null when none is.
std::shared_ptr<const ResolvedFont> SelectedFont(const DeviceContext& dc);

void FillTextMetrics(const ResolvedFont& font, TEXTMETRICA& metric);

}  // namespace platform::gdi
