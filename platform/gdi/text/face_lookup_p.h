#pragma once
// Strict typeface lookup: a name is accepted only when an installed font carries it.

#include <QString>
#include <QStringList>
#include <optional>

namespace platform::gdi {

// The installed typefaces, as the font engine names them, in its order. The engine's
// generic aliases (names that no font carries) are left out.
QStringList InstalledFamilies();

// The engine's name for the installed family that carries `name` (compared without
// regard to case; localised names count), or nullopt when no installed font carries it.
std::optional<QString> FindInstalledFamily(const QString& name);

enum class GenericFamily { SansSerif, Monospace };

// The face used when a font names none: fontconfig's preferred family of the generic
// kind for the environment's language; nullopt when no font is installed at all.
std::optional<QString> DefaultFamily(GenericFamily generic);

}  // namespace platform::gdi
