// Helpers of the window tests: finding our windows and controls by name, the user's Tab
// presses and menu choices, reading pixels and a label's ink, and closing the message boxes a
// test provokes.
#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <string_view>
#include <vector>

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

// A label as the client area shows it, and the client area without it: what lies behind.
struct LabelImages {
  QImage with;
  QImage without;
};

[[nodiscard]] inline LabelImages ShowAndHide(QMainWindow* window, QLabel* label) {
  LabelImages images{Snapshot(window), {}};
  label->hide();
  images.without = Snapshot(window);
  label->show();
  return images;
}

// One band of rows holding ink in an area: its rows and the columns its ink spans.
struct InkBand {
  int top;
  int bottom;
  int left;
  int right;
};

// The bands of rows of `area` in which a label's ink lies, top to bottom: ink is any pixel
// that differs from what lies behind the label.
[[nodiscard]] inline std::vector<InkBand> InkBands(const LabelImages& images, const QRect& area) {
  std::vector<InkBand> bands;
  bool inBand = false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    int left = area.right() + 1;
    int right = area.left() - 1;
    for (int x = area.left(); x <= area.right(); ++x) {
      if (images.with.pixel(x, y) != images.without.pixel(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    const bool ink = right >= left;
    if (ink && !inBand) {
      bands.push_back({y, y, left, right});
    } else if (ink) {
      InkBand& band = bands.back();
      band.bottom = y;
      band.left = std::min(band.left, left);
      band.right = std::max(band.right, right);
    }
    inBand = ink;
  }
  return bands;
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
