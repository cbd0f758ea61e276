// What only Qt's own window objects show of the three windows beside the behaviour table:
// none has an owner or is a dialog, each can be the active one or be minimised alone, a
// window that comes back looks as before, and "Exit" builds the details window unseen.
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "app/behaviour/qt/program_fixture.h"

namespace app::behaviour::qt {
namespace {

// One user step on the about and details windows.
void Perform(const QString& step) {
  if (step == "F2") {
    Program::PressF2();
  } else if (step == "Help > About") {
    Program::ChooseAboutFromTheMenu();
  } else if (step == "More Details") {
    Program::ClickMoreDetails();
  } else if (step == "Exit") {
    Program::ClickExit();
  } else if (step == "close about") {
    Program::CloseByCloseBox(Program::About());
  } else if (step == "close details") {
    Program::CloseByCloseBox(Program::Details());
  } else {
    QFAIL(qPrintable("unknown step " + step));
  }
}

}  // namespace

class WindowRelationsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;

 private slots:
  void init() {
    program_ = std::make_unique<Program>();
    QVERIFY(program_->Start());
  }
  void cleanup() { program_.reset(); }

  void ExitBeforeMoreDetailsBuildsTheDetailsWindowUnseen() {
    const ShowRecorder recorder;
    Perform("F2");
    Perform("Exit");
    const QPointer<QMainWindow> details = Program::Details();
    QVERIFY(details != nullptr);
    QVERIFY(Control(details, "Image1") != nullptr);
    QVERIFY(!details->isVisible());
    QCOMPARE(recorder.Shown("Form2"), 0);
    Perform("F2");
    Perform("More Details");
    QCOMPARE(Program::Details(), details.data());
    QVERIFY(details->isVisible());
    QCOMPARE(recorder.Shown("Form2"), 1);
  }

  void WindowsComeBackLookingAsBefore_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("away");
    QTest::addColumn<QString>("back");
    QTest::newRow("about window: Exit, then F2") << "Form1" << QStringList{"Exit"} << "F2";
    QTest::newRow("about window: close box, then Help > About")
        << "Form1" << QStringList{"close about"} << "Help > About";
    QTest::newRow("details window: close box, then More Details")
        << "Form2" << QStringList{"close details"} << "More Details";
    QTest::newRow("details window: Exit, then F2 and More Details")
        << "Form2" << QStringList{"Exit", "F2"} << "More Details";
  }
  void WindowsComeBackLookingAsBefore() {
    QFETCH(QString, window);
    QFETCH(QStringList, away);
    QFETCH(QString, back);
    Perform("F2");
    Perform("More Details");
    QMainWindow* shown = FindWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // Pushed buttons keep the focus frame the platform gives them; the rest must not change.
    const auto look = [shown] {
      QImage image = Snapshot(shown);
      QPainter painter(&image);
      for (QWidget* button : shown->centralWidget()->findChildren<QPushButton*>()) {
        painter.fillRect(button->geometry(), Qt::black);
      }
      return image;
    };
    const QImage before = look();
    const QSize sizeBefore = shown->size();
    for (const QString& step : away) {
      Perform(step);
    }
    QVERIFY(!shown->isVisible());
    Perform(back);
    QCOMPARE(FindWindow(window), shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->size(), sizeBefore);
    QVERIFY(look() == before);
  }

  // No window has an owner.

  void NoWindowHasAnOwner_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("the calculator window") << "frmcal";
    QTest::newRow("the about window") << "Form1";
    QTest::newRow("the details window") << "Form2";
  }
  void NoWindowHasAnOwner() {
    QFETCH(QString, window);
    Perform("F2");
    Perform("More Details");
    QMainWindow* widget = FindWindow(window);
    QVERIFY(widget != nullptr);
    QVERIFY(widget->isWindow());
    QVERIFY(widget->parentWidget() == nullptr);
    QVERIFY(widget->windowHandle() != nullptr);
    QVERIFY(widget->windowHandle()->transientParent() == nullptr);
    QCOMPARE(widget->windowModality(), Qt::NonModal);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void MinimisingTheDetailsWindowLeavesTheOthers() {
    Perform("F2");
    Perform("More Details");
    Program::Details()->showMinimized();
    QTRY_VERIFY(Program::Details()->isMinimized());
    QVERIFY(Program::About()->isVisible() && !Program::About()->isMinimized());
    QVERIFY(Program::Calculator()->isVisible() && !Program::Calculator()->isMinimized());
  }

  void EachWindowCanBeTheActiveOne_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("the calculator in front of both") << "frmcal";
    QTest::newRow("the about window in front of both") << "Form1";
    QTest::newRow("the details window in front of both") << "Form2";
  }
  void EachWindowCanBeTheActiveOne() {
    QFETCH(QString, window);
    Perform("F2");
    Perform("More Details");
    QMainWindow* widget = FindWindow(window);
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget));
    QCOMPARE(QApplication::activeWindow(), widget);
  }

  void NoWindowIsADialogOfTheProgram_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("the calculator window") << "frmcal";
    QTest::newRow("the about window") << "Form1";
    QTest::newRow("the details window") << "Form2";
  }
  void NoWindowIsADialogOfTheProgram() {
    QFETCH(QString, window);
    Perform("F2");
    Perform("More Details");
    // Qt's X11 platform makes every dialog-typed window transient for the program's leader
    // window, and window managers keep such a window above all of the program's others.
    QCOMPARE(FindWindow(window)->windowType(), Qt::Window);
  }
};

}  // namespace app::behaviour::qt

QTEST_MAIN(app::behaviour::qt::WindowRelationsTest)
#include "window_relations_test.moc"
