#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/stream.h"
#include "platform/kernel/global_memory.h"

namespace platform {
namespace {

std::vector<char> ReadAll(IStream* stream) {
  stream->Seek(0, STREAM_SEEK_SET, nullptr);
  std::vector<char> bytes(64);
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  bytes.resize(read);
  return bytes;
}

TEST(HGlobalStream, ReadsSeeksAndReportsItsSizeOverAFixedBlock) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 5);
  std::memcpy(block, "hello", 5);
  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, stream.Receive()), S_OK);

  char buffer[8] = {};
  ULONG read = 0;
  EXPECT_EQ(stream->Read(buffer, 3, &read), S_OK);
  EXPECT_EQ(read, 3u);
  EXPECT_EQ(std::string(buffer, 3), "hel");
  EXPECT_EQ(stream->Read(buffer, 8, &read), S_FALSE) << "short read at the end";
  EXPECT_EQ(read, 2u);

  std::uint64_t position = 0;
  EXPECT_EQ(stream->Seek(-4, STREAM_SEEK_END, &position), S_OK);
  EXPECT_EQ(position, 1u);
  EXPECT_EQ(stream->Seek(-2, STREAM_SEEK_CUR, &position), STG_E_INVALIDFUNCTION);
  STATSTG stat{};
  EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(stat.cbSize, 5u);
  EXPECT_EQ(stat.type, STGTY_STREAM);

  // A fixed block cannot grow under its stream.
  stream->Seek(0, STREAM_SEEK_END, nullptr);
  ULONG written = 0;
  EXPECT_EQ(stream->Write("!", 1, &written), STG_E_MEDIUMFULL);
  EXPECT_EQ(written, 0u);

  stream.Reset();
  EXPECT_EQ(GlobalSize(block), 5u) << "delete-on-release FALSE leaves the block";
  GlobalFree(block);
}

TEST(HGlobalStream, WritingGrowsAMoveableBlockAndTheHandleStays) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, stream.Receive()), S_OK);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(stream->Write("ab", 2, nullptr), S_OK);
  HGLOBAL under = nullptr;
  ASSERT_EQ(GetHGlobalFromStream(stream.Get(), &under), S_OK);
  EXPECT_EQ(under, block);
  EXPECT_EQ(GlobalSize(block), 2000u) << "the block is exactly as long as the stream";

  // A write past the end fills the gap with zeros.
  stream->Seek(2002, STREAM_SEEK_SET, nullptr);
  stream->Write("z", 1, nullptr);
  const auto* bytes = static_cast<const char*>(GlobalLock(block));
  EXPECT_EQ(bytes[2000], 0);
  EXPECT_EQ(bytes[2001], 0);
  EXPECT_EQ(bytes[2002], 'z');
  GlobalUnlock(block);

  EXPECT_EQ(stream->SetSize(3), S_OK);
  EXPECT_EQ(ReadAll(stream.Get()), (std::vector<char>{'a', 'b', 'a'}));
  stream.Reset();
  GlobalFree(block);
}

TEST(HGlobalStream, DeleteOnReleaseFreesTheBlockAfterTheLastClone) {
  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive()), S_OK);
  stream->Write("data", 4, nullptr);
  HGLOBAL block = nullptr;
  GetHGlobalFromStream(stream.Get(), &block);
  ASSERT_NE(block, nullptr);

  ComPtr<IStream> clone;
  ASSERT_EQ(stream->Clone(clone.Receive()), S_OK);
  std::uint64_t position = 0;
  clone->Seek(0, STREAM_SEEK_CUR, &position);
  EXPECT_EQ(position, 4u) << "a clone starts at the original's position";
  EXPECT_EQ(ReadAll(clone.Get()), (std::vector<char>{'d', 'a', 't', 'a'}));

  stream.Reset();
  EXPECT_EQ(GlobalSize(block), 4u) << "the clone still holds the block";
  clone.Reset();
  EXPECT_EQ(GlobalFlags(block), GMEM_INVALID_HANDLE) << "freed with the last stream";
}

TEST(HGlobalStream, CountsReferencesAndAnswersItsInterfaces) {
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  EXPECT_EQ(stream->AddRef(), 2u);
  void* same = nullptr;
  EXPECT_EQ(stream->QueryInterface(IID_ISequentialStream, &same), S_OK);
  EXPECT_EQ(same, static_cast<void*>(stream));
  EXPECT_EQ(stream->QueryInterface(GUID{1, 2, 3, {}}, &same), E_NOINTERFACE);
  EXPECT_EQ(same, nullptr);
  EXPECT_EQ(stream->Release(), 2u);
  EXPECT_EQ(stream->Release(), 1u);
  EXPECT_EQ(stream->Release(), 0u);
}

TEST(HGlobalStream, RefusesBadArguments) {
  int notABlock = 0;
  IStream* stream = reinterpret_cast<IStream*>(0x1);
  EXPECT_EQ(CreateStreamOnHGlobal(&notABlock, FALSE, &stream), E_INVALIDARG);
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, nullptr), E_INVALIDARG);
  HGLOBAL block = reinterpret_cast<HGLOBAL>(0x1);
  EXPECT_EQ(GetHGlobalFromStream(nullptr, &block), E_INVALIDARG);
  EXPECT_EQ(block, nullptr);
}

}  // namespace
}  // namespace platform
