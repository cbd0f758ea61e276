// Building a window from its description and binding its clicks; showing, hiding, texts, and
// the keys it answers before its controls do.
#include "runtime/qt/qt_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "runtime/qt/announcer.h"
#include "runtime/qt/appearance.h"
#include "runtime/qt/client_area.h"
#include "runtime/qt/controls.h"
#include "runtime/qt/geometry.h"
#include "runtime/qt/qt_forms.h"
#include "runtime/rules/captions.h"
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

// The key the keyboard rule decides on: Enter (main or keypad) and Esc without modifiers,
// and the arrows; nullopt for any other.
std::optional<DialogKey> DialogKeyOf(const QKeyEvent& event) {
  const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return plain ? std::optional(DialogKey::Enter) : std::nullopt;
    case Qt::Key_Escape:
      return plain ? std::optional(DialogKey::Esc) : std::nullopt;
    case Qt::Key_Left:
      return DialogKey::Left;
    case Qt::Key_Right:
      return DialogKey::Right;
    case Qt::Key_Up:
      return DialogKey::Up;
    case Qt::Key_Down:
      return DialogKey::Down;
    default:
      return std::nullopt;
  }
}

}  // namespace

QtWindow::QtWindow(const WindowDescription& description, std::vector<Binding> bindings,
                   QtForms& forms)
    : description_(description),
      forms_(forms),
      report_([this](const std::exception& error) { forms_.Report(this, error); }),
      announcements_(description) {
  const WindowProperties& properties = description.properties;
  setObjectName(ToQString(properties.name));
  setWindowTitle(ToQString(properties.title));
  if (const QIcon icon = DecodeIcon(properties.icon); !icon.isNull()) {
    setWindowIcon(icon);
  }
  HandlersByRow handlers = BindByRow(description, std::move(bindings));
  BuildMenu(std::move(handlers.menu));
  BuildControls(std::move(handlers.controls));
  SetFrameAndPlace();
  if (announcements_.Carrier() != nullptr) {
    // A child of the window, not of the client area, where the controls stack.
    announcer_ = new Announcer(this);
  }
  forms_.Windows().Add(*this);
}

QtWindow::~QtWindow() {
  forms_.Windows().Remove(*this);
}

void QtWindow::BuildMenu(std::vector<ClickHandler> handlers) {
  const std::span<const MenuEntry> menu = description_.menu;
  if (menu.empty()) {
    return;
  }
  // A menu bar inside the window on every desktop, so the client area lies below it.
  menuBar()->setNativeMenuBar(false);
  for (const BarEntry& barEntry : MenuTree(menu)) {
    const MenuEntry& entry = menu[barEntry.row];
    if (barEntry.items.empty()) {
      AddCommand(menuBar(), barEntry.row, std::move(handlers[barEntry.row]));
      continue;
    }
    QMenu* submenu = menuBar()->addMenu(ToQString(LiteralCaption(entry.caption)));
    submenu->setObjectName(ToQString(entry.name));
    for (const std::size_t item : barEntry.items) {
      AddCommand(submenu, item, std::move(handlers[item]));
    }
  }
}

void QtWindow::AddCommand(QWidget* menu, std::size_t row, ClickHandler handler) {
  const MenuEntry& entry = description_.menu[row];
  auto* action = new QAction(ToQString(LiteralCaption(entry.caption)), menu);
  action->setObjectName(ToQString(entry.name));
  menu->addAction(action);
  if (const std::optional<Shortcut> shortcut = ParseShortcut(entry.shortcut)) {
    action->setShortcut(SequenceOf(*shortcut));
    // Only while this window is the active one.
    action->setShortcutContext(Qt::WindowShortcut);
    menuShortcuts_.push_back(action->shortcut());
  }
  if (handler) {
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler), index = entry.index] { Click(handler, index); });
  }
}

void QtWindow::BuildControls(std::vector<ClickHandler> handlers) {
  const WindowProperties& properties = description_.properties;
  auto* client =
      new ClientArea(ResolveColour(properties.background, QApplication::palette()), this);
  client->setObjectName(QStringLiteral("clientArea"));
  setCentralWidget(client);

  // Rows run front to back and a later sibling lies in front of an earlier one, so the
  // controls are made from the back row forwards.
  const std::span<const Control> rows = description_.controls;
  controls_.resize(rows.size());
  for (std::size_t row = rows.size(); row-- > 0;) {
    const Control& control = rows[row];
    QWidget* widget = BuildControl(control, properties.font, client);
    widget->installEventFilter(this);
    if (!TakesFocus(control.kind)) {
      widget->setFocusPolicy(Qt::NoFocus);
    }
    controls_[row] = {&control, widget, std::move(handlers[row])};
    if (auto* button = qobject_cast<QPushButton*>(widget); button != nullptr) {
      connect(button, &QPushButton::clicked, this, [this, &bound = controls_[row]] {
        if (bound.handler) {
          Click(bound.handler, 0);
        }
      });
    }
  }
  SetTabOrder();
}

