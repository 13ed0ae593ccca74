#pragma once

#include <QStringList>

// Which language the interface speaks. Turkish is the language the texts are
// written in and the one shown to everyone who has not asked for English.
namespace language
{

// English when the first of the user's preferred languages (as
// QLocale::uiLanguages() lists them) is English; Turkish otherwise, the C and
// POSIX locales included.
bool prefersEnglish(const QStringList &uiLanguages);

// The same for this process's settings: LANGUAGE, then LC_ALL, LC_MESSAGES
// and LANG.
bool systemPrefersEnglish();

// Installs the English texts into the application object when the user
// prefers English; needs a QCoreApplication. Returns whether it did.
bool installTranslator();

} // namespace language
