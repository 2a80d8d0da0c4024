#include "ui/frmOver.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/BoardView.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/MainWindow.h"
#include "ui/QtToolkit.h"
#include "ui/WindowLook.h"

namespace glimmerix {

namespace {

// The window keeps its designed type and look; only assistive technology meets it as a
// dialog. A screen reader announces it with its description, the score, and then the
// button that has the focus with the question that labels it.
QAccessibleInterface* DialogFactory(const QString& className, QObject* object) {
  auto* over = qobject_cast<frmOver*>(object);
  if (className != QLatin1String("glimmerix::frmOver") || !over) return nullptr;
  return new QAccessibleWidget(over, QAccessible::Dialog);
}

}  // namespace

frmOver::frmOver(QtToolkit& toolkit) : QWidget(nullptr, FixedDialogFlags), toolkit_(toolkit) {
  static const bool installed = (QAccessible::installFactory(DialogFactory), true);
  Q_UNUSED(installed);
  SetUpFixedWindow(*this, "GAME OVER", TwipsRect(0, 0, 4590, 3195).size());
  AddLabel(*this, "GAME OVER", TwipsRect(90, 120, 4410, 780), DisplayFont(30), Qt::AlignHCenter);
  AddLabel(*this, "Score:", TwipsRect(1440, 1200, 855, 255), SansFont(9.75, true), Qt::AlignLeft);
  lblOverScore =
      AddLabel(*this, "", TwipsRect(2280, 1200, 1335, 255), SansFont(9.75, true), Qt::AlignLeft);
  QLabel* question =
      AddLabel(*this, " Would you like to play again?", TwipsRect(120, 1800, 4335, 375),
               SansFont(13.5, true), Qt::AlignHCenter);
  cmdYes = AddButton(*this, "YES", TwipsRect(600, 2400, 1215, 495));
  question->setBuddy(cmdYes);
  cmdNo = AddButton(*this, "No", TwipsRect(2760, 2400, 1215, 495));
  setTabOrder(cmdYes, cmdNo);
  cmdYes->installEventFilter(this);
  cmdNo->installEventFilter(this);
  connect(cmdYes, &QPushButton::clicked, this, &frmOver::cmdYes_Click);
  connect(cmdNo, &QPushButton::clicked, this, [this](bool) { toolkit_.End(); });
}

// A screen reader meets the window as a dialog that says the score and asks.
void frmOver::setScore(const std::string& caption) {
  const QString score = QString::fromStdString(caption);
  lblOverScore->setText(score);
  setAccessibleDescription(tr("Score: %1.").arg(score));
}

void frmOver::cmdYes_Click() {
  const BoardView::Entry entry(*toolkit_.mainWindow()->board());
  toolkit_.game().cmdYes_Click();
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
  toolkit_.End();
}

}  // namespace glimmerix
