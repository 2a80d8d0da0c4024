#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "EndInTest.h"
#include "ui/access/Accessibility.h"
#include "ui/app/EndProgram.h"
#include "ui/app/Translations.h"

int main(int argc, char* argv[]) {
  // Headless unless told otherwise, test discovery at build time included.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A program that ends in the middle of a test fails it instead of passing unseen.
  glimmerix::ReplaceProgramEnd(glimmerix::testing::EndInTest);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // As when a screen reader listens: the game's accessibility events reach the tests.
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
  glimmerix::InstallAccessibility();
  glimmerix::InstallTranslations(QLocale::c());  // the designed English, whatever LANG says
  // A random deal can come without moves; its box must not hold up a test.
  QTimer noMoves;
  QObject::connect(&noMoves, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->windowTitle() == "No More Moves") QTest::keyClick(box, Qt::Key_Return);
  });
  noMoves.start(50);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
