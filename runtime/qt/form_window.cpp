// Building a window from its description, and the keys it answers before its controls do.
#include "runtime/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "runtime/qt/appearance.h"
#include "runtime/qt/client_area.h"
#include "runtime/qt/command_button.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/geometry.h"
#include "runtime/rules/captions.h"
#include "runtime/rules/keyboard.h"
#include "runtime/rules/menu_tree.h"
#include "runtime/rules/shortcut.h"
#include "runtime/rules/tab_order.h"

namespace runtime::qt {
namespace {

// The key sequence of a shortcut read from its portable text.
QKeySequence SequenceOf(const Shortcut& shortcut) {
  Qt::KeyboardModifiers modifiers;
  modifiers.setFlag(Qt::ControlModifier, shortcut.ctrl);
  modifiers.setFlag(Qt::ShiftModifier, shortcut.shift);
  modifiers.setFlag(Qt::AltModifier, shortcut.alt);
  const int key = shortcut.functionKey != 0 ? Qt::Key_F1 + shortcut.functionKey - 1
                                            : static_cast<int>(shortcut.key);
  return {QKeyCombination(modifiers, static_cast<Qt::Key>(key))};
}

// The key combination of a key event, with the keypad flag dropped so that keypad keys
// match the shortcuts of their main-key twins.
QKeySequence SequenceOf(const QKeyEvent& event) {
  return {
      QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(event.key()))};
}

}  // namespace

FormWindow::FormWindow(const WindowDescription& description, ClickSink clicks,
                       std::function<void()> closed)
    : clicks_(std::move(clicks)), closed_(std::move(closed)) {
  const WindowProperties& properties = description.properties;
  setObjectName(ToQString(properties.name));
  setWindowTitle(ToQString(properties.title));
  if (const QIcon icon = DecodeIcon(properties.icon); !icon.isNull()) {
    setWindowIcon(icon);
  }
  BuildMenu(description.menu);
  BuildControls(description);
  SetFrameAndPlace(properties);
}

QWidget* FormWindow::ControlWidget(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

void FormWindow::BuildMenu(std::span<const MenuEntry> menu) {
  if (menu.empty()) {
    return;
  }
  // A menu bar inside the window on every desktop, so the client area lies below it.
  menuBar()->setNativeMenuBar(false);
  for (const BarEntry& barEntry : MenuTree(menu)) {
    const MenuEntry& entry = menu[barEntry.row];
    if (barEntry.items.empty()) {
      AddCommand(menuBar(), entry);
      continue;
    }
    QMenu* submenu = menuBar()->addMenu(ToQString(LiteralCaption(entry.caption)));
    submenu->setObjectName(ToQString(entry.name));
    for (const std::size_t item : barEntry.items) {
      AddCommand(submenu, menu[item]);
    }
  }
}

void FormWindow::AddCommand(QWidget* menu, const MenuEntry& entry) {
  auto* action = new QAction(ToQString(LiteralCaption(entry.caption)), menu);
  action->setObjectName(ToQString(entry.name));
  menu->addAction(action);
  if (const std::optional<Shortcut> shortcut = ParseShortcut(entry.shortcut)) {
    action->setShortcut(SequenceOf(*shortcut));
    // Only while this window is the active one.
    action->setShortcutContext(Qt::WindowShortcut);
    menuShortcuts_.push_back(action->shortcut());
  }
  const std::string_view name = entry.name;
  const int index = entry.index;
  connect(action, &QAction::triggered, this, [this, name, index] { Click(name, index); });
}

void FormWindow::BuildControls(const WindowDescription& description) {
  const WindowProperties& properties = description.properties;
  auto* client =
      new ClientArea(ResolveColour(properties.background, QApplication::palette()), this);
  client->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(client);

  // Rows run front to back and a later sibling lies in front of an earlier one, so the
  // controls are made from the back row forwards.
  for (auto row = description.controls.rbegin(); row != description.controls.rend(); ++row) {
    const Control& control = *row;
    QWidget* widget = BuildControl(control, properties.font, client);
    widget->installEventFilter(this);
    controls_.emplace(std::string(control.name), widget);
    if (auto* button = qobject_cast<QPushButton*>(widget); button != nullptr) {
      const std::string_view name = control.name;
      connect(button, &QPushButton::clicked, this, [this, name] { Click(name, 0); });
    }
    if (!TakesFocus(control.kind)) {
      widget->setFocusPolicy(Qt::NoFocus);
    }
  }
  defaultButton_ = ButtonNamed(ButtonWithRole(description.controls, ButtonRole::Default));
  cancelButton_ = ButtonNamed(ButtonWithRole(description.controls, ButtonRole::Cancel));
  SetTabOrder(description.controls);
}

QPushButton* FormWindow::ButtonNamed(const Control* control) const {
  return control == nullptr ? nullptr : qobject_cast<QPushButton*>(ControlWidget(control->name));
}

void FormWindow::SetTabOrder(std::span<const Control> controls) {
  const std::vector<const Control*> stops = TabOrder(controls);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(ControlWidget(stops[i - 1]->name), ControlWidget(stops[i]->name));
  }
  // The window opens with the focus on its first tab stop.
  if (!stops.empty()) {
    ControlWidget(stops.front()->name)->setFocus(Qt::OtherFocusReason);
  }
}