void QtWindow::Click(const ClickHandler& handler, int index) {
  DispatchClick(handler, ClickEvent{*this, index}, report_);
  if (const std::optional<std::string> words = announcements_.TakeAfterClick()) {
    announcer_->Say(ToQString(*words));
  }
}

void QtWindow::SetTabOrder() {
  const std::vector<const Control*> stops = TabOrder(description_.controls);
  const auto widgetOf = [this](const Control* row) {
    return controls_[static_cast<std::size_t>(row - description_.controls.data())].widget;
  };
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(widgetOf(stops[i - 1]), widgetOf(stops[i]));
  }
  // The window opens with the focus on its first tab stop.
  if (!stops.empty()) {
    widgetOf(stops.front())->setFocus(Qt::OtherFocusReason);
  }
}

void QtWindow::SetFrameAndPlace() {
  const WindowProperties& properties = description_.properties;
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

Status QtWindow::Show() {
  show();
  raise();
  activateWindow();
  return kOk;
}

Status QtWindow::Hide() {
  hide();
  forms_.WindowHidden();
  return kOk;
}

bool QtWindow::IsShown() const {
  return isVisible();
}

QtWindow::BoundControl* QtWindow::Find(std::string_view name) {
  const auto found =
      std::ranges::find(controls_, name, [](const BoundControl& each) { return each.row->name; });
  return found == controls_.end() ? nullptr : &*found;
}

const QtWindow::BoundControl* QtWindow::FindWidget(const QObject* widget) const {
  const auto found = std::ranges::find(controls_, widget, &BoundControl::widget);
  return found == controls_.end() ? nullptr : &*found;
}

Status QtWindow::GetText(std::string_view control, std::string& text) {
  const BoundControl* bound = Find(control);
  if (bound == nullptr) {
    return kFailed;
  }
  switch (bound->row->kind) {
    case ControlKind::TextBox:
      text = static_cast<const QLineEdit*>(bound->widget)->text().toStdString();
      return kOk;
    case ControlKind::Label:
      text = static_cast<const QLabel*>(bound->widget)->text().toStdString();
      return kOk;
    default:
      return kFailed;
  }
}

Status QtWindow::SetText(std::string_view control, std::string_view text) {
  const BoundControl* bound = Find(control);
  if (bound == nullptr) {
    return kFailed;
  }
  switch (bound->row->kind) {
    case ControlKind::TextBox:
      static_cast<QLineEdit*>(bound->widget)->setText(ToQString(text));
      return kOk;
    case ControlKind::Label:
      SetLabelCaption(*static_cast<QLabel*>(bound->widget), *bound->row, ToQString(text));
      announcements_.Written(*bound->row, text);
      return kOk;
    default:
      return kFailed;
  }
}

void QtWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  forms_.WindowHidden();
}

bool QtWindow::IsMenuShortcut(const QKeyEvent& event) const {
  const QKeySequence pressed = SequenceOf(event);
  return std::ranges::any_of(menuShortcuts_, [&pressed](const QKeySequence& shortcut) {
    return shortcut.matches(pressed) == QKeySequence::ExactMatch;
  });
}

bool QtWindow::AnswerKey(const QKeyEvent& event, const BoundControl* focused) {
  const std::optional<DialogKey> key = DialogKeyOf(event);
  if (!key) {
    return false;
  }
  const KeyDecision decision =
      DecideKey(*key, focused != nullptr ? focused->row : nullptr, description_.controls);
  switch (decision.action) {
    case KeyDecision::Action::Pass:
      return false;
    case KeyDecision::Action::Press: {
      const BoundControl& button =
          controls_[static_cast<std::size_t>(decision.button - description_.controls.data())];
      static_cast<QPushButton*>(button.widget)->click();
      return true;
    }
    case KeyDecision::Action::FocusNext:
      return focusNextPrevChild(true);
    case KeyDecision::Action::FocusPrevious:
      return focusNextPrevChild(false);
  }
  return false;
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
  // A control that wants a key for itself accepts the shortcut-override event, and the menu
  // shortcut would never fire (a line edit claims Ctrl+C to copy). Our menu shortcuts win
  // over every control: the event goes by unaccepted, so the shortcut's action triggers.
  if (event->type() == QEvent::ShortcutOverride &&
      IsMenuShortcut(*static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  // The keys the keyboard rule decides on, before the focused control sees them.
  if (event->type() == QEvent::KeyPress &&
      AnswerKey(*static_cast<QKeyEvent*>(event), FindWidget(watched))) {
    event->accept();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
  // Keys that reach the window itself: the window has the focus, or the focused control let
  // the key go by, which the rule decided on already and passes again.
  if (AnswerKey(*event, FindWidget(QApplication::focusWidget()))) {
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
