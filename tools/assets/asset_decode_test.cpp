// Decoding the committed icons and pictures with Qt's image readers, the way the windows load
// them, and checking that the details picture keeps its labels legible.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <utility>

namespace {

QString AssetPath(const char* relativePath) {
  return QString::fromUtf8(PELLOMAR_REPO_ROOT) + "/" + QString::fromUtf8(relativePath);
}

struct IconCase {
  std::string name;
  const char* path;
};

void PrintTo(const IconCase& icon, std::ostream* out) {
  *out << icon.path;
}

std::string IconName(const testing::TestParamInfo<IconCase>& param) {
  return param.param.name;
}

class AssetIconDecodeTest : public testing::TestWithParam<IconCase> {};

TEST_P(AssetIconDecodeTest, BothImagesDecodeWithTransparentCorners) {
  QImageReader reader(AssetPath(GetParam().path));
  ASSERT_EQ(reader.imageCount(), 2) << reader.errorString().toStdString();
  for (const auto& [index, size] : {std::pair{0, 32}, std::pair{1, 16}}) {
    ASSERT_TRUE(reader.jumpToImage(index));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.width(), size);
    EXPECT_EQ(image.height(), size);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size << " px corner";
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size << " px centre";
  }
}

INSTANTIATE_TEST_SUITE_P(AssetIcons, AssetIconDecodeTest,
                         testing::Values(IconCase{"Calculator", "ui/frmcal/assets/frmcal.ico"},
                                         IconCase{"About", "ui/Form1/assets/Form1.ico"},
                                         IconCase{"Details", "ui/Form2/assets/Form2.ico"}),
                         IconName);

TEST(AssetPictureDecodeTest, AboutBitmapDecodesOpaque) {
  const QImage image(AssetPath("ui/Form1/assets/Image1.bmp"));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 337);
  EXPECT_EQ(image.height(), 305);
  // The zero fourth byte is padding, not alpha: the picture must not come out invisible.
  EXPECT_FALSE(image.hasAlphaChannel());
  EXPECT_EQ(image.pixel(0, 0), qRgb(0x40, 0x40, 0x40));
}

TEST(AssetPictureDecodeTest, DetailsJpegDecodesAt1024x768) {
  const QImage image(AssetPath("ui/Form2/assets/Image1.jpg"));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 1024);
  EXPECT_EQ(image.height(), 768);
  EXPECT_FALSE(image.hasAlphaChannel());
}

// A decoder that ignored the Adobe segment's YCbCr transform would turn the deep blue sky green.
TEST(AssetPictureDecodeTest, DetailsJpegSkyStaysBlue) {
  const QImage image(AssetPath("ui/Form2/assets/Image1.jpg"));
  ASSERT_FALSE(image.isNull());
  const QRgb sky = image.pixel(512, 4);
  EXPECT_GT(qBlue(sky), qGreen(sky) + 16);
  EXPECT_GT(qBlue(sky), qRed(sky) + 16);
}

// Relative luminance of an sRGB colour, as used for contrast ratios.
double Luminance(QRgb colour) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
         0.0722 * linear(qBlue(colour));
}

double ContrastRatio(QRgb a, QRgb b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

// A label of the details window: the area its text covers in the 408 x 312 picture box.
struct LabelCase {
  std::string name;
  QRect area;
  QRgb text;
};

void PrintTo(const LabelCase& label, std::ostream* out) {
  *out << label.name;
}

std::string LabelName(const testing::TestParamInfo<LabelCase>& param) {
  return param.param.name;
}

class AssetDetailsLegibilityTest : public testing::TestWithParam<LabelCase> {};

// Every picture pixel behind a label keeps the readable contrast of 4.5:1 to its text.
TEST_P(AssetDetailsLegibilityTest, PictureBehindLabelContrastsWithText) {
  const QImage picture(AssetPath("ui/Form2/assets/Image1.jpg"));
  ASSERT_FALSE(picture.isNull());
  const QImage shown = picture.scaled(408, 312, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QRect area = GetParam().area;
  double worst = 21.0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      worst = std::min(worst, ContrastRatio(shown.pixel(x, y), GetParam().text));
    }
  }
  EXPECT_GE(worst, 4.5);
}

constexpr QRgb kLightCyanGrey = 0xFFCBEBED;
// The tooltip-text system colour is black in the default palettes of Windows and of Qt.
constexpr QRgb kDefaultTooltipText = 0xFF000000;

INSTANTIATE_TEST_SUITE_P(
    AssetDetailsPicture, AssetDetailsLegibilityTest,
    testing::Values(LabelCase{"SchoolClass", QRect(8, 240, 98, 13), kLightCyanGrey},
                    LabelCase{"Examination", QRect(8, 256, 57, 17), kLightCyanGrey},
                    LabelCase{"School", QRect(8, 272, 143, 13), kLightCyanGrey},
                    LabelCase{"Telephone", QRect(8, 288, 70, 16), kDefaultTooltipText}),
    LabelName);

}  // namespace