void FormWindow::SetFrameAndPlace(const WindowProperties& properties) {
  // Always a plain top-level window: a dialog or tool window would be made transient for the
  // program by X11, an owner in all but name, and no window of ours has an owner.
  Qt::WindowFlags flags = Qt::Window;
  if (properties.border == Border::FixedDialog) {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
  } else {
    flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
             Qt::WindowCloseButtonHint;
  }
  setWindowFlags(flags);

  // The client area keeps the description's size below the menu bar.
  const QSize client = ToPixels(properties.clientWidth, properties.clientHeight);
  int menuHeight = 0;
  if (menuWidget() != nullptr) {
    menuHeight = menuBar()->heightForWidth(client.width());
    if (menuHeight <= 0) {
      menuHeight = menuBar()->sizeHint().height();
    }
  }
  const QSize size(client.width(), client.height() + menuHeight);
  if (properties.border == Border::FixedDialog) {
    setFixedSize(size);
  } else {
    resize(size);
  }
  if (!properties.startPosition) {
    return;  // the platform places the window
  }
  const QPoint clientTopLeft = ToPixels(*properties.startPosition);
  const QRect wanted(clientTopLeft - QPoint(0, menuHeight), size);
  const QScreen* screen = QGuiApplication::screenAt(clientTopLeft);
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  // Platforms that place windows themselves ignore the position.
  setGeometry(screen != nullptr ? PlaceOnScreen(wanted, screen->availableGeometry()) : wanted);
}

void FormWindow::Click(std::string_view control, int index) {
  if (clicks_) {
    clicks_(control, index);
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The close box only hides the window: its instance lives on and can be shown again.
  QMainWindow::closeEvent(event);
  if (closed_) {
    closed_();
  }
}

bool FormWindow::IsMenuShortcut(const QKeyEvent& event) const {
  const QKeySequence pressed = SequenceOf(event);
  return std::ranges::any_of(menuShortcuts_, [&pressed](const QKeySequence& shortcut) {
    return shortcut.matches(pressed) == QKeySequence::ExactMatch;
  });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  // A control that wants a key for itself accepts the shortcut-override event, and the menu
  // shortcut would never fire (a line edit claims Ctrl+C to copy). Our menu shortcuts win
  // over every control: the event goes by unaccepted, so the shortcut's action triggers.
  if (event->type() == QEvent::ShortcutOverride &&
      IsMenuShortcut(*static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  // Keys that reach the window were left by the focused control: a focused push button
  // presses itself on Enter before the default button could.
  if (defaultButton_ != nullptr && IsEnterKey(*event)) {
    defaultButton_->click();
    event->accept();
    return;
  }
  if (cancelButton_ != nullptr && event->key() == Qt::Key_Escape &&
      event->modifiers() == Qt::NoModifier) {
    cancelButton_->click();
    event->accept();
    return;
  }
  // F10 reaches the menu bar, as Alt does.
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier &&
      menuWidget() != nullptr && !menuBar()->actions().isEmpty()) {
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace runtime::qt
