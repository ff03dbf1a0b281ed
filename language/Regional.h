// The regional names table of the engine, filled from a Qt locale and the translator.
#pragma once

#include "Calendar.h"

#include <QLocale>

namespace crescendar {

// Month names, day names, the date separator and the decimal separator of a locale, with the
// engine's words in the language whose translator is installed.
TRegionalNames RegionalNamesFromLocale(const QLocale& locale);

// The engine's words in the language whose translator is installed (English without one).
TWords TranslatedWords();

// Sets the engine's month and day names, separators and words from the language in force
// (after InstallLanguage).
void UseRegionalNamesInForce();

} // namespace crescendar
