// crescendar-cli on dates around the calendar reform of 1582, and error lines that echo
// arguments holding control characters.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class CliReform : public ::testing::Test {
  protected:
    QTemporaryDir home;

    CliRun run(const QStringList& args) { return RunCli(args, home.path()); }
};

TEST_F(CliReform, TheTenDroppedDaysAndJulianLeapDaysInDateArguments) {
    for (int d = 5; d <= 14; ++d) {
        const QString date = QString("1582-10-%1").arg(d, 2, 10, QChar('0'));
        const CliRun r = run({"dateinfo", date});
        EXPECT_EQ(r.code, 2) << date.toStdString();
        EXPECT_TRUE(r.err.contains("no such date")) << r.err.toStdString();
    }
    EXPECT_EQ(run({"riseset", "1582-10-10"}).code, 2);
    EXPECT_EQ(run({"moon", "1582-10-14", "12:00"}).code, 2);
    EXPECT_EQ(run({"dateinfo", "1500-02-30"}).code, 2);
    EXPECT_EQ(run({"dateinfo", "1700-02-29"}).code, 2);

    CliRun r = run({"dateinfo", "1500-02-29", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["DateText"].toString(), "29 February 1500");
    EXPECT_EQ(r.json()["DayNumber"].toInt(), 60);

    r = run({"dateinfo", "1582-10-04", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["Weekday"].toInt(), 4); // Thursday
    EXPECT_EQ(r.json()["WeekText"].toString(), "40  (1582-W40-4)");
    r = run({"dateinfo", "1582-10-15", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["Weekday"].toInt(), 5); // Friday
    EXPECT_EQ(r.json()["DayNumber"].toInt(), 278);

    r = run({"easter", "1582", "--json"});
    EXPECT_EQ(r.json()["Easter"].toString(), "15 April 1582");
}

TEST_F(CliReform, MonthTablesListTheDaysOfTheMonth) {
    CliRun r = run({"month", "1582-10", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QJsonArray days = r.json()["Days"].toArray();
    ASSERT_EQ(days.size(), 21);
    EXPECT_EQ(days[3].toObject()["Date"].toString(), "04/10/1582");
    EXPECT_EQ(days[4].toObject()["Date"].toString(), "15/10/1582");
    EXPECT_EQ(days[20].toObject()["Date"].toString(), "31/10/1582");

    r = run({"month", "1582-10"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count('\n'), 1 + 21 + 1); // the titles, the days, the zone
    EXPECT_FALSE(r.out.contains("05/10/1582"));

    r = run({"month", "1500-02", "--json"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    days = r.json()["Days"].toArray();
    ASSERT_EQ(days.size(), 29);
    EXPECT_EQ(days[28].toObject()["Date"].toString(), "29/02/1500");
}

TEST_F(CliReform, ErrorLinesEscapeLineBreaksAndTabs) {
    const QList<QStringList> bad = {
        {"dateinfo", "2024-01-01\nx\ty"},    {"month", "2024-\n01\t"},
        {"moon", "2024-01-01", "12:\n00\t"}, {"moon", "--lat", "4\n5\t"},
        {"eclipses", "20\n20\t", "2021"},    {"no\nsuch\tcommand"},
        {"moon", "--fro\nb\tnicate"},        {"easter", "20\r\n24\t"},
    };
    for (const QStringList& args : bad) {
        const CliRun r = run(args);
        const std::string what = args.join(' ').toStdString();
        EXPECT_EQ(r.code, 2) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.endsWith('\n')) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains('\t')) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains('\r')) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("\\n")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("\\t")) << r.err.toStdString();
    }
    // The escapes are unambiguous: a typed backslash is doubled.
    const CliRun r = run({"dateinfo", "a\\nb\nc"});
    EXPECT_TRUE(r.err.contains("\"a\\\\nb\\nc\"")) << r.err.toStdString();
}

} // namespace
