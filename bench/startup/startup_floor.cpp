// The floor: a plain Qt Widgets window with frmcal's widgets (a menu bar of three menus and
// four items, nine buttons, an entry, two labels, a group box and four line widgets), ending
// after its first frame.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  bench::FirstPaint firstPaint(QStringLiteral("floor"));
  QApplication::instance()->installEventFilter(&firstPaint);

  QMainWindow window;
  window.setObjectName(QStringLiteral("floor"));
  window.setWindowTitle(QStringLiteral("Floor"));
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
  file->addAction(QStringLiteral("Exit"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  QMenu* edit = window.menuBar()->addMenu(QStringLiteral("Edit"));
  edit->addAction(QStringLiteral("Clear"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
  help->addAction(QStringLiteral("Help me"))->setShortcut(QKeySequence(QStringLiteral("F1")));
  help->addAction(QStringLiteral("About"))->setShortcut(QKeySequence(QStringLiteral("F2")));

  auto* client = new QWidget(&window);
  window.setCentralWidget(client);
  (new QGroupBox(QStringLiteral("Frame"), client))->setGeometry(8, 144, 393, 137);
  const char* captions[] = {"+", "-", "*", "/", "Clear", "Square", "cube", "x^y", "%"};
  for (int i = 0; i < 9; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(captions[i]), client);
    button->setGeometry(16 + (i % 5) * 72, 168 + (i / 5) * 56, 57, 49);
  }
  (new QLineEdit(client))->setGeometry(16, 24, 385, 33);
  (new QLabel(client))->setGeometry(19, 75, 350, 29);
  (new QLabel(client))->setGeometry(368, 75, 33, 29);
  const QRect lines[] = {{16, 104, 385, 1}, {16, 63, 1, 42}, {16, 64, 385, 1}, {400, 64, 1, 41}};
  for (const QRect& line : lines) {
    (new QWidget(client))->setGeometry(line);
  }
  window.resize(447, 306 + window.menuBar()->sizeHint().height());
  window.show();
  return QApplication::exec();
}
