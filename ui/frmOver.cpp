#include "ui/frmOver.h"

#include <QCloseEvent>
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

frmOver::frmOver(QtToolkit& toolkit) : QWidget(nullptr, FixedDialogFlags), toolkit_(toolkit) {
  SetUpFixedWindow(*this, tr("GAME OVER", "title bar"), TwipsRect(0, 0, 4590, 3195).size());
  AddLabel(*this, tr("GAME OVER"), TwipsRect(90, 120, 4410, 780), DisplayFont(30),
           Qt::AlignHCenter);
  AddLabel(*this, tr("Score:"), TwipsRect(1440, 1200, 855, 255), SansFont(9.75, true),
           Qt::AlignLeft);
  lblOverScore =
      AddLabel(*this, "", TwipsRect(2280, 1200, 1335, 255), SansFont(9.75, true), Qt::AlignLeft);
  AddLabel(*this, tr(" Would you like to play again?"), TwipsRect(120, 1800, 4335, 375),
           SansFont(13.5, true), Qt::AlignHCenter);
  cmdYes = AddButton(*this, tr("YES"), TwipsRect(600, 2400, 1215, 495));
  cmdNo = AddButton(*this, tr("No"), TwipsRect(2760, 2400, 1215, 495));
  setTabOrder(cmdYes, cmdNo);
  connect(cmdYes, &QPushButton::clicked, this, &frmOver::cmdYes_Click);
  connect(cmdNo, &QPushButton::clicked, this, [this](bool) { toolkit_.End(); });
}

void frmOver::setScore(const std::string& caption) {
  lblOverScore->setText(QString::fromStdString(caption));
}

void frmOver::cmdYes_Click() {
  toolkit_.game().cmdYes_Click();
  toolkit_.mainWindow()->board()->showChanges();
}

void frmOver::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  cmdYes->setFocus();
}

void frmOver::closeEvent(QCloseEvent* event) {
  event->accept();
  toolkit_.End();
}

}  // namespace glimmerix
