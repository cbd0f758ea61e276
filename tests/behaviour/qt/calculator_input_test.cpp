// What only Qt shows of the calculator's input beside the behaviour table: the clipboard that
// a long paste comes from and Ctrl+C leaves alone, the menu bar reached from the keyboard, and
// the entry's text as screen readers read it.
#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "tests/behaviour/qt/program_fixture.h"

namespace tests::behaviour::qt {
namespace {

QStringList Texts() {
  QMainWindow* calculator = ProgramFixture::Calculator();
  return {ControlWidget<QLineEdit>(calculator, "txtnum")->text(),
          ControlWidget<QLabel>(calculator, "lblans")->text(),
          ControlWidget<QLabel>(calculator, "LblSpc")->text()};
}

// "20 + 5 %" as the user types and clicks it.
void TwentyPlusFivePercent() {
  ProgramFixture::Type("20");
  ProgramFixture::Click(ProgramFixture::Calculator(), "cmdsum");
  ProgramFixture::Type("5");
  ProgramFixture::Click(ProgramFixture::Calculator(), "Cmdpersen");
}

}  // namespace

class CalculatorInputTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFixture> program_;
  QString clipboardBefore_;

  [[nodiscard]] static QLineEdit* Entry() {
    return ControlWidget<QLineEdit>(ProgramFixture::Calculator(), "txtnum");
  }

 private slots:
  void initTestCase() { clipboardBefore_ = QApplication::clipboard()->text(); }
  void cleanupTestCase() { QApplication::clipboard()->setText(clipboardBefore_); }
  void init() {
    program_ = std::make_unique<ProgramFixture>();
    QVERIFY(program_->Start());
  }
  void cleanup() { program_.reset(); }

  void ALongPasteArrivesWholeAndComputes() {
    // 100,000 characters that read as 12 only when none is lost.
    const QString pasted = QString(99998, QChar('0')) + "12";
    QApplication::clipboard()->setText(pasted);
    QTest::mouseClick(Entry(), Qt::LeftButton);
    QTest::keyClick(Entry(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Entry()->text(), pasted);
    ProgramFixture::Click(ProgramFixture::Calculator(), "cmdsum");
    QCOMPARE(Texts(), (QStringList{"", "12", ""}));
  }

  void CtrlCOverASelectionCopiesNothing() {
    QApplication::clipboard()->setText("left alone");
    TwentyPlusFivePercent();
    ProgramFixture::Type("77");
    Entry()->selectAll();
    QTest::keyClick(Entry(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Texts(), (QStringList{"", "", ""}));
    QCOMPARE(QApplication::clipboard()->text(), QString("left alone"));
  }

  void AltOrF10ReachesTheMenuBar_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifier");
    QTest::newRow("Alt, then Down") << int{Qt::Key_Alt} << int{Qt::AltModifier};
    QTest::newRow("F10, then Down") << int{Qt::Key_F10} << int{Qt::NoModifier};
  }
  void AltOrF10ReachesTheMenuBar() {
    QFETCH(int, key);
    QFETCH(int, modifier);
    QTest::keyClick(Entry(), static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifier));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTRY_COMPARE(QApplication::activePopupWidget(),
                 ProgramFixture::Calculator()->findChild<QMenu*>("mnfile"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(Texts(), (QStringList{"", "", ""}));
  }

  // What a screen reader reads of the entry: its text as its value.
  void AssistiveToolsReadTheEntryAsItsValue() {
    TwentyPlusFivePercent();
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(Entry());
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->text(QAccessible::Value), QString("5"));
  }
};

}  // namespace tests::behaviour::qt

QTEST_MAIN(tests::behaviour::qt::CalculatorInputTest)
#include "calculator_input_test.moc"
