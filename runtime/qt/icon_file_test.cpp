// Reading icon files: every image, each depth of bitmap, masks, PNG images, bad bytes.
#include "runtime/qt/icon_file.h"

#include <QBuffer>
#include <QTest>
#include <functional>

#include "runtime/qt/appearance.h"

namespace runtime::qt {
namespace {

const QList<QColor> kPalette = {Qt::black, Qt::red, Qt::green, Qt::blue, Qt::white};

void PutU16(QByteArray& bytes, int value) {
  bytes.append(static_cast<char>(value & 0xFF));
  bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(QByteArray& bytes, int value) {
  PutU16(bytes, value & 0xFFFF);
  PutU16(bytes, (value >> 16) & 0xFFFF);
}

// One image of an icon file: its side, depth, the palette index of each pixel (the colour
// itself at 24 and 32 bits) and which pixels the mask makes transparent.
struct Image {
  int size;
  int depth;
  std::function<int(int x, int y)> index;
  std::function<bool(int x, int y)> transparent = [](int, int) { return false; };
  bool alphaInPixels = true;  // 32 bits: transparency in the pixels rather than the mask
};

QByteArray Bitmap(const Image& image) {
  QByteArray bytes;
  const int size = image.size;
  const int colourStride = (size * image.depth + 31) / 32 * 4;
  const int maskStride = (size + 31) / 32 * 4;
  const int paletteSize = image.depth <= 8 ? (1 << image.depth) : 0;
  PutU32(bytes, 40);
  PutU32(bytes, size);
  PutU32(bytes, size * 2);
  PutU16(bytes, 1);
  PutU16(bytes, image.depth);
  PutU32(bytes, 0);
  PutU32(bytes, (colourStride + maskStride) * size);
  for (int unused = 0; unused < 4; ++unused) {
    PutU32(bytes, 0);
  }
  for (int entry = 0; entry < paletteSize; ++entry) {
    const QColor colour = kPalette.value(entry, Qt::gray);
    bytes.append(static_cast<char>(colour.blue()));
    bytes.append(static_cast<char>(colour.green()));
    bytes.append(static_cast<char>(colour.red()));
    bytes.append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(colourStride, '\0');
    for (int x = 0; x < size; ++x) {
      const int index = image.index(x, y);
      if (image.depth <= 8) {
        const int bit = x * image.depth;
        row[bit / 8] = static_cast<char>(row[bit / 8] | (index << (8 - image.depth - bit % 8)));
      } else {
        const QColor colour = kPalette.value(index);
        const int at = x * image.depth / 8;
        row[at] = static_cast<char>(colour.blue());
        row[at + 1] = static_cast<char>(colour.green());
        row[at + 2] = static_cast<char>(colour.red());
        if (image.depth == 32) {
          row[at + 3] =
              static_cast<char>(image.alphaInPixels && !image.transparent(x, y) ? 0xFF : 0);
        }
      }
    }
    bytes.append(row);
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(maskStride, '\0');
    for (int x = 0; x < size; ++x) {
      if (image.transparent(x, y)) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    bytes.append(row);
  }
  return bytes;
}

QByteArray Png(int size, QColor colour) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// An icon file holding the given images, each with its side.
QByteArray IconFile(const QList<QPair<int, QByteArray>>& images) {
  QByteArray directory;
  QByteArray data;
  PutU16(directory, 0);
  PutU16(directory, 1);
  PutU16(directory, static_cast<int>(images.size()));
  const int dataStart = 6 + 16 * static_cast<int>(images.size());
  for (const auto& [size, image] : images) {
    directory.append(static_cast<char>(size % 256));
    directory.append(static_cast<char>(size % 256));
    directory.append('\0');
    directory.append('\0');
    PutU16(directory, 1);
    PutU16(directory, 32);
    PutU32(directory, static_cast<int>(image.size()));
    PutU32(directory, dataStart + static_cast<int>(data.size()));
    data.append(image);
  }
  return directory + data;
}

std::vector<QImage> Read(const QByteArray& file) {
  return ReadIconFile({reinterpret_cast<const unsigned char*>(file.constData()),
                       static_cast<std::size_t>(file.size())});
}

// Left half red, right half green, the top row blue: shows both order and orientation.
int Pattern(int x, int y) {
  return y == 0 ? 3 : (x < 8 ? 1 : 2);
}

}  // namespace

class IconFileTest : public QObject {
  Q_OBJECT

 private slots:
  void BitmapsOfEveryDepthRead_data() {
    QTest::addColumn<int>("depth");
    QTest::newRow("2 colours, 1 bit") << 1;
    QTest::newRow("16 colours, 4 bits, as our icons") << 4;
    QTest::newRow("256 colours, 8 bits") << 8;
    QTest::newRow("true colour, 24 bits") << 24;
    QTest::newRow("true colour with alpha, 32 bits") << 32;
  }
  void BitmapsOfEveryDepthRead() {
    QFETCH(int, depth);
    // One bit has only black and red: the pattern folds onto those two.
    const auto index = [depth](int x, int y) {
      return depth == 1 ? Pattern(x, y) % 2 : Pattern(x, y);
    };
    const std::vector<QImage> images = Read(IconFile({{16, Bitmap({16, depth, index})}}));
    QCOMPARE(images.size(), std::size_t{1});
    const QImage& image = images.front();
    QCOMPARE(image.size(), QSize(16, 16));
    QCOMPARE(image.pixelColor(2, 5), kPalette.at(index(2, 5)));
    QCOMPARE(image.pixelColor(12, 5), kPalette.at(index(12, 5)));
    QCOMPARE(image.pixelColor(12, 0), kPalette.at(index(12, 0)));
    QCOMPARE(image.pixelColor(12, 15), kPalette.at(index(12, 15)));
  }

  void TheMaskMakesPixelsTransparent_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("alphaInPixels");
    QTest::newRow("16 colours with a mask") << 4 << false;
    QTest::newRow("32 bits with alpha in the pixels") << 32 << true;
    QTest::newRow("32 bits, every alpha zero, with a mask") << 32 << false;
  }
  void TheMaskMakesPixelsTransparent() {
    QFETCH(int, depth);
    QFETCH(bool, alphaInPixels);
    Image image{32, depth, Pattern, [](int x, int y) { return x + y < 10; }, alphaInPixels};
    const std::vector<QImage> images = Read(IconFile({{32, Bitmap(image)}}));
    QCOMPARE(images.size(), std::size_t{1});
    QCOMPARE(images.front().pixelColor(1, 1).alpha(), 0);
    QCOMPARE(images.front().pixelColor(20, 20), QColor(Qt::green));
  }

  void EveryImageOfTheFileIsRead() {
    const QByteArray file = IconFile({{32, Bitmap({32, 4, [](int, int) { return 2; }})},
                                      {16, Bitmap({16, 4, [](int, int) { return 1; }})},
                                      {48, Png(48, Qt::blue)}});
    const std::vector<QImage> images = Read(file);
    QCOMPARE(images.size(), std::size_t{3});
    QCOMPARE(images[0].size(), QSize(32, 32));
    QCOMPARE(images[0].pixelColor(3, 3), QColor(Qt::green));
    QCOMPARE(images[1].size(), QSize(16, 16));
    QCOMPARE(images[1].pixelColor(3, 3), QColor(Qt::red));
    QCOMPARE(images[2].size(), QSize(48, 48));
    QCOMPARE(images[2].pixelColor(3, 3), QColor(Qt::blue));

    const QIcon icon = DecodeIcon({reinterpret_cast<const unsigned char*>(file.constData()),
                                   static_cast<std::size_t>(file.size())});
    QCOMPARE(icon.availableSizes().size(), 3);
  }

  void BadBytesGiveNoImages_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("images");
    const QByteArray good = Bitmap({16, 4, Pattern});
    QByteArray compressed = good;
    compressed[16] = 2;  // run-length coded
    QByteArray sixteenBits = good;
    sixteenBits[14] = 16;
    QByteArray huge = good;
    huge[5] = 0x10;  // 4112 pixels wide
    QTest::newRow("no bytes") << QByteArray() << 0;
    QTest::newRow("a text file") << QByteArray("not an icon at all") << 0;
    QTest::newRow("a cursor file")
        << QByteArray::fromHex("000002000100") + IconFile({{16, good}}).mid(6) << 0;
    QTest::newRow("directory cut off") << IconFile({{16, good}}).left(12) << 0;
    QTest::newRow("image cut off") << IconFile({{16, good}}).chopped(40) << 0;
    QTest::newRow("run-length coded bitmap") << IconFile({{16, compressed}}) << 0;
    QTest::newRow("16 bits per pixel") << IconFile({{16, sixteenBits}}) << 0;
    QTest::newRow("wider than any icon") << IconFile({{16, huge}}) << 0;
    QTest::newRow("a good image beside a bad one")
        << IconFile({{16, sixteenBits}, {16, good}}) << 1;
  }
  void BadBytesGiveNoImages() {
    QFETCH(QByteArray, file);
    QFETCH(int, images);
    QCOMPARE(static_cast<int>(Read(file).size()), images);
  }
};

}  // namespace runtime::qt

QTEST_MAIN(runtime::qt::IconFileTest)
#include "icon_file_test.moc"
