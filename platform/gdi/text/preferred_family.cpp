#include <string>

#include "platform/gdi/text/ansi_text_p.h"
#include "platform/gdi/text/face_lookup_p.h"
#include "platform/gdi/text/font.h"
#include "platform/gdi/text/fontconfig_p.h"
#include "platform/gdi/text/gui_runtime_p.h"

namespace platform {

std::string PreferredFontFamily(std::string_view language) {
  if (language.empty() || language.find('\0') != std::string_view::npos ||
      !gdi::EnsureGuiRuntime()) {
    return {};
  }
  const std::optional<QString> preferred = gdi::PreferredFamily("", std::string(language), true);
  // The engine's own name for the family, which CreateFontA and the GDI+ fonts accept.
  const std::optional<QString> installed =
      preferred ? gdi::FindInstalledFamily(*preferred) : std::nullopt;
  if (!installed) return {};
  return gdi::StringToAnsi(*installed).value_or(std::string());
}

}  // namespace platform
