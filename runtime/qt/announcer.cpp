// The announcer widget and its notification object.
#include "runtime/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace runtime::qt {
namespace {

class AccessibleAnnouncer final : public QAccessibleWidget {
 public:
  explicit AccessibleAnnouncer(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}

  [[nodiscard]] QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? static_cast<const Announcer*>(widget())->Words() : QString();
  }
};

QAccessibleInterface* AccessibleOf(const QString& className, QObject* object) {
  if (className == QLatin1String(Announcer::staticMetaObject.className())) {
    if (auto* announcer = qobject_cast<Announcer*>(object); announcer != nullptr) {
      return new AccessibleAnnouncer(announcer);
    }
  }
  return nullptr;
}

void Tell(Announcer* announcer, QAccessible::Event kind) {
  QAccessibleEvent event(announcer, kind);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("announcer"));
  setFocusPolicy(Qt::NoFocus);
  hide();
  [[maybe_unused]] static const bool kFactoryInstalled = [] {
    QAccessible::installFactory(&AccessibleOf);
    return true;
  }();
}

void Announcer::Say(const QString& words) {
  words_ = words;
  // Orca speaks a notification as it becomes showing, and again only after it was hidden.
  Tell(this, QAccessible::ObjectHide);
  Tell(this, QAccessible::NameChanged);
  Tell(this, QAccessible::ObjectShow);
  emit Said(words);
}

}  // namespace runtime::qt
