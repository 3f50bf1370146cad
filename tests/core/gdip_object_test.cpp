#include "core/gdip_object.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace varnimo {
namespace {

// A wrapper in the usual shape: its own handle field mirrors `native`.
class MirroringWrapper : public GdipObject {
 public:
  MirroringWrapper() = default;
  MirroringWrapper(MirroringWrapper&& other) noexcept : GdipObject(std::move(other)) {
    handle = std::exchange(other.handle, 0);
  }
  std::uint32_t handle = 0;

 protected:
  void OnNativeSet(std::uint32_t value) override { handle = value; }
};

TEST(GdipObject, SetNativeKeepsNativeAndTheClassFieldEqual) {
  MirroringWrapper wrapper;
  EXPECT_EQ(wrapper.GetNative(), 0u);
  wrapper.SetNative(0x1234);
  EXPECT_EQ(wrapper.GetNative(), 0x1234u);
  EXPECT_EQ(wrapper.handle, 0x1234u);
  wrapper.SetNative(0);
  EXPECT_EQ(wrapper.GetNative(), 0u);
  EXPECT_EQ(wrapper.handle, 0u);
}

TEST(GdipObject, MovingHandsTheHandleOverAndCopyingIsNotAllowed) {
  static_assert(!std::is_copy_constructible_v<MirroringWrapper>);
  MirroringWrapper from;
  from.SetNative(42);
  MirroringWrapper to(std::move(from));
  EXPECT_EQ(to.GetNative(), 42u);
  EXPECT_EQ(to.handle, 42u);
  EXPECT_EQ(from.GetNative(), 0u);
  EXPECT_EQ(from.handle, 0u);
}

TEST(GdipObject, AllocatesThroughTheEngineAllocator) {
  void* block = GdipObject::Allocate(32);
  ASSERT_NE(block, nullptr);
  GdipObject::Free(block);
}

}  // namespace
}  // namespace varnimo
