#include "ui/look/WindowLook.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/look/Colors.h"
#include "ui/look/Fonts.h"
#include "ui/look/Pictures.h"

namespace glimmerix {

void SetUpFixedWindow(QWidget& window, const QString& caption, QSize clientSize) {
  window.setWindowTitle(caption);
  window.setWindowIcon(WindowIcon());
  window.setFixedSize(clientSize);
  window.setAutoFillBackground(true);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, LightBlue);
  palette.setColor(QPalette::Button, LightBlue);
  window.setPalette(palette);
}

QLabel* AddLabel(QWidget& window, const QString& text, QRect rect, const QFont& font,
                 Qt::Alignment alignment) {
  auto* label = new QLabel(text, &window);
  label->setGeometry(rect);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

QPushButton* AddButton(QWidget& window, const QString& text, QRect rect) {
  auto* button = new QPushButton(text, &window);
  button->setGeometry(rect);
  button->setFont(SansFont(8, false));
  // A focused button is pressed with Return or keypad Enter as well as with Space.
  button->setAutoDefault(true);
  return button;
}

void CentreOnScreen(QWidget& window) {
  window.adjustSize();  // a fixed layout takes its size only now
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
}

QFont DisplayFont(double points) {
  // An outlined display face, compiled in: only the capitals the two headings use.
  static const QString family = [] {
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/RampartOne-Titles.ttf"));
    return QFontDatabase::applicationFontFamilies(id).value(0);
  }();
  QFont font = SansFont(points, false);
  font.setFamily(family);
  return font;
}

}  // namespace glimmerix
