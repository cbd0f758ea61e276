// How the about and details windows come, go and come back through the registry, by real
// clicks and keys: one instance each, "Exit" hiding both, close boxes, no owners, and the
// calculator usable beside them throughout.
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "app/window_tests/program_fixture.h"

namespace app::window_tests {
namespace {

// The calculator's texts after "30 + 12" typed before the windows are reached.
const QStringList kCalculatorTexts = {"12", "30", ""};

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

bool Shown(QWidget* window) {
  return window != nullptr && window->isVisible();
}

}  // namespace

class WindowLifecycleTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;

 private slots:
  void init() {
    program_ = std::make_unique<Program>();
    QVERIFY(program_->Start());
    Program::Calculate("30 cmdsum 12");
    QCOMPARE(Program::CalculatorTexts(), kCalculatorTexts);
  }
  void cleanup() { program_.reset(); }

  // The steps leave the windows shown or hidden, one instance of each class throughout, and
  // the calculator as it was.

  void StepsLeaveOneWindowOfEachClass_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("aboutShown");
    QTest::addColumn<bool>("detailsExists");
    QTest::addColumn<bool>("detailsShown");
    // clang-format off
    QTest::newRow("F2") << QStringList{"F2"} << true << false << false;
    QTest::newRow("Help > About") << QStringList{"Help > About"} << true << false << false;
    QTest::newRow("F2 twice") << QStringList{"F2", "F2"} << true << false << false;
    QTest::newRow("Help > About twice") << QStringList{"Help > About", "Help > About"} << true << false << false;
    QTest::newRow("F2, then Help > About") << QStringList{"F2", "Help > About"} << true << false << false;
    QTest::newRow("More Details") << QStringList{"F2", "More Details"} << true << true << true;
    QTest::newRow("More Details twice") << QStringList{"F2", "More Details", "More Details"} << true << true << true;
    QTest::newRow("Exit before More Details") << QStringList{"F2", "Exit"} << false << true << false;
    QTest::newRow("Exit before More Details, then About and More Details") << QStringList{"F2", "Exit", "F2", "More Details"} << true << true << true;
    QTest::newRow("Exit while the details window is shown") << QStringList{"F2", "More Details", "Exit"} << false << true << false;
    QTest::newRow("Exit after closing the details window") << QStringList{"F2", "More Details", "close details", "Exit"} << false << true << false;
    QTest::newRow("About after Exit") << QStringList{"F2", "More Details", "Exit", "F2"} << true << true << false;
    QTest::newRow("About after Exit, then More Details") << QStringList{"F2", "More Details", "Exit", "F2", "More Details"} << true << true << true;
    QTest::newRow("About after closing the about window") << QStringList{"F2", "close about", "F2"} << true << false << false;
    QTest::newRow("More Details after closing the details window") << QStringList{"F2", "More Details", "close details", "More Details"} << true << true << true;
    QTest::newRow("closing the about window leaves the details window") << QStringList{"F2", "More Details", "close about"} << false << true << true;
    QTest::newRow("About after closing both") << QStringList{"F2", "More Details", "close details", "close about", "F2"} << true << true << false;
    // clang-format on
  }
  void StepsLeaveOneWindowOfEachClass() {
    QFETCH(QStringList, steps);
    QFETCH(bool, aboutShown);
    QFETCH(bool, detailsExists);
    QFETCH(bool, detailsShown);
    QPointer<QMainWindow> about;
    QPointer<QMainWindow> details;
    for (const QString& step : steps) {
      Perform(step);
      QVERIFY2(CountWindows("Form1") <= 1 && CountWindows("Form2") <= 1, qPrintable(step));
      // Once made, each window stays the one instance of its class.
      for (auto [window, found] :
           {std::pair{&about, Program::About()}, std::pair{&details, Program::Details()}}) {
        if (!window->isNull()) {
          QVERIFY2(window->data() == found, qPrintable(step));
        }
        *window = found;
      }
    }
    QCOMPARE(Shown(about), aboutShown);
    QCOMPARE(CountWindows("Form2"), detailsExists ? 1 : 0);
    QCOMPARE(Shown(details), detailsShown);
    QVERIFY(Shown(Program::Calculator()));
    QCOMPARE(Program::CalculatorTexts(), kCalculatorTexts);
  }

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

  // The calculator beside the other windows.

  void TheCalculatorStaysUsable_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("beside the about window") << QStringList{"F2"};
    QTest::newRow("beside the about and details windows") << QStringList{"F2", "More Details"};
    QTest::newRow("after Exit") << QStringList{"F2", "More Details", "Exit"};
  }
  void TheCalculatorStaysUsable() {
    QFETCH(QStringList, steps);
    for (const QString& step : steps) {
      Perform(step);
    }
    const bool aboutShown = Shown(Program::About());
    const bool detailsShown = Shown(Program::Details());
    Program::Calculate("cmdsum 8 cmdsum");
    QCOMPARE(Program::CalculatorTexts(), (QStringList{"", "50", ""}));
    QCOMPARE(Shown(Program::About()), aboutShown);
    QCOMPARE(Shown(Program::Details()), detailsShown);
  }

  // The end of the program.

  void FileExitEndsTheProgramWithEveryWindow() {
    Perform("F2");
    Perform("More Details");
    QTimer::singleShot(0, [] {
      Program::Calculator()->activateWindow();
      QTest::keyClick(Program::Calculator(), Qt::Key_Q, Qt::ControlModifier);
    });
    // Only a guard: the loop ends long before unless the program fails to end.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(program_->Run(), 0);
    for (QWidget* window : {Program::Calculator(), Program::About(), Program::Details()}) {
      QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
  }

  void ExitAfterTheCalculatorWasClosedEndsTheProgram() {
    // With no window left the user could neither reach nor end the program.
    Perform("F2");
    QTimer::singleShot(0, [] {
      Program::CloseByCloseBox(Program::Calculator());
      Program::ClickExit();
    });
    // Only a guard: the loop ends long before unless the program fails to end.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(program_->Run(), 0);
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

}  // namespace app::window_tests

QTEST_MAIN(app::window_tests::WindowLifecycleTest)
#include "window_lifecycle_test.moc"
