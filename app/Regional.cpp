#include "Regional.h"

#include <QString>

namespace crescendar {

namespace {

// The first character of the short date pattern that is not a pattern letter or a blank:
// "dd/MM/yyyy" gives "/", "dd.MM.yy" gives ".".
QString DateSeparatorOf(const QLocale& locale) {
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : pattern) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) return QString(c);
    }
    return QStringLiteral("/");
}

} // namespace

TRegionalNames RegionalNamesFromLocale(const QLocale& locale) {
    TRegionalNames names = EnglishRegionalNames();
    for (int m = 1; m <= 12; ++m) {
        const QString name = locale.monthName(m, QLocale::LongFormat);
        if (!name.isEmpty())
            names.LongMonthNames[static_cast<std::size_t>(m - 1)] = name.toStdString();
    }
    // Qt numbers the days 1 (Monday) to 7 (Sunday); the table starts on Sunday.
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;
        const QString longName = locale.standaloneDayName(qtDay, QLocale::LongFormat);
        const QString shortName = locale.standaloneDayName(qtDay, QLocale::ShortFormat);
        if (!longName.isEmpty())
            names.LongDayNames[static_cast<std::size_t>(i)] = longName.toStdString();
        if (!shortName.isEmpty())
            names.ShortDayNames[static_cast<std::size_t>(i)] = shortName.toStdString();
    }
    names.DateSeparator = DateSeparatorOf(locale).toStdString();
    const QString point = locale.decimalPoint();
    if (!point.isEmpty()) names.DecimalSeparator = point.toStdString();
    return names;
}

} // namespace crescendar
