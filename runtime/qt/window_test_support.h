// Helpers of the window tests: finding our windows and controls by name, the user's Tab
// presses and menu choices, reading pixels, and closing the message boxes a test provokes.
#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <string_view>

namespace runtime::qt::testing {

// Drops the offscreen platform's notes that it cannot raise windows or pass on size hints,
// which every shown window would otherwise add to the test output. Call once per test run.
inline void QuietOffscreenNotes() {
  static QtMessageHandler passOn = nullptr;
  passOn = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtWarningMsg && message.startsWith("This plugin does not support")) {
          return;
        }
        passOn(type, context, message);
      });
}

// The top-level window named after its window class, or nullptr.
inline QMainWindow* FindWindow(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) {
      return qobject_cast<QMainWindow*>(widget);
    }
  }
  return nullptr;
}

inline int CountWindows(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    count += widget->objectName() == name ? 1 : 0;
  }
  return count;
}

// The widget of a control, by its control name.
template <typename Widget = QWidget>
Widget* ControlWidget(QMainWindow* window, const QString& name) {
  return window == nullptr ? nullptr : window->findChild<Widget*>(name);
}

// How long a window or menu may take to come up on the offscreen platform of a loaded machine.
inline constexpr int kWaitMs = 5000;

// Brings a window to the front and waits until it has the keyboard; whether it got it.
[[nodiscard]] inline bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window, kWaitMs);
}

// Presses Tab (with `modifiers`, say Shift) `presses` times on the focused control; the
// controls the focus moved to, by name, in order.
[[nodiscard]] inline QStringList TabVisits(qsizetype presses,
                                           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QStringList visited;
  for (qsizetype press = 0; press < presses; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    visited << QApplication::focusWidget()->objectName();
  }
  return visited;
}

// A menu item chosen with the mouse: the menu on the window's bar that holds it, then the
// item; whether the item was there to choose.
[[nodiscard]] inline bool ChooseMenuItem(QMainWindow* window, QAction* item) {
  for (auto* menu : window->findChildren<QMenu*>()) {
    if (menu->actions().contains(item)) {
      QMenuBar* bar = window->menuBar();
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
      if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, kWaitMs)) {
        return false;
      }
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
      return true;
    }
  }
  return false;
}

// What the client area shows, one image pixel per logical pixel.
inline QImage Snapshot(QMainWindow* window) {
  return window->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Watches for the message box a step provokes, notes its title and text and presses its OK,
// as a user would. Until then the step's nested event loop keeps running.
class MessageBoxCloser {
 public:
  MessageBoxCloser() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++seen_;
        title_ = box->windowTitle();
        text_ = box->text();
        box->accept();
      }
    });
    timer_.start();
  }

  [[nodiscard]] int Seen() const { return seen_; }
  [[nodiscard]] const QString& Title() const { return title_; }
  [[nodiscard]] const QString& Text() const { return text_; }

 private:
  QTimer timer_;
  int seen_ = 0;
  QString title_;
  QString text_;
};

}  // namespace runtime::qt::testing
