#include "Regional.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>

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

// The engine's words, in the order of TWord, marked for translation.
const char* const kWordSources[] = {
    QT_TRANSLATE_NOOP("Words", "New Moon"),
    QT_TRANSLATE_NOOP("Words", "First Quarter"),
    QT_TRANSLATE_NOOP("Words", "Full Moon"),
    //: The second full moon of a calendar month
    QT_TRANSLATE_NOOP("Words", "Blue Moon"),
    QT_TRANSLATE_NOOP("Words", "Last Quarter"),
    QT_TRANSLATE_NOOP("Words", "Waxing Crescent"),
    QT_TRANSLATE_NOOP("Words", "Waxing Gibbous"),
    QT_TRANSLATE_NOOP("Words", "Waning Gibbous"),
    QT_TRANSLATE_NOOP("Words", "Waning Crescent"),
    //: The phase of a moment at a blue moon
    QT_TRANSLATE_NOOP("Words", "Full (Blue) Moon"),
    //: The phase of a moment at full moon; %1 is the month's traditional full moon name
    QT_TRANSLATE_NOOP("Words", "Full (%1) Moon"),
    //: Traditional name of January's full moon, put into "Full (%1) Moon"
    QT_TRANSLATE_NOOP("Words", "Wolf"),
    //: February's full moon
    QT_TRANSLATE_NOOP("Words", "Snow"),
    //: March's full moon
    QT_TRANSLATE_NOOP("Words", "Worm"),
    //: April's full moon
    QT_TRANSLATE_NOOP("Words", "Pink"),
    //: May's full moon
    QT_TRANSLATE_NOOP("Words", "Flower"),
    //: June's full moon
    QT_TRANSLATE_NOOP("Words", "Strawberry"),
    //: July's full moon
    QT_TRANSLATE_NOOP("Words", "Buck"),
    //: August's full moon
    QT_TRANSLATE_NOOP("Words", "Sturgeon"),
    //: September's full moon
    QT_TRANSLATE_NOOP("Words", "Harvest"),
    //: October's full moon
    QT_TRANSLATE_NOOP("Words", "Hunter's"),
    //: November's full moon
    QT_TRANSLATE_NOOP("Words", "Beaver"),
    //: December's full moon
    QT_TRANSLATE_NOOP("Words", "Cold"),
    QT_TRANSLATE_NOOP("Words", "Penumbral Lunar Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Partial Lunar Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Total Lunar Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Penumbral Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Partial Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Total Eclipse"),
    //: An eclipse's kind in the eclipse finder's narrow column
    QT_TRANSLATE_NOOP("Words", "Penumbral"),
    //: An eclipse's kind in the eclipse finder's narrow column
    QT_TRANSLATE_NOOP("Words", "Partial"),
    //: An eclipse's kind in the eclipse finder's narrow column
    QT_TRANSLATE_NOOP("Words", "Total"),
    //: Whether an eclipse can be seen from the observer's place
    QT_TRANSLATE_NOOP("Words", "Visible"),
    QT_TRANSLATE_NOOP("Words", "Partially Visible"),
    QT_TRANSLATE_NOOP("Words", "Not Visible"),
    QT_TRANSLATE_NOOP("Words", "Partial Solar Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Annular Solar Eclipse"),
    QT_TRANSLATE_NOOP("Words", "Total Solar Eclipse"),
    //: A solar eclipse that is total along part of its track and annular along the rest
    QT_TRANSLATE_NOOP("Words", "Hybrid Solar Eclipse"),
    //: A solar eclipse's kind in the eclipse finder's narrow column
    QT_TRANSLATE_NOOP("Words", "Annular"),
    //: A solar eclipse's kind in the eclipse finder's narrow column
    QT_TRANSLATE_NOOP("Words", "Hybrid"),
    QT_TRANSLATE_NOOP("Words", "March Equinox"),
    QT_TRANSLATE_NOOP("Words", "June Solstice"),
    QT_TRANSLATE_NOOP("Words", "September Equinox"),
    QT_TRANSLATE_NOOP("Words", "December Solstice"),
    QT_TRANSLATE_NOOP("Words", "Perigee"),
    QT_TRANSLATE_NOOP("Words", "Apogee"),
    //: In place of a rise, transit or set time: the body does not cross that altitude on the
    //: date. At most five characters.
    QT_TRANSLATE_NOOP("Words", "None"),
    //: The length of a season, %1 a decimal number such as 92.75
    QT_TRANSLATE_NOOP("Words", "%1 days"),
    QT_TRANSLATE_NOOP("Words", "Skipped: the clocks passed over this date"),
    //: One-letter unit of the Moon's age: days
    QT_TRANSLATE_NOOP("Words", "d"),
    //: One-letter unit of the Moon's age: hours
    QT_TRANSLATE_NOOP("Words", "h"),
    //: One-letter unit of the Moon's age: minutes
    QT_TRANSLATE_NOOP("Words", "m"),
    //: The length of totality or annularity: %1 minutes, %2 seconds (0-59)
    QT_TRANSLATE_NOOP("Words", "%1 min %2 s"),
    //: A percentage, %1 a whole number such as 45
    QT_TRANSLATE_NOOP("Words", "%1%"),
};
static_assert(std::size(kWordSources) == kWordCount, "one text per engine word");

} // namespace

TWords TranslatedWords() {
    TWords words;
    for (std::size_t i = 0; i < kWordCount; ++i)
        words[i] = QCoreApplication::translate("Words", kWordSources[i]).toStdString();
    return words;
}

TRegionalNames RegionalNamesFromLocale(const QLocale& locale) {
    TRegionalNames names = EnglishRegionalNames();
    for (int m = 1; m <= 12; ++m) {
        const QString name = locale.monthName(m, QLocale::LongFormat);
        if (!name.isEmpty())
            names.LongMonthNames[static_cast<std::size_t>(m - 1)] = name.toStdString();
        const QString shortName = locale.monthName(m, QLocale::ShortFormat);
        if (!shortName.isEmpty())
            names.ShortMonthNames[static_cast<std::size_t>(m - 1)] = shortName.toStdString();
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
    names.Words = TranslatedWords();
    return names;
}

void UseRegionalNamesInForce() {
    SetRegionalNames(RegionalNamesFromLocale(QLocale()));
}

} // namespace crescendar
