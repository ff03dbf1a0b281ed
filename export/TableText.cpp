#include "TableText.h"

#include "Calendar.h"
#include "DayEvents.h"
#include "EventText.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>

namespace crescendar {

namespace {

// A table's headings in the language in force.
std::vector<std::string> Headings(std::initializer_list<const char*> sources) {
    std::vector<std::string> row;
    for (const char* source : sources)
        row.push_back(QCoreApplication::translate("TableText", source).toStdString());
    return row;
}

std::string Cell(const std::string& text, char separator) {
    const bool quote =
        text.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string::npos ||
        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string ListedMagnitude(const TEclipseResult& e) {
    return ListedMagnitude(EclipseLine(e));
}

std::string ListedMagnitude(const TEclipseLine& line) {
    return line.HasMagnitude ? MagnitudeText(line.Magnitude) : std::string();
}

TEclipseLine EclipseLine(const TEclipseResult& e) {
    TEclipseLine line;
    line.MaximumDate = e.MaximumDate;
    line.Maximum = e.Elements.JD;
    line.Magnitude = e.EclipseType == kPenumbralEclipse ? e.PenumbralMagnitude : e.UmbralMagnitude;
    line.EclipseType = e.EclipseType;
    line.Visibility = e.Visibility;
    return line;
}

TEclipseLine EclipseLine(const TSolarEclipseAtPlace& e, const Observer& observer) {
    const TSolarLocalCircumstances& l = e.Local;
    TEclipseLine line;
    line.Body = TEclipseBody::Sun;
    line.Maximum = e.Eclipse.Greatest;
    line.HasMagnitude = SeenAtPlace(l);
    line.MaximumDate = JulianDayToDate(observer.ToLocal(ShownMaximum(e)).JD);
    line.SolarKind = ShownKind(e);
    line.Visibility = l.Visibility;
    if (line.HasMagnitude) line.Magnitude = l.AtMaximum.Magnitude;
    return line;
}

std::string DelimitedText(const TTable& table, char separator, const std::string& lineEnd) {
    std::string out;
    for (const auto& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += separator;
            out += Cell(row[i], separator);
        }
        out += lineEnd;
    }
    return out;
}

std::string CsvText(const TTable& table) {
    return DelimitedText(table, ',', "\r\n");
}

std::string TabText(const TTable& table) {
    return DelimitedText(table, '\t', "\n");
}

TTable MonthTable(const TDateTimeRecord& month, const Observer& observer,
                  const std::string& datePattern) {
    TTable table{Headings(
        {QT_TRANSLATE_NOOP("TableText", "Date"), QT_TRANSLATE_NOOP("TableText", "Moonrise"),
         QT_TRANSLATE_NOOP("TableText", "Moon transit"), QT_TRANSLATE_NOOP("TableText", "Moonset"),
         QT_TRANSLATE_NOOP("TableText", "Moon lit (%)"),
         QT_TRANSLATE_NOOP("TableText", "Astronomical twilight (morning)"),
         QT_TRANSLATE_NOOP("TableText", "Nautical twilight (morning)"),
         QT_TRANSLATE_NOOP("TableText", "Civil twilight (morning)"),
         QT_TRANSLATE_NOOP("TableText", "Sunrise"), QT_TRANSLATE_NOOP("TableText", "Sun transit"),
         QT_TRANSLATE_NOOP("TableText", "Sunset"),
         QT_TRANSLATE_NOOP("TableText", "Civil twilight (evening)"),
         QT_TRANSLATE_NOOP("TableText", "Nautical twilight (evening)"),
         QT_TRANSLATE_NOOP("TableText", "Astronomical twilight (evening)")})};
    TDailyPlaces places; // consecutive dates share their days' places
    for (const std::uint16_t d : MonthDays(month.Month, month.Year)) {
        const TDateTimeRecord day = MakeDate(month.Year, month.Month, d);
        const TDayTexts t = DayTexts(DayEvents(day, observer, places));
        const std::string date = FormatDate(datePattern, day);
        if (t.Skipped) {
            table.push_back({date, SkippedDateText()});
            table.back().resize(table.front().size());
            continue;
        }
        table.push_back({date, t.Moon.RiseText, t.Moon.TransitText, t.Moon.SetText,
                         CutText(std::to_string(t.Moon.IlluminatedPercent), 3),
                         t.Astronomical.RiseText, t.Nautical.RiseText, t.Civil.RiseText,
                         t.Sun.RiseText, t.Sun.TransitText, t.Sun.SetText, t.Civil.SetText,
                         t.Nautical.SetText, t.Astronomical.SetText});
        // A second crossing of a kind on the date: a row of the same date below, holding
        // only those crossings.
        if (t.HasSecond())
            table.push_back(
                {date, t.Moon.SecondRiseText, t.Moon.SecondTransitText, t.Moon.SecondSetText, "",
                 t.Astronomical.SecondRiseText, t.Nautical.SecondRiseText, t.Civil.SecondRiseText,
                 t.Sun.SecondRiseText, t.Sun.SecondTransitText, t.Sun.SecondSetText,
                 t.Civil.SecondSetText, t.Nautical.SecondSetText, t.Astronomical.SecondSetText});
    }
    return table;
}

std::vector<std::string> EclipseTableHeadings(bool withBody) {
    std::vector<std::string> headings = Headings(
        {QT_TRANSLATE_NOOP("TableText", "Eclipse"), QT_TRANSLATE_NOOP("TableText", "Magnitude"),
         QT_TRANSLATE_NOOP("TableText", "Maximum"), QT_TRANSLATE_NOOP("TableText", "Date"),
         QT_TRANSLATE_NOOP("TableText", "Visibility")});
    if (withBody)
        headings.insert(headings.begin(),
                        QCoreApplication::translate("TableText", "Body").toStdString());
    return headings;
}

namespace {

// "Moon" or "Sun", the body column's cell.
std::string EclipseBodyName(TEclipseBody body) {
    return QCoreApplication::translate("TableText", body == TEclipseBody::Sun
                                                        ? QT_TRANSLATE_NOOP("TableText", "Sun")
                                                        : QT_TRANSLATE_NOOP("TableText", "Moon"))
        .toStdString();
}

} // namespace

std::vector<std::string> EclipseLineTexts(const TEclipseLine& line, bool withBody) {
    TWhenTexts when = WhenTexts(line.MaximumDate);
    std::vector<std::string> cells = {line.Body == TEclipseBody::Sun
                                          ? ShortSolarEclipseName(line.SolarKind)
                                          : ShortEclipseTypeName(line.EclipseType),
                                      ListedMagnitude(line), std::move(when.Clock),
                                      std::move(when.Date), VisibilityText(line.Visibility)};
    if (withBody) cells.insert(cells.begin(), EclipseBodyName(line.Body));
    return cells;
}

TTable EclipseTable(const std::vector<TEclipseResult>& eclipses) {
    TTable table{EclipseTableHeadings()};
    for (const TEclipseResult& e : eclipses) table.push_back(EclipseLineTexts(EclipseLine(e)));
    return table;
}

TTable EclipseTable(const std::vector<TEclipseLine>& lines, bool withBody) {
    TTable table{EclipseTableHeadings(withBody)};
    table.reserve(lines.size() + 1);
    for (const TEclipseLine& line : lines) table.push_back(EclipseLineTexts(line, withBody));
    return table;
}

} // namespace crescendar
