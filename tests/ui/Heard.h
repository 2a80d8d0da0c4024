#pragma once

#include <QAccessible>
#include <QString>
#include <string>
#include <vector>

namespace glimmerix::testing {

// What assistive technology is told while this lives, as a screen reader would hear it.
class Heard {
 public:
  using Names = std::vector<std::string>;
  struct Event {
    QAccessible::Event type;
    QAccessible::Role role;
    std::string name;
    friend bool operator==(const Event&, const Event&) = default;
  };

  Heard() {
    current = this;
    QAccessible::installUpdateHandler(&Record);
  }
  ~Heard() { QAccessible::installUpdateHandler(nullptr); }
  Heard(const Heard&) = delete;
  Heard& operator=(const Heard&) = delete;

  std::vector<Event> events;

  // What the game announced: the notifications that appeared, in order.
  [[nodiscard]] Names spoken() const {
    return namesOf(QAccessible::ObjectShow, QAccessible::Notification);
  }
  // The cells that took the focus, in order.
  [[nodiscard]] Names focused() const { return namesOf(QAccessible::Focus, QAccessible::Cell); }

 private:
  [[nodiscard]] Names namesOf(QAccessible::Event type, QAccessible::Role role) const {
    Names names;
    for (const Event& event : events) {
      if (event.type == type && event.role == role) names.push_back(event.name);
    }
    return names;
  }
  static void Record(QAccessibleEvent* event) {
    QAccessibleInterface* object = event->accessibleInterface();
    if (!object) return;
    current->events.push_back(
        {event->type(), object->role(), object->text(QAccessible::Name).toStdString()});
  }
  static inline Heard* current = nullptr;
};

}  // namespace glimmerix::testing
