// Painting the window's background behind the controls.
#include "runtime/qt/client_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace runtime::qt {

ClientArea::ClientArea(std::optional<QColor> background, QWidget* parent)
    : QWidget(parent), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), background_.value_or(palette().color(QPalette::Window)));
}

}  // namespace runtime::qt
