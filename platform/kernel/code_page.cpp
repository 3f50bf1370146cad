#include "platform/kernel/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/kernel/last_error.h"

namespace platform {
namespace {

// An iconv descriptor owned by one thread: iconv state is not shareable, and opening
// a descriptor per call would cost more than the conversions themselves.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // Converts the whole input; nullopt when the input is not valid in its encoding.
  std::optional<std::string> Convert(std::string_view input) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string output(input.size() * 2 + 8, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t produced = 0;
    while (inLeft > 0) {
      char* out = output.data() + produced;
      std::size_t outLeft = output.size() - produced;
      const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
      produced = output.size() - outLeft;
      if (result != static_cast<std::size_t>(-1)) continue;
      if (errno != E2BIG) return std::nullopt;
      output.resize(output.size() * 2);
    }
    output.resize(produced);
    return output;
  }

 private:
  iconv_t descriptor_;
};

const char* CharsetOf(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_GBK:
    case CP_GB18030:
      return "GB18030";
    case CP_UTF8:
      return "UTF-8";
    default:
      return nullptr;
  }
}

Converter& ToUtf16(const char* charset) {
  thread_local Converter fromGb("UTF-16LE", "GB18030");
  thread_local Converter fromUtf8("UTF-16LE", "UTF-8");
  return std::strcmp(charset, "UTF-8") == 0 ? fromUtf8 : fromGb;
}

Converter& FromUtf16(const char* charset) {
  thread_local Converter toGb("GB18030", "UTF-16LE");
  thread_local Converter toUtf8("UTF-8", "UTF-16LE");
  return std::strcmp(charset, "UTF-8") == 0 ? toUtf8 : toGb;
}

int Fail(DWORD code) {
  SetLastError(code);
  return 0;
}

// Copies a converted result of `units` elements into the caller's buffer, or answers
// the size when the buffer size is 0.
template <typename Unit>
int Deliver(const std::string& bytes, Unit* destination, int destinationCount) {
  const std::size_t units = bytes.size() / sizeof(Unit);
  if (units > static_cast<std::size_t>(INT32_MAX)) return Fail(ERROR_INSUFFICIENT_BUFFER);
  if (destinationCount == 0) return static_cast<int>(units);
  if (units > static_cast<std::size_t>(destinationCount)) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(destination, bytes.data(), units * sizeof(Unit));
  return static_cast<int>(units);
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, const char* multiByte, int multiByteCount,
                        WCHAR* wide, int wideCount) {
  const char* charset = CharsetOf(codePage);
  if (!charset || multiByte == nullptr || multiByteCount == 0 || multiByteCount < -1 ||
      wideCount < 0 || (wideCount > 0 && wide == nullptr) ||
      static_cast<const void*>(multiByte) == static_cast<const void*>(wide)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  if ((flags & ~MB_ERR_INVALID_CHARS) != 0) return Fail(ERROR_INVALID_FLAGS);
  const std::size_t length =
      multiByteCount == -1 ? std::strlen(multiByte) + 1 : static_cast<std::size_t>(multiByteCount);
  Converter& converter = ToUtf16(charset);
  if (!converter.Valid()) return Fail(ERROR_INVALID_PARAMETER);
  const std::optional<std::string> units = converter.Convert({multiByte, length});
  if (!units) return Fail(ERROR_NO_UNICODE_TRANSLATION);
  return Deliver(*units, wide, wideCount);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* wide, int wideCount,
                        char* multiByte, int multiByteCount, const char* /*defaultChar*/,
                        BOOL* usedDefaultChar) {
  const char* charset = CharsetOf(codePage);
  if (!charset || wide == nullptr || wideCount == 0 || wideCount < -1 || multiByteCount < 0 ||
      (multiByteCount > 0 && multiByte == nullptr) ||
      static_cast<const void*>(multiByte) == static_cast<const void*>(wide)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  if ((flags & ~WC_ERR_INVALID_CHARS) != 0) return Fail(ERROR_INVALID_FLAGS);
  std::size_t length = 0;
  if (wideCount == -1) {
    while (wide[length] != 0) ++length;
    ++length;
  } else {
    length = static_cast<std::size_t>(wideCount);
  }
  Converter& converter = FromUtf16(charset);
  if (!converter.Valid()) return Fail(ERROR_INVALID_PARAMETER);
  // Both target encodings hold all of Unicode, so the default character is never used.
  if (usedDefaultChar) *usedDefaultChar = FALSE;
  const std::optional<std::string> bytes =
      converter.Convert({reinterpret_cast<const char*>(wide), length * sizeof(WCHAR)});
  if (!bytes) return Fail(ERROR_NO_UNICODE_TRANSLATION);
  return Deliver(*bytes, multiByte, multiByteCount);
}

}  // namespace platform
