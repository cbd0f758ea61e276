// What only Qt's own window objects show of the three windows beside the behaviour table:
// none has an owner or is a dialog, each can be the active one or be minimised alone, a
// window that comes back looks as before, and "Exit" builds the details window unseen.
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "tests/behaviour/qt/program_fixture.h"

namespace tests::behaviour::qt {
namespace {

// One user step on the about and details windows.
void Perform(const QString& step) {
  if (step == "F2") {
    ProgramFixture::PressF2();
  } else if (step == "Help > About") {
    ProgramFixture::ChooseAboutFromTheMenu();
  } else if (step == "More Details") {
    ProgramFixture::ClickMoreDetails();
  } else if (step == "Exit") {
    ProgramFixture::ClickExit();
  } else if (step == "close about") {
    ProgramFixture::CloseByCloseBox(ProgramFixture::About());
  } else if (step == "close details") {
    ProgramFixture::CloseByCloseBox(ProgramFixture::Details());
  } else {
    QFAIL(qPrintable("unknown step " + step));
  }
}

}  // namespace

class WindowRelationsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFixture> program_;

 private slots:
  void init() {
    program_ = std::make_unique<ProgramFixture>();
    QVERIFY(program_->Start());
  }
  void cleanup() { program_.reset(); }

  void ExitBeforeMoreDetailsBuildsTheDetailsWindowUnseen() {
    const ShowRecorder recorder;
    Perform("F2");
    Perform("Exit");
    const QPointer<QMainWindow> details = ProgramFixture::Details();
    QVERIFY(details != nullptr);
    QVERIFY(ControlWidget(details, "Image1") != nullptr);
    QVERIFY(!details->isVisible());
    QCOMPARE(recorder.Shown("Form2"), 0);
    Perform("F2");
    Perform("More Details");
    QCOMPARE(ProgramFixture::Details(), details.data());
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

  // Each window stands alone: no owner, not a dialog, active or minimised on its own.

  void EachWindowStandsAlone_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("minimised");
    QTest::newRow("the calculator window") << "frmcal"
                                           << "Form1";
    QTest::newRow("the about window") << "Form1"
                                      << "Form2";
    QTest::newRow("the details window") << "Form2"
                                        << "frmcal";
  }
  void EachWindowStandsAlone() {
    QFETCH(QString, window);
    QFETCH(QString, minimised);
    Perform("F2");
    Perform("More Details");
    QMainWindow* widget = FindWindow(window);
    QVERIFY(widget->isWindow());
    QVERIFY(widget->parentWidget() == nullptr);
    QVERIFY(widget->windowHandle() != nullptr);
    QVERIFY(widget->windowHandle()->transientParent() == nullptr);
    QCOMPARE(widget->windowModality(), Qt::NonModal);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // Qt's X11 platform makes every dialog-typed window transient for the program's leader
    // window, and window managers keep such a window above all of the program's others.
    QCOMPARE(widget->windowType(), Qt::Window);
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget));
    QCOMPARE(QApplication::activeWindow(), widget);
    // Another window minimised leaves this one as it was.
    FindWindow(minimised)->showMinimized();
    QTRY_VERIFY(FindWindow(minimised)->isMinimized());
    for (QMainWindow* shown :
         {ProgramFixture::Calculator(), ProgramFixture::About(), ProgramFixture::Details()}) {
      if (shown != FindWindow(minimised)) {
        QVERIFY(shown->isVisible() && !shown->isMinimized());
      }
    }
  }
};

}  // namespace tests::behaviour::qt

QTEST_MAIN(tests::behaviour::qt::WindowRelationsTest)
#include "window_relations_test.moc"
