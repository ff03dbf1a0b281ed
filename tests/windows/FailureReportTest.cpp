// The windows tell the user in plain words when a page was not printed, a picture was not
// saved or a web page could not be opened, and never leave a broken file behind.
#include "MainFixture.h"
#include "TestFiles.h"

#include "fMonthlyPhases.h"
#include "fObservingAid.h"
#include "fPrintOptions.h"
#include "fTimesList.h"
#include "fWebMenu.h"

#include "AtomicFile.h"
#include "PrintTarget.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <type_traits>

namespace crescendar {
namespace {

class FailureReportTest : public MainFixture {
  protected:
    void TearDown() override {
        delete window_;
        window_ = nullptr;
        MainFixture::TearDown();
    }

    template <class Window> Window* Open() {
        Window* window = nullptr;
        if constexpr (std::is_constructible_v<Window, QWidget&, const QWidget&>)
            window = SkinWindow::Create<Window>(*w, *w->lblLinks); // the web links menu
        else
            window = SkinWindow::Create<Window>(w->Session(), *w);
        window_ = window;
        window->show();
        return window;
    }

    // Checks, for a print started by click, that a full disk is told and keeps the old file,
    // and that the next print of the same window writes a whole file and says nothing.
    void ExpectFullDiskIsToldThenNextPrintWorks(const std::function<void()>& click,
                                                const QString& what) {
        const QString path = dir.filePath("page.pdf");
        WriteFile(path, "%PDF- an older page");
        dialogs.saveAnswer = path;
        {
            SimulatedFullDisk full(3000);
            click();
        }
        ASSERT_EQ(dialogs.messages.size(), 1u) << what.toStdString();
        EXPECT_TRUE(dialogs.messages[0].startsWith(what + " was not printed: the file "))
            << dialogs.messages[0].toStdString();
        EXPECT_TRUE(dialogs.messages[0].contains("No space left on device"));
        EXPECT_EQ(Contents(path), "%PDF- an older page");

        dialogs.saveAnswer = dir.filePath("next.pdf");
        click();
        EXPECT_EQ(dialogs.messages.size(), 1u) << dialogs.messages.back().toStdString();
        const QByteArray next = Contents(dialogs.saveAnswer);
        EXPECT_TRUE(next.startsWith("%PDF-"));
        EXPECT_TRUE(next.trimmed().endsWith("%%EOF"));
        EXPECT_GT(next.size(), 5000);
    }

    SystemPrintTarget pdf{nullptr, SystemPrintTarget::Destination::PdfFile};
    QWidget* window_ = nullptr;
};

TEST_F(FailureReportTest, CalendarPrintOnAFullDiskIsToldAndTheNextOneWorks) {
    Start(At(2025, 3, 14));
    auto* print = SkinWindow::Create<TPrintOptions>(w->Session(), w, &pdf);
    window_ = print;
    print->show();
    print->FormActivate();
    ExpectFullDiskIsToldThenNextPrintWorks([print] { print->lblOKClick(); }, "The calendar");
    EXPECT_TRUE(print->LastPrinted());
}

TEST_F(FailureReportTest, TimesTableAndVisibilityChartPrintFailuresAreTold) {
    Start(At(2025, 3, 14));
    auto* times = Open<TTimesList>();
    times->SetPrintTarget(&pdf);
    ExpectFullDiskIsToldThenNextPrintWorks([times] { times->lblPrintClick(); }, "The times table");
    delete window_;
    window_ = nullptr;
    dialogs.messages.clear();

    auto* aid = Open<TObservingAid>();
    aid->SetPrintTarget(&pdf);
    ExpectFullDiskIsToldThenNextPrintWorks([aid] { aid->lblPrintClick(); },
                                           "The lunar visibility chart");
}

TEST_F(FailureReportTest, CancelledPrintSaysNothing) {
    Start(At(2025, 3, 14));
    auto* times = Open<TTimesList>();
    times->SetPrintTarget(&pdf);
    dialogs.saveAnswer.clear();
    times->lblPrintClick();
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FailureReportTest, PictureSaveOnAFullDiskIsToldAndKeepsTheOldPicture) {
    Start(At(2025, 3, 14));
    auto* phases = Open<TMonthlyPhases>();
    phases->FormActivate();
    const QString path = dir.filePath("MoonPhases.BMP");
    WriteFile(path, "last month's picture");
    dialogs.saveAnswer = path;
    {
        SimulatedFullDisk full(4096);
        Click(phases->lblSave);
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The picture was not saved: the file "))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(Contents(path), "last month's picture");
    EXPECT_EQ(QDir(dir.path()).entryList({"MoonPhases*"}, QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(FailureReportTest, PagesThatNoBrowserOpensAreToldWithTheirAddress) {
    QTemporaryDir program;
    options.ProgramFolder = program.path();
    WriteFile(program.filePath("docs/crescendar.htm"), "<html></html>");
    WriteFile(program.filePath("docs/crescendar-home.htm"), "<html></html>");
    Start(At(2025, 3, 14));
    shell.opens = false;

    Click(w->Label1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The home page could not be opened"));

    Click(w->lblHelp);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].startsWith("The help page could not be opened"));
    EXPECT_TRUE(dialogs.messages[1].contains(
        QDir::toNativeSeparators(program.filePath("docs/crescendar.htm"))));

    auto* web = Open<TWebMenu>();
    for (std::size_t i = 0; i < kWebLinks.size(); ++i) {
        if (!kWebLinks[i].Url) continue;
        web->show();
        Click(web->Entries[i]);
        EXPECT_TRUE(dialogs.messages.back().contains(QString::fromLatin1(kWebLinks[i].Url)));
    }
    EXPECT_EQ(dialogs.messages.size(), 2u + 17u);

    // With a browser nothing is said.
    shell.opens = true;
    Click(w->Label1);
    EXPECT_EQ(dialogs.messages.size(), 2u + 17u);
}

} // namespace
} // namespace crescendar
