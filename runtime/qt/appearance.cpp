// Colours by value or by role, fonts with their stand-ins, icons and pictures from bytes.
#include "runtime/qt/appearance.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <limits>

#include "runtime/qt/icon_file.h"
#include "runtime/rules/font_faces.h"

namespace runtime::qt {
namespace {

QPalette::ColorRole RoleOf(SystemColour colour) {
  switch (colour) {
    case SystemColour::ButtonFace:
      return QPalette::Button;
    case SystemColour::ButtonText:
      return QPalette::ButtonText;
    case SystemColour::Highlight:
      return QPalette::Highlight;
    case SystemColour::InfoText:
      return QPalette::ToolTipText;
    case SystemColour::WindowBackground:
      return QPalette::Base;
  }
  return QPalette::Window;
}

// The face of the description, or where the system lacks it, its stand-in. Asked for a face
// it lacks, Qt would search all the system's fonts for a fallback, once for each such face,
// before the first frame. The faces are listed once: QFontDatabase::hasFamily would ask
// fontconfig at each call.
QString FaceToAsk(std::string_view face) {
  static const QStringList kInstalled = QFontDatabase::families();
  return ToQString(runtime::FaceToAsk(face, [](std::string_view name) {
    return kInstalled.contains(ToQString(name), Qt::CaseInsensitive);
  }));
}

// The bytes stay where the program embedded them; Qt only reads them while decoding.
QByteArray BorrowBytes(Asset asset) {
  if (asset.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return {};
  }
  return QByteArray::fromRawData(reinterpret_cast<const char*>(asset.data()),
                                 static_cast<qsizetype>(asset.size()));
}

}  // namespace

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<QColor> ResolveColour(const Colour& colour, const QPalette& platform) {
  if (const auto* rgb = std::get_if<Rgb>(&colour)) {
    return QColor::fromRgb(QRgb{rgb->value});
  }
  if (const auto* role = std::get_if<SystemColour>(&colour)) {
    return platform.color(QPalette::Active, RoleOf(*role));
  }
  return std::nullopt;
}

QFont ToQFont(const Font& font) {
  QFont qfont(FaceToAsk(font.face));
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSizeF(font.points);
  // Both scales are those of OpenType: 400 regular, 700 bold.
  qfont.setWeight(static_cast<QFont::Weight>(font.weight));
  return qfont;
}

QIcon DecodeIcon(Asset icon) {
  // An icon file holds one image per size; each goes into the icon so the platform picks.
  QIcon decoded;
  for (const QImage& image : ReadIconFile(icon)) {
    decoded.addPixmap(QPixmap::fromImage(image));
  }
  return decoded;
}

QImage DecodePicture(Asset picture) {
  // The format is taken from the bytes themselves ("BM", the JPEG start marker).
  return QImage::fromData(BorrowBytes(picture));
}

}  // namespace runtime::qt
