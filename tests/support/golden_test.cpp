#include "tests/support/golden.h"

#include <QFile>
#include <vector>

namespace varnimo::testing {
namespace {

// A 4x2 picture: a red-green-blue-white row over a black row.
QImage Sample() {
  QImage image(4, 2, QImage::Format_RGB32);
  const QRgb top[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
  for (int x = 0; x < 4; ++x) {
    image.setPixel(x, 0, top[x]);
    image.setPixel(x, 1, qRgb(0, 0, 0));
  }
  return image;
}

TEST(Golden, MatchesItsReferenceWithinTolerance) {
  EXPECT_TRUE(MatchesGolden(Sample(), "support/sample"));
  QImage nearly = Sample();
  nearly.setPixel(1, 1, qRgb(3, 0, 0));
  EXPECT_TRUE(MatchesGolden(nearly, "support/sample", 3));
}

TEST(Golden, MismatchWritesActualAndDiffPictures) {
  QImage wrong = Sample();
  wrong.setPixel(2, 0, qRgb(0, 0, 0));
  const ::testing::AssertionResult result = MatchesGolden(wrong, "support/sample", 3);
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("1 pixels differ"), std::string::npos);
  const QString folder = QStringLiteral(VARNIMO_GOLDEN_OUTPUT_DIR "/support/");
  const QImage diff(folder + "sample.diff.png");
  ASSERT_FALSE(diff.isNull());
  EXPECT_EQ(diff.pixel(2, 0), qRgb(255, 0, 0));
  EXPECT_NE(diff.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(QImage(folder + "sample.actual.png").pixel(2, 0), qRgb(0, 0, 0));
}

TEST(Golden, RawBgrxPixelsCompareLikeImages) {
  const QImage sample = Sample();
  std::vector<std::uint8_t> pixels(4 * 4 * 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      const QRgb c = sample.pixel(x, y);
      std::uint8_t* p = &pixels[(y * 4 + x) * 4];
      p[0] = static_cast<std::uint8_t>(qBlue(c));
      p[1] = static_cast<std::uint8_t>(qGreen(c));
      p[2] = static_cast<std::uint8_t>(qRed(c));
      p[3] = 0;  // the unused byte does not take part
    }
  }
  EXPECT_TRUE(MatchesGolden(pixels, 4, 2, 16, "support/sample"));
  EXPECT_FALSE(MatchesGolden(pixels, 4, 3, 16, "support/sample"));
}

TEST(Golden, MissingReferenceFailsWithAHint) {
  const ::testing::AssertionResult result = MatchesGolden(Sample(), "support/no-such-picture");
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("VARNIMO_UPDATE_GOLDEN"), std::string::npos);
}

}  // namespace
}  // namespace varnimo::testing
