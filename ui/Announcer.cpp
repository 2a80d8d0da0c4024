#include "ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace glimmerix {

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    return static_cast<const Announcer*>(widget())->words();
  }
};

QAccessibleInterface* AnnouncerFactory(const QString& className, QObject* object) {
  auto* announcer = qobject_cast<Announcer*>(object);
  if (className != QLatin1String("glimmerix::Announcer") || !announcer) return nullptr;
  return new AnnouncerAccessible(announcer);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool installed = (QAccessible::installFactory(AnnouncerFactory), true);
  Q_UNUSED(installed);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

// A screen reader speaks a notification as it appears, whatever it said before.
void Announcer::announce(const QString& words) {
  words_ = words;
  if (!QAccessible::isActive()) return;
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace glimmerix
