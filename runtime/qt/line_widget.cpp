// Painting a line of the window's surface.
#include "runtime/qt/line_widget.h"

#include <QPainter>
#include <QPen>

namespace runtime::qt {

LineWidget::LineWidget(const LinePixels& line, QColor colour, QWidget* parent)
    : QWidget(parent),
      from_(line.from - line.bounds.topLeft()),
      to_(line.to - line.bounds.topLeft()),
      colour_(colour) {
  setGeometry(line.bounds);
  // Only the line's own pixels are painted; what lies behind shows around it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (from_.x() == to_.x() || from_.y() == to_.y()) {
    // Upright and level lines fill their one-pixel-wide box, both end points included.
    painter.fillRect(rect(), colour_);
    return;
  }
  painter.setPen(QPen(colour_, 1.0, Qt::SolidLine, Qt::SquareCap));
  painter.drawLine(from_, to_);
}

}  // namespace runtime::qt
