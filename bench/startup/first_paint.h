// Ends the event loop once a named window has painted its first frame.
#pragma once

#include <QObject>
#include <QString>

namespace bench {

// Watches every paint event of the application; after the first one of a widget in the
// window named `window`, ends the event loop once the frame is finished.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QString window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString window_;
  bool seen_ = false;
};

}  // namespace bench
