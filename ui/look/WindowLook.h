#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace glimmerix {

// The welcome and game-over windows: a fixed single border, close button only.
constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A fixed-size, light blue window with the game's icon.
void SetUpFixedWindow(QWidget& window, const QString& caption, QSize clientSize);
// A transparent label placed at its designed rectangle, text at the top.
QLabel* AddLabel(QWidget& window, const QString& text, QRect rect, const QFont& font,
                 Qt::Alignment alignment);
QPushButton* AddButton(QWidget& window, const QString& text, QRect rect);

// Every window starts in the middle of the screen.
void CentreOnScreen(QWidget& window);

// The decorative face of the two windows' headings.
[[nodiscard]] QFont DisplayFont(double points);

}  // namespace glimmerix
