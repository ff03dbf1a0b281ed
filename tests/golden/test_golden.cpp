// Pins what the program gives today, so that a change of its inner structure can be shown to
// change nothing a user sees: the standard output of a fixed set of crescendar-cli runs, and
// the pictures of the windows and printed pages (the screenshots of docs/screenshots).
//
// After a deliberate change of behaviour, run this program with CRESCENDAR_GOLDEN_UPDATE=1
// to write the new outputs, and look at what changed before committing them.
#include "GoldenPictures.h"
#include "PinnedFonts.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>

namespace {

using crescendar::Contents;
using crescendar::ExpectGoldenPicture;
using crescendar::UpdatingGoldenFiles;

// Runs a program with the given arguments and extra environment, in a fresh settings folder;
// returns its standard output and sets code to its exit code.
QByteArray RunProgram(const QString& program, const QStringList& args,
                      const QList<QPair<QString, QString>>& env, int& code) {
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("XDG_CONFIG_HOME", home.path());
    e.insert("HOME", home.path());
    e.insert("QT_QPA_PLATFORM", "offscreen");
    for (const auto& [name, value] : env) e.insert(name, value);
    p.setProcessEnvironment(e);
    p.start(program, args);
    if (!p.waitForFinished(300000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not finish";
    }
    code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAllStandardOutput();
}

struct CliCase {
    QString Name;
    QStringList Args;
};

std::vector<CliCase> CliCases() {
    std::vector<CliCase> cases;
    QFile f(QStringLiteral(CRESCENDAR_GOLDEN_DIR "/cli/commands.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return cases;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QStringList words = line.split(' ', Qt::SkipEmptyParts);
        const QString name = words.takeFirst();
        cases.push_back({name, words});
    }
    return cases;
}

} // namespace

TEST(Golden, CliOutputIsUnchanged) {
    const std::vector<CliCase> cases = CliCases();
    ASSERT_GE(cases.size(), 20u);
    for (const CliCase& c : cases) {
        int code = 0;
        const QByteArray out = RunProgram(QStringLiteral(CRESCENDAR_CLI_PATH), c.Args, {}, code);
        EXPECT_EQ(code, 0) << c.Name.toStdString();
        const QString path = QStringLiteral(CRESCENDAR_GOLDEN_DIR "/cli/") + c.Name + ".out";
        if (UpdatingGoldenFiles()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(out) == out.size());
            continue;
        }
        EXPECT_EQ(out.toStdString(), Contents(path).toStdString()) << c.Name.toStdString();
    }
}

TEST(Golden, MainWindowPictureIsUnchanged) {
    crescendar::UsePinnedFonts();
    QTemporaryDir dir;
    const QString png = dir.filePath("main.png");
    int code = 0;
    RunProgram(QStringLiteral(CRESCENDAR_SCREENSHOT_PATH),
               {"--screenshot", png, "--at", "2025-03-14 06:30:00"}, {}, code);
    ASSERT_EQ(code, 0);
    ExpectGoldenPicture(QImage(png), "main.png");
}

// Every picture pinned in docs/screenshots is compared by a test: the window tests compare
// theirs in their own run (tests/common/GoldenPictures.h), this program the main window's. A
// picture that no test names would go stale unnoticed. The README's picture of Sydney's time
// on a computer in New York was taken once by hand and is not pinned.
TEST(Golden, EveryPinnedPictureIsCompared) {
    QString sources;
    QDirIterator it(QStringLiteral(CRESCENDAR_TESTS_DIR), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) sources += QString::fromUtf8(Contents(it.next()));
    const QStringList pinned =
        QDir(QStringLiteral(CRESCENDAR_SCREENS_DIR)).entryList({"*.png"}, QDir::Files);
    ASSERT_GE(pinned.size(), 30);
    for (QString name : pinned) {
        // "x@2x.png" is named as "x" by the tests that render both scales.
        name.remove(QStringLiteral("@2x")).remove(QStringLiteral(".png"));
        if (name == QStringLiteral("main_sydney_from_new_york")) continue;
        EXPECT_TRUE(sources.contains('"' + name))
            << name.toStdString() << " is compared by no test";
    }
}
