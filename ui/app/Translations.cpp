#include "ui/app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "game/Translatable.h"

namespace glimmerix {

namespace {

struct Translators {
  QTranslator english;  // the plural forms of the texts as written: "1 second left"
  QTranslator game;
  QTranslator qt;
  bool loaded = false;
};

// Kept to the end of the program: an installed translator must outlive every text read
// through it.
Translators& Current() {
  static Translators translators;
  return translators;
}

// A language without a file leaves its translator empty: the texts stay English.
void Load(Translators& translators, const QLocale& locale) {
  (void)translators.english.load(QStringLiteral(":/i18n/glimmerix_en.qm"));
  (void)translators.game.load(locale, QStringLiteral("glimmerix"), QStringLiteral("_"),
                              QStringLiteral(":/i18n"));
  (void)translators.qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  translators.loaded = true;
}

}  // namespace

void InstallTranslations(const QLocale& locale) {
  QLocale::setDefault(locale);  // numbers too are written as the language writes them
  Translators& translators = Current();
  for (QTranslator* installed : {&translators.english, &translators.game, &translators.qt})
    QCoreApplication::removeTranslator(installed);
  Load(translators, locale);
  // The last installed is asked first: a language's own plural forms before English.
  QCoreApplication::installTranslator(&translators.english);
  if (!translators.game.isEmpty()) QCoreApplication::installTranslator(&translators.game);
  if (!translators.qt.isEmpty()) QCoreApplication::installTranslator(&translators.qt);
}

QString TranslatedEarly(const char* context, const char* source) {
  Translators& translators = Current();
  if (!translators.loaded) Load(translators, QLocale::system());
  for (const QTranslator* translator : {&translators.game, &translators.qt}) {
    QString text = translator->translate(context, source);
    if (!text.isEmpty()) return text;
  }
  return QString::fromUtf8(source);
}

QString CoreText(const std::string& text) {
  return QCoreApplication::translate(CoreTextContext, text.c_str());
}

}  // namespace glimmerix
