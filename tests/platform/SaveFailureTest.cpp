// Failures that must be told and must not lose data: pictures and PDF pages written all or
// nothing, a print job after a failed one, and a shell with no application to open a page.
#include "AtomicFile.h"
#include "Dialogs.h"
#include "Picture.h"
#include "PrintTarget.h"
#include "Shell.h"
#include "FileKinds.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

// Every file in the folder: nothing but the expected ones may be left behind.
QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class SaveFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        previousDialogs_ = InstallDialogs(&dialogs);
        previousShell_ = InstallShell(&shell);
    }
    void TearDown() override {
        InstallDialogs(previousDialogs_);
        InstallShell(previousShell_);
    }

    // Draws a one-page document on target; the result of EndDoc.
    static bool PrintPage(PrintTarget& target, const QString& title = "Crescendar") {
        if (!target.BeginDoc(title)) return false;
        Canvas& c = target.GetCanvas();
        c.SetFontSize(24);
        c.TextOut(100, 100, "Full Moon");
        c.Rectangle(50, 50, 900, 600);
        return target.EndDoc();
    }

    RecordingDialogs dialogs;
    RecordingShell shell;
    QTemporaryDir dir;

  private:
    Dialogs* previousDialogs_ = nullptr;
    Shell* previousShell_ = nullptr;
};

// ----- pictures ---------------------------------------------------------------------------

TEST_F(SaveFailure, PictureSavedOverAnOldFileOnAFullDiskKeepsTheOldFile) {
    const QString path = dir.filePath("MoonPhases.BMP");
    WriteFile(path, "the picture saved last month");
    Picture picture(461, 414, Qt::blue);
    QString error;
    {
        SimulatedFullDisk full(1000); // far less than the 760 kB of the bitmap
        EXPECT_FALSE(picture.SaveBmp(path, &error));
    }
    EXPECT_TRUE(error.contains("No space left on device")) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    EXPECT_EQ(Contents(path), "the picture saved last month");
    EXPECT_EQ(FilesIn(dir), QStringList{"MoonPhases.BMP"}); // no temporary file left

    // With room on the disk the same save replaces the file whole.
    ASSERT_TRUE(picture.SaveBmp(path, &error));
    const QImage saved(path, "BMP");
    EXPECT_EQ(saved.size(), QSize(461, 414));
    EXPECT_EQ(saved.pixel(100, 100), qRgb(0, 0, 255));
    EXPECT_EQ(FilesIn(dir), QStringList{"MoonPhases.BMP"});
}

TEST_F(SaveFailure, PictureThatCannotBeWrittenSaysWhyAndWritesNothing) {
    Picture picture(20, 20);
    QString error;
    WriteFile(dir.filePath("plain-file"), "x");
    for (const QString& path :
         {dir.filePath("no-such-folder/a.bmp"), dir.filePath("plain-file/a.bmp")}) {
        error.clear();
        EXPECT_FALSE(picture.SaveBmp(path, &error)) << path.toStdString();
        EXPECT_TRUE(error.startsWith("the file ")) << error.toStdString();
    }
    Picture empty;
    EXPECT_FALSE(empty.SaveBmp(dir.filePath("empty.bmp"), &error));
    EXPECT_TRUE(error.contains("empty"));
    EXPECT_EQ(FilesIn(dir), QStringList{"plain-file"});
}

TEST_F(SaveFailure, ImageFileIsRefusedWhenTheDiskFillsAtTheLastByte) {
    // A PNG of a few hundred bytes: the disk fills exactly one byte short.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    const QString path = dir.filePath("shot.png");
    QString error;
    ASSERT_TRUE(SaveImageFile(image, path, "PNG", &error));
    const qint64 size = QFile(path).size();
    ASSERT_GT(size, 0);
    QFile::remove(path);
    {
        SimulatedFullDisk full(size - 1);
        EXPECT_FALSE(SaveImageFile(image, path, "PNG", &error));
    }
    EXPECT_FALSE(QFile::exists(path));
    {
        SimulatedFullDisk full(size);
        EXPECT_TRUE(SaveImageFile(image, path, "PNG", &error));
    }
    EXPECT_EQ(QFile(path).size(), size);
}

// ----- PDF pages --------------------------------------------------------------------------

