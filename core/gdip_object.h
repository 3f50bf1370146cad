#pragma once
// The base of every wrapper that holds a GDI+ handle.
//
// A wrapper starts empty (handle 0) and allocates nothing at construction. Every
// operation that makes, clones or deletes the wrapped object records the new handle
// through SetNative, which keeps `native` and the derived class's own handle field
// equal through OnNativeSet. Wrappers own their handle, so they move but do not copy;
// a derived class deletes its handle in its destructor.

#include <cstddef>
#include <cstdint>
#include <utility>

namespace varnimo {

class GdipObject {
 public:
  GdipObject() = default;
  virtual ~GdipObject() = default;
  GdipObject(const GdipObject&) = delete;
  GdipObject& operator=(const GdipObject&) = delete;

  std::uint32_t GetNative() const { return native; }

  // Records a new handle (0 for none) and lets the class mirror it.
  void SetNative(std::uint32_t value) {
    native = value;
    OnNativeSet(value);
  }

  // GDI+'s allocator; null when the memory cannot be had. lastStatus is not touched.
  static void* Allocate(std::size_t bytes);
  static void Free(void* pointer);

 protected:
  // Moving hands the handle over: the source is left empty. Derived classes call these
  // from their own move operations, then mirror the handle with SetNative.
  GdipObject(GdipObject&& other) noexcept : native(std::exchange(other.native, 0)) {}
  GdipObject& operator=(GdipObject&& other) noexcept {
    native = std::exchange(other.native, 0);
    return *this;
  }

  // Stores the handle into the class's own field. The base keeps only `native`.
  virtual void OnNativeSet(std::uint32_t value) { (void)value; }

  std::uint32_t native = 0;
};

}  // namespace varnimo
