#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

namespace glimmerix::testing {

// What the screen shows of a widget once the repaints asked for so far are done, and
// nothing else has run: a part the widget never asked to repaint shows what it was.
inline QImage OnScreen(const QWidget& widget) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  const QPoint at = widget.mapTo(widget.window(), QPoint());
  return widget.screen()
      ->grabWindow(widget.window()->winId(), at.x(), at.y(), widget.width(), widget.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace glimmerix::testing
