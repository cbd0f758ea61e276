// The back end on windows of our own making: how each kind of control shows, the keys a
// window answers, its frame and place, showing and hiding, texts, clicks, errors, the end.
#include <QAccessible>
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "runtime/forms/checked_calls.h"
#include "runtime/forms/runtime_error.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/geometry.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/qt/window_test_support.h"

namespace runtime::qt {
namespace {

using testing::Control;
using testing::FindWindow;
using testing::MessageBoxCloser;
using testing::Snapshot;
using testing::TabVisits;
using enum ControlKind;

constexpr Project kProject{"Testbed", "A window to try the back end on.", ""};
constexpr Font kSmall{"MS Sans Serif", 8.25, kRegular};
constexpr Font kPhoneFont{"Tahoma", 18, kBold};
constexpr Font kHeadingFont{"Tahoma", 27.75, kBold};
constexpr Rgb kDarkGrey{0x404040};
constexpr Rgb kGreen{0x008000};
constexpr Rgb kRed{0xFF0000};
constexpr Rgb kWhite{0xFFFFFF};

constexpr PlatformColour kPlatform{};
using enum Alignment;
using enum Sizing;
using enum Backdrop;
using enum ButtonRole;

// An entry and three buttons; their rows run in another order than their tab indexes.
// clang-format off
constexpr auto kKeyControls = std::to_array<runtime::Control>({
  // kind      name     caption  geometry (twips)              tab  font         fore       back       align sizing    backdrop role    tooltip picture accessible name
  {PushButton, "Other", "Other", Box{1500, 1200, 1200,  450},  2,   kWindowFont},
  {PushButton, "Back",  "Back",  Box{2850, 1200, 1200,  450},  3,   kWindowFont, kPlatform, kPlatform, Left, FixedBox, Opaque,  Cancel},
  {PushButton, "Ok",    "OK",    Box{ 150, 1200, 1200,  450},  1,   kWindowFont, kPlatform, kPlatform, Left, FixedBox, Opaque,  Default},
  {TextBox,    "Entry", "",      Box{ 150,  300, 3900,  450},  0,   kWindowFont, kPlatform, kPlatform, Left, FixedBox, Opaque,  None,   {},     {},     "Entry"},
});

constexpr auto kKeyMenu = std::to_array<MenuEntry>({
  {0, "mnedit",   2, "Edit"},
  {1, "mnclear", 21, "Clear", "Ctrl+C"},
  {1, "mnagain", 22, "Again", "F2"},
});
// clang-format on

WindowProperties KeyProperties(std::string_view name, std::optional<Point> start = std::nullopt,
                               Border border = Border::Sizable) {
  return {name, "Keys", 4500, 2400, start, border, kDarkGrey, kSmall, {}};
}

const WindowDescription kKeys{KeyProperties("Keys", Point{1500, 1200}), kKeyControls, kKeyMenu};
const WindowDescription kOtherKeys{KeyProperties("OtherKeys"), kKeyControls, kKeyMenu};
const WindowDescription kNoMenu{KeyProperties("NoMenu"), kKeyControls, {}};
// A fixed dialog frame.
const WindowDescription kFixedDialog{
    KeyProperties("FixedDialog", std::nullopt, Border::FixedDialog), kKeyControls, {}};

// A bitmap whose left half is red and right half blue.
QByteArray HalvesBitmap() {
  QImage image(20, 10, QImage::Format_RGB32);
  image.fill(Qt::blue);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      image.setPixelColor(x, y, Qt::red);
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

// Every kind of display control, front to back, on a dark grey client area of 420 x 260.
struct Display {
  QByteArray bitmap = HalvesBitmap();
  Asset picture{reinterpret_cast<const unsigned char*>(bitmap.constData()),
                static_cast<std::size_t>(bitmap.size())};
  // clang-format off
  std::array<runtime::Control, 9> controls{{
    // kind   name        caption                 geometry (twips)                 tab          font          fore                     back       align   sizing    backdrop     role  tooltip picture  accessible name
    {Line,    "Rule",     "",                     Segment{150, 2700, 2850, 2700},  kNoTabIndex, kWindowFont,  SystemColour::Highlight},
    {Label,   "Phone",    "555-0142",             Box{ 150,  150, 2250,  435},     0,           kPhoneFont,   Rgb{0xC0C0FF},           kPlatform, Left,   AutoSize, Transparent},
    {Label,   "Heading",  "Pellomar Cooperation", Box{ 150,  750, 4200, 1755},     1,           kHeadingFont, Rgb{0x81AFE9},           kPlatform, Centre, FixedBox, Transparent},
    {Label,   "Word",     "Supercalifragilistic", Box{4500,  150,  900, 1500},     2,           kPhoneFont,   kWhite,                  kPlatform, Left,   FixedBox, Transparent},
    {Label,   "Over",     "x",                    Box{3000, 2550, 1500,  435},     3,           kSmall,       kWhite,                  kPlatform, Left,   AutoSize, Transparent},
    {Label,   "Plate",    "42",                   Box{ 150, 2550, 2700,  435},     4,           kSmall,       kWhite,                  kGreen,    Right,  FixedBox, Opaque,      None, {},     {},      "Result"},
    {Label,   "Under",    "",                     Box{3000, 2550, 1500,  435},     5,           kSmall,       kWhite,                  kRed},
    {Picture, "Photo",    "",                     Box{4500, 1800, 1500, 1500},     kNoTabIndex, kWindowFont,  kPlatform,               kPlatform, Left,   FixedBox, Opaque,      None, {},     picture},
    {Frame,   "Backdrop", "Pallete",              Box{  60, 2520, 4560, 1200},     6,           kWindowFont,  Rgb{0xE0E0E0},           kDarkGrey},
  }};
  // clang-format on
  WindowDescription description{
      {"Display", "Display", 6300, 3900, std::nullopt, Border::Sizable, kDarkGrey, kSmall, {}},
      controls,
      {}};
};

struct Click {
  std::string control;
  int index;
  friend bool operator==(const Click&, const Click&) = default;
};

// Ink: any pixel that is not the given background.
int InkRows(const QImage& image, QRect area, QColor background, int* firstColumn = nullptr,
            int* lastColumn = nullptr) {
  int bands = 0;
  bool inBand = false;
  int first = area.right() + 1;
  int last = area.left() - 1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    bool ink = false;
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) != background) {
        ink = true;
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
    bands += ink && !inBand ? 1 : 0;
    inBand = ink;
  }
  if (firstColumn != nullptr) {
    *firstColumn = first;
  }
  if (lastColumn != nullptr) {
    *lastColumn = last;
  }
  return bands;
}

}  // namespace

class FormWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtForms> forms_;
  std::vector<Click> clicks_;
  QString clipboardBefore_;

  std::vector<Binding> Recording(std::initializer_list<std::string_view> controls) {
    std::vector<Binding> bindings;
    for (std::string_view control : controls) {
      bindings.push_back({control, [this, control](const ClickEvent& event) {
                            clicks_.push_back({std::string(control), event.index});
                          }});
    }
    return bindings;
  }

  std::unique_ptr<Window> ShowActive(const WindowDescription& description,
                                     std::vector<Binding> bindings = {}) {
    auto window = forms_->NewWindow(description, std::move(bindings));
    if (window->Show().Failed()) {
      return nullptr;
    }
    QMainWindow* widget = FindWindow(ToQString(description.properties.name));
    if (widget == nullptr || !QTest::qWaitForWindowActive(widget)) {
      return nullptr;
    }
    return window;
  }

  std::unique_ptr<Window> ShowKeys() {
    return ShowActive(kKeys, Recording({"Ok", "Other", "Back", "mnclear", "mnagain"}));
  }

  // A control of the Keys window, or else of the Display window.
  static QWidget* KeysOrDisplayControl(const QString& control) {
    QWidget* widget = Control(FindWindow("Keys"), control);
    return widget != nullptr ? widget : Control(FindWindow("Display"), control);
  }

 private slots:
  void initTestCase() {
    testing::QuietOffscreenNotes();
    clipboardBefore_ = QApplication::clipboard()->text();
  }
  void cleanupTestCase() { QApplication::clipboard()->setText(clipboardBefore_); }

  void init() {
    forms_ = std::make_unique<QtForms>(kProject);
    clicks_.clear();
  }
  void cleanup() { forms_.reset(); }

  // Keys and focus.

  void FocusStartsOnTheLowestTabIndex() {
    auto window = ShowKeys();
    QVERIFY(window);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Entry"));
  }

  void TabFollowsTheTabIndexesRoundTheWindow_data() {
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QStringList>("visits");
    QTest::newRow("Tab five times")
        << int{Qt::NoModifier} << QStringList{"Ok", "Other", "Back", "Entry", "Ok"};
    QTest::newRow("Shift+Tab five times")
        << int{Qt::ShiftModifier} << QStringList{"Back", "Other", "Ok", "Entry", "Back"};
  }
  void TabFollowsTheTabIndexesRoundTheWindow() {
    QFETCH(int, modifier);
    QFETCH(QStringList, visits);
    auto window = ShowKeys();
    QVERIFY(window);
    QCOMPARE(TabVisits(visits.size(), static_cast<Qt::KeyboardModifiers>(modifier)), visits);
  }

  void KeysPressTheRightButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Enter in the entry presses the default button")
        << "Entry" << int{Qt::Key_Return} << "Ok";
    QTest::newRow("keypad Enter in the entry presses the default button")
        << "Entry" << int{Qt::Key_Enter} << "Ok";
    QTest::newRow("Enter on another button presses that one")
        << "Other" << int{Qt::Key_Return} << "Other";
    QTest::newRow("Enter on the default button presses it once")
        << "Ok" << int{Qt::Key_Return} << "Ok";
    QTest::newRow("Space on a button presses it") << "Other" << int{Qt::Key_Space} << "Other";
    QTest::newRow("Esc in the entry presses the cancel button")
        << "Entry" << int{Qt::Key_Escape} << "Back";
  }
  void KeysPressTheRightButton() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    auto window = ShowKeys();
    QVERIFY(window);
    QWidget* target = Control(FindWindow("Keys"), focus);
    target->setFocus();
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QCOMPARE(clicks_, (std::vector<Click>{{pressed.toStdString(), 0}}));
  }

  void EnterWithoutADefaultButtonPressesNothing() {
    // The same controls with neither a default nor a cancel button.
    auto controls = kKeyControls;
    for (auto& control : controls) {
      control.role = ButtonRole::None;
    }
    const WindowDescription plain{KeyProperties("Plain"), controls, kKeyMenu};
    auto window = ShowActive(plain, Recording({"Ok", "Other", "Back"}));
    QVERIFY(window);
    auto* entry = Control<QLineEdit>(FindWindow("Plain"), "Entry");
    QTest::keyClicks(entry, "12");
    QTest::keyClick(entry, Qt::Key_Return);
    QTest::keyClick(entry, Qt::Key_Escape);
    QVERIFY(clicks_.empty());
    QCOMPARE(entry->text(), QString("12"));
    QCOMPARE(QApplication::focusWidget(), entry);
  }

  void AClickedButtonKeepsTheFocus() {
    auto window = ShowKeys();
    QVERIFY(window);
    auto* other = Control<QPushButton>(FindWindow("Keys"), "Other");
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(clicks_, (std::vector<Click>{{"Other", 0}}));
    QCOMPARE(QApplication::focusWidget(), other);
  }

  void MenuShortcutsWinOverTheFocusedControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("index");
    QTest::newRow("Ctrl+C over a selection in the entry")
        << "Entry" << int{Qt::Key_C} << int{Qt::ControlModifier} << "mnclear" << 21;
    QTest::newRow("Ctrl+C on a button")
        << "Other" << int{Qt::Key_C} << int{Qt::ControlModifier} << "mnclear" << 21;
    QTest::newRow("F2 in the entry")
        << "Entry" << int{Qt::Key_F2} << int{Qt::NoModifier} << "mnagain" << 22;
  }
  void MenuShortcutsWinOverTheFocusedControl() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifier);
    QFETCH(QString, item);
    QFETCH(int, index);
    auto window = ShowKeys();
    QVERIFY(window);
    auto* entry = Control<QLineEdit>(FindWindow("Keys"), "Entry");
    entry->setText("123");
    entry->selectAll();
    QApplication::clipboard()->setText("kept");
    QWidget* target = Control(FindWindow("Keys"), focus);
    target->setFocus();
    QTest::keyClick(target, static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifier));
    QCOMPARE(clicks_, (std::vector<Click>{{item.toStdString(), index}}));
    QCOMPARE(QApplication::clipboard()->text(), QString("kept"));
  }

  void ShortcutsBelongToTheActiveWindowOnly() {
    auto keys = ShowKeys();
    QVERIFY(keys);
    auto other = ShowActive(kOtherKeys);
    QVERIFY(other);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QVERIFY(clicks_.empty());
  }

  // Frame and place.

  void TheClientAreaHasItsDescribedSize_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("below a menu bar") << "Keys";
    QTest::newRow("without a menu bar") << "NoMenu";
    QTest::newRow("in a fixed dialog frame") << "FixedDialog";
  }
  void TheClientAreaHasItsDescribedSize() {
    QFETCH(QString, name);
    const WindowDescription& description = name == "Keys"     ? kKeys
                                           : name == "NoMenu" ? kNoMenu
                                                              : kFixedDialog;
    auto window = ShowActive(description);
    QVERIFY(window);
    QCOMPARE(FindWindow(name)->centralWidget()->size(), QSize(300, 160));
  }

  void AStartPositionPlacesTheClientArea() {
    auto window = ShowKeys();
    QVERIFY(window);
    QCOMPARE(FindWindow("Keys")->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(100, 80));
  }

  void AFixedDialogCannotBeResizedOrMaximised() {
    auto window = ShowActive(kFixedDialog);
    QVERIFY(window);
    QMainWindow* dialog = FindWindow("FixedDialog");
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(dialog->windowType(), Qt::Window);
  }

  void ASizableWindowMovesNothingWhenMaximised() {
    auto window = ShowKeys();
    QVERIFY(window);
    QMainWindow* keys = FindWindow("Keys");
    QList<QRect> before;
    for (QWidget* child : keys->centralWidget()->findChildren<QWidget*>()) {
      before << child->geometry();
    }
    keys->showMaximized();
    QTRY_VERIFY(keys->centralWidget()->width() > 300);
    QList<QRect> after;
    for (QWidget* child : keys->centralWidget()->findChildren<QWidget*>()) {
      after << child->geometry();
    }
    QCOMPARE(after, before);
    const QImage shown = Snapshot(keys);
    QCOMPARE(shown.pixelColor(shown.width() - 2, shown.height() - 2), QColor(0x40, 0x40, 0x40));
  }

  // Showing and hiding.

  void HideBeforeShowBuildsAnInvisibleWindow() {
    auto window = forms_->NewWindow(kKeys, {});
    QVERIFY(!window->Hide().Failed());
    QMainWindow* keys = FindWindow("Keys");
    QVERIFY(keys != nullptr);
    QVERIFY(!keys->isVisible());
    QVERIFY(!window->SetText("Entry", "kept").Failed());
    QVERIFY(!window->Show().Failed());
    QVERIFY(keys->isVisible());
    QCOMPARE(Control<QLineEdit>(keys, "Entry")->text(), QString("kept"));
  }

  void AWindowClosedByItsCloseBoxComesBackOnShow() {
    auto window = ShowKeys();
    QVERIFY(window);
    QVERIFY(!window->SetText("Entry", "kept").Failed());
    QMainWindow* keys = FindWindow("Keys");
    QVERIFY(keys->close());
    QVERIFY(!keys->isVisible());
    QVERIFY(!window->Show().Failed());
    QVERIFY(keys->isVisible());
    QCOMPARE(FindWindow("Keys"), keys);
    QCOMPARE(testing::CountWindows("Keys"), 1);
    QCOMPARE(Control<QLineEdit>(keys, "Entry")->text(), QString("kept"));
  }

  // Texts.

  void TextsGoInAndOutWhole_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("entry: digits") << "Entry"
                                   << "42";
    QTest::newRow("entry: any characters")
        << "Entry" << QString::fromUtf8("Grüße 漢字 🙂 \t x");
    QTest::newRow("entry: 100,000 characters") << "Entry" << QString(100000, QChar('7'));
    QTest::newRow("label: emptied") << "Plate"
                                    << "";
    QTest::newRow("label: a long result") << "Plate"
                                          << "-1.79769313486232E+308";
  }
  void TextsGoInAndOutWhole() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    Display display;
    const WindowDescription merged{kKeys.properties, kKeyControls, {}};
    auto window = forms_->NewWindow(control == "Entry" ? merged : display.description, {});
    const std::string name = control.toStdString();
    QVERIFY(!window->SetText(name, text.toStdString()).Failed());
    std::string read;
    QVERIFY(!window->GetText(name, read).Failed());
    QCOMPARE(QString::fromStdString(read), text);
  }

  void TextsOfOtherControlsFail_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("a name the window lacks") << "Missing";
    QTest::newRow("a picture") << "Photo";
    QTest::newRow("a frame") << "Backdrop";
    QTest::newRow("a line") << "Rule";
  }
  void TextsOfOtherControlsFail() {
    QFETCH(QString, control);
    Display display;
    auto window = forms_->NewWindow(display.description, {});
    std::string read = "untouched";
    QVERIFY(window->GetText(control.toStdString(), read).Failed());
    QVERIFY(window->SetText(control.toStdString(), "x").Failed());
    QCOMPARE(read, std::string("untouched"));
  }

  // Clicks and errors.

  void ClicksReachTheirHandlersWithTheWindow() {
    Window* clicked = nullptr;
    int index = -1;
    std::vector<Binding> bindings;
    const auto note = [&clicked, &index](const ClickEvent& event) {
      clicked = &event.window;
      index = event.index;
    };
    bindings.push_back({"Other", note});
    bindings.push_back({"mnagain", note});
    auto window = ShowActive(kKeys, std::move(bindings));
    QVERIFY(window);
    QTest::mouseClick(Control(FindWindow("Keys"), "Other"), Qt::LeftButton);
    QCOMPARE(clicked, window.get());
    QCOMPARE(index, 0);
    FindWindow("Keys")->findChild<QAction*>("mnagain")->trigger();
    QCOMPARE(index, 22);
  }

  void AnErrorIsShownAndTheWindowGoesOn() {
    std::vector<Binding> bindings;
    bindings.push_back({"Other", [](const ClickEvent& event) {
                          SetTextChecked(event.window, "Entry", "half");
                          throw RuntimeError(ArithmeticFault{FaultKind::DivisionByZero});
                        }});
    bindings.push_back({"Ok", [this](const ClickEvent&) { clicks_.push_back({"Ok", 0}); }});
    auto window = ShowActive(kKeys, std::move(bindings));
    QVERIFY(window);
    MessageBoxCloser closer;
    QTest::mouseClick(Control(FindWindow("Keys"), "Other"), Qt::LeftButton);
    QCOMPARE(closer.Seen(), 1);
    QCOMPARE(closer.Title(), QString("Testbed"));
    QVERIFY2(closer.Text().contains("Division by zero"), qPrintable(closer.Text()));
    QCOMPARE(Control<QLineEdit>(FindWindow("Keys"), "Entry")->text(), QString("half"));
    QTest::mouseClick(Control(FindWindow("Keys"), "Ok"), Qt::LeftButton);
    QCOMPARE(clicks_, (std::vector<Click>{{"Ok", 0}}));
  }

  // How the controls show.

  void ControlsStandAtTheirBoxes() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    for (const runtime::Control& control : display.controls) {
      const auto* box = std::get_if<Box>(&control.geometry);
      if (box == nullptr || control.sizing == Sizing::AutoSize) {
        continue;
      }
      QCOMPARE(Control(shown, ToQString(control.name))->geometry(), ToPixels(*box));
    }
    QCOMPARE(Control(shown, "Rule")->geometry(), QRect(10, 180, 181, 1));
  }

  void ASelfSizingLabelTakesOneLineOfItsCaption() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    auto* phone = Control<QLabel>(FindWindow("Display"), "Phone");
    const QFontMetrics metrics(phone->font());
    QCOMPARE(phone->pos(), QPoint(10, 10));
    QVERIFY(qAbs(phone->width() - metrics.horizontalAdvance("555-0142")) <= 1);
    QVERIFY(qAbs(phone->height() - metrics.height()) <= 1);
    const int narrow = phone->width();
    QVERIFY(!window->SetText("Phone", "+44 555 0142 extension 9").Failed());
    QCOMPARE(phone->pos(), QPoint(10, 10));
    QVERIFY(phone->width() > narrow);
    QVERIFY(qAbs(phone->height() - metrics.height()) <= 1);
  }

  void AFixedBoxBreaksAtSpacesAndCentresEachLine() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    const QImage image = Snapshot(shown);
    const QRect heading = Control(shown, "Heading")->geometry();
    int first = 0;
    int last = 0;
    QCOMPARE(InkRows(image, heading, QColor(0x40, 0x40, 0x40), &first, &last), 2);
    QVERIFY2(qAbs((first - heading.left()) - (heading.right() - last)) <= 3,
             qPrintable(QString("ink from %1 to %2").arg(first).arg(last)));
  }

  void AWordWiderThanItsBoxIsNotBroken() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    QCOMPARE(InkRows(Snapshot(shown), Control(shown, "Word")->geometry(), QColor(0x40, 0x40, 0x40)),
             1);
  }

  void LabelsPaintTheirBackdropAsDescribed_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("corner");
    QTest::newRow("an opaque label fills its box") << "Plate" << QColor(0, 0x80, 0);
    QTest::newRow("a transparent label shows what lies behind") << "Over" << QColor(0xFF, 0, 0);
    QTest::newRow("a transparent label on the window shows its background")
        << "Phone" << QColor(0x40, 0x40, 0x40);
  }
  void LabelsPaintTheirBackdropAsDescribed() {
    QFETCH(QString, label);
    QFETCH(QColor, corner);
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    const QImage image = Snapshot(shown);
    const QRect box = Control(shown, label)->geometry();
    QCOMPARE(image.pixelColor(box.topLeft()), corner);
    QCOMPARE(image.pixelColor(box.bottomLeft()), corner);
  }

  void TheFrontRowLiesInFront() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    const QImage image = Snapshot(shown);
    // The rule crosses the opaque plate; the plate and the red label lie on the frame.
    QCOMPARE(image.pixelColor(20, 180), QApplication::palette().color(QPalette::Highlight));
    QCOMPARE(image.pixelColor(20, 176), QColor(0, 0x80, 0));
    QCOMPARE(image.pixelColor(290, 190), QColor(0xFF, 0, 0));
  }

  void APictureStretchesToFillItsBox() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    const QImage image = Snapshot(shown);
    const QRect box = Control(shown, "Photo")->geometry();
    QCOMPARE(box, QRect(300, 120, 100, 100));
    QCOMPARE(image.pixelColor(box.topLeft()), QColor(Qt::red));
    QCOMPARE(image.pixelColor(box.left() + 45, box.bottom()), QColor(Qt::red));
    QCOMPARE(image.pixelColor(box.left() + 55, box.top()), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(box.bottomRight()), QColor(Qt::blue));
  }

  void TheFrameShowsItsCaptionInItsColours() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    auto* frame = Control<QGroupBox>(FindWindow("Display"), "Backdrop");
    QCOMPARE(frame->title(), QString("Pallete"));
    QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(frame->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
    // A backdrop only: the controls in front of it are the window's, not its own.
    QVERIFY(frame->findChildren<QWidget*>().isEmpty());
  }

  void OnlyEntriesAndButtonsTakeTheFocus_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("takesFocus");
    QTest::newRow("entry") << "Entry" << true;
    QTest::newRow("push button") << "Ok" << true;
    QTest::newRow("label") << "Plate" << false;
    QTest::newRow("self-sizing label") << "Phone" << false;
    QTest::newRow("picture") << "Photo" << false;
    QTest::newRow("frame") << "Backdrop" << false;
    QTest::newRow("line") << "Rule" << false;
  }
  void OnlyEntriesAndButtonsTakeTheFocus() {
    QFETCH(QString, control);
    QFETCH(bool, takesFocus);
    Display display;
    auto keys = forms_->NewWindow(kKeys, {});
    auto shown = forms_->NewWindow(display.description, {});
    QWidget* widget = KeysOrDisplayControl(control);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->focusPolicy() != Qt::NoFocus, takesFocus);
  }

  void AssistiveToolsFindEveryControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("a button by its caption") << "Ok" << int{QAccessible::Button} << "OK"
                                             << "";
    QTest::newRow("the entry by its accessible name")
        << "Entry" << int{QAccessible::EditableText} << "Entry"
        << "";
    QTest::newRow("a label by its caption") << "Phone" << int{QAccessible::StaticText} << "555-0142"
                                            << "";
    QTest::newRow("a named label, its caption as description")
        << "Plate" << int{QAccessible::StaticText} << "Result"
        << "42";
    QTest::newRow("a line as a separator") << "Rule" << int{QAccessible::Separator} << ""
                                           << "";
    QTest::newRow("a picture as a graphic") << "Photo" << int{QAccessible::Graphic} << ""
                                            << "";
  }
  void AssistiveToolsFindEveryControl() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    Display display;
    auto keys = forms_->NewWindow(kKeys, {});
    auto shown = forms_->NewWindow(display.description, {});
    QWidget* widget = KeysOrDisplayControl(control);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QCOMPARE(int{accessible->role()}, role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
  }

  // The end of the program.

  void ClosingTheLastShownWindowEndsTheProgram() {
    auto hidden = forms_->NewWindow(kOtherKeys, {});
    QVERIFY(!hidden->Hide().Failed());
    auto window = ShowKeys();
    QVERIFY(window);
    QTimer::singleShot(0, [] { FindWindow("Keys")->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(forms_->Run(), 0);
  }

  void HidingTheLastShownWindowEndsTheProgram() {
    auto window = ShowKeys();
    QVERIFY(window);
    QTimer::singleShot(0, [&window] { QVERIFY(!window->Hide().Failed()); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(forms_->Run(), 0);
  }

  void HidingOneOfTwoShownWindowsEndsNothing() {
    auto other = forms_->NewWindow(kOtherKeys, {});
    QVERIFY(!other->Show().Failed());
    auto window = ShowKeys();
    QVERIFY(window);
    QTimer::singleShot(0, [&window] { QVERIFY(!window->Hide().Failed()); });
    QTimer::singleShot(300, [] { QCoreApplication::exit(7); });
    QCOMPARE(forms_->Run(), 7);
    QVERIFY(FindWindow("OtherKeys")->isVisible());
  }

  void EndProgramClosesEveryWindowAndEndsTheLoop() {
    auto other = forms_->NewWindow(kOtherKeys, {});
    QVERIFY(!other->Show().Failed());
    std::vector<Binding> bindings;
    bindings.push_back({"Other", [this](const ClickEvent&) { forms_->EndProgram(); }});
    auto window = ShowActive(kKeys, std::move(bindings));
    QVERIFY(window);
    QTimer::singleShot(
        0, [] { QTest::mouseClick(Control(FindWindow("Keys"), "Other"), Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(forms_->Run(), 0);
    QVERIFY(!FindWindow("Keys")->isVisible());
    QVERIFY(!FindWindow("OtherKeys")->isVisible());
  }
};

}  // namespace runtime::qt

QTEST_MAIN(runtime::qt::FormWindowTest)
#include "form_window_test.moc"
