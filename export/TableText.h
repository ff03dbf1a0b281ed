// Tables as data: the month's times table and the eclipse list as rows of texts, and rows as
// comma-separated (files) or tab-separated (the clipboard, which a spreadsheet pastes as
// columns) text.
#pragma once

#include "Eclipse.h"
#include "Records.h"

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

// An eclipse as a line of the eclipse list: the values its texts are made from, a few dozen
// bytes where the texts would take a kilobyte, so that a list of thousands of eclipses makes
// texts only for the lines shown, copied or saved.
struct TEclipseLine {
    TDateTimeRecord MaximumDate; // greatest eclipse on the local clock
    UniversalTime Maximum;       // greatest eclipse (the result's Elements.JD)
    double Magnitude = 0.0;      // the one the list shows (ListedMagnitude)
    TEclipseKind EclipseType = kNoEclipse;
    TEclipseVisibility Visibility = TEclipseVisibility::NotVisible;
};
TEclipseLine EclipseLine(const TEclipseResult& e);

// The eclipse list's column headings, and a line's cells under them: kind, magnitude, local
// time and date of the maximum, visibility.
std::vector<std::string> EclipseTableHeadings();
std::vector<std::string> EclipseLineTexts(const TEclipseLine& line);

// The eclipse list as the eclipse finder shows it, under its headings.
TTable EclipseTable(const std::vector<TEclipseResult>& eclipses);
TTable EclipseTable(const std::vector<TEclipseLine>& lines);

// The magnitude an eclipse list shows, one text on screen, copied and saved: the umbral one of
// partial and total eclipses, the penumbral one otherwise, with the fewest digits.
std::string ListedMagnitude(const TEclipseResult& e);
std::string ListedMagnitude(const TEclipseLine& line);

} // namespace crescendar
