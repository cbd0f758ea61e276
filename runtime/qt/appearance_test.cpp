// Colours by value and by role, fonts and their stand-ins, pictures from bytes.
#include "runtime/qt/appearance.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImageWriter>
#include <QPalette>
#include <QTest>

Q_DECLARE_METATYPE(runtime::SystemColour)

namespace runtime::qt {
namespace {

Asset AsAsset(const QByteArray& bytes) {
  return {reinterpret_cast<const unsigned char*>(bytes.constData()),
          static_cast<std::size_t>(bytes.size())};
}

// A picture whose left half is red and right half blue, saved in `format`.
QByteArray MakePictureFile(QSize size, const char* format, bool progressive = false) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::blue);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width() / 2; ++x) {
      image.setPixelColor(x, y, Qt::red);
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setProgressiveScanWrite(progressive);
  writer.setQuality(95);
  writer.write(image);
  return bytes;
}

bool Near(QColor actual, QColor expected) {
  return qAbs(actual.red() - expected.red()) < 40 && qAbs(actual.green() - expected.green()) < 40 &&
         qAbs(actual.blue() - expected.blue()) < 40;
}

}  // namespace

class AppearanceTest : public QObject {
  Q_OBJECT

 private slots:
  void RgbColoursAreRedFirst_data() {
    QTest::addColumn<uint>("rgb");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("dark grey background 0x404040") << 0x404040U << QColor(64, 64, 64);
    QTest::newRow("pure red 0xFF0000") << 0xFF0000U << QColor(255, 0, 0);
    QTest::newRow("lavender 0xC0C0FF") << 0xC0C0FFU << QColor(192, 192, 255);
    QTest::newRow("steel blue 0x81AFE9") << 0x81AFE9U << QColor(129, 175, 233);
  }
  void RgbColoursAreRedFirst() {
    QFETCH(uint, rgb);
    QFETCH(QColor, colour);
    const std::optional<QColor> resolved = ResolveColour(Rgb{rgb}, QPalette());
    QVERIFY(resolved.has_value());
    QCOMPARE(*resolved, colour);
    QCOMPARE(resolved->alpha(), 255);
  }

  void SystemColoursComeFromThePlatformPalette_data() {
    QTest::addColumn<SystemColour>("role");
    QTest::addColumn<int>("paletteRole");
    QTest::newRow("button face") << SystemColour::ButtonFace << int{QPalette::Button};
    QTest::newRow("button text") << SystemColour::ButtonText << int{QPalette::ButtonText};
    QTest::newRow("selection highlight") << SystemColour::Highlight << int{QPalette::Highlight};
    QTest::newRow("tooltip text") << SystemColour::InfoText << int{QPalette::ToolTipText};
    QTest::newRow("text box background") << SystemColour::WindowBackground << int{QPalette::Base};
  }
  void SystemColoursComeFromThePlatformPalette() {
    QFETCH(SystemColour, role);
    QFETCH(int, paletteRole);
    // Every role its own colour, so a mix-up of roles shows.
    QPalette palette;
    for (int each = 0; each < QPalette::NColorRoles; ++each) {
      palette.setColor(static_cast<QPalette::ColorRole>(each), QColor(each * 9, 255 - each * 9, 7));
    }
    const std::optional<QColor> resolved = ResolveColour(role, palette);
    QVERIFY(resolved.has_value());
    QCOMPARE(*resolved, palette.color(static_cast<QPalette::ColorRole>(paletteRole)));
  }

  void PlatformColourKeepsTheControlsOwn() {
    QVERIFY(!ResolveColour(PlatformColour{}, QPalette()).has_value());
  }

  void FontsKeepSizeAndWeight_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::newRow("window font, MS Sans Serif 8.25") << "MS Sans Serif" << 8.25 << kRegular;
    QTest::newRow("entry font 13.5") << "MS Sans Serif" << 13.5 << kRegular;
    QTest::newRow("Square button, Microsoft Sans Serif")
        << "Microsoft Sans Serif" << 8.25 << kRegular;
    QTest::newRow("about heading, Tahoma 27.75 bold") << "Tahoma" << 27.75 << kBold;
    QTest::newRow("e-mail, Tahoma 11.25 bold") << "Tahoma" << 11.25 << kBold;
  }
  void FontsKeepSizeAndWeight() {
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(int, weight);
    const std::string utf8 = face.toStdString();
    const QFont font = ToQFont(Font{utf8, points, weight});
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.weight(), static_cast<QFont::Weight>(weight));
    const QFontInfo shown(font);
    QCOMPARE(shown.bold(), weight >= kBold);
  }

  void PicturesDecodeFromTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bitmap, as the about picture")
        << MakePictureFile({337, 305}, "bmp") << QSize(337, 305);
    QTest::newRow("progressive JPEG, as the details picture")
        << MakePictureFile({1024, 768}, "jpeg", true) << QSize(1024, 768);
  }
  void PicturesDecodeFromTheirBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    const QImage picture = DecodePicture(AsAsset(bytes));
    QCOMPARE(picture.size(), size);
    QVERIFY(Near(picture.pixelColor(10, size.height() / 2), Qt::red));
    QVERIFY(Near(picture.pixelColor(size.width() - 10, size.height() / 2), Qt::blue));
  }

  void BadPictureBytesGiveNoPicture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no bytes") << QByteArray();
    QTest::newRow("a text file") << QByteArray("BM but not really a bitmap");
    QTest::newRow("JPEG cut off after its header") << MakePictureFile({64, 64}, "jpeg").left(40);
  }
  void BadPictureBytesGiveNoPicture() {
    QFETCH(QByteArray, bytes);
    QVERIFY(DecodePicture(AsAsset(bytes)).isNull());
  }
};

}  // namespace runtime::qt

QTEST_MAIN(runtime::qt::AppearanceTest)
#include "appearance_test.moc"
