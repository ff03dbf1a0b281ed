// The regional names table of the engine, filled from a Qt locale.
#pragma once

#include "Calendar.h"

#include <QLocale>

namespace crescendar {

// Month names, day names, the date separator and the decimal separator of a locale.
TRegionalNames RegionalNamesFromLocale(const QLocale& locale);

} // namespace crescendar
