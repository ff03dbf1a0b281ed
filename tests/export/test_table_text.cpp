// The month table and the eclipse list as comma- and tab-separated text.
#include "Calendar.h"
#include "Eclipse.h"
#include "TableText.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace crescendar;

namespace {

// Splits CSV text into rows of cells, reading quoted cells back.
TTable ParseDelimited(const std::string& text, char separator, const std::string& lineEnd) {
    TTable rows;
    std::vector<std::string> row;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            row.push_back(cell);
            cell.clear();
        } else if (text.compare(i, lineEnd.size(), lineEnd) == 0) {
            row.push_back(cell);
            cell.clear();
            rows.push_back(row);
            row.clear();
            i += lineEnd.size() - 1;
        } else {
            cell += c;
        }
    }
    return rows;
}

Observer London() {
    Observer o;
    o.Latitude = DegToRad(51.5);
    o.Longitude = DegToRad(0.12);
    return o;
}

TEST(TableText, CellsWithSeparatorsQuotesOrBreaksAreQuoted) {
    const TTable t{{"a", "b,c", "say \"hi\""}, {"line\nbreak", " padded", "tab\there"}};
    EXPECT_EQ(CsvText(t),
              "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"line\nbreak\",\" padded\",tab\there\r\n");
    EXPECT_EQ(TabText(t),
              "a\tb,c\t\"say \"\"hi\"\"\"\n\"line\nbreak\"\t\" padded\"\t\"tab\there\"\n");
    EXPECT_EQ(ParseDelimited(CsvText(t), ',', "\r\n"), t);
    EXPECT_EQ(ParseDelimited(TabText(t), '\t', "\n"), t);
}

TEST(TableText, TheMonthTableHasAHeadingAndOneRowADay) {
    const TTable t = MonthTable(MakeDate(2025, 3, 14), London(), "dd/mm/yyyy");
    ASSERT_EQ(t.size(), 32u);
    EXPECT_EQ(t[0][0], "Date");
    EXPECT_EQ(t[0][8], "Sunrise");
    for (const auto& row : t) EXPECT_EQ(row.size(), 14u);
    EXPECT_EQ(t[1][0], "01/03/2025");
    EXPECT_EQ(t[31][0], "31/03/2025");
    // 1 March 2025 at London, as the times list shows it.
    EXPECT_EQ(t[1][1], "07:21");
    EXPECT_EQ(t[1][8], "06:45");
    EXPECT_EQ(t[1][4], "1");
    // October 1582 lost ten days to the calendar reform.
    EXPECT_EQ(MonthTable(MakeDate(1582, 10, 1), London(), "dd/mm/yyyy").size(), 22u);
}

TEST(TableText, ADatePatternWithACommaStaysOneColumn) {
    const std::string csv = CsvText(MonthTable(MakeDate(2024, 2, 1), London(), "dd, mm yyyy"));
    const TTable back = ParseDelimited(csv, ',', "\r\n");
    ASSERT_EQ(back.size(), 30u);
    for (const auto& row : back) EXPECT_EQ(row.size(), 14u);
    EXPECT_EQ(back[29][0], "29, 02 2024");
    EXPECT_NE(csv.find("\"01, 02 2024\""), std::string::npos);
}

TEST(TableText, TheEclipseListHasTheFindersColumns) {
    Observer o;
    const std::vector<TEclipseResult> found = FindEclipses(2025, 2026, o);
    const TTable t = EclipseTable(found);
    ASSERT_EQ(t.size(), found.size() + 1);
    EXPECT_EQ(t[0],
              (std::vector<std::string>{"Eclipse", "Magnitude", "Maximum", "Date", "Visibility"}));
    EXPECT_EQ(t[1][0], "Total");
    EXPECT_EQ(t[1][1], "1.175");
    // The copy and the file say what the window shows, with the fewest digits (28 October
    // 2023: a partial eclipse of umbral magnitude 0.120).
    const TTable partial = EclipseTable(FindEclipses(2023, 2023, o));
    ASSERT_EQ(partial.back()[0], "Partial");
    EXPECT_EQ(partial.back()[1], "0.12");
    // A regional decimal comma is kept, and the cell quoted.
    TRegionalNames names = EnglishRegionalNames();
    names.DecimalSeparator = ",";
    SetRegionalNames(names);
    const std::string csv = CsvText(EclipseTable(found));
    SetRegionalNames(EnglishRegionalNames());
    EXPECT_NE(csv.find(",\"1,175\","), std::string::npos) << csv;
    const TTable back = ParseDelimited(csv, ',', "\r\n");
    for (const auto& row : back) EXPECT_EQ(row.size(), 5u);
}

} // namespace
