// Writes each image of an icon file as <folder>/<N>x<N>/apps/<name>.png, the layout of the
// desktop's icon theme, so the installed program shows the same icon as its window.
//   pellomar_icon_export <icon file> <folder> <name>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>
#include <vector>

#include "runtime/qt/icon_file.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <icon file> <folder> <name>\n", argv[0]);
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  const QByteArray bytes = file.readAll();
  const std::vector<QImage> images =
      runtime::qt::ReadIconFile({reinterpret_cast<const unsigned char*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())});
  if (images.empty()) {
    std::fprintf(stderr, "%s: %s holds no image\n", argv[0], argv[1]);
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  for (const QImage& image : images) {
    const QString size = QStringLiteral("%1x%2").arg(image.width()).arg(image.height());
    const QString apps = folder.filePath(size + QStringLiteral("/apps"));
    const QString path =
        apps + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
    if (!QDir().mkpath(apps) || !image.save(path, "PNG")) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
      return 1;
    }
  }
  return 0;
}
