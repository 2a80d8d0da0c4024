#include <QApplication>

#include "ui/Pictures.h"
#include "ui/QtToolkit.h"
#include "ui/StartUp.h"
#include "ui/Translations.h"
#include "ui/WindowLook.h"
#include "ui/frmSplash.h"

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QStringLiteral("Glimmerix"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  glimmerix::AnswerHelpAndVersion(argc, argv);
  glimmerix::PreferX11(argc, argv);
  const auto app = glimmerix::OpenDisplay(argc, argv);
  glimmerix::InstallTranslations();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Glimmerix"));
  QApplication::setWindowIcon(glimmerix::WindowIcon());
  // Between the welcome window and the game window none is open; the game alone
  // decides when the program ends.
  QApplication::setQuitOnLastWindowClosed(false);

  glimmerix::QtToolkit toolkit;
  auto* splash = new glimmerix::frmSplash(toolkit);  // deletes itself after PLAY
  glimmerix::CentreOnScreen(*splash);
  splash->show();
  return QApplication::exec();
}