TEST_F(SaveFailure, PdfOnAFullDiskLeavesNoBrokenFileAndTheNextPrintWorks) {
    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    const QString path = dir.filePath("calendar.pdf");
    WriteFile(path, "%PDF- last month's calendar");
    dialogs.saveAnswer = path;
    {
        SimulatedFullDisk full(2000);
        EXPECT_FALSE(PrintPage(target));
    }
    EXPECT_FALSE(target.Printing());
    EXPECT_TRUE(target.ErrorText().contains("No space left on device"));
    EXPECT_TRUE(target.OutputFileName().isEmpty());
    EXPECT_EQ(Contents(path), "%PDF- last month's calendar");
    EXPECT_EQ(FilesIn(dir), QStringList{"calendar.pdf"});
    ReportPrintFailure(target, "The calendar", nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The calendar was not printed: the file "));

    // The same target, later in the session: a complete file, and no message.
    for (int job = 0; job < 2; ++job) {
        const QString again = dir.filePath(QStringLiteral("again%1.pdf").arg(job));
        dialogs.saveAnswer = again;
        ASSERT_TRUE(PrintPage(target)) << target.ErrorText().toStdString();
        EXPECT_TRUE(target.ErrorText().isEmpty());
        EXPECT_EQ(target.OutputFileName(), again);
        const QByteArray bytes = Contents(again);
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
        EXPECT_GT(bytes.size(), 500);
    }
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SaveFailure, PdfThatCannotBeOpenedDoesNotSpoilTheNextJobOrItsLayout) {
    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    target.SetOrientation(PageOrientation::Landscape);
    const int width = target.PageWidth();
    dialogs.saveAnswer = dir.filePath("missing/calendar.pdf");
    EXPECT_FALSE(PrintPage(target));
    EXPECT_TRUE(target.ErrorText().contains("could not be written"));

    dialogs.saveAnswer = dir.filePath("calendar.pdf");
    ASSERT_TRUE(target.BeginDoc("Crescendar"));
    EXPECT_EQ(target.PageWidth(), width); // still landscape, at the same resolution
    EXPECT_GT(target.PageWidth(), target.PageHeight());
    target.NewPage();
    target.GetCanvas().TextOut(10, 10, "second page");
    ASSERT_TRUE(target.EndDoc());
    EXPECT_GT(QFile(dir.filePath("calendar.pdf")).size(), 500);
    EXPECT_EQ(target.Orientation(), PageOrientation::Landscape);
}

// On a real full disk, when $CRESCENDAR_SMALL_DISK names a folder on a file system of less
// than 500 kB (for instance: mount -t tmpfs -o size=64k tmpfs DIR).
TEST_F(SaveFailure, RealSmallDiskKeepsTheOldFiles) {
    const QString folder = qEnvironmentVariable("CRESCENDAR_SMALL_DISK");
    if (folder.isEmpty()) GTEST_SKIP() << "CRESCENDAR_SMALL_DISK not set";
    const QString picturePath = QDir(folder).filePath("MoonPhases.BMP");
    const QString pdfPath = QDir(folder).filePath("calendar.pdf");
    WriteFile(picturePath, "old picture");
    WriteFile(pdfPath, "old page");
    QString error;
    EXPECT_FALSE(Picture(461, 414, Qt::blue).SaveBmp(picturePath, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Contents(picturePath), "old picture");

    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    dialogs.saveAnswer = pdfPath;
    ASSERT_TRUE(target.BeginDoc("Crescendar"));
    QImage noise(1500, 1500, QImage::Format_RGB32); // does not compress to 500 kB
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, static_cast<QRgb>(x * 2654435761u ^ y * 40503u));
    target.GetCanvas().Draw(0, 0, noise);
    EXPECT_FALSE(target.EndDoc());
    EXPECT_FALSE(target.ErrorText().isEmpty());
    EXPECT_EQ(Contents(pdfPath), "old page");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QFile::remove(picturePath);
    QFile::remove(pdfPath);
}

TEST_F(SaveFailure, ImagePagesWithoutSizeSayWhy) {
    ImagePrintTarget target(0, 100, 96);
    EXPECT_FALSE(target.BeginDoc("x"));
    EXPECT_FALSE(target.ErrorText().isEmpty());
    ImagePrintTarget fine(100, 100, 96);
    ASSERT_TRUE(fine.BeginDoc("x"));
    EXPECT_TRUE(fine.EndDoc());
    EXPECT_TRUE(fine.ErrorText().isEmpty());
}

// ----- what the chosen path names ----------------------------------------------------------

TEST_F(SaveFailure, PipesAndDevicesAreWrittenInPlaceAndFoldersRefused) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QString error;
    Fifo fifo(dir.filePath("pipe"));
    ASSERT_TRUE(fifo.Ready());
    ASSERT_TRUE(SaveImageFile(image, dir.filePath("pipe"), "PNG", &error)) << error.toStdString();
    EXPECT_TRUE(fifo.StillAPipe());
    EXPECT_TRUE(fifo.ReadAll().startsWith("\x89PNG"));

    Fifo pages(dir.filePath("pages.pdf"));
    ASSERT_TRUE(pages.Ready());
    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    dialogs.saveAnswer = dir.filePath("pages.pdf");
    ASSERT_TRUE(PrintPage(target)) << target.ErrorText().toStdString();
    EXPECT_TRUE(pages.StillAPipe());
    EXPECT_TRUE(pages.ReadAll().startsWith("%PDF-"));

    // A pipe whose reader goes away: the save fails and says why, and the program lives on.
    Fifo gone(dir.filePath("gone"));
    ASSERT_TRUE(gone.Ready());
    AtomicFile file(dir.filePath("gone"));
    ASSERT_TRUE(file.Open());
    gone.CloseReader();
    // As in the program, whatever the test's parent chose to ignore.
    const auto previous = std::signal(SIGPIPE, SIG_DFL);
    EXPECT_EQ(file.write("half a picture"), -1);
    std::signal(SIGPIPE, previous);
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(file.Error().contains("Broken pipe")) << file.Error().toStdString();
    EXPECT_TRUE(gone.StillAPipe());

    EXPECT_FALSE(SaveImageFile(image, dir.path(), "PNG", &error));
    EXPECT_TRUE(error.contains("it is a folder")) << error.toStdString();
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());

    // The system's reason for a full disk, not a guess.
    const QString full = FullDevice(dir.path());
    if (full.isEmpty()) GTEST_SKIP() << "no device node can be made here (mknod refused)";
    EXPECT_FALSE(SaveImageFile(image, full, "PNG", &error));
    EXPECT_TRUE(error.contains("No space left on device")) << error.toStdString();
    EXPECT_TRUE(IsCharacterDevice(full));
}

