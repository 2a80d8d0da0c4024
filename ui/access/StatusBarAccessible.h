#pragma once

#include <QCoreApplication>

#include "ui/access/AccessibleParts.h"

namespace glimmerix {

class StatusRow;

// The status row as assistive technology meets it: a status bar that holds the score,
// the time and the bonus bar, each where it is drawn and read from the game whenever
// it is asked.
class StatusBarAccessible : public WidgetWithParts {
  Q_DECLARE_TR_FUNCTIONS(StatusBarAccessible)

 public:
  explicit StatusBarAccessible(StatusRow* row);
};

}  // namespace glimmerix
