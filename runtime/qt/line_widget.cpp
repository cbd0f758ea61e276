// Painting a line of the window's surface.
#include "runtime/qt/line_widget.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPen>

namespace runtime::qt {
namespace {

// Screen readers are told what the line is by its role, rather than of an unnamed client area.
QAccessibleInterface* AccessibleLine(const QString& className, QObject* object) {
  if (className == QLatin1String(LineWidget::staticMetaObject.className())) {
    if (auto* line = qobject_cast<LineWidget*>(object); line != nullptr) {
      return new QAccessibleWidget(line, line->Role());
    }
  }
  return nullptr;
}

}  // namespace

LineWidget::LineWidget(const LinePixels& line, QColor colour, QAccessible::Role role,
                       QWidget* parent)
    : QWidget(parent),
      from_(line.from - line.bounds.topLeft()),
      to_(line.to - line.bounds.topLeft()),
      colour_(colour),
      role_(role) {
  setGeometry(line.bounds);
  // Only the line's own pixels are painted; what lies behind shows around it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  [[maybe_unused]] static const bool kFactoryInstalled = [] {
    QAccessible::installFactory(&AccessibleLine);
    return true;
  }();
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
