#include "app/font_list.h"

#include <cstring>

#include "app/app_state.h"
#include "platform/user/window.h"

namespace varnimo::app {

int CollectFontName(const platform::LOGFONTA* logFont, const platform::TEXTMETRICA*,
                    platform::DWORD, platform::LONG_PTR) {
  if (logFont != nullptr) {
    // The name fills at most the whole field; a missing terminator ends it there.
    const std::size_t length = strnlen(logFont->lfFaceName, platform::LF_FACESIZE);
    State().fontNames.emplace_back(logFont->lfFaceName, length);
  }
  return 1;
}

void FillFontList(std::vector<std::string>& list) {
  const platform::HDC screen = platform::GetDC(0);
  platform::EnumFontsA(screen, nullptr, &CollectFontName, 0);
  platform::ReleaseDC(0, screen);
  std::vector<std::string>& collected = State().fontNames;
  list = collected;
  collected.clear();
}

FontEntries ChooseFontEntries(const std::vector<std::string>& names, std::string_view fallbackFace) {
  FontEntries entries;
  std::optional<std::size_t> fallback;
  for (const std::string& name : names) {
    if (name.starts_with('@')) continue;
    if (name == kPreferredFace) entries.selected = entries.names.size();
    if (!fallbackFace.empty() && name == fallbackFace && !fallback) fallback = entries.names.size();
    entries.names.push_back(name);
  }
  if (!entries.selected) entries.selected = fallback;
  return entries;
}

}  // namespace varnimo::app
