// The first frame of a window: a paint event of one of its widgets. The rest of that frame
// is painted and flushed in the same pass, before a queued call runs.
#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace bench {

FirstPaint::FirstPaint(QString window) : window_(std::move(window)) {}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Paint) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window()->objectName() == window_) {
      seen_ = true;
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace bench
