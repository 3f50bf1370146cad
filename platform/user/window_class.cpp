// Window classes: a name and the window procedure every window of the class starts with.

#include <algorithm>
#include <cctype>
#include <mutex>
#include <string_view>

#include "platform/kernel/last_error.h"
#include "platform/user/window_p.h"

namespace platform {
namespace user {
namespace {

// Class atoms count up from here, as registered class atoms do.
constexpr ATOM kFirstClassAtom = 0xC000;
constexpr std::size_t kMaxClasses = 0x10000 - kFirstClassAtom;

struct ClassRegistry {
  std::mutex mutex;
  std::vector<WindowClass> classes;  // index + kFirstClassAtom is the atom
};

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::optional<WindowClass> FindWindowClass(const char* name) {
  if (name == nullptr) return std::nullopt;
  ClassRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  for (const WindowClass& windowClass : registry.classes) {
    if (SameName(windowClass.name, name)) return windowClass;
  }
  return std::nullopt;
}

}  // namespace user

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
  if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
      windowClass->lpszClassName[0] == '\0' || windowClass->lpfnWndProc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  user::ClassRegistry& registry = user::Registry();
  std::lock_guard lock(registry.mutex);
  for (const user::WindowClass& existing : registry.classes) {
    if (user::SameName(existing.name, windowClass->lpszClassName)) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
  }
  if (registry.classes.size() >= user::kMaxClasses) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  registry.classes.push_back({windowClass->lpszClassName, windowClass->lpfnWndProc});
  return static_cast<ATOM>(user::kFirstClassAtom + registry.classes.size() - 1);
}

}  // namespace platform
