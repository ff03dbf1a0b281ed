// The language the program speaks, and its translations installed on the running application;
// shared by the windows and the command line.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>

namespace crescendar {

// The language the windows are shown in ("en", "de", "fr" or "es"): the Language setting's
// when it names one, else for "System" the first of the user's interface languages (as
// QLocale::uiLanguages() gives them, "fr-FR" or "fr") that the program is written in, else
// English.
QString LanguageInForce(const std::string& setting, const QStringList& uiLanguages);

// What InstallLanguage put in place.
struct TLanguageInstalled {
    QString Language;          // as LanguageInForce gives it
    bool Translated = false;   // the program's own translation is installed
    bool QtTranslated = false; // Qt's own translation (qtbase) was found on the system
};

// Installs on the running application the translations of the language in force (replacing
// those of an earlier call; none for English), Qt's own when the system has them, and makes
// that language's locale the default one, so that dates and numbers follow it. The system
// locale stays the default when it already speaks the language in force, or when the
// language is English only because the program has none of the user's.
TLanguageInstalled
InstallLanguage(const std::string& setting,
                const QStringList& uiLanguages = QLocale::system().uiLanguages());

} // namespace crescendar
