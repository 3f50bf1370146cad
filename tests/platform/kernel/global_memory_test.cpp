#include "platform/kernel/global_memory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/kernel/last_error.h"

namespace platform {
namespace {

TEST(GlobalMemory, FixedBlockIsItsOwnAddress) {
  HGLOBAL block = GlobalAlloc(GPTR, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalLock(block), block);
  EXPECT_EQ(GlobalSize(block), 16u);
  const auto* bytes = static_cast<const unsigned char*>(block);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], 0) << "GMEM_ZEROINIT";
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, MoveableBlockCountsLocksAndGrowsKeepingItsHandle) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  ASSERT_NE(block, nullptr);
  auto* data = static_cast<char*>(GlobalLock(block));
  ASSERT_NE(data, nullptr);
  EXPECT_NE(static_cast<void*>(data), block);
  std::memcpy(data, "abcd", 4);
  EXPECT_EQ(GlobalSize(data), 4u) << "a locked address answers for its block";
  EXPECT_EQ(GlobalLock(block), data);
  EXPECT_EQ(GlobalFlags(block) & 0xFF, 2u);
  EXPECT_EQ(GlobalUnlock(block), TRUE) << "still locked once";
  EXPECT_EQ(GlobalUnlock(block), FALSE);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GMEM_ZEROINIT), block);
  EXPECT_EQ(GlobalSize(block), 1u << 20);
  auto* grown = static_cast<char*>(GlobalLock(block));
  EXPECT_EQ(std::memcmp(grown, "abcd", 4), 0) << "contents survive the move";
  EXPECT_EQ(grown[(1 << 20) - 1], 0);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 21, 0), nullptr) << "a locked block cannot move";
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, FixedBlockMovesOnlyWhenAllowed) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 8);
  EXPECT_EQ(GlobalReAlloc(block, 4, 0), block) << "shrinking stays in place";
  EXPECT_EQ(GlobalSize(block), 4u);
  EXPECT_EQ(GlobalReAlloc(block, 64, 0), nullptr);
  EXPECT_EQ(GlobalSize(block), 4u) << "a failed grow changes nothing";
  HGLOBAL moved = GlobalReAlloc(block, 64, GMEM_MOVEABLE);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(GlobalSize(moved), 64u);
  GlobalFree(moved);
}

TEST(GlobalMemory, BadHandlesFailWithoutTouchingMemory) {
  int notABlock = 0;
  HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 8);
  GlobalFree(freed);
  for (HGLOBAL bad : {static_cast<HGLOBAL>(nullptr), static_cast<HGLOBAL>(&notABlock), freed}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalLock(bad), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GlobalSize(bad), 0u);
    EXPECT_EQ(GlobalReAlloc(bad, 4, 0), nullptr);
    EXPECT_EQ(GlobalFree(bad), bad) << "a failed free returns the handle";
  }
  EXPECT_EQ(GlobalAlloc(0x1000, 4), nullptr) << "unknown flags";
}

}  // namespace
}  // namespace platform
