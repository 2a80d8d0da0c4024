#include "ui/windows/frmOver.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/look/Fonts.h"
#include "ui/look/WindowLook.h"
#include "ui/windows/Geometry.h"

namespace glimmerix {

frmOver::frmOver() : QWidget(nullptr, FixedDialogFlags) {
  SetUpFixedWindow(*this, tr("GAME OVER", "title bar"), TwipsRect(0, 0, 4590, 3195).size());
  AddLabel(*this, tr("GAME OVER"), TwipsRect(90, 120, 4410, 780), DisplayFont(30),
           Qt::AlignHCenter);
  AddLabel(*this, tr("Score:"), TwipsRect(1440, 1200, 855, 255), SansFont(9.75, true),
           Qt::AlignLeft);
  lblOverScore =
      AddLabel(*this, "", TwipsRect(2280, 1200, 1335, 255), SansFont(9.75, true), Qt::AlignLeft);
  QLabel* question =
      AddLabel(*this, tr(" Would you like to play again?"), TwipsRect(120, 1800, 4335, 375),
               SansFont(13.5, true), Qt::AlignHCenter);
  cmdYes = AddButton(*this, tr("YES"), TwipsRect(600, 2400, 1215, 495));
  question->setBuddy(cmdYes);
  cmdNo = AddButton(*this, tr("No"), TwipsRect(2760, 2400, 1215, 495));
  setTabOrder(cmdYes, cmdNo);
  cmdYes->installEventFilter(this);
  cmdNo->installEventFilter(this);
  connect(cmdYes, &QPushButton::clicked, this, &frmOver::yes);
  connect(cmdNo, &QPushButton::clicked, this, &frmOver::no);
}

// A screen reader meets the window as a dialog that says the score and asks.
void frmOver::setScore(const std::string& caption) {
  const QString score = QString::fromStdString(caption);
  lblOverScore->setText(score);
  setAccessibleDescription(tr("Score: %1.").arg(score));
}

void frmOver::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  cmdYes->setFocus();
  shown_.start();
}

// A key still held, or pressed in the instant the window appears, was meant for the
// board: it must not throw away the final score. Clicks count as designed.
bool frmOver::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  constexpr int SettleMilliseconds = 500;
  const auto* key = static_cast<QKeyEvent*>(event);
  return key->isAutoRepeat() || !shown_.isValid() || shown_.elapsed() < SettleMilliseconds;
}

void frmOver::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

}  // namespace glimmerix
