// How a window of ours speaks to screen readers on Linux. Qt 6.4 has no announcement event,
// and Orca reads a change away from the focus only from an object of role notification that
// comes to be shown. The announcer is such an object: a widget that is never drawn and takes
// no focus, so nothing on screen and nothing in the tab order changes; each announcement
// hides it, names it with the words and shows it again, to screen readers alone.
#pragma once

#include <QString>
#include <QWidget>

namespace runtime::qt {

class Announcer final : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  // Has screen readers announce `words`.
  void Say(const QString& words);

  // The words of the last announcement, the notification's name.
  [[nodiscard]] const QString& Words() const { return words_; }

 signals:
  // Each announcement's words, as it is made.
  void Said(const QString& words);

 private:
  QString words_;
};

}  // namespace runtime::qt
