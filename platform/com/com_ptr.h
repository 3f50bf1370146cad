#pragma once
// An owning pointer to a reference-counted COM-style object: releases its reference
// when it goes away, and is move-only so that the count stays exact.

#include <utility>

namespace platform {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Adopts one reference the caller already holds.
  explicit ComPtr(Interface* adopted) : object_(adopted) {}
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // Releases the held reference and returns the slot for an out parameter.
  Interface** Receive() {
    Reset();
    return &object_;
  }
  // Gives the reference away without releasing it.
  Interface* Detach() { return std::exchange(object_, nullptr); }
  void Reset() {
    if (object_) std::exchange(object_, nullptr)->Release();
  }

 private:
  Interface* object_ = nullptr;
};

}  // namespace platform
