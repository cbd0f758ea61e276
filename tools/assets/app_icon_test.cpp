// The application icon in the desktop's icon theme (app/linux/icons): every size a launcher
// asks for shows the calculator window's own icon, and the scalable drawing shows the same.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

namespace {

QString RepoPath(const QString& relativePath) {
  return QString::fromUtf8(PELLOMAR_REPO_ROOT) + "/" + relativePath;
}

QImage ThemeImage(int size) {
  return QImage(RepoPath(QStringLiteral("app/linux/icons/%1x%1.png").arg(size)))
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The window icon's image of the given size, from the icon file the calculator window shows.
QImage WindowIcon(int size) {
  QImageReader reader(RepoPath(QStringLiteral("ui/frmcal/assets/frmcal.ico")));
  for (int index = 0; index < reader.imageCount() && reader.jumpToImage(index); ++index) {
    const QImage image = reader.read();
    if (image.width() == size) {
      return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
  }
  return {};
}

QImage Scalable(int size) {
  QSvgRenderer renderer(RepoPath(QStringLiteral("app/linux/icons/scalable.svg")));
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  return image;
}

QImage ScaledTo(const QImage& image, int size) {
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The difference of two pixels: the largest of their premultiplied channels' differences.
int PixelDifference(QRgb p, QRgb q) {
  return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                   std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
}

// The mean and the largest pixel difference of two images, 0 for equal images; images of
// different sizes differ by 255, the most.
struct Difference {
  double mean = 255;
  int largest = 255;
};

Difference Compare(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) {
    return {};
  }
  long total = 0;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const int difference = PixelDifference(a.pixel(x, y), b.pixel(x, y));
      total += difference;
      largest = std::max(largest, difference);
    }
  }
  return {static_cast<double>(total) / (a.width() * a.height()), largest};
}

double MeanDifference(const QImage& a, const QImage& b) {
  return Compare(a, b).mean;
}

int LargestDifference(const QImage& a, const QImage& b) {
  return Compare(a, b).largest;
}

std::string SizeName(const testing::TestParamInfo<int>& info) {
  return "Px" + std::to_string(info.param);
}

class AppIconSizeTest : public testing::TestWithParam<int> {};

TEST_P(AppIconSizeTest, DecodesAtItsSizeWithTransparentCornersAndOpaqueCentre) {
  const int size = GetParam();
  const QImage image = ThemeImage(size);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), size);
  EXPECT_EQ(image.height(), size);
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0);
  EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

INSTANTIATE_TEST_SUITE_P(AppIcon, AppIconSizeTest, testing::Values(16, 24, 32, 48, 64, 128, 256),
                         SizeName);

// At the window icon's own sizes the launcher shows exactly the window's icon.
class AppIconWindowSizeTest : public testing::TestWithParam<int> {};

TEST_P(AppIconWindowSizeTest, IsTheWindowIconPixelForPixel) {
  const int size = GetParam();
  const QImage window = WindowIcon(size);
  ASSERT_FALSE(window.isNull());
  EXPECT_EQ(ThemeImage(size), window);
}

INSTANTIATE_TEST_SUITE_P(AppIcon, AppIconWindowSizeTest, testing::Values(16, 32), SizeName);

// Larger sizes draw the 32-pixel design scaled: shrunk back to 32 pixels each is near the
// window icon. 48 is not a whole multiple of the design's 32-unit grid and differs more: its
// edges were moved onto whole pixels.
struct LargeSize {
  int size;
  double tolerance;  // the mean difference allowed from the 32-pixel window icon
};

void PrintTo(const LargeSize& row, std::ostream* out) {
  *out << row.size << " px";
}

std::string LargeSizeName(const testing::TestParamInfo<LargeSize>& info) {
  return "Px" + std::to_string(info.param.size);
}

constexpr LargeSize kLargeSizes[] = {{48, 32}, {64, 4}, {128, 4}, {256, 4}};

class AppIconLargeSizeTest : public testing::TestWithParam<LargeSize> {};

TEST_P(AppIconLargeSizeTest, ShrunkTo32PixelsIsTheWindowIcon) {
  const LargeSize row = GetParam();
  const QImage image = ThemeImage(row.size);
  ASSERT_EQ(image.width(), row.size);
  EXPECT_LT(MeanDifference(ScaledTo(image, 32), WindowIcon(32)), row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(AppIcon, AppIconLargeSizeTest, testing::ValuesIn(kLargeSizes),
                         LargeSizeName);

// At whole multiples of the grid the drawing and the image agree pixel by pixel, but for the
// smoothing of the rounded corners: a box moved by one unit shows as a difference of half
// the scale or more.
class AppIconScalableTest : public testing::TestWithParam<int> {};

TEST_P(AppIconScalableTest, RendersAsTheImageOfItsSize) {
  const int size = GetParam();
  const QImage image = ThemeImage(size);
  ASSERT_EQ(image.width(), size);
  EXPECT_LE(LargestDifference(Scalable(size), image), 64);
}

INSTANTIATE_TEST_SUITE_P(AppIcon, AppIconScalableTest, testing::Values(64, 128, 256), SizeName);

// The tolerances still tell icons apart: the about window's icon, in the same palette, lies far
// beyond the widest of them from the calculator.
TEST(AppIconDesignTest, TolerancesTellAnotherIconApart) {
  const QImage about = QImage(RepoPath(QStringLiteral("ui/Form1/assets/Form1.ico")))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(about.width(), 32);
  EXPECT_GT(MeanDifference(about, WindowIcon(32)), 3 * kLargeSizes[0].tolerance);
}

}  // namespace
