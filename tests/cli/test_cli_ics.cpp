// crescendar-cli ics (the years' events as an iCalendar) and month --csv, run as a user would.
#include "CliRun.h"
#include "IcsReader.h"

#include "Calendar.h"
#include "YearEvents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <set>

#include <csignal>
#include <sys/resource.h>

using namespace crescendar;

namespace {

const QStringList kLondon{"--lat", "51.5", "--lon", "-0.12", "--zone", "0", "--no-dst"};

class CliIcs : public ::testing::Test {
  protected:
    QTemporaryDir home;

    CliRun run(QStringList args) { return RunCli(args << kLondon, home.path()); }
};

TEST_F(CliIcs, TheYearsEventsReadBackAtTheEnginesInstants) {
    const CliRun r = run({"ics", "2026"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    const IcsCalendar c = ReadIcs(r.out.toStdString());
    ASSERT_TRUE(c.Parsed);

    Observer london;
    london.Latitude = DegToRad(51.5);
    london.Longitude = DegToRad(0.12);
    const std::vector<TYearEvent> events = YearEvents(2026, 2026, london);
    ASSERT_EQ(c.Events.size(), events.size());
    std::map<std::string, int> summaries;
    for (std::size_t i = 0; i < events.size(); ++i) {
        ++summaries[c.Events[i].Summary];
        EXPECT_TRUE(c.Events[i].StartUtc);
        EXPECT_NEAR(c.Events[i].StartJD, events[i].Start.JD, 1.0 / 86400) << c.Events[i].Uid;
    }
    EXPECT_EQ(summaries["New Moon"], 12);
    EXPECT_EQ(summaries["First Quarter"], 12);
    EXPECT_EQ(summaries["Full Moon"], 12);
    EXPECT_EQ(summaries["Blue Moon"], 1);
    EXPECT_EQ(summaries["Last Quarter"], 13);
    EXPECT_EQ(summaries["Total Lunar Eclipse"], 1);
    EXPECT_EQ(summaries["Partial Lunar Eclipse"], 1);
    // The annular eclipse of 17 February, not seen from London, and the total one of 12
    // August, partial there.
    EXPECT_EQ(summaries["Annular Solar Eclipse"], 1);
    EXPECT_EQ(summaries["Partial Solar Eclipse"], 1);
    EXPECT_EQ(summaries["Perigee"], 14);
    EXPECT_EQ(summaries["Apogee"], 13);
    for (const char* season :
         {"March Equinox", "June Solstice", "September Equinox", "December Solstice"})
        EXPECT_EQ(summaries[season], 1) << season;
}

TEST_F(CliIcs, TwoExportsGiveTheSameUids) {
    const auto uids = [this](const QStringList& args) {
        std::vector<std::string> out;
        for (const IcsEvent& e : ReadIcs(run(args).out.toStdString()).Events) out.push_back(e.Uid);
        return out;
    };
    const auto first = uids({"ics", "2026", "2027"});
    ASSERT_GT(first.size(), 150u);
    EXPECT_EQ(uids({"ics", "2026", "2027"}), first);
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), first.size());
}

TEST_F(CliIcs, OnlyChoosesTheKinds) {
    const IcsCalendar c =
        ReadIcs(run({"ics", "2026", "--only", "eclipses,seasons"}).out.toStdString());
    ASSERT_EQ(c.Events.size(), 8u);
    EXPECT_EQ(c.Events[0].Summary, "Annular Solar Eclipse");
    EXPECT_FALSE(c.Events[0].HasEnd);
    EXPECT_EQ(c.Events[1].Summary, "Total Lunar Eclipse");
    EXPECT_TRUE(c.Events[1].HasEnd);
    const IcsCalendar apsides =
        ReadIcs(run({"ics", "2026", "--only", "apsides"}).out.toStdString());
    EXPECT_EQ(apsides.Events.size(), 27u);
}

TEST_F(CliIcs, BadArgumentsAreRefusedNamingWhatIsWrong) {
    const struct {
        QStringList Args;
        const char* Said;
    } cases[] = {
        {{"ics"}, "usage: ics"},
        {{"ics", "2026", "2025"}, "From year"},
        {{"ics", "20x6"}, "20x6"},
        {{"ics", "0"}, "\"0\""},
        {{"ics", "2026", "3000"}, "3000"},
        {{"ics", "2026", "--only", "phases,moons"}, "--only: unknown kind \"moons\""},
        {{"ics", "2026", "--only", ""}, "--only"},
        {{"ics", "2026", "--json"}, "--json"},
        {{"ics", "2026", "--csv"}, "--csv"},
        {{"moon", "--only", "phases"}, "--only"},
        {{"phases", "-o", "x.ics"}, "--output"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.Args);
        EXPECT_EQ(r.code, 2) << c.Args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.Said))) << r.err.toStdString();
    }
}

TEST_F(CliIcs, OutputGoesToTheFileOrTheFailureIsTold) {
    QTemporaryDir dir;
    const QString path = dir.filePath("moon.ics");
    CliRun r = run({"ics", "2026", "--only", "seasons", "-o", path});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadIcs(f.readAll().toStdString()).Events.size(), 4u);
    f.close();

    // A folder that does not exist, and a folder in the file's place: nothing is written.
    const QString missing = dir.filePath("no/such/folder/moon.ics");
    r = run({"ics", "2026", "--output", missing});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("was not written")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
    r = run({"ics", "2026", "-o", dir.path()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("was not written"));
    EXPECT_TRUE(QDir(dir.path()).exists());
}

// A calendar that stops being written part of the way (here at a file-size limit of 1 MB, of
// about 5 MB) leaves the file it was to replace as it was, and no temporary file beside it.
TEST_F(CliIcs, AWriteThatFailsHalfwayKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("moon.ics");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the calendar of before\n");
    old.close();
    const CliRun r = RunCli(QStringList{"ics", "1900", "2100", "-o", path} << kLondon, home.path(),
                            [](QProcess& p) {
                                p.setChildProcessModifier([] {
                                    const rlimit limit{1 << 20, 1 << 20};
                                    ::setrlimit(RLIMIT_FSIZE, &limit);
                                    ::signal(SIGXFSZ, SIG_IGN); // the write fails instead
                                });
                            });
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("was not written")) << r.err.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the calendar of before\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"moon.ics"});
}

TEST_F(CliIcs, MonthAsCsvHasTheTimesListsColumns) {
    const CliRun r = run({"month", "2024-02", "--csv"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split("\r\n");
    ASSERT_EQ(lines.size(), 1 + 29 + 1); // the heading, 29 days, nothing after the last CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_TRUE(lines[0].startsWith("Date,Moonrise,Moon transit,Moonset,Moon lit (%),"));
    for (int i = 0; i < 30; ++i) EXPECT_EQ(lines[i].count(','), 13) << lines[i].toStdString();
    EXPECT_TRUE(lines[29].startsWith("29/02/2024,"));
    EXPECT_FALSE(r.out.contains("Time zone"));
}

} // namespace
