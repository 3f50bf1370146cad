#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "platform/gdi/shapes.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

constexpr std::size_t kPixelBytes = 550 * 400 * 4;

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

class SurfacePixelData : public SurfaceTest {
 protected:
  // Every 4-byte group of the back buffer set to the bytes given.
  void FillGroups(std::array<std::uint8_t, 4> group) {
    std::vector<std::uint8_t> pixels(kPixelBytes);
    for (std::size_t i = 0; i < pixels.size(); i += 4) std::memcpy(&pixels[i], group.data(), 4);
    ASSERT_EQ(surface.SetPixelBytes(pixels), kHeight);
  }

  std::array<std::uint8_t, 4> FirstGroup() {
    const auto pixels = surface.GetPixelBytes();
    return {pixels[0], pixels[1], pixels[2], pixels[3]};
  }
};

TEST_F(SurfacePixelData, TheBitmapFileImageHasTheFiftyEightByteHeader) {
  const auto image = surface.GetBitmapFileBytes();
  ASSERT_EQ(image.size(), 58 + kPixelBytes);
  // clang-format off
  const std::uint8_t expected[58] = {
      'B', 'M', 0xBA, 0x6D, 0x0D, 0x00,  0, 0, 0, 0,  58, 0, 0, 0,  // 880,058 bytes, pixels at 58
      44, 0, 0, 0,  0x26, 0x02, 0, 0,  0x90, 0x01, 0, 0,  1, 0,  32, 0,  // biSize 44, 550 x 400
      0, 0, 0, 0,  0x80, 0x6D, 0x0D, 0x00,  0, 0, 0, 0,  0, 0, 0, 0,  // BI_RGB, 880,000 bytes
      0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0};
  // clang-format on
  EXPECT_EQ(std::memcmp(image.data(), expected, 58), 0);
  EXPECT_EQ(Read32(image, 2), 880058u);
  EXPECT_EQ(Read32(image, 34), 880000u);
}

TEST_F(SurfacePixelData, PixelBytesAreTheRowsBottomFirst) {
  platform::SetPixelV(surface.GetMemoryDc(), 0, 0, kRed);
  platform::SetPixelV(surface.GetMemoryDc(), 1, kHeight - 1, kBlue);
  const auto pixels = surface.GetPixelBytes();
  ASSERT_EQ(pixels.size(), kPixelBytes);
  const std::size_t topRow = (kHeight - 1) * kWidth * 4;
  EXPECT_EQ(pixels[topRow + 0], 0);    // blue
  EXPECT_EQ(pixels[topRow + 2], 255);  // red
  EXPECT_EQ(pixels[4], 255);           // the bottom row's second pixel is blue
  EXPECT_EQ(pixels[6], 0);
  const auto image = surface.GetBitmapFileBytes();
  EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), image.begin() + 58));
}

