// The whole program as it runs, for the Qt checks beside the behaviour table: the Qt back
// end, the shell's registry with the window catalogue and the calculator window opened as at
// start-up; the user's ways of reaching the windows; and reading the labels' pixels.
#pragma once

#include <QApplication>
#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QRect>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/project.h"
#include "app/window_registry.h"
#include "runtime/forms/checked_calls.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/qt/window_test_support.h"
#include "ui/catalogue.h"

namespace tests::behaviour::qt {

using runtime::qt::testing::Activate;
using runtime::qt::testing::ChooseMenuItem;
using runtime::qt::testing::ControlWidget;
using runtime::qt::testing::FindWindow;
using runtime::qt::testing::InkBand;
using runtime::qt::testing::InkBands;
using runtime::qt::testing::LabelImages;
using runtime::qt::testing::ShowAndHide;
using runtime::qt::testing::Snapshot;

class ProgramFixture {
 public:
  ProgramFixture() : forms_(app::kProject), registry_(forms_, ui::WindowClasses()) {}

  // Opens the calculator window as start-up does; false if it did not become active.
  [[nodiscard]] bool Start() {
    runtime::ShowChecked(registry_.InstanceOf(app::WindowClass::frmcal));
    QMainWindow* calculator = Calculator();
    return calculator != nullptr && QTest::qWaitForWindowActive(calculator);
  }

  [[nodiscard]] app::WindowRegistry& Registry() { return registry_; }

  [[nodiscard]] static QMainWindow* Calculator() { return FindWindow("frmcal"); }
  [[nodiscard]] static QMainWindow* About() { return FindWindow("Form1"); }
  [[nodiscard]] static QMainWindow* Details() { return FindWindow("Form2"); }

  // Help > About by its shortcut, pressed on the calculator's focused control.
  static void PressF2() {
    QVERIFY(Activate(Calculator()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
  }

  // Help > About with the mouse: the menu on the bar, then its item.
  static void ChooseAboutFromTheMenu() {
    QVERIFY(Activate(Calculator()));
    QVERIFY(ChooseMenuItem(Calculator(), Calculator()->findChild<QAction*>("mnabout")));
  }

  // A click on a control of a shown window, as the user makes it.
  static void Click(QMainWindow* window, const QString& control) {
    QWidget* widget = ControlWidget(window, control);
    if (widget != nullptr) {
      QTest::mouseClick(widget, Qt::LeftButton);
    }
  }

  // The user clicks into the calculator's entry and types.
  static void Type(const QString& text) {
    Click(Calculator(), "txtnum");
    QTest::keyClicks(ControlWidget(Calculator(), "txtnum"), text);
  }

  static void ClickMoreDetails() { Click(About(), "Command1"); }
  static void ClickExit() { Click(About(), "Command2"); }

  // The close box: the platform asks the window to close, as its frame's button does.
  static void CloseByCloseBox(QMainWindow* window) {
    if (window != nullptr) {
      window->close();
    }
  }

 private:
  runtime::qt::QtForms forms_;
  app::WindowRegistry registry_;
};

// Counts how often each top-level window, by name, has been shown since the recorder began.
class ShowRecorder : public QObject {
 public:
  ShowRecorder() { QApplication::instance()->installEventFilter(this); }
  ~ShowRecorder() override { QApplication::instance()->removeEventFilter(this); }
  ShowRecorder(const ShowRecorder&) = delete;
  ShowRecorder& operator=(const ShowRecorder&) = delete;

  [[nodiscard]] int Shown(const QString& window) const { return shown_.value(window); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      ++shown_[watched->objectName()];
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QMap<QString, int> shown_;
};

// Whether `shown` is `ink` laid over `behind` at some coverage, as antialiased glyph edges
// are, rather than a colour of its own such as a filled background.
[[nodiscard]] inline bool IsInkOver(const QColor& shown, const QColor& behind, const QColor& ink) {
  constexpr int kTolerance = 24;
  const int shownChannels[] = {shown.red(), shown.green(), shown.blue()};
  const int behindChannels[] = {behind.red(), behind.green(), behind.blue()};
  const int inkChannels[] = {ink.red(), ink.green(), ink.blue()};
  double coverage = 0;
  double weight = 0;
  for (int c = 0; c < 3; ++c) {
    const int span = inkChannels[c] - behindChannels[c];
    coverage += static_cast<double>((shownChannels[c] - behindChannels[c]) * span);
    weight += static_cast<double>(span * span);
  }
  if (weight == 0) {
    return shown == behind;
  }
  // The coverage that fits all three channels best, then how far each channel is from it.
  const double fitted = std::clamp(coverage / weight, 0.0, 1.0);
  for (int c = 0; c < 3; ++c) {
    const double expected = behindChannels[c] + fitted * (inkChannels[c] - behindChannels[c]);
    if (std::abs(expected - shownChannels[c]) > kTolerance) {
      return false;
    }
  }
  return true;
}

// How a label shows over what lies behind it, pixel by pixel over its box: untouched, its
// text colour laid over what lies behind, or some other colour (a fill, say).
struct Coverage {
  int untouched = 0;
  int ink = 0;
  int foreign = 0;
};

[[nodiscard]] inline Coverage CoverageOf(const LabelImages& images, const QRect& box,
                                         const QColor& ink) {
  Coverage coverage;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const QColor shown = images.with.pixelColor(x, y);
      const QColor behind = images.without.pixelColor(x, y);
      if (shown == behind) {
        ++coverage.untouched;
      } else if (IsInkOver(shown, behind, ink)) {
        ++coverage.ink;
      } else {
        ++coverage.foreign;
      }
    }
  }
  return coverage;
}

// A label is transparent when only its text colour shows where it paints, and what lies
// behind shows in most of its box. Empty when so, otherwise what was found.
[[nodiscard]] inline QString TransparencyProblem(QMainWindow* window, QLabel* label) {
  const QRect box = label->geometry() & window->centralWidget()->rect();
  const Coverage coverage =
      CoverageOf(ShowAndHide(window, label), box, label->palette().color(QPalette::WindowText));
  if (coverage.foreign == 0 && coverage.ink > 0 && coverage.untouched > coverage.ink) {
    return {};
  }
  return QString("untouched %1, ink %2, other %3")
      .arg(coverage.untouched)
      .arg(coverage.ink)
      .arg(coverage.foreign);
}

// A label that sizes itself takes one line of its text in its font, and lies whole in the
// client area. Empty when so, otherwise what was found.
[[nodiscard]] inline QString OneLineProblem(QMainWindow* window, QLabel* label) {
  const QFontMetricsF metrics(label->font());
  if (label->wordWrap() || qAbs(label->width() - metrics.horizontalAdvance(label->text())) > 1 ||
      qAbs(label->height() - metrics.height()) > 1 ||
      !window->centralWidget()->rect().contains(label->geometry())) {
    return QString("%1 x %2 for \"%3\"")
        .arg(label->width())
        .arg(label->height())
        .arg(label->text());
  }
  return {};
}

// The mean difference per channel of two images of one size, 0 to 255.
[[nodiscard]] inline double MeanDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) {
    return 255;
  }
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y);
      const QColor q = b.pixelColor(x, y);
      total += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
               std::abs(p.blue() - q.blue());
    }
  }
  return total / (3.0 * a.width() * a.height());
}

}  // namespace tests::behaviour::qt
