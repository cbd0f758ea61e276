// The behaviour table on the Qt back end, in-process on the offscreen platform: steps become
// real mouse and key events through QTest and assistive tools' calls through QAccessible;
// the state is read from the widgets, the focus and the accessibility tree.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <memory>

#include "app/project.h"
#include "app/window_registry.h"
#include "runtime/forms/checked_calls.h"
#include "runtime/qt/announcer.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/qt/window_test_support.h"
#include "tests/behaviour/driver.h"
#include "ui/catalogue.h"

namespace tests::behaviour {
namespace {

using runtime::qt::testing::CountWindows;
using runtime::qt::testing::FindWindow;
using runtime::qt::testing::kWaitMs;

// How long the program runs on after a step, for the platform's events the step caused.
constexpr int kSettleMs = 10;
// How long the program is let run on to see whether it ends by itself.
constexpr int kEndWithinMs = 300;
// The event loop's exit code once a step is done, which the program never gives.
constexpr int kStepDone = 1000;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QString& text) {
  return text.toStdString();
}

struct KeyChord {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

KeyChord ChordOf(Key key) {
  constexpr std::pair<Key, KeyChord> kChords[] = {
      {Key::Tab, {Qt::Key_Tab, Qt::NoModifier}},
      {Key::ShiftTab, {Qt::Key_Tab, Qt::ShiftModifier}},
      {Key::Enter, {Qt::Key_Return, Qt::NoModifier}},
      {Key::KeypadEnter, {Qt::Key_Enter, Qt::KeypadModifier}},
      {Key::Space, {Qt::Key_Space, Qt::NoModifier}},
      {Key::Esc, {Qt::Key_Escape, Qt::NoModifier}},
      {Key::Left, {Qt::Key_Left, Qt::NoModifier}},
      {Key::Right, {Qt::Key_Right, Qt::NoModifier}},
      {Key::Up, {Qt::Key_Up, Qt::NoModifier}},
      {Key::Down, {Qt::Key_Down, Qt::NoModifier}},
      {Key::F1, {Qt::Key_F1, Qt::NoModifier}},
      {Key::F2, {Qt::Key_F2, Qt::NoModifier}},
      {Key::CtrlC, {Qt::Key_C, Qt::ControlModifier}},
      {Key::CtrlQ, {Qt::Key_Q, Qt::ControlModifier}}};
  return Translate(kChords, key, KeyChord{Qt::Key_unknown, Qt::NoModifier});
}

// Qt places widgets in pixels of a 96 dpi screen and scales them by the screen's device pixel
// ratio as it paints: on a 144 dpi screen (ratio 1.5) an edge lands where its 96 dpi place,
// scaled, rounds to.
int DevicePixels(int logical, qreal ratio) {
  return qRound(logical * ratio);
}

Rect DeviceRect(const QRect& logical, qreal ratio) {
  const int left = DevicePixels(logical.x(), ratio);
  const int top = DevicePixels(logical.y(), ratio);
  return {left, top, DevicePixels(logical.x() + logical.width(), ratio) - left,
          DevicePixels(logical.y() + logical.height(), ratio) - top};
}

// The control's widget; a failed check when the window or control is not there.
QWidget* WidgetOf(std::string_view window, std::string_view control) {
  QWidget* widget = runtime::qt::testing::ControlWidget(FindWindow(Q(window)), Q(control));
  EXPECT_NE(widget, nullptr) << window << "." << control;
  return widget;
}

// The control's object in the accessibility tree; a failed check when it has none.
QAccessibleInterface* AccessibleOf(std::string_view window, std::string_view control) {
  QAccessibleInterface* accessible =
      QAccessible::queryAccessibleInterface(WidgetOf(window, control));
  EXPECT_NE(accessible, nullptr) << "no accessible object for " << window << "." << control;
  return accessible;
}

// Brings the window to the front and waits until it has the keyboard.
void Activate(QWidget* window) {
  EXPECT_TRUE(runtime::qt::testing::Activate(window)) << S(window->objectName());
}

// The key events go where the keyboard goes: the focused control, else the active window.
QWidget* KeyboardTarget() {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : QApplication::activeWindow();
}

// Types the text one character at a time, as the keyboard or an input method delivers it.
void TypeInto(QWidget* target, std::string_view text) {
  for (const char32_t character : Q(text).toUcs4()) {
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                        Qt::NoModifier);
  }
}

class QtDriver final : public Driver {
 public:
  QtDriver() {
    // Notes each message box a step brings up and presses its OK, as a user would; until
    // then the box's own event loop keeps running.
    boxWatch_.setInterval(10);
    QObject::connect(&boxWatch_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        QWidget* owner = box->parentWidget();
        messages_.push_back({S(box->windowTitle()), S(box->text()),
                             owner != nullptr ? S(owner->window()->objectName()) : ""});
        box->accept();
      }
    });
    boxWatch_.start();
    settle_.setSingleShot(true);
    QObject::connect(&settle_, &QTimer::timeout, [] { QCoreApplication::exit(kStepDone); });
  }

  [[nodiscard]] Backend Which() const override { return Backend::Qt; }

  void Start() override {
    // The windows of an earlier program go once their deletion is handled.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    runtime::ShowChecked(registry_.InstanceOf(app::WindowClass::frmcal));
    QMainWindow* calculator = FindWindow("frmcal");
    // The words the calculator gives its screen-reader notification; the offscreen platform
    // has no accessibility bridge to carry them further.
    QObject::connect(calculator->findChild<runtime::qt::Announcer*>(),
                     &runtime::qt::Announcer::Said,
                     [this](const QString& words) { announcements_.push_back(S(words)); });
    Activate(calculator);
  }

  // The step runs inside the program's event loop, as the user's input does; the loop
  // ends once the events the step caused are handled, or with the program.
  void Perform(const Step& step) override {
    ASSERT_FALSE(ended_.has_value()) << "the program has ended";
    QTimer::singleShot(0, &settle_, [this, &step] {
      Give(step);
      settle_.start(kSettleMs);
    });
    const int code = forms_.Run();
    settle_.stop();
    if (code != kStepDone) {
      ended_ = code;
    }
  }

  [[nodiscard]] TextsSeen ReadTexts() override {
    QMainWindow* calculator = FindWindow("frmcal");
    return {S(calculator->findChild<QLineEdit*>("txtnum")->text()),
            S(calculator->findChild<QLabel*>("lblans")->text()),
            S(calculator->findChild<QLabel*>("LblSpc")->text())};
  }

  [[nodiscard]] FocusSeen ReadFocus() override {
    QWidget* active = QApplication::activeWindow();
    QWidget* focus = QApplication::focusWidget();
    if (active == nullptr) {
      return {};
    }
    return {S(active->objectName()),
            focus != nullptr && focus != active ? S(focus->objectName()) : ""};
  }

  [[nodiscard]] WindowSeen ReadWindow(std::string_view window) override {
    const QMainWindow* found = FindWindow(Q(window));
    return {CountWindows(Q(window)), found != nullptr && found->isVisible()};
  }

  [[nodiscard]] std::vector<MessageSeen> ReadMessages() override { return messages_; }

  [[nodiscard]] std::vector<std::string> ReadAnnouncements() override { return announcements_; }

  // Lets the program's event loop run on, as the program does, until it ends or has had time
  // to.
  [[nodiscard]] int ReadProcess() override {
    if (!ended_) {
      QTimer giveUp;
      giveUp.setSingleShot(true);
      QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(kRunning); });
      giveUp.start(kEndWithinMs);
      ended_ = forms_.Run();
    }
    return *ended_;
  }

  [[nodiscard]] int Dpi() override {
    return qRound(FindWindow("frmcal")->devicePixelRatioF() * 96);
  }

  [[nodiscard]] FrameSeen ReadFrame(std::string_view window) override {
    QMainWindow* found = FindWindow(Q(window));
    const Qt::WindowFlags flags = found->windowFlags();
    const qreal ratio = found->devicePixelRatioF();
    const QWidget* client = found->centralWidget();
    const Rect onScreen =
        DeviceRect(QRect(client->mapToGlobal(QPoint(0, 0)), client->size()), ratio);
    FrameSeen frame{S(found->windowTitle()),
                    {onScreen.width, onScreen.height},
                    {onScreen.left, onScreen.top},
                    found->minimumSize() != found->maximumSize() &&
                        flags.testFlag(Qt::WindowMinimizeButtonHint) &&
                        flags.testFlag(Qt::WindowMaximizeButtonHint),
                    found->menuWidget() != nullptr,
                    {}};
    // Qt lists siblings from the back to the front.
    for (QObject* child : found->centralWidget()->children()) {
      if (child->isWidgetType()) {
        frame.stacking.insert(frame.stacking.begin(), S(child->objectName()));
      }
    }
    return frame;
  }

  [[nodiscard]] std::optional<Rect> ReadRect(std::string_view window,
                                             std::string_view control) override {
    const QWidget* widget = WidgetOf(window, control);
    if (widget == nullptr) {
      return std::nullopt;
    }
    return DeviceRect(widget->geometry(), widget->devicePixelRatioF());
  }

  [[nodiscard]] std::string ReadAccessibleName(std::string_view window,
                                               std::string_view control) override {
    QAccessibleInterface* accessible = AccessibleOf(window, control);
    return accessible == nullptr ? "" : S(accessible->text(QAccessible::Name));
  }

  [[nodiscard]] Role ReadAccessibleRole(std::string_view window,
                                        std::string_view control) override {
    constexpr std::pair<QAccessible::Role, Role> kRoles[] = {
        {QAccessible::Button, Role::PushButton},     {QAccessible::EditableText, Role::Text},
        {QAccessible::StaticText, Role::StaticText}, {QAccessible::Grouping, Role::Grouping},
        {QAccessible::Separator, Role::Separator},   {QAccessible::Graphic, Role::Graphic}};
    QAccessibleInterface* accessible = AccessibleOf(window, control);
    return Translate(kRoles, accessible == nullptr ? QAccessible::NoRole : accessible->role(),
                     Role::Other);
  }

  [[nodiscard]] std::string ReadAccessibleDescription(std::string_view window,
                                                      std::string_view control) override {
    QAccessibleInterface* accessible = AccessibleOf(window, control);
    return accessible == nullptr ? "" : S(accessible->text(QAccessible::Description));
  }

  [[nodiscard]] std::optional<FontSeen> ReadFont(std::string_view window,
                                                 std::string_view control) override {
    const QWidget* widget = WidgetOf(window, control);
    if (widget == nullptr) {
      return std::nullopt;
    }
    const QFontInfo shown(widget->font());
    return FontSeen{widget->font().family().toStdString(),
                    DevicePixels(shown.pixelSize(), widget->devicePixelRatioF()), shown.bold(),
                    shown.italic() || shown.underline() || shown.strikeOut()};
  }

  [[nodiscard]] std::vector<MenuSeen> ReadMenu() override {
    std::vector<MenuSeen> items;
    for (QAction* onBar : FindWindow("frmcal")->menuBar()->actions()) {
      QMenu* menu = onBar->menu();
      items.push_back({S(menu->objectName()), S(onBar->text()), ""});
      for (QAction* item : menu->actions()) {
        items.push_back({S(item->objectName()), S(item->text()),
                         S(item->shortcut().toString(QKeySequence::PortableText))});
      }
    }
    return items;
  }

  // Rests the mouse on the control until the tooltip shows.
  [[nodiscard]] std::string ReadTooltip(std::string_view window,
                                        std::string_view control) override {
    QWidget* widget = WidgetOf(window, control);
    Activate(widget->window());
    QTest::mouseMove(widget);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, kWaitMs));
    return S(QToolTip::text());
  }

 private:
  // Turns the step into its input: mouse and keys through QTest, assistive tools' calls
  // through QAccessible.
  void Give(const Step& step) {
    QMainWindow* window = FindWindow(Q(step.window));
    ASSERT_NE(window, nullptr) << step.window;
    switch (step.kind) {
      case Step::Kind::Type:
        if (QWidget* widget = WidgetOf(step.window, step.control)) {
          QTest::mouseClick(widget, Qt::LeftButton);
          TypeInto(widget, step.text);
        }
        return;
      case Step::Kind::TypeHere:
        TypeInto(KeyboardTarget(), step.text);
        return;
      case Step::Kind::Click:
        if (auto* item = window->findChild<QAction*>(Q(step.control))) {
          Activate(window);
          EXPECT_TRUE(runtime::qt::testing::ChooseMenuItem(window, item)) << step.control;
        } else if (QWidget* widget = WidgetOf(step.window, step.control)) {
          QTest::mouseClick(widget, Qt::LeftButton);
        }
        return;
      case Step::Kind::Press: {
        Activate(window);
        const KeyChord chord = ChordOf(step.key);
        QTest::keyClick(KeyboardTarget(), chord.key, chord.modifiers);
        return;
      }
      case Step::Kind::SelectAll:
        if (QWidget* widget = WidgetOf(step.window, step.control)) {
          QTest::mouseClick(widget, Qt::LeftButton);
          QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        }
        return;
      case Step::Kind::Close:
        // What the frame's close box asks of the window.
        window->close();
        return;
      case Step::Kind::ToolSetText:
        if (QAccessibleInterface* tool = AccessibleOf(step.window, step.control)) {
          tool->setText(QAccessible::Value, Q(step.text));
        }
        return;
      case Step::Kind::ToolPress:
        if (QAccessibleInterface* tool = AccessibleOf(step.window, step.control)) {
          ASSERT_NE(tool->actionInterface(), nullptr);
          tool->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
          // A tool's press animates the button and clicks it once the animation is over.
          auto* button = qobject_cast<QAbstractButton*>(WidgetOf(step.window, step.control));
          EXPECT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }, kWaitMs));
        }
        return;
    }
  }

  runtime::qt::QtForms forms_{app::kProject};
  app::WindowRegistry registry_{forms_, ui::WindowClasses()};
  QTimer boxWatch_;
  QTimer settle_;  // ends the event loop once a step's events are handled
  std::vector<MessageSeen> messages_;
  std::vector<std::string> announcements_;
  std::optional<int> ended_;  // the exit code once the program has ended
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() {
  return std::make_unique<QtDriver>();
}

}  // namespace tests::behaviour

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  runtime::qt::testing::QuietOffscreenNotes();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
