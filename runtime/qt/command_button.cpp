// Enter on a focused push button. QPushButton presses itself on Enter only when it is an
// auto-default button, which would also make the focused button the window's default.
#include "runtime/qt/command_button.h"

#include <QKeyEvent>

namespace runtime::qt {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);
  setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  if (IsEnterKey(*event)) {
    click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

bool IsEnterKey(const QKeyEvent& event) {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace runtime::qt
