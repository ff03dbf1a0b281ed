// Where crescendar-cli's answers go: standard output that fails, and -o FILE naming a pipe, a
// device, a folder or a symbolic link.
#include "CliRun.h"
#include "FileKinds.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

using namespace crescendar;

namespace {

const QStringList kLondon{"--lat", "51.5", "--lon", "-0.12", "--zone", "0", "--no-dst"};

class CliOutput : public ::testing::Test {
  protected:
    QTemporaryDir home;
    QTemporaryDir dir;

    CliRun run(QStringList args, const std::function<void(QProcess&)>& setup = {}) {
        return RunCli(args << kLondon, home.path(), setup);
    }
    CliRun ics(const QString& output) { return run({"ics", "2026", "-o", output}); }
};

TEST_F(CliOutput, AnAnswerThatDoesNotReachStandardOutputIsAFailure) {
    const auto toFull = [](QProcess& p) { p.setStandardOutputFile("/dev/full"); };
    const auto closed = [](QProcess& p) {
        p.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    };
    struct Case {
        QStringList args;
        std::function<void(QProcess&)> setup;
        const char* reason;
    };
    const Case cases[] = {
        {{"month", "2026-01", "--csv"}, toFull, "No space left on device"},
        {{"moon", "--json"}, toFull, "No space left on device"},
        {{"places", "London"}, toFull, "No space left on device"},
        {{"ics", "2026"}, toFull, "No space left on device"},
        {{"--help"}, toFull, "No space left on device"},
        {{"eclipses", "2000", "2010"}, closed, "Bad file descriptor"},
        {{"seasons", "2026"}, closed, "Bad file descriptor"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args, c.setup);
        const std::string name = c.args.join(' ').toStdString();
        EXPECT_EQ(r.code, 1) << name;
        EXPECT_EQ(r.err.count('\n'), 1) << name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("standard output")) << name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.reason)) << name << ": " << r.err.toStdString();
    }
}

TEST_F(CliOutput, PipesAndDevicesAreWrittenInPlaceAndFoldersRefused) {
    Fifo fifo(dir.filePath("pipe"));
    ASSERT_TRUE(fifo.Ready());
    CliRun r = ics(dir.filePath("pipe"));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(fifo.StillAPipe());
    EXPECT_TRUE(fifo.ReadAll().startsWith("BEGIN:VCALENDAR"));

    const QString full = FullDevice(dir.path());
    if (full.isEmpty()) GTEST_SKIP() << "no device node can be made here (mknod refused)";
    r = ics(full);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("No space left on device")) << r.err.toStdString();
    EXPECT_TRUE(IsCharacterDevice(full));

    r = ics(dir.path());
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("it is a folder")) << r.err.toStdString();
}

TEST_F(CliOutput, LinksAreFollowedOnlyWhereTheKernelWould) {
    const QString target = dir.filePath("calendar.ics");
    WriteFile(target, "last year's calendar");
    // The user's own link: the calendar replaces its target, and the link stays a link.
    ASSERT_TRUE(QFile::link(target, dir.filePath("mine")));
    CliRun r = ics(dir.filePath("mine"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath("mine")).isSymLink());
    EXPECT_TRUE(Contents(target).startsWith("BEGIN:VCALENDAR"));

    WriteFile(target, "last year's calendar");
    const QString foreign = ForeignLinkInStickyFolder(dir.path(), target);
    if (foreign.isEmpty()) GTEST_SKIP() << "a link owned by another user needs root (lchown)";
    r = ics(foreign);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("symbolic link")) << r.err.toStdString();
    EXPECT_EQ(Contents(target), "last year's calendar");
    EXPECT_TRUE(QFileInfo(foreign).isSymLink());
}

} // namespace
