// A push button as our windows have them: Space or Enter presses it while it has the focus,
// and no button becomes a default button merely by taking the focus.
#pragma once

#include <QPushButton>

namespace runtime::qt {

class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  CommandButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Whether `event` is Enter or Return, from the main keys or the keypad, without modifiers.
[[nodiscard]] bool IsEnterKey(const QKeyEvent& event);

}  // namespace runtime::qt