TEST_F(SurfacePixelData, ComposeKeepsTheBackBuffersSizeInTheHeader) {
  const std::vector<std::uint8_t> ten{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const auto composed = surface.ComposeBitmapFileBytes(ten);
  ASSERT_EQ(composed.size(), 68u);
  EXPECT_EQ(Read32(composed, 2), 880058u);
  const auto image = surface.GetBitmapFileBytes();
  EXPECT_TRUE(std::equal(composed.begin(), composed.begin() + 58, image.begin()));
  EXPECT_TRUE(std::equal(ten.begin(), ten.end(), composed.begin() + 58));
}

TEST_F(SurfacePixelData, SetPixelBytesRoundTripsAndRefusesTooFewBytes) {
  ASSERT_TRUE(surface.FillEllipse(greenBrush, 10, 10, 200, 100));
  const auto drawn = surface.GetPixelBytes();
  ASSERT_TRUE(surface.Clear());
  EXPECT_EQ(surface.SetPixelBytes(drawn), kHeight);
  EXPECT_EQ(surface.GetPixelBytes(), drawn);

  ASSERT_TRUE(surface.Clear());
  const std::vector<std::uint8_t> short_(drawn.begin(), drawn.end() - 1);
  EXPECT_EQ(surface.SetPixelBytes(short_), 0);
  EXPECT_EQ(surface.SetPixelBytes({}), 0);
  EXPECT_EQ(CountPixels(kBlack), kWidth * kHeight);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfacePixelData, AnUncreatedSurfaceGivesTheEmptyImage) {
  DrawingSurface empty;
  const auto image = empty.GetBitmapFileBytes();
  ASSERT_EQ(image.size(), 58u);
  EXPECT_EQ(Read32(image, 2), 58u);
  EXPECT_EQ(Read32(image, 10), 58u);
  EXPECT_EQ(Read32(image, 14), 44u);
  EXPECT_TRUE(std::all_of(image.begin() + 18, image.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_TRUE(empty.GetPixelBytes().empty());
  EXPECT_EQ(empty.SetPixelBytes(std::vector<std::uint8_t>(100)), 0);
  empty.ToGrayscale();
  empty.AdjustHsl(10, 10, 10);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfacePixelData, ToGrayscaleAveragesTheFirstThreeBytesOfEachGroup) {
  FillGroups({10, 20, 31, 99});
  const auto before = FirstGroup();
  surface.ToGrayscale();
  const auto after = FirstGroup();
  EXPECT_EQ(after[0], 20);
  EXPECT_EQ(after[1], 20);
  EXPECT_EQ(after[2], 20);
  EXPECT_EQ(after[3], before[3]);
  EXPECT_EQ(surface.GetPixelBytes()[kPixelBytes - 2], 20);
}

struct HslCase {
  float hue, saturation, lightness;
  std::array<std::uint8_t, 3> in, out;
};

TEST_F(SurfacePixelData, AdjustHslShiftsEveryGroupWithByteZeroAsRed) {
  const HslCase cases[] = {
      {120, 0, 0, {0, 0, 255}, {255, 0, 0}},      // a pixel's red turns blue
      {0, 0, 0, {128, 128, 128}, {127, 127, 127}},  // whole-number HSL loses a little
      {0, 0, -100, {40, 90, 200}, {0, 0, 0}},
      {0, -100, 0, {255, 0, 0}, {127, 127, 127}},
  };
  for (const HslCase& c : cases) {
    SCOPED_TRACE(c.hue);
    FillGroups({c.in[0], c.in[1], c.in[2], 0});
    surface.AdjustHsl(c.hue, c.saturation, c.lightness);
    const auto after = FirstGroup();
    EXPECT_EQ(after[0], c.out[0]);
    EXPECT_EQ(after[1], c.out[1]);
    EXPECT_EQ(after[2], c.out[2]);
  }
}

class SavedFile : public SurfacePixelData {
 protected:
  void SetUp() override {
    SurfacePixelData::SetUp();
    directory = std::filesystem::temp_directory_path() /
                ("varnimo_surface_" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
  }
  void TearDown() override { std::filesystem::remove_all(directory); }

  static std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path directory;
};

TEST_F(SavedFile, SaveBitmapFileWritesTheImage) {
  platform::SetPixelV(surface.GetMemoryDc(), 5, 5, kRed);
  const std::string path = (directory / "out.bmp").string();
  surface.SaveBitmapFile(path);
  EXPECT_EQ(ReadAll(path), surface.GetBitmapFileBytes());
  // Saving again replaces the whole content.
  DrawingSurface small;
  ASSERT_TRUE(small.CreateFromWindowWithSize(window.Handle(), 2, 2));
  small.SaveBitmapFile(path);
  EXPECT_EQ(ReadAll(path).size(), 58u + 16u);
}

TEST_F(SavedFile, APathInTheAnsiCodePageReachesTheFileSystemAsUtf8) {
  surface.SaveBitmapFile((directory / "\xD6\xD0\xCE\xC4.bmp").string());  // "中文" in GB18030
  EXPECT_TRUE(std::filesystem::exists(directory / u8"中文.bmp"));
}

TEST_F(SavedFile, AnUnwritablePathGetsNothing) {
  surface.SaveBitmapFile((directory / "missing" / "out.bmp").string());
  surface.SaveBitmapFile(directory.string());  // a directory
  surface.SaveBitmapFile("");
  surface.SaveBitmapFile("\x81");  // not valid in the ANSI code page
  EXPECT_FALSE(std::filesystem::exists(directory / "missing"));
  EXPECT_TRUE(std::filesystem::is_empty(directory));
  EXPECT_TRUE(errorLog.IsNone());
}

}  // namespace
}  // namespace varnimo::testing
