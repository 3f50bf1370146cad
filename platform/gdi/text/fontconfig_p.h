#pragma once
// Questions put to fontconfig, the system's font configuration, directly: which names
// the installed fonts carry, and which family it prefers for a language.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace platform::gdi {

// Every installed font's family names (a font may carry several, e.g. localised
// ones), one list per font; the first name of each list is the font's main name.
std::vector<QStringList> InstalledFontNames();

// The family fontconfig prefers for `family` (a generic name such as "sans-serif", or
// empty) and text in `language` (e.g. "zh-cn"; empty: the environment's language).
// With `requireLanguage`, nullopt when the preferred font does not cover the language.
std::optional<QString> PreferredFamily(const std::string& family, const std::string& language,
                                       bool requireLanguage);

}  // namespace platform::gdi
