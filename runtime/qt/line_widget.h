// A line of the window's surface: a one-pixel solid line between two points, painted by a
// child widget that covers just the line, so that it stacks with the controls.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QWidget>

#include "runtime/qt/geometry.h"

namespace runtime::qt {

class LineWidget : public QWidget {
  Q_OBJECT

 public:
  // `line` in the parent's coordinates; `role` what screen readers are told it is.
  LineWidget(const LinePixels& line, QColor colour, QAccessible::Role role, QWidget* parent);

  [[nodiscard]] QColor Colour() const { return colour_; }
  [[nodiscard]] QAccessible::Role Role() const { return role_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;  // in the widget's own coordinates
  QPoint to_;
  QColor colour_;
  QAccessible::Role role_;
};

}  // namespace runtime::qt
