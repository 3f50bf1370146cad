#pragma once
// The installed face names, as the font list of the main window offers them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/text/font.h"

namespace varnimo::app {

// The face the font list selects when it is installed: "微软雅黑" in the ANSI code
// page (GB18030), the form in which face names are enumerated.
inline constexpr std::string_view kPreferredFace = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";

// Enumeration callback: appends the face name (at most 31 bytes, ANSI code page) to
// the state's fontNames and answers 1 so that the enumeration goes on.
int CollectFontName(const platform::LOGFONTA* logFont, const platform::TEXTMETRICA* metric,
                    platform::DWORD type, platform::LONG_PTR data);

// Replaces `list` with the face names of every installed typeface, in enumeration
// order; the state's fontNames is empty again afterwards.
void FillFontList(std::vector<std::string>& list);

struct FontEntries {
  std::vector<std::string> names;  // in list order, ANSI code page
  std::optional<std::size_t> selected;
};

// The entries the font list shows for the enumerated names: every name except those
// beginning with "@" (faces for vertical text). The selection is kPreferredFace when
// it is among them, else `fallbackFace` when that is among them, else none.
FontEntries ChooseFontEntries(const std::vector<std::string>& names, std::string_view fallbackFace);

}  // namespace varnimo::app
