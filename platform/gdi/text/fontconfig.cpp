#include <fontconfig/fontconfig.h>

#include <memory>

#include "platform/gdi/text/fontconfig_p.h"

namespace platform::gdi {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;
using ObjectSet = std::unique_ptr<FcObjectSet, ObjectSetDeleter>;
using FontSet = std::unique_ptr<FcFontSet, FontSetDeleter>;

QStringList FamilyNamesOf(const FcPattern* font) {
  QStringList names;
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    names.append(QString::fromUtf8(reinterpret_cast<const char*>(name)));
  }
  return names;
}

}  // namespace

std::vector<QStringList> InstalledFontNames() {
  std::vector<QStringList> fonts;
  if (!FcInit()) return fonts;
  const Pattern pattern(FcPatternCreate());
  const ObjectSet objects(FcObjectSetBuild(FC_FAMILY, nullptr));
  if (!pattern || !objects) return fonts;
  const FontSet list(FcFontList(nullptr, pattern.get(), objects.get()));
  if (!list) return fonts;
  fonts.reserve(static_cast<std::size_t>(list->nfont));
  for (int i = 0; i < list->nfont; ++i) {
    QStringList names = FamilyNamesOf(list->fonts[i]);
    if (!names.isEmpty()) fonts.push_back(std::move(names));
  }
  return fonts;
}

std::optional<QString> PreferredFamily(const std::string& family, const std::string& language,
                                       bool requireLanguage) {
  if (!FcInit()) return std::nullopt;
  const Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  const auto* languageName = reinterpret_cast<const FcChar8*>(language.c_str());
  if (!family.empty()) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  if (!language.empty()) FcPatternAddString(pattern.get(), FC_LANG, languageName);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match || result != FcResultMatch) return std::nullopt;
  if (requireLanguage) {
    FcLangSet* covered = nullptr;
    if (FcPatternGetLangSet(match.get(), FC_LANG, 0, &covered) != FcResultMatch ||
        FcLangSetHasLang(covered, languageName) == FcLangDifferentLang) {
      return std::nullopt;
    }
  }
  const QStringList names = FamilyNamesOf(match.get());
  if (names.isEmpty()) return std::nullopt;
  return names.front();
}

}  // namespace platform::gdi
