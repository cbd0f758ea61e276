// Colours by value or by role, fonts with their stand-ins, icons and pictures from bytes.
#include "runtime/qt/appearance.h"

#include <QByteArray>
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

// The bytes stay where the program embedded them; Qt only reads them while decoding.
QByteArray BorrowBytes(Asset asset) {
  if (asset.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return {};
  }
  return QByteArray::fromRawData(reinterpret_cast<const char*>(asset.data()),
                                 static_cast<qsizetype>(asset.size()));
}

}  // namespace

std::optional<QColor> ResolveColour(const Colour& colour, const QPalette& platform) {
  if (const auto* rgb = std::get_if<Rgb>(&colour)) {
    return QColor::fromRgb(QRgb{rgb->value});
  }
  if (const auto* role = std::get_if<SystemColour>(&colour)) {
    return platform.color(QPalette::Active, RoleOf(*role));
  }
  return std::nullopt;
}

void InstallFontSubstitutes() {
  for (const FaceStandIns& face : AllFaceStandIns()) {
    QStringList standIns;
    for (const std::string_view standIn : face.standIns) {
      standIns << QString::fromUtf8(standIn.data(), static_cast<qsizetype>(standIn.size()));
    }
    QFont::insertSubstitutions(
        QString::fromUtf8(face.face.data(), static_cast<qsizetype>(face.face.size())), standIns);
  }
}

QFont ToQFont(const Font& font) {
  QFont qfont(QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())));
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