// ----- the shell --------------------------------------------------------------------------

TEST_F(SaveFailure, PageThatNoApplicationOpensIsToldWithItsAddress) {
    const QUrl site("https://example.org/moon/atlas.html");
    EXPECT_TRUE(OpenWebPage(site, nullptr));
    EXPECT_TRUE(OpenDocument("docs/crescendar.htm", "The help page", nullptr));
    EXPECT_TRUE(dialogs.messages.empty());

    shell.opens = false; // no browser on this system
    EXPECT_FALSE(OpenWebPage(site, nullptr));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("https://example.org/moon/atlas.html"));
    EXPECT_TRUE(dialogs.messages[0].contains("by hand"));
    EXPECT_EQ(dialogs.messageKinds[0], MessageKind::Warning);

    const QString page = dir.filePath("docs/crescendar.htm");
    EXPECT_FALSE(OpenDocument(page, "The help page", nullptr));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].startsWith("The help page could not be opened"));
    EXPECT_TRUE(dialogs.messages[1].contains(QDir::toNativeSeparators(page)));
    EXPECT_EQ(shell.urls.size(), 2u);
    EXPECT_EQ(shell.files.size(), 2u);
}

TEST_F(SaveFailure, OpenerThatFindsNoBrowserIsToldWithTheAddress) {
    // A stand-in for the desktop's opener: it notes what it was given and ends with the
    // status the test chooses, as xdg-open does when it finds no browser ("no method
    // available", 3).
    const QString calls = dir.filePath("calls");
    QFile opener(dir.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QFile::WriteOnly));
    opener.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/calls\"\n"
                 "exit $(cat \"$(dirname \"$0\")/status\")\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()) + ":" + path);
    DesktopShell desktop;
    InstallShell(&desktop);
    const auto setStatus = [this](const char* status) {
        QFile f(dir.filePath("status"));
        ASSERT_TRUE(f.open(QFile::WriteOnly));
        f.write(status);
    };
    const auto lines = [&calls] {
        QFile f(calls);
        return f.open(QFile::ReadOnly) ? f.readAll().count('\n') : 0;
    };

    const QUrl site("https://example.org/moon/atlas.html");
    const QString page = dir.filePath("crescendar.htm");
    setStatus("3");
    EXPECT_TRUE(OpenWebPage(site, nullptr)); // taken; the failure is told when the opener ends
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialogs.messages.size() == 1; }, 10000));
    EXPECT_TRUE(OpenDocument(page, "The help page", nullptr));
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialogs.messages.size() == 2; }, 10000));
    setStatus("0");
    EXPECT_TRUE(OpenWebPage(site, nullptr));
    EXPECT_TRUE(QTest::qWaitFor([&lines] { return lines() == 3; }, 10000));
    QTest::qWait(300);
    qputenv("PATH", path);

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[0].contains("https://example.org/moon/atlas.html"));
    EXPECT_TRUE(dialogs.messages[1].startsWith("The help page could not be opened"));
    EXPECT_TRUE(dialogs.messages[1].contains(page));
    QFile f(calls);
    ASSERT_TRUE(f.open(QFile::ReadOnly));
    EXPECT_EQ(f.readAll(), "https://example.org/moon/atlas.html\n" + QFile::encodeName(page) +
                               "\nhttps://example.org/moon/atlas.html\n");
}

} // namespace
} // namespace crescendar
