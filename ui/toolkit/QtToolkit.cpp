#include "ui/toolkit/QtToolkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QTime>
#include <cstdlib>
#include <utility>

#include "ui/app/EndProgram.h"
#include "ui/app/Translations.h"
#include "ui/look/WindowLook.h"
#include "ui/toolkit/GameScreen.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/frmOver.h"
#include "ui/windows/frmSplash.h"

namespace glimmerix {

QtToolkit::QtToolkit() {
  tmrTimeline_.setInterval(94);
  tmrTimeline_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tmrTimeline_, &QTimer::timeout, [this] { play(&frmMain::tmrTimeline_Timer); });
  tmrFlicker_.setInterval(60);
  QObject::connect(&tmrFlicker_, &QTimer::timeout, [this] { play(&frmMain::tmrFlicker_Timer); });
}

QtToolkit::~QtToolkit() = default;

frmSplash* QtToolkit::ShowWelcome() {
  auto* splash = new frmSplash;
  QObject::connect(splash, &frmSplash::play, [this] { ShowMain(); });
  QObject::connect(splash, &frmSplash::closed, [this] { End(); });
  random_.Randomize(Timer());
  splash->show();
  return splash;
}

void QtToolkit::ShowMain() {
  if (!screen_) {
    screen_ = std::make_unique<GameScreen>(game_);
    tmrFlicker_.start();
    play(&frmMain::Form_Load);
  }
  Show(Form::Main);
}

MainWindow* QtToolkit::mainWindow() const {
  return screen_ ? &screen_->window() : nullptr;
}

void QtToolkit::play(void (frmMain::*handler)()) {
  screen_->events().run([this, handler] { (game_.*handler)(); });
}

// What the game wrote before the yield is painted at it.
void QtToolkit::DoEvents() {
  showChanges();
  QCoreApplication::processEvents();
}

// The box waits for the player as a yield does: the board behind it is up to date.
void QtToolkit::MsgBox(const std::string& prompt, const std::string& title) {
  showChanges();
  QMessageBox(QMessageBox::NoIcon, CoreText(title), CoreText(prompt), QMessageBox::Ok).exec();
}

void QtToolkit::End() {
  EndProgram(EXIT_SUCCESS);
}

float QtToolkit::Timer() const {
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void QtToolkit::SetTimelineEnabled(bool enabled) {
  if (enabled == tmrTimeline_.isActive()) return;  // a running clock keeps its phase
  enabled ? tmrTimeline_.start() : tmrTimeline_.stop();
}

void QtToolkit::Show(Form form) {
  QWidget* w = window(form);
  if (!std::exchange(centred_[static_cast<int>(form)], true)) CentreOnScreen(*w);
  w->show();
  // Without this a window shown again after a box loses the keyboard on a bare X server.
  w->raise();
  w->activateWindow();
}

void QtToolkit::SetVisible(Form form, bool visible) {
  visible ? Show(form) : window(form)->hide();
}

// The game knows three states; a full-screen window counts as maximised.
int QtToolkit::WindowState(Form form) const {
  if (form == Form::Over) return over_ && over_->isMinimized() ? Minimized : Normal;
  const MainWindow* main = mainWindow();
  if (!main) return Normal;
  if (main->isOutOfSight()) return Minimized;
  return main->isMaximized() || main->isFullScreen() ? Maximized : Normal;
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
  if (form == Form::Main) mainWindow()->setOuterTwips(width, height);
}

void QtToolkit::SetOverScore(const std::string& caption) {
  over().setScore(caption);
}

void QtToolkit::showChanges() {
  if (screen_) screen_->events().waiting();
}

QWidget* QtToolkit::window(Form form) {
  if (form == Form::Over) return &over();
  return mainWindow();
}

frmOver& QtToolkit::over() {
  if (!over_) {
    over_ = std::make_unique<frmOver>();
    QObject::connect(over_.get(), &frmOver::yes, [this] { play(&frmMain::cmdYes_Click); });
    QObject::connect(over_.get(), &frmOver::no, [this] { End(); });
    QObject::connect(over_.get(), &frmOver::closed, [this] { End(); });
  }
  return *over_;
}

}  // namespace glimmerix
