// The session model: when the month's values are computed, what each change signals, the
// table of days, the requests other windows make and a save that fails.
#include "Session.h"

#include "Calendar.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace crescendar {
namespace {

// How many times each signal of a session was emitted.
struct SignalCounts {
    explicit SignalCounts(TSession& s) {
        QObject::connect(&s, &TSession::settingsChanged, [this] { ++settings; });
        QObject::connect(&s, &TSession::observerChanged, [this] { ++observer; });
        QObject::connect(&s, &TSession::instantChanged, [this] { ++instant; });
        QObject::connect(&s, &TSession::monthChanged, [this] { ++month; });
        QObject::connect(&s, &TSession::daySelected, [this] { ++daySelected; });
    }
    int settings = 0, observer = 0, instant = 0, month = 0, daySelected = 0;
};

TEST(SessionTest, TheMonthIsComputedOnceForEachMonthAndObserver) {
    TSession session;
    SignalCounts count(session);
    session.SetInstant(MakeDate(2025, 3, 10, 21, 0, 0), 0.0);
    EXPECT_EQ(session.MonthComputations(), 1);
    EXPECT_EQ(count.month, 1);
    EXPECT_EQ(session.Eclipses().size(), 1u); // the total eclipse of 14 March

    // Another day, another time and an offset within the month: the same month.
    session.SetSelectedDateTime(MakeDate(2025, 3, 31, 23, 59, 59));
    session.SetTimeOffset(-0.5);
    EXPECT_EQ(count.instant, 3);
    EXPECT_EQ(session.MonthComputations(), 1);
    EXPECT_EQ(count.month, 1);
    EXPECT_DOUBLE_EQ(session.ShownJD().JD,
                     DateToJulianDay(MakeDate(2025, 3, 31, 23, 59, 59)) - 0.5);

    // Another month: once.
    session.SetSelectedDateTime(MakeDate(2025, 4, 1));
    EXPECT_EQ(session.MonthComputations(), 2);
    EXPECT_EQ(count.month, 2);
    EXPECT_TRUE(session.Eclipses().empty());

    // Settings that move the observer: observerChanged and the month again, once each.
    TSettings moved = session.Settings();
    moved.LatDeg = "51";
    moved.DaylightSavings = true;
    session.ChangeSettings(moved);
    EXPECT_EQ(count.settings, 1);
    EXPECT_EQ(count.observer, 1);
    EXPECT_EQ(count.month, 3);
    EXPECT_NEAR(session.GetObserver().Latitude, DegToRad(51), 1e-12);
    EXPECT_EQ(session.GetObserver().DaylightOffset, 60);
    EXPECT_DOUBLE_EQ(session.ShownUT().JD, session.ShownJD().JD - 60 / 1440.0);

    // Settings that leave the observer and the first weekday: nothing else moves.
    TSettings printing = session.Settings();
    printing.PrintSunTimes = !printing.PrintSunTimes;
    session.ChangeSettings(printing);
    EXPECT_EQ(count.settings, 2);
    EXPECT_EQ(count.observer, 1);
    EXPECT_EQ(count.month, 3);
    EXPECT_EQ(session.MonthComputations(), 3);
}

TEST(SessionTest, TheTableOfDaysFollowsTheCalendarAndTheFirstWeekday) {
    TSession session;
    // October 1582: the 4th is followed by the 15th; the 1st was a Monday.
    session.SetSelectedDateTime(MakeDate(1582, 10, 4));
    EXPECT_EQ(session.DaysInMonth(), 21);
    EXPECT_EQ(session.FirstDayColumn(), 1);
    const auto& october = session.DayTable();
    EXPECT_EQ(october[0], 0);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(october[static_cast<std::size_t>(i)], i);
    for (int i = 5; i <= 21; ++i) EXPECT_EQ(october[static_cast<std::size_t>(i)], i + 10);
    for (int i = 22; i < 42; ++i) EXPECT_EQ(october[static_cast<std::size_t>(i)], 0) << i;

    // March 2025 starts on a Saturday: the last column with Sunday first, and 31 cells on
    // it reaches the sixth row.
    session.SetSelectedDateTime(MakeDate(2025, 3, 14));
    EXPECT_EQ(session.FirstDayColumn(), 6);
    const auto& march = session.DayTable();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(march[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(march[6], 1);
    EXPECT_EQ(march[36], 31);
    for (int i = 37; i < 42; ++i) EXPECT_EQ(march[static_cast<std::size_t>(i)], 0) << i;

    // Monday first moves the month one column left, computed afresh.
    const int before = session.MonthComputations();
    TSettings monday = session.Settings();
    monday.DayOrder = 1;
    session.ChangeSettings(monday);
    EXPECT_EQ(session.MonthComputations(), before + 1);
    EXPECT_EQ(session.FirstDayColumn(), 5);
    EXPECT_EQ(session.DayTable()[5], 1);
}

// A follower of any signal of a settings change reads the month and the day already
// computed for the new settings: it never has to write the session to get them.
TEST(SessionTest, SettingsSignalsComeAfterTheMonthAndDayAreRecomputed) {
    TSession session;
    session.SetSelectedDateTime(MakeDate(2025, 3, 14));
    TSettings changed = session.Settings();
    changed.DayOrder = 1;
    changed.LatDeg = "51";
    std::vector<std::string> seen;
    const auto record = [&](const char* name) {
        return [&seen, &session, name] {
            seen.push_back(std::string(name) + " " + std::to_string(session.MonthComputations()) +
                           " " + std::to_string(session.FirstDayColumn()));
        };
    };
    QObject::connect(&session, &TSession::settingsChanged, record("settings"));
    QObject::connect(&session, &TSession::observerChanged, record("observer"));
    QObject::connect(&session, &TSession::monthChanged, record("month"));
    QObject::connect(&session, &TSession::dayChanged, record("day"));
    session.ChangeSettings(changed);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"settings 2 5", "observer 2 5", "month 2 5", "day 2 5"}));
}

