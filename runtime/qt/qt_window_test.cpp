// What the Qt window does that the behaviour table cannot reach with the program's own three
// windows: Enter and Esc on a window with a text box beside its default and cancel buttons,
// a closed window's texts, the texts of controls without one, a self-sizing label whose caption
// changes, a word wider than its box, and a frame's own colours.
#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "runtime/qt/appearance.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/qt/window_test_support.h"

namespace runtime::qt {
namespace {

using testing::ControlWidget;
using testing::FindWindow;
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

// clang-format on

const WindowDescription kKeys{
    {"Keys", "Keys", 4500, 2400, std::nullopt, Border::Sizable, kDarkGrey, kSmall, {}},
    kKeyControls,
    {}};

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

}  // namespace

class QtWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtForms> forms_;
  std::vector<Click> clicks_;

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
    return ShowActive(kKeys, Recording({"Ok", "Other", "Back"}));
  }

 private slots:
  void initTestCase() { testing::QuietOffscreenNotes(); }

  void init() {
    forms_ = std::make_unique<QtForms>(kProject);
    clicks_.clear();
  }
  void cleanup() { forms_.reset(); }

  // Enter and Esc as the keyboard rule decides them: the about window, the only one with a
  // default button, has no text box, and no window of the program has a cancel button.

  void KeysPressTheRightButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Enter in the entry presses the default button")
        << "Entry" << int{Qt::Key_Return} << "Ok";
    QTest::newRow("keypad Enter in the entry presses the default button")
        << "Entry" << int{Qt::Key_Enter} << "Ok";
    QTest::newRow("Enter on the default button presses it once")
        << "Ok" << int{Qt::Key_Return} << "Ok";
    QTest::newRow("Esc in the entry presses the cancel button")
        << "Entry" << int{Qt::Key_Escape} << "Back";
  }
  void KeysPressTheRightButton() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    auto window = ShowKeys();
    QVERIFY(window);
    QWidget* target = ControlWidget(FindWindow("Keys"), focus);
    target->setFocus();
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QCOMPARE(clicks_, (std::vector<Click>{{pressed.toStdString(), 0}}));
  }

  // A closed window's texts: the program's windows that can come back never change theirs.

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
    QCOMPARE(ControlWidget<QLineEdit>(keys, "Entry")->text(), QString("kept"));
  }

  // The texts of controls that hold none, which the program's handlers never ask for.

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

  // How the controls show where the program's windows never make them show so.

  void ASelfSizingLabelTakesOneLineOfItsCaption() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    auto* phone = ControlWidget<QLabel>(FindWindow("Display"), "Phone");
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

  void AWordWiderThanItsBoxIsNotBroken() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    QMainWindow* shown = FindWindow("Display");
    auto* word = ControlWidget<QLabel>(shown, "Word");
    QCOMPARE(testing::InkBands(testing::ShowAndHide(shown, word), word->geometry()).size(),
             std::size_t{1});
  }

  void TheFrameShowsItsCaptionInItsColours() {
    Display display;
    auto window = ShowActive(display.description);
    QVERIFY(window);
    auto* frame = ControlWidget<QGroupBox>(FindWindow("Display"), "Backdrop");
    QCOMPARE(frame->title(), QString("Pallete"));
    QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(frame->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
    // A backdrop only: the controls in front of it are the window's, not its own.
    QVERIFY(frame->findChildren<QWidget*>().isEmpty());
  }
};

}  // namespace runtime::qt

QTEST_MAIN(runtime::qt::QtWindowTest)
#include "qt_window_test.moc"
