// Tables as data: the month's times table and the eclipse list as rows of texts, and rows as
// comma-separated (files) or tab-separated (the clipboard, which a spreadsheet pastes as
// columns) text.
#pragma once

#include "Eclipse.h"
#include "Records.h"
#include "SolarEclipse.h"

#include <string>
#include <vector>

namespace crescendar {

// Rows of cells; the first row holds the column headings.
using TTable = std::vector<std::vector<std::string>>;

// A cell that holds the separator, a double quote, a line break or blanks at either end is
// written between double quotes, its quotes doubled; every row ends with lineEnd.
std::string DelimitedText(const TTable& table, char separator, const std::string& lineEnd);
// Comma-separated values, lines ending in CR LF.
std::string CsvText(const TTable& table);
// Tab-separated values, lines ending in LF.
std::string TabText(const TTable& table);

// The times table of the month of `month` (its Month and Year) as the times list shows it:
// the date written with the date pattern, the Moon's rise, transit and set and its
// illuminated percentage, then the Sun's morning twilights, rise, transit, set and evening
// twilights, local civil time.
TTable MonthTable(const TDateTimeRecord& month, const Observer& observer,
                  const std::string& datePattern);

// The body an eclipse darkens: the Moon (a lunar eclipse) or the Sun (a solar one).
enum class TEclipseBody : std::uint8_t { Moon, Sun };

// An eclipse as a line of the eclipse list: the values its texts are made from, a few dozen
// bytes where the texts would take a kilobyte, so that a list of thousands of eclipses makes
// texts only for the lines shown, copied or saved.
struct TEclipseLine {
    // The maximum on the local clock: greatest eclipse of a lunar one; of a solar one the
    // maximum at the place, or greatest eclipse where the shadow misses the place.
    TDateTimeRecord MaximumDate;
    // Greatest eclipse, which tells the eclipse from any other: a lunar result's Elements.JD,
    // a solar eclipse's Greatest.
    UniversalTime Maximum;
    double Magnitude = 0.0;                // the one the list shows (ListedMagnitude)
    TEclipseKind EclipseType = kNoEclipse; // of a lunar eclipse
    TEclipseVisibility Visibility = TEclipseVisibility::NotVisible;
    TEclipseBody Body = TEclipseBody::Moon;
    // Of a solar eclipse: the deepest phase at the place, the worldwide kind where the place
    // sees none of it (as the solar eclipse window's title).
    TSolarEclipseKind SolarKind = TSolarEclipseKind::None;
    // False for a solar eclipse whose penumbra misses the place: it has no magnitude there.
    bool HasMagnitude = true;
};
// A list of 1 to 9999 holds some 48 000 of them.
static_assert(sizeof(TEclipseLine) <= 48);
TEclipseLine EclipseLine(const TEclipseResult& e);
TEclipseLine EclipseLine(const TSolarEclipseAtPlace& e, const Observer& observer);

// The eclipse list's column headings, and a line's cells under them: kind, magnitude, local
// time and date of the maximum, visibility; withBody puts the eclipsed body ("Moon", "Sun")
// first, for a list that may hold solar eclipses.
std::vector<std::string> EclipseTableHeadings(bool withBody = false);
std::vector<std::string> EclipseLineTexts(const TEclipseLine& line, bool withBody = false);

// The eclipse list as the eclipse finder shows it, under its headings.
TTable EclipseTable(const std::vector<TEclipseResult>& eclipses);
TTable EclipseTable(const std::vector<TEclipseLine>& lines, bool withBody = false);

// The magnitude an eclipse list shows, one text on screen, copied and saved: the umbral one of
// partial and total lunar eclipses, the penumbral one otherwise, with the fewest digits; a
// solar eclipse's at the place ("" where its penumbra misses the place).
std::string ListedMagnitude(const TEclipseResult& e);
std::string ListedMagnitude(const TEclipseLine& line);

} // namespace crescendar
