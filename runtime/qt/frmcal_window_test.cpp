// The calculator window as the program builds it (this back end, the shell's registry and
// the window catalogue), driven through real key and mouse events on the offscreen platform.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "app/project.h"
#include "app/window_registry.h"
#include "runtime/forms/checked_calls.h"
#include "runtime/qt/appearance.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/geometry.h"
#include "runtime/qt/line_widget.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/qt/window_test_support.h"
#include "ui/catalogue.h"
#include "ui/frmcal/frmcal_description.h"

namespace runtime::qt {
namespace {

using app::WindowClass;
using testing::Activate;
using testing::ChooseMenuItem;
using testing::Control;
using testing::CountWindows;
using testing::FindWindow;
using testing::MessageBoxCloser;
using testing::Snapshot;
using testing::TabVisits;

const QColor kDarkGrey(0x40, 0x40, 0x40);

QString NameOf(const runtime::Control& control) {
  return ToQString(control.name);
}

// A button by its caption, as the user sees it.
const std::map<QString, QString> kButtons = {
    {"+", "cmdsum"},      {"-", "cmdsub"},     {"*", "cmdmul"},
    {"/", "cmddiv"},      {"%", "Cmdpersen"},  {"x^(Power)", "cmdsq"},
    {"Square", "cmdSqu"}, {"cube", "cmdcube"}, {"Clear", "cmdclr"}};

QAccessibleInterface* FindAccessible(QAccessibleInterface* root, QAccessible::Role role,
                                     const QString& name) {
  if (root == nullptr) {
    return nullptr;
  }
  if (root->role() == role && root->text(QAccessible::Name) == name) {
    return root;
  }
  for (int child = 0; child < root->childCount(); ++child) {
    if (QAccessibleInterface* found = FindAccessible(root->child(child), role, name)) {
      return found;
    }
  }
  return nullptr;
}

}  // namespace

class FrmcalWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtForms> forms_;
  std::unique_ptr<app::WindowRegistry> registry_;
  QMainWindow* window_ = nullptr;
  QString clipboardBefore_;

  [[nodiscard]] QLineEdit* Entry() const { return Control<QLineEdit>(window_, "txtnum"); }
  [[nodiscard]] QLabel* Answer() const { return Control<QLabel>(window_, "lblans"); }
  [[nodiscard]] QLabel* Marker() const { return Control<QLabel>(window_, "LblSpc"); }

  // entry, answer, marker
  [[nodiscard]] QStringList Texts() const {
    return {Entry()->text(), Answer()->text(), Marker()->text()};
  }

  // The user clicks into the entry box and types.
  void Type(const QString& text) {
    QTest::mouseClick(Entry(), Qt::LeftButton);
    QTest::keyClicks(Entry(), text);
  }

  void Press(const QString& caption) {
    QTest::mouseClick(Control(window_, kButtons.at(caption)), Qt::LeftButton);
  }