TEST(SessionTest, RequestsSelectADayAndAskTheMainWindowToFollow) {
    TSession session;
    SignalCounts count(session);
    session.SetInstant(MakeDate(2025, 1, 31, 20, 30, 0), 0.25);

    // The 31st of January becomes the last of February.
    session.SelectMonth(2, 2025);
    EXPECT_EQ(session.SelectedDateTime().Day, 28);
    EXPECT_EQ(session.SelectedDateTime().Month, 2);
    EXPECT_EQ(count.daySelected, 1);

    // A phase's local instant, seconds dropped: the offset brings the shown instant to its
    // minute; a day the month lacks becomes one it has.
    session.SelectLocalMinute(MakeDate(2025, 3, 14, 3, 10, 40));
    EXPECT_EQ(session.SelectedDateTime().Day, 14);
    EXPECT_EQ(session.SelectedDateTime().Month, 3);
    EXPECT_EQ(count.daySelected, 2);
    EXPECT_EQ(DateTimeToText(JulianDayToDate(session.ShownJD().JD)), "03:10:00  14 March 2025");
    TDateTimeRecord gap = MakeDate(1582, 10, 15, 12, 0);
    gap.Day = 10;
    session.SelectLocalMinute(gap);
    EXPECT_EQ(session.SelectedDateTime().Day, 15);
    EXPECT_EQ(count.daySelected, 3);
}

// Samoa's clocks passed over 30 December 2011: a selection moving onto it goes on to the
// next date in the direction it moved.
TEST(SessionTest, ASkippedDateIsPassedOver) {
    TSession session;
    TSettings samoa = session.Settings();
    samoa.ZoneName = "Pacific/Apia";
    session.ChangeSettings(samoa);
    ASSERT_EQ(session.GetObserver().ZoneName(), "Pacific/Apia");
    session.SetSelectedDateTime(MakeDate(2011, 12, 29, 12));
    session.SetSelectedDateTime(MakeDate(2011, 12, 30, 12));
    EXPECT_EQ(session.SelectedDateTime().Day, 31);
    session.SetSelectedDateTime(MakeDate(2011, 12, 30, 12));
    EXPECT_EQ(session.SelectedDateTime().Day, 29);
    EXPECT_EQ(session.SelectedDateTime().Hour, 12);
}

TEST(SessionTest, AFailedSaveSaysWhyAndKeepsTheSettingsInForce) {
    QTemporaryDir dir;
    const std::string ini = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    TSession session(ini);
    EXPECT_TRUE(session.LoadSettings().Empty()); // a first run creates the key
    TSettings changed = session.Settings();
    changed.Location = "Lima";
    std::string why;
    EXPECT_TRUE(session.SaveSettings(changed, &why));
    EXPECT_EQ(why, "");
    EXPECT_EQ(SettingsStore(ini).ReadValue("Location"), "Lima");

    ASSERT_TRUE(QFile::remove(QString::fromStdString(ini)));
    changed.Location = "Quito";
    EXPECT_FALSE(session.SaveSettings(changed, &why));
    EXPECT_NE(why.find(ini), std::string::npos) << why;
    EXPECT_EQ(session.Settings().Location, "Quito");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ini)));
}

} // namespace
} // namespace crescendar
