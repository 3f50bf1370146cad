#include "platform/gdiplus/startup.h"

#include <cstdlib>
#include <mutex>
#include <unordered_set>

namespace platform {
namespace {

class Engine {
 public:
  static Engine& Instance() {
    static Engine engine;
    return engine;
  }

  ULONG_PTR Start() {
    std::lock_guard lock(mutex_);
    const ULONG_PTR token = nextToken_++;
    tokens_.insert(token);
    return token;
  }

  void Stop(ULONG_PTR token) {
    std::lock_guard lock(mutex_);
    tokens_.erase(token);
  }

  bool Running() {
    std::lock_guard lock(mutex_);
    return !tokens_.empty();
  }

 private:
  std::mutex mutex_;
  std::unordered_set<ULONG_PTR> tokens_;
  ULONG_PTR nextToken_ = 1;
};

Status NotificationHook(ULONG_PTR* token) {
  if (token == nullptr) return InvalidParameter;
  *token = 0;
  return Ok;
}

void NotificationUnhook(ULONG_PTR) {}

}  // namespace

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output) {
  if (token == nullptr || input == nullptr) return InvalidParameter;
  if (input->GdiplusVersion != kGdiplusVersion) return UnsupportedGdiplusVersion;
  if (input->SuppressBackgroundThread && output == nullptr) return InvalidParameter;
  if (output) *output = GdiplusStartupOutput{NotificationHook, NotificationUnhook};
  *token = Engine::Instance().Start();
  return Ok;
}

void GdiplusShutdown(ULONG_PTR token) { Engine::Instance().Stop(token); }

bool GdiplusIsRunning() { return Engine::Instance().Running(); }

void* GdipAlloc(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void GdipFree(void* pointer) { std::free(pointer); }

}  // namespace platform
