#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace glimmerix {

// The player's language: the game's own translations, compiled in, and Qt's for its
// message boxes, shortcuts and command-line help, from Qt's translations folder.
// English is the language the texts are written in; it needs no translation.

// Installs both for the locale on the running application, in place of any installed
// before. The program passes the system's (QLocale::system(): LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG); windows made after this speak the language.
void InstallTranslations(const QLocale& locale = QLocale::system());

// A text in the player's language before there is an application to install the
// translations on (the command line's help, the no-display line).
[[nodiscard]] QString TranslatedEarly(const char* context, const char* source);

// A text the rules hand the window system, marked in game/Translatable.h.
[[nodiscard]] QString CoreText(const std::string& text);

}  // namespace glimmerix
