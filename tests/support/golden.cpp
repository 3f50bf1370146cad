#include "tests/support/golden.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace varnimo::testing {
namespace {

QString PathUnder(const char* root, const std::string& name, const char* suffix) {
  return QDir(QString::fromUtf8(root)).filePath(QString::fromStdString(name) + suffix);
}

bool UpdateRequested() {
  const char* value = std::getenv("VARNIMO_UPDATE_GOLDEN");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

bool Save(const QImage& image, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  return image.save(path, "PNG");
}

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

}  // namespace

::testing::AssertionResult MatchesGolden(const QImage& actualImage, const std::string& name,
                                         int tolerance) {
  const QImage actual = actualImage.convertToFormat(QImage::Format_ARGB32);
  const QString goldenPath = PathUnder(VARNIMO_GOLDEN_DIR, name, ".png");
  if (UpdateRequested()) {
    if (!Save(actual, goldenPath)) {
      return ::testing::AssertionFailure() << "could not write " << goldenPath.toStdString();
    }
    return ::testing::AssertionSuccess() << "updated " << goldenPath.toStdString();
  }
  const QImage golden = QImage(goldenPath).convertToFormat(QImage::Format_ARGB32);
  if (golden.isNull()) {
    return ::testing::AssertionFailure()
           << "no reference picture " << goldenPath.toStdString()
           << " (run with VARNIMO_UPDATE_GOLDEN=1 to create it)";
  }
  const QString actualPath = PathUnder(VARNIMO_GOLDEN_OUTPUT_DIR, name, ".actual.png");
  if (golden.size() != actual.size()) {
    Save(actual, actualPath);
    return ::testing::AssertionFailure()
           << name << ": size " << actual.width() << "x" << actual.height() << ", reference "
           << golden.width() << "x" << golden.height() << "; actual written to "
           << actualPath.toStdString();
  }
  QImage diff(actual.size(), QImage::Format_ARGB32);
  long differing = 0;
  int worst = 0;
  for (int y = 0; y < actual.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
    const auto* g = reinterpret_cast<const QRgb*>(golden.constScanLine(y));
    auto* d = reinterpret_cast<QRgb*>(diff.scanLine(y));
    for (int x = 0; x < actual.width(); ++x) {
      const int distance = ChannelDistance(a[x], g[x]);
      worst = std::max(worst, distance);
      if (distance > tolerance) {
        ++differing;
        d[x] = qRgb(255, 0, 0);
      } else {
        const int grey = 128 + qGray(g[x]) / 2;
        d[x] = qRgb(grey, grey, grey);
      }
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  const QString diffPath = PathUnder(VARNIMO_GOLDEN_OUTPUT_DIR, name, ".diff.png");
  Save(actual, actualPath);
  Save(diff, diffPath);
  return ::testing::AssertionFailure()
         << name << ": " << differing << " pixels differ by more than " << tolerance
         << " (worst " << worst << "); actual " << actualPath.toStdString() << ", diff "
         << diffPath.toStdString();
}

::testing::AssertionResult MatchesGolden(std::span<const std::uint8_t> bgrx, int width,
                                         int height, int stride, const std::string& name,
                                         int tolerance) {
  if (width <= 0 || height <= 0 || stride < width * 4 ||
      bgrx.size() < static_cast<std::size_t>(stride) * static_cast<std::size_t>(height)) {
    return ::testing::AssertionFailure() << name << ": pixel buffer does not match its size";
  }
  const QImage view(bgrx.data(), width, height, stride, QImage::Format_RGB32);
  return MatchesGolden(view, name, tolerance);
}

}  // namespace varnimo::testing
