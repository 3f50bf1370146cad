#include "gdip/memory_stream.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/kernel/global_memory.h"

namespace varnimo {
namespace {

std::vector<std::uint8_t> Pattern(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{7});
  return bytes;
}

bool IsLiveBlock(platform::HGLOBAL block) {
  return platform::GlobalFlags(block) != platform::GMEM_INVALID_HANDLE;
}

TEST(MemoryStream, CreateFromBytesHoldsThemAndReadsFromTheStart) {
  const std::vector<std::uint8_t> picture = Pattern(37430);
  MemoryStream memory;
  platform::IStream* stream = memory.Create(picture);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(memory.GetStream(), stream);
  EXPECT_EQ(memory.GetSize(), 37430);
  EXPECT_EQ(memory.GetBytes(), picture);
  std::uint8_t head[4] = {};
  platform::ULONG read = 0;
  stream->Read(head, 4, &read);
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(head, head + 4),
            std::vector<std::uint8_t>(picture.begin(), picture.begin() + 4));
}

TEST(MemoryStream, SizeTakesAPrefixAndIsClampedToTheData) {
  const std::vector<std::uint8_t> bytes = Pattern(10);
  MemoryStream memory;
  memory.Create(bytes, 4);
  EXPECT_EQ(memory.GetBytes(), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4));
  memory.Create(bytes, 1000);
  EXPECT_EQ(memory.GetSize(), 10) << "never reads past the data";
  memory.Create(bytes, -5);
  EXPECT_EQ(memory.GetSize(), 0);
}

TEST(MemoryStream, GrowableStreamCollectsWhatIsWritten) {
  MemoryStream memory;
  platform::IStream* stream = memory.Create();
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(memory.GetSize(), 0);
  EXPECT_TRUE(memory.GetBytes().empty());
  const std::vector<std::uint8_t> encoded = Pattern(5000);
  for (std::size_t at = 0; at < encoded.size(); at += 1000) {
    ASSERT_EQ(stream->Write(encoded.data() + at, 1000, nullptr), platform::S_OK);
  }
  EXPECT_EQ(memory.GetBytes(), encoded);
}

TEST(MemoryStream, CreateAgainAndCloseGiveUpTheBlockOnce) {
  MemoryStream memory;
  memory.Close();  // nothing held: no effect
  memory.Create(Pattern(8));
  const platform::HGLOBAL first = memory.GetHandle();
  memory.Create(Pattern(16));
  EXPECT_FALSE(IsLiveBlock(first)) << "the first block is freed before the second is made";
  const platform::HGLOBAL second = memory.GetHandle();
  memory.Close();
  EXPECT_FALSE(IsLiveBlock(second));
  EXPECT_EQ(memory.GetHandle(), nullptr);
  EXPECT_EQ(memory.GetStream(), nullptr);
  memory.Close();
  EXPECT_EQ(memory.GetSize(), 0);
}

TEST(MemoryStream, DestroyingFreesTheBlockAndReleasesTheStreamOnce) {
  platform::HGLOBAL block = nullptr;
  platform::IStream* stream = nullptr;
  {
    MemoryStream memory;
    stream = memory.Create(Pattern(8));
    block = memory.GetHandle();
    stream->AddRef();  // keep the stream alive to count what the object releases
  }
  EXPECT_FALSE(IsLiveBlock(block));
  EXPECT_EQ(stream->Release(), 0u) << "the object gave back exactly its one reference";
}

TEST(MemoryStream, AttachAdoptsAStreamAndItsBlock) {
  platform::IStream* stream = nullptr;
  ASSERT_EQ(platform::CreateStreamOnHGlobal(nullptr, platform::FALSE, &stream), platform::S_OK);
  stream->Write("abc", 3, nullptr);
  MemoryStream memory;
  EXPECT_TRUE(memory.Attach(stream));
  EXPECT_EQ(memory.GetStream(), stream);
  EXPECT_EQ(memory.GetBytes(), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
  const platform::HGLOBAL block = memory.GetHandle();
  memory.Close();
  EXPECT_FALSE(IsLiveBlock(block));
}

TEST(MemoryStream, AttachWithoutABlockKeepsTheStreamUnreleased) {
  MemoryStream memory;
  EXPECT_FALSE(memory.Attach(nullptr));
  EXPECT_EQ(memory.GetHandle(), nullptr);
}

TEST(MemoryStream, MovingTransfersOwnership) {
  MemoryStream from;
  from.Create(Pattern(3));
  MemoryStream to(std::move(from));
  EXPECT_EQ(from.GetHandle(), nullptr);
  EXPECT_EQ(to.GetSize(), 3);
}

}  // namespace
}  // namespace varnimo
