// Paging the shown month by whole months.
#include "Session.h"

#include "Calendar.h"

#include <gtest/gtest.h>

namespace crescendar {
namespace {

TEST(StepMonthTest, PagesAcrossYearsKeepsTheDayWhereItCanAndStopsAtTheEnds) {
    TSession session;
    int selected = 0;
    QObject::connect(&session, &TSession::daySelected, [&selected] { ++selected; });
    session.SetInstant(MakeDate(2024, 12, 31, 8, 0, 0), 0.0);
    ASSERT_TRUE(session.StepMonth(2));
    EXPECT_EQ(session.SelectedDateTime().Year, 2025);
    EXPECT_EQ(session.SelectedDateTime().Month, 2);
    EXPECT_EQ(session.SelectedDateTime().Day, 28);
    ASSERT_TRUE(session.StepMonth(-14));
    EXPECT_EQ(session.SelectedDateTime().Year, 2023);
    EXPECT_EQ(session.SelectedDateTime().Month, 12);
    EXPECT_EQ(selected, 2);

    session.SetInstant(MakeDate(1, 1, 20), 0.0);
    EXPECT_FALSE(session.StepMonth(-1));
    EXPECT_EQ(session.SelectedDateTime().Year, 1);
    session.SetInstant(MakeDate(9999, 12, 20), 0.0);
    EXPECT_FALSE(session.StepMonth(1));
    EXPECT_EQ(session.SelectedDateTime().Month, 12);
    EXPECT_EQ(selected, 2);
    // Into the calendar reform: the 10th of October 1582 never was.
    session.SetInstant(MakeDate(1582, 9, 10), 0.0);
    ASSERT_TRUE(session.StepMonth(1));
    EXPECT_EQ(session.SelectedDateTime().Day, 15);
}

} // namespace
} // namespace crescendar
