// The client area of a window: the surface below the menu bar that holds the controls at
// their fixed places and shows the window's background wherever no control lies.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace runtime::qt {

class ClientArea : public QWidget {
  Q_OBJECT

 public:
  // nullopt: the platform's window background.
  ClientArea(std::optional<QColor> background, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Painted rather than set in the palette, which the controls would inherit: their own
  // colours stay the platform's unless their description says otherwise.
  std::optional<QColor> background_;
};

}  // namespace runtime::qt