  // Steps such as "30 + 12 +": numbers are typed into the entry, captions are clicked.
  void Perform(const QString& steps) {
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
      if (kButtons.contains(step)) {
        Press(step);
      } else {
        Type(step);
      }
    }
  }

 private slots:
  void initTestCase() {
    testing::QuietOffscreenNotes();
    clipboardBefore_ = QApplication::clipboard()->text();
  }
  void cleanupTestCase() { QApplication::clipboard()->setText(clipboardBefore_); }

  void init() {
    forms_ = std::make_unique<QtForms>(app::kProject);
    registry_ = std::make_unique<app::WindowRegistry>(*forms_, ui::WindowClasses());
    ShowChecked(registry_->InstanceOf(WindowClass::frmcal));
    window_ = FindWindow("frmcal");
    QVERIFY(window_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() {
    registry_.reset();
    forms_.reset();
    window_ = nullptr;
  }

  // The window as it opens.

  void OpensEmptyWithTheCaretInTheEntry() {
    QCOMPARE(Texts(), (QStringList{"", "", ""}));
    QCOMPARE(QApplication::focusWidget(), Entry());
    QCOMPARE(window_->windowTitle(), QString("Pellomar Advanced Calculator"));
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(CountWindows("Form1"), 0);
    QCOMPARE(CountWindows("Form2"), 0);
  }

  void TheClientAreaLiesBelowTheMenuBarAtItsPlace() {
    QCOMPARE(window_->centralWidget()->size(), QSize(447, 306));
    QCOMPARE(window_->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(270, 268));
    QVERIFY(window_->menuBar()->isVisible());
    QCOMPARE(window_->menuBar()->geometry().bottom() + 1, window_->centralWidget()->y());
    QCOMPARE(Snapshot(window_).pixelColor(440, 300), kDarkGrey);
  }

  void EveryControlStandsAtItsBox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    for (const runtime::Control& control : ui::frmcal::kDescription.controls) {
      const QRect pixels = std::holds_alternative<Box>(control.geometry)
                               ? ToPixels(std::get<Box>(control.geometry))
                               : ToPixels(std::get<Segment>(control.geometry)).bounds;
      QTest::newRow(qPrintable(NameOf(control))) << NameOf(control) << pixels;
    }
  }
  void EveryControlStandsAtItsBox() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QWidget* widget = Control(window_, name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget(), window_->centralWidget());
    QCOMPARE(widget->geometry(), pixels);
  }

  void TheControlsStackFrontToBack() {
    // Qt lists siblings back to front: the reverse of the description's rows.
    QStringList rows;
    for (const runtime::Control& control : ui::frmcal::kDescription.controls) {
      rows.prepend(NameOf(control));
    }
    QStringList stacked;
    for (QObject* child : window_->centralWidget()->children()) {
      if (child->isWidgetType()) {
        stacked << child->objectName();
      }
    }
    QCOMPARE(stacked, rows);
  }

  void LabelsFrameAndLinesHaveTheirColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("lblans text white")
        << "lblans" << int{QPalette::WindowText} << QColor(Qt::white);
    QTest::newRow("lblans on dark grey") << "lblans" << int{QPalette::Window} << kDarkGrey;
    QTest::newRow("LblSpc text white")
        << "LblSpc" << int{QPalette::WindowText} << QColor(Qt::white);
    QTest::newRow("LblSpc on dark grey") << "LblSpc" << int{QPalette::Window} << kDarkGrey;
    QTest::newRow("Frame1 caption light grey")
        << "Frame1" << int{QPalette::WindowText} << QColor(0xE0, 0xE0, 0xE0);
    QTest::newRow("Frame1 on dark grey") << "Frame1" << int{QPalette::Window} << kDarkGrey;
  }
  void LabelsFrameAndLinesHaveTheirColours() {
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    QCOMPARE(Control(window_, name)->palette().color(static_cast<QPalette::ColorRole>(role)),
             colour);
  }

  void ButtonsAndTheEntryKeepThePlatformColours_data() {
    QTest::addColumn<QString>("name");
    for (const runtime::Control& control : ui::frmcal::kDescription.controls) {
      if (control.kind == ControlKind::PushButton || control.kind == ControlKind::TextBox) {
        QTest::newRow(qPrintable(NameOf(control))) << NameOf(control);
      }
    }
  }
  void ButtonsAndTheEntryKeepThePlatformColours() {
    QFETCH(QString, name);
    QWidget* widget = Control(window_, name);
    const QPalette platform = QApplication::palette(widget);
    for (const auto role : {QPalette::Button, QPalette::ButtonText, QPalette::Base, QPalette::Text,
                            QPalette::Window}) {
      QCOMPARE(widget->palette().color(role), platform.color(role));
    }
  }

  void TheScreenShowsTheDisplayBox() {
    const QImage shown = Snapshot(window_);
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) {
      auto* widget = Control<LineWidget>(window_, line);
      QVERIFY(widget != nullptr);
      QCOMPARE(widget->Colour(), highlight);
      const QRect box = widget->geometry();
      QCOMPARE(shown.pixelColor(box.topLeft()), highlight);
      QCOMPARE(shown.pixelColor(box.bottomRight()), highlight);
    }
    // Line4 runs over the right end of LblSpc, which lies over lblans' right end.
    QCOMPARE(shown.pixelColor(400, 90), highlight);
    QCOMPARE(shown.pixelColor(399, 90), kDarkGrey);
    // Inside the display box both labels fill their boxes with dark grey.
    QCOMPARE(shown.pixelColor(30, 80), kDarkGrey);
    QCOMPARE(shown.pixelColor(370, 80), kDarkGrey);
  }

  void EveryControlHasItsFont_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    for (const runtime::Control& control : ui::frmcal::kDescription.controls) {
      if (control.kind == ControlKind::Line) {
        continue;
      }
      const Font font = control.font.value_or(ui::frmcal::kDescription.properties.font);
      QTest::newRow(qPrintable(NameOf(control)))
          << NameOf(control) << ToQString(font.face) << font.points;
    }
  }
  void EveryControlHasItsFont() {
    QFETCH(QString, name);
    QFETCH(QString, face);
    QFETCH(double, points);
    const QFont font = Control(window_, name)->font();
    QCOMPARE(font.family(), face);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.weight(), QFont::Normal);
    // As shown, in whichever face stands in for the described one.
    QCOMPARE(QFontInfo(font).pointSizeF(), points);
    QVERIFY(!QFontInfo(font).bold());
  }

  void HoveringPowerShowsItsTip() {
    QWidget* power = Control(window_, "cmdsq");
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), power->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(power, &hover);
    QTRY_COMPARE(QToolTip::text(), QString("First enter the number.Then enter the power."));
    QToolTip::hideText();
  }

  void MenusShowTheirShortcuts_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("File > Exit") << "mnexit"
                                 << "Exit"
                                 << "Ctrl+Q";
    QTest::newRow("Edit > Clear") << "mnclear"
                                  << "Clear"
                                  << "Ctrl+C";
    QTest::newRow("Help > Help me") << "mnhelpme"
                                    << "Help me"
                                    << "F1";
    QTest::newRow("Help > About") << "mnabout"
                                  << "About"
                                  << "F2";
  }
  void MenusShowTheirShortcuts() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    auto* action = window_->findChild<QAction*>(item);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
  }

  // Calculating.

  void TheClickRoad_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("focus");
    QTest::newRow("12 +") << "12 +" << QStringList{"", "12", ""} << "cmdsum";
    QTest::newRow("30 + 12 +") << "30 + 12 +" << QStringList{"", "42", ""} << "cmdsum";
    QTest::newRow("1.5 + 2.25 +") << "1.5 + 2.25 +" << QStringList{"", "3.75", ""} << "cmdsum";
    QTest::newRow("20 + 5 %") << "20 + 5 %" << QStringList{"5", "400", "%"} << "Cmdpersen";
    QTest::newRow("12 - 5 - 7 - 3 *") << "12 - 5 - 7 - 3 *" << QStringList{"", "3", ""} << "cmdmul";
    QTest::newRow("2 x^(Power) 10 x^(Power)")
        << "2 x^(Power) 10 x^(Power)" << QStringList{"", "1024", ""} << "cmdsq";
    QTest::newRow("3 + 7 Square") << "3 + 7 Square" << QStringList{"", "9", ""} << "cmdSqu";
    QTest::newRow("5 cube") << "5 cube" << QStringList{"", "125", ""} << "cmdcube";
    QTest::newRow("20 + 5 / then Clear") << "20 + 5 / Clear" << QStringList{"", "", ""} << "cmdclr";
  }
  void TheClickRoad() {
    QFETCH(QString, steps);
    QFETCH(QStringList, texts);
    QFETCH(QString, focus);
    Perform(steps);
    QCOMPARE(Texts(), texts);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
  }

  void DigitsTypedAfterAClickDoNotReachTheEntry() {
    Perform("12 +");
    QTest::keyClicks(QApplication::focusWidget(), "34");
    QCOMPARE(Texts(), (QStringList{"", "12", ""}));
  }

  void EnterAndEscInTheEntryPressNothing_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int{Qt::Key_Return};
    QTest::newRow("keypad Enter") << int{Qt::Key_Enter};
    QTest::newRow("Esc") << int{Qt::Key_Escape};
  }
  void EnterAndEscInTheEntryPressNothing() {
    QFETCH(int, key);
    Perform("30 + 12");
    MessageBoxCloser closer;
    QTest::keyClick(Entry(), static_cast<Qt::Key>(key));
    QCOMPARE(Texts(), (QStringList{"12", "30", ""}));
    QCOMPARE(QApplication::focusWidget(), Entry());
    QCOMPARE(closer.Seen(), 0);
  }

  void AnyTypedCharactersArrive_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters and spaces") << "twelve and a half";
    QTest::newRow("signs and punctuation") << "-1.5e3, (x) & 100%";
    QTest::newRow("accented letters") << QString::fromUtf8("dreißig Grüße");
    QTest::newRow("Chinese and emoji") << QString::fromUtf8("三十 🙂");
  }
  void AnyTypedCharactersArrive() {
    QFETCH(QString, typed);
    QTest::mouseClick(Entry(), Qt::LeftButton);
    // One key event per character, as an input method delivers text.
    for (const char32_t character : typed.toUcs4()) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                      QString::fromUcs4(&character, 1));
      QApplication::sendEvent(Entry(), &press);
    }
    QCOMPARE(Entry()->text(), typed);
    Press("+");
    QCOMPARE(Entry()->text(), QString());
    QVERIFY(!Answer()->text().isEmpty());
  }

  void ALongPasteArrivesWholeAndComputes() {
    // 100,000 characters that read as 12 only when none is lost.
    const QString pasted = QString(99998, QChar('0')) + "12";
    QApplication::clipboard()->setText(pasted);
    QTest::mouseClick(Entry(), Qt::LeftButton);
    QTest::keyClick(Entry(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Entry()->text().size(), 100000);
    QCOMPARE(Entry()->text(), pasted);
    Press("+");
    QCOMPARE(Texts(), (QStringList{"", "12", ""}));
  }

  void CtrlCOverASelectionClearsAndCopiesNothing() {
    QApplication::clipboard()->setText("left alone");
    Perform("20 + 5 % 77");
    Entry()->selectAll();
    QVERIFY(Entry()->hasSelectedText());
    QTest::keyClick(Entry(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Texts(), (QStringList{"", "", ""}));
    QCOMPARE(QApplication::clipboard()->text(), QString("left alone"));
  }

  void ClearEmptiesEverything_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("the Clear button") << "button";
    QTest::newRow("Edit > Clear by mouse") << "menu";
    QTest::newRow("Ctrl+C on a button") << "shortcut";
  }
  void ClearEmptiesEverything() {
    QFETCH(QString, way);
    Perform("20 + 5 %");
    QCOMPARE(Texts(), (QStringList{"5", "400", "%"}));
    if (way == "button") {
      Press("Clear");
    } else if (way == "menu") {
      ChooseMenuItem(window_, "mnedit", "mnclear");
    } else {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    }
    QCOMPARE(Texts(), (QStringList{"", "", ""}));
  }

  void HelpMeDoesNothing_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("F1") << false;
    QTest::newRow("Help > Help me by mouse") << true;
  }
  void HelpMeDoesNothing() {
    QFETCH(bool, byMenu);
    Perform("30 + 12");
    MessageBoxCloser closer;
    if (byMenu) {
      ChooseMenuItem(window_, "mnhelp", "mnhelpme");
    } else {
      QTest::keyClick(Entry(), Qt::Key_F1);
    }
    QCOMPARE(Texts(), (QStringList{"12", "30", ""}));
    QCOMPARE(CountWindows("Form1"), 0);
    QCOMPARE(closer.Seen(), 0);
    QCOMPARE(QApplication::activeWindow(), window_);
  }

  void AboutTwiceShowsOneAboutWindow_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("F2 twice") << false;
    QTest::newRow("Help > About twice by mouse") << true;
  }
  void AboutTwiceShowsOneAboutWindow() {
    QFETCH(bool, byMenu);
    for (int time = 0; time < 2; ++time) {
      Activate(window_);
      if (byMenu) {
        ChooseMenuItem(window_, "mnhelp", "mnabout");
      } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
      }
      QCOMPARE(CountWindows("Form1"), 1);
      QTRY_VERIFY(FindWindow("Form1")->isVisible());
    }
    QVERIFY(window_->isVisible());
  }

  void ShortcutsRestWhileTheAboutWindowIsActive() {
    Perform("30 + 12");
    QTest::keyClick(Entry(), Qt::Key_F2);
    QMainWindow* about = FindWindow("Form1");
    QVERIFY(about != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(Texts(), (QStringList{"12", "30", ""}));
    QVERIFY(window_->isVisible());
  }

  void TabRunsRoundTheWholeCycle_data() {
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QStringList>("visits");
    const QStringList forwards = {"cmdclr", "cmddiv",  "cmdmul", "cmdsub",    "cmdsum",
                                  "cmdSqu", "cmdcube", "cmdsq",  "Cmdpersen", "txtnum"};
    QStringList backwards;
    for (auto name = forwards.rbegin() + 1; name != forwards.rend(); ++name) {
      backwards << *name;
    }
    backwards << "txtnum";
    QTest::newRow("Tab from txtnum") << int{Qt::NoModifier} << forwards;
    QTest::newRow("Shift+Tab from txtnum") << int{Qt::ShiftModifier} << backwards;
  }
  void TabRunsRoundTheWholeCycle() {
    QFETCH(int, modifier);
    QFETCH(QStringList, visits);
    QCOMPARE(TabVisits(visits.size(), static_cast<Qt::KeyboardModifiers>(modifier)), visits);
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
    QTRY_COMPARE(QApplication::activePopupWidget(), window_->findChild<QMenu*>("mnfile"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(Texts(), (QStringList{"", "", ""}));
  }

  void SpaceOrEnterPressesTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Space on +") << int{Qt::Key_Space};
    QTest::newRow("Enter on +") << int{Qt::Key_Return};
  }
  void SpaceOrEnterPressesTheFocusedButton() {
    QFETCH(int, key);
    Type("12");
    QWidget* sum = Control(window_, "cmdsum");
    sum->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sum, static_cast<Qt::Key>(key));
    QCOMPARE(Texts(), (QStringList{"", "12", ""}));
  }

  void MaximisingMovesNothing() {
    QMap<QString, QRect> before;
    for (QWidget* child :
         window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      before[child->objectName()] = child->geometry();
    }
    window_->showMaximized();
    QTRY_VERIFY(window_->centralWidget()->width() > 447);
    for (QWidget* child :
         window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      QCOMPARE(child->geometry(), before.value(child->objectName()));
    }
    const QImage shown = Snapshot(window_);
    QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), kDarkGrey);
    QCOMPARE(shown.pixelColor(460, 20), kDarkGrey);
  }

  void AFaultShowsAMessageAndKeepsTheTexts_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("20 / 0") << "20 + 0 /"
                            << "Division by zero" << QStringList{"0", "20", ""};
    QTest::newRow("% with nothing typed and no result")
        << "%"
        << "Invalid operation" << QStringList{"", "", ""};
    QTest::newRow("1e200 Square") << "1e200 Square"
                                  << "Overflow" << QStringList{"1e200", "", ""};
  }
  void AFaultShowsAMessageAndKeepsTheTexts() {
    QFETCH(QString, steps);
    QFETCH(QString, fault);
    QFETCH(QStringList, texts);
    MessageBoxCloser closer;
    Perform(steps);
    QCOMPARE(closer.Seen(), 1);
    QCOMPARE(closer.Title(), QString("Pellomar"));
    QVERIFY2(closer.Text().contains(fault), qPrintable(closer.Text()));
    QCOMPARE(Texts(), texts);
    // The calculator goes on.
    Perform("Clear 7 +");
    QCOMPARE(Texts(), (QStringList{"", "7", ""}));
  }

  // Accessibility.

  void AssistiveToolsFindAndPressTheButtons_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("6 then press +") << "+" << QStringList{"", "6", ""};
    QTest::newRow("6 then press -") << "-" << QStringList{"", "6", ""};
    QTest::newRow("6 then press *") << "*" << QStringList{"", "6", ""};
    QTest::newRow("6 then press /") << "/" << QStringList{"", "6", ""};
    QTest::newRow("6 then press %") << "%" << QStringList{"6", "0", "%"};
    QTest::newRow("6 then press x^(Power)") << "x^(Power)" << QStringList{"", "6", ""};
    QTest::newRow("6 then press Square") << "Square" << QStringList{"", "36", ""};
    QTest::newRow("6 then press cube") << "cube" << QStringList{"", "216", ""};
    QTest::newRow("6 then press Clear") << "Clear" << QStringList{"", "", ""};
  }
  void AssistiveToolsFindAndPressTheButtons() {
    QFETCH(QString, caption);
    QFETCH(QStringList, texts);
    QAccessibleInterface* button = FindAccessible(QAccessible::queryAccessibleInterface(window_),
                                                  QAccessible::Button, caption);
    QVERIFY(button != nullptr);
    QCOMPARE(button->object()->objectName(), kButtons.at(caption));
    Type("6");
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press shows as a short animation, then the click follows.
    QTRY_COMPARE(Texts(), texts);
  }

  void AssistiveToolsReadTheTexts() {
    Perform("20 + 5 %");
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window_);
    // The entry by a name that is not its text, read through its value.
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(Entry());
    QVERIFY(!entry->text(QAccessible::Name).isEmpty());
    QVERIFY(entry->text(QAccessible::Name) != QString("5"));
    QCOMPARE(FindAccessible(root, QAccessible::EditableText, entry->text(QAccessible::Name)),
             entry);
    QCOMPARE(entry->text(QAccessible::Value), QString("5"));
    // The running result and the marker by their roles, their texts read as descriptions.
    QAccessibleInterface* result = FindAccessible(root, QAccessible::StaticText, "Result");
    QVERIFY(result != nullptr);
    QCOMPARE(result->text(QAccessible::Description), QString("400"));
    QAccessibleInterface* marker = FindAccessible(root, QAccessible::StaticText, "Marker");
    QVERIFY(marker != nullptr);
    QCOMPARE(marker->text(QAccessible::Description), QString("%"));
  }

  // Ending.

  void CtrlQEndsTheProgramWithEveryWindow() {
    QTest::keyClick(Entry(), Qt::Key_F2);
    QVERIFY(FindWindow("Form1")->isVisible());
    Activate(window_);
    QTimer::singleShot(
        0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(forms_->Run(), 0);
    QVERIFY(!window_->isVisible());
    QVERIFY(!FindWindow("Form1")->isVisible());
  }

  void ClosingTheCalculatorLeavesTheAboutWindowShown() {
    QTest::keyClick(Entry(), Qt::Key_F2);
    QMainWindow* about = FindWindow("Form1");
    QVERIFY(about->isVisible());
    QVERIFY(window_->close());
    QVERIFY(about->isVisible());
  }

  // What a user sees, for a person to look at.

  void ScreenshotOfTheWindow() {
    Perform("30 + 12 +");
    Type("7");
    const QString path = QDir(PELLOMAR_TEST_OUTPUT_DIR).filePath("frmcal.png");
    QVERIFY(window_->grab().save(path));
  }
};

}  // namespace runtime::qt

QTEST_MAIN(runtime::qt::FrmcalWindowTest)
#include "frmcal_window_test.moc"
