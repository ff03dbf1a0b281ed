// Pins what the program gives today, so that a change of its inner structure can be shown to
// change nothing a user sees: the standard output of a fixed set of crescendar-cli runs, and
// the pictures of the windows and printed pages (the screenshots of docs/screenshots).
//
// After a deliberate change of behaviour, run this program with CRESCENDAR_GOLDEN_UPDATE=1
// to write the new outputs, and look at what changed before committing them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>

namespace {

bool Updating() {
    return qEnvironmentVariableIntValue("CRESCENDAR_GOLDEN_UPDATE") == 1;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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

// The pixels of two pictures that differ by more than a rounding step in any channel.
long DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (std::abs(qRed(p[col]) - qRed(q[col])) > 2 ||
                std::abs(qGreen(p[col]) - qGreen(q[col])) > 2 ||
                std::abs(qBlue(p[col]) - qBlue(q[col])) > 2)
                ++count;
        }
    }
    return count;
}

// Compares a rendered picture with the one of the same name in the screenshots folder (or
// replaces that one when updating).
void ExpectSamePicture(const QString& rendered, const QString& name) {
    const QString golden = QDir(QStringLiteral(CRESCENDAR_SCREENS_DIR)).filePath(name);
    if (Updating()) {
        // Only a picture that changed is replaced, so that unchanged files stay untouched.
        if (DifferingPixels(QImage(rendered), QImage(golden)) == 0) return;
        QFile::remove(golden);
        ASSERT_TRUE(QFile::copy(rendered, golden)) << name.toStdString();
        return;
    }
    const QImage now(rendered);
    const QImage before(golden);
    ASSERT_FALSE(now.isNull()) << name.toStdString() << " was not rendered";
    ASSERT_FALSE(before.isNull()) << name.toStdString() << " has no golden picture";
    EXPECT_EQ(DifferingPixels(now, before), 0)
        << name.toStdString() << " differs from " << golden.toStdString();
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
        if (Updating()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(out) == out.size());
            continue;
        }
        EXPECT_EQ(out.toStdString(), Contents(path).toStdString()) << c.Name.toStdString();
    }
}

TEST(Golden, MainWindowPictureIsUnchanged) {
    QTemporaryDir dir;
    const QString png = dir.filePath("main.png");
    int code = 0;
    RunProgram(QStringLiteral(CRESCENDAR_SCREENSHOT_PATH),
               {"--screenshot", png, "--at", "2025-03-14 06:30:00"}, {}, code);
    ASSERT_EQ(code, 0);
    ExpectSamePicture(png, "main.png");
}

// The window tests write a picture of every window and printed page when
// CRESCENDAR_SCREENSHOTS names a folder.
TEST(Golden, WindowAndPagePicturesAreUnchanged) {
    QTemporaryDir dir;
    int code = 0;
    RunProgram(QStringLiteral(CRESCENDAR_WINDOWS_TESTS_PATH), {"--gtest_brief=1"},
               {{"CRESCENDAR_SCREENSHOTS", dir.path()}}, code);
    ASSERT_EQ(code, 0);
    const QStringList rendered = QDir(dir.path()).entryList({"*.png"}, QDir::Files, QDir::Name);
    const QStringList golden =
        QDir(QStringLiteral(CRESCENDAR_SCREENS_DIR)).entryList({"*.png"}, QDir::Files);
    int compared = 0;
    for (const QString& name : rendered) {
        if (!golden.contains(name) && !Updating()) continue;
        ExpectSamePicture(QDir(dir.path()).filePath(name), name);
        ++compared;
    }
    EXPECT_GE(compared, 15);
}
