#include <QFontDatabase>

#include "platform/gdi/text/face_lookup_p.h"
#include "platform/gdi/text/fontconfig_p.h"

namespace platform::gdi {

QStringList InstalledFamilies() {
  QStringList carried;
  for (const QStringList& names : InstalledFontNames()) carried.append(names);
  QStringList families;
  for (const QString& family : QFontDatabase::families()) {
    if (carried.contains(family, Qt::CaseInsensitive)) families.append(family);
  }
  return families;
}

std::optional<QString> FindInstalledFamily(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  const QStringList families = QFontDatabase::families();
  for (const QStringList& names : InstalledFontNames()) {
    if (!names.contains(name, Qt::CaseInsensitive)) continue;
    // The name itself when the engine lists it, else the font's name that it lists.
    for (const QString& family : families) {
      if (family.compare(name, Qt::CaseInsensitive) == 0) return family;
    }
    for (const QString& alternative : names) {
      if (families.contains(alternative)) return alternative;
    }
  }
  return std::nullopt;
}

std::optional<QString> DefaultFamily(GenericFamily generic) {
  const char* name = generic == GenericFamily::Monospace ? "monospace" : "sans-serif";
  if (const std::optional<QString> preferred = PreferredFamily(name, "", false)) {
    if (std::optional<QString> installed = FindInstalledFamily(*preferred)) return installed;
  }
  const QStringList families = InstalledFamilies();
  if (families.isEmpty()) return std::nullopt;
  return families.front();
}

}  // namespace platform::gdi
