#include <QApplication>

#include "ui/access/Accessibility.h"
#include "ui/app/StartUp.h"
#include "ui/app/Translations.h"
#include "ui/look/Pictures.h"
#include "ui/toolkit/QtToolkit.h"

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QStringLiteral("Glimmerix"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  glimmerix::AnswerHelpAndVersion(argc, argv);
  glimmerix::PreferX11(argc, argv);
  const auto app = glimmerix::OpenDisplay(argc, argv);
  glimmerix::InstallTranslations();
  glimmerix::InstallAccessibility();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Glimmerix"));
  QApplication::setWindowIcon(glimmerix::WindowIcon());
  // Between the welcome window and the game window none is open; the game alone
  // decides when the program ends.
  QApplication::setQuitOnLastWindowClosed(false);

  glimmerix::QtToolkit toolkit;
  toolkit.ShowWelcome();
  return QApplication::exec();
}
