#include <QFontDatabase>
#include <cstring>
#include <optional>
#include <string>

#include "platform/gdi/text/ansi_text_p.h"
#include "platform/gdi/text/face_lookup_p.h"
#include "platform/gdi/text/font.h"
#include "platform/gdi/text/gui_runtime_p.h"
#include "platform/gdi/text/resolved_font_p.h"

namespace platform {
namespace {

// The record reported for one family: its face at the default character height.
struct EnumeratedFace {
  LOGFONTA logFont{};
  TEXTMETRICA metric{};
  DWORD type = 0;
};

std::optional<EnumeratedFace> Describe(const QString& family) {
  const std::optional<std::string> name = gdi::StringToAnsi(family);
  // A name that does not fit the face-name field could not be given to CreateFontA.
  if (!name || name->empty() || name->size() >= LF_FACESIZE) return std::nullopt;
  EnumeratedFace face;
  LOGFONTA& logFont = face.logFont;
  std::memcpy(logFont.lfFaceName, name->data(), name->size());
  logFont.lfHeight = -gdi::kDefaultCharacterHeight;
  logFont.lfWeight = FW_NORMAL;
  const bool chinese =
      QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
  logFont.lfCharSet = chinese ? GB2312_CHARSET : ANSI_CHARSET;
  const bool fixedPitch = QFontDatabase::isFixedPitch(family);
  logFont.lfPitchAndFamily = fixedPitch ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS);
  const std::shared_ptr<const gdi::ResolvedFont> resolved = gdi::ResolveFont(logFont);
  if (!resolved) return std::nullopt;
  logFont.lfHeight = resolved->Height();
  logFont.lfWidth = resolved->averageCharWidth;
  gdi::FillTextMetrics(*resolved, face.metric);
  face.type = QFontDatabase::isSmoothlyScalable(family) ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE;
  return face;
}

}  // namespace

int EnumFontsA(HDC dc, const char* faceName, FONTENUMPROCA callback, LONG_PTR data) {
  if (callback == nullptr || !gdi::DeviceContexts().Find(dc) || !gdi::EnsureGuiRuntime()) return 0;
  QStringList families;
  if (faceName != nullptr && faceName[0] != '\0') {
    const std::optional<QString> name = gdi::AnsiToString(std::string_view(faceName));
    const std::optional<QString> family = name ? gdi::FindInstalledFamily(*name) : std::nullopt;
    if (family) families.append(*family);
  } else {
    families = gdi::InstalledFamilies();
  }
  int result = 1;
  for (const QString& family : families) {
    const std::optional<EnumeratedFace> face = Describe(family);
    if (!face) continue;
    result = callback(&face->logFont, &face->metric, face->type, data);
    if (result == 0) break;
  }
  return result;
}

}  // namespace platform
