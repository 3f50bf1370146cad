#include "core/text_conversion.h"

#include <cstring>

#include "platform/com/guid.h"
#include "platform/kernel/code_page.h"

namespace varnimo {

WideText AnsiToWide(std::string_view text) {
  // Program text ends at its first NUL, as the platform would read it.
  text = text.substr(0, text.find('\0'));
  // Ask for the units the text needs, terminator included, then convert the text
  // without its terminator into a zero-filled buffer whose last unit stays zero.
  const std::string terminated(text);
  char16_t sizeProbe = 0;
  const int units =
      platform::MultiByteToWideChar(platform::CP_ACP, 0, terminated.c_str(), -1, &sizeProbe, 0);
  if (units <= 0) return {};
  WideText wide(static_cast<std::size_t>(units), u'\0');
  if (!text.empty()) {
    const int written = platform::MultiByteToWideChar(
        platform::CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
    if (written <= 0) return {};
  }
  return wide;
}

std::string WideToAnsi(const char16_t* wide) {
  if (wide == nullptr) return {};
  char sizeProbe = 0;
  const int bytes = platform::WideCharToMultiByte(platform::CP_ACP, 0, wide, -1, &sizeProbe, 0,
                                                  nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  if (platform::WideCharToMultiByte(platform::CP_ACP, 0, wide, -1, text.data(), bytes, nullptr,
                                    nullptr) <= 0) {
    return {};
  }
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::string GuidToText(std::span<const std::uint8_t> guid) {
  if (guid.size() != sizeof(platform::GUID)) return {};
  platform::GUID value;
  std::memcpy(&value, guid.data(), sizeof value);
  char16_t text[platform::kGuidTextLength + 1] = {};
  if (platform::StringFromGUID2(&value, text, platform::kGuidTextLength + 1) == 0) return {};
  return WideToAnsi(text);
}

GuidBytes TextToClsid(std::string_view text) {
  GuidBytes bytes{};
  const WideText wide = AnsiToWide(text);
  platform::CLSID clsid{};
  platform::CLSIDFromString(wide.empty() ? nullptr : wide.data(), &clsid);
  std::memcpy(bytes.data(), &clsid, bytes.size());
  return bytes;
}

}  // namespace varnimo
