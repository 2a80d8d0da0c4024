#include "ui/QtToolkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QTime>
#include <cstdlib>
#include <utility>

#include "ui/BoardView.h"
#include "ui/EndProgram.h"
#include "ui/MainWindow.h"
#include "ui/Translations.h"
#include "ui/WindowLook.h"
#include "ui/frmOver.h"

namespace glimmerix {

namespace {

void ComeForward(QWidget* window) {
  // Without this a window shown again after a box loses the keyboard on a bare X server.
  window->raise();
  window->activateWindow();
}

}  // namespace

QtToolkit::QtToolkit() {
  tmrTimeline_.setInterval(94);
  tmrTimeline_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tmrTimeline_, &QTimer::timeout, [this] {
    const BoardView::Entry entry(*main_->board());
    game_.tmrTimeline_Timer();
  });
  tmrFlicker_.setInterval(60);
  QObject::connect(&tmrFlicker_, &QTimer::timeout, [this] {
    const BoardView::Entry entry(*main_->board());
    game_.tmrFlicker_Timer();
  });
}

QtToolkit::~QtToolkit() = default;

void QtToolkit::ShowMain() {
  if (!main_) {
    main_ = std::make_unique<MainWindow>(game_);
    tmrFlicker_.start();
    const BoardView::Entry entry(*main_->board());
    game_.Form_Load();
  }
  Show(Form::Main);
  showChanges();
}

// What the game wrote before the yield is painted at it.
void QtToolkit::DoEvents() {
  showChanges();
  QCoreApplication::processEvents();
}

// The box waits for the player as a yield does: the board behind it is up to date.
void QtToolkit::MsgBox(const std::string& prompt, const std::string& title) {
  showChanges();
  QMessageBox box(QMessageBox::NoIcon, CoreText(title), CoreText(prompt), QMessageBox::Ok);
  box.exec();
  // The box only tells of the board it stands over; a listener hears of the next one.
  if (title == NoMovesTitle) main_->board()->narrator().say(BoardView::tr("New board"));
}

void QtToolkit::End() {
  EndProgram(EXIT_SUCCESS);
}

float QtToolkit::Timer() const {
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void QtToolkit::SetTimelineEnabled(bool enabled) {
  if (enabled == tmrTimeline_.isActive()) return;  // a running clock keeps its phase
  if (enabled) {
    tmrTimeline_.start();
  } else {
    tmrTimeline_.stop();
  }
}

void QtToolkit::Show(Form form) {
  QWidget* w = window(form);
  if (!std::exchange(centred_[static_cast<int>(form)], true)) CentreOnScreen(*w);
  w->show();
  ComeForward(w);
}

void QtToolkit::SetVisible(Form form, bool visible) {
  QWidget* w = window(form);
  if (!visible) {
    w->hide();
    return;
  }
  Show(form);
}

// The game knows three states; a full-screen window counts as maximised.
int QtToolkit::WindowState(Form form) const {
  if (form == Form::Over) return over_ && over_->isMinimized() ? Minimized : Normal;
  if (!main_) return Normal;
  if (main_->isOutOfSight()) return Minimized;
  return main_->isMaximized() || main_->isFullScreen() ? Maximized : Normal;
}

void QtToolkit::SetWindowState(Form form, int state) {
  QWidget* w = window(form);
  constexpr Qt::WindowStates sized =
      Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
  Qt::WindowStates states = w->windowState() & ~sized;
  if (state == Minimized) states |= Qt::WindowMinimized;
  if (state == Maximized) states |= Qt::WindowMaximized;
  w->setWindowState(states);
}

void QtToolkit::SetSize(Form form, int width, int height) {
  if (form == Form::Main) main_->setOuterTwips(width, height);
}

void QtToolkit::SetOverScore(const std::string& caption) {
  over().setScore(caption);
}

void QtToolkit::showChanges() {
  if (main_) main_->board()->showChanges();
}

QWidget* QtToolkit::window(Form form) {
  if (form == Form::Over) return &over();
  return main_.get();
}

frmOver& QtToolkit::over() {
  if (!over_) over_ = std::make_unique<frmOver>(*this);
  return *over_;
}

}  // namespace glimmerix
