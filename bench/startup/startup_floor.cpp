// The floor: a plain Qt Widgets window with the calculator window's controls, fonts and menu
// bar, taken row by row from the calculator's own description so that it cannot drift from
// it, and made with Qt's classes alone: none of the forms runtime's back end. It asks for
// each face as a program written for this system would, by the installed face that stands in
// for it, so that both programs load the same fonts. It ends after its first frame like the
// start-up probe.
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "first_paint.h"
#include "runtime/rules/font_faces.h"
#include "runtime/rules/pixels.h"
#include "ui/frmcal/frmcal_description.h"

namespace {

const runtime::WindowDescription& kCalculator = ui::frmcal::kDescription;
constexpr int kDpi = 96;  // Qt's offscreen platform

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont FontOf(const runtime::Font& font, const QStringList& installed) {
  QFont made(ToQString(runtime::FaceToAsk(font.face, [&installed](std::string_view face) {
    return installed.contains(ToQString(face), Qt::CaseInsensitive);
  })));
  made.setPointSizeF(font.points);
  made.setWeight(static_cast<QFont::Weight>(font.weight));
  return made;
}

QWidget* MakeControl(const runtime::Control& row, QWidget* parent) {
  const QString caption = ToQString(row.caption);
  switch (row.kind) {
    case runtime::ControlKind::TextBox:
      return new QLineEdit(caption, parent);
    case runtime::ControlKind::PushButton:
      return new QPushButton(caption, parent);
    case runtime::ControlKind::Frame:
      return new QGroupBox(caption, parent);
    case runtime::ControlKind::Label:
      return new QLabel(caption, parent);
    case runtime::ControlKind::Picture:
      return new QLabel(parent);
    case runtime::ControlKind::Line:
      break;
  }
  return new QWidget(parent);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  bench::FirstPaint firstPaint(QStringLiteral("floor"));
  QApplication::instance()->installEventFilter(&firstPaint);

  QMainWindow window;
  window.setObjectName(QStringLiteral("floor"));
  window.setWindowTitle(QStringLiteral("Floor"));
  QMenu* open = nullptr;
  for (const runtime::MenuEntry& entry : kCalculator.menu) {
    if (entry.depth == 0) {
      open = window.menuBar()->addMenu(ToQString(entry.caption));
    } else {
      open->addAction(ToQString(entry.caption))
          ->setShortcut(QKeySequence(ToQString(entry.shortcut)));
    }
  }

  auto* client = new QWidget(&window);
  window.setCentralWidget(client);
  const QStringList installed = QFontDatabase::families();
  // Made from the back row forwards, so that each lies in front of those behind it.
  for (auto row = kCalculator.controls.rbegin(); row != kCalculator.controls.rend(); ++row) {
    QWidget* control = MakeControl(*row, client);
    const runtime::PixelRect area = runtime::AreaOf(*row, kDpi);
    control->setGeometry(area.left, area.top, area.width, area.height);
    control->setFont(FontOf(row->font.value_or(kCalculator.properties.font), installed));
  }
  window.resize(runtime::TwipsToPixels(kCalculator.properties.clientWidth, kDpi),
                runtime::TwipsToPixels(kCalculator.properties.clientHeight, kDpi) +
                    window.menuBar()->sizeHint().height());
  window.show();
  return QApplication::exec();
}
