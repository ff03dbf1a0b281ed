// The tables as data (the times list's and the eclipse finder's Copy and Save as CSV) and
// the calendar export window opened from the report menu.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "fCalendarExport.h"
#include "fEclipseReport.h"
#include "fPrintOptions.h"
#include "fReportMenu.h"
#include "fTimesList.h"

#include "AtomicFile.h"
#include "TableText.h"

#include <QClipboard>
#include <QDir>
#include <QFile>

#include <libical/ical.h>

namespace crescendar {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The VEVENTs of an iCalendar text, by SUMMARY; -1 when libical cannot read the text.
std::map<std::string, int> Summaries(const QByteArray& text, int* events = nullptr) {
    std::map<std::string, int> out;
    icalcomponent* cal = icalparser_parse_string(text.constData());
    if (!cal) return {{"", -1}};
    int n = 0;
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT), ++n)
        ++out[icalcomponent_get_summary(e)];
    icalcomponent_free(cal);
    if (events) *events = n;
    return out;
}

void SaveShots(QWidget* window, const char* name) {
    for (const qreal scale : {1.0, 2.0}) {
        QImage picture(window->size() * scale, QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::black);
        window->render(&picture);
        const QString file =
            QString::fromLatin1(name) + (scale == 1.0 ? QString() : QStringLiteral("@2x")) + ".png";
        ExpectGoldenPicture(picture, file);
    }
}

class DataExportTest : public MainFixture {
  protected:
    void TearDown() override {
        delete times;
        delete report;
        delete exporter;
        delete menu;
        MainFixture::TearDown();
    }
    TTimesList* OpenTimes(const QDateTime& at) {
        Start(at);
        times = SkinWindow::Create<TTimesList>(w->Session(), *w);
        times->SetupDataBitmap(w->SelectedDateTime());
        times->show();
        return times;
    }
    TCalendarExport* OpenExport(const QDateTime& at) {
        Start(at);
        exporter = SkinWindow::Create<TCalendarExport>(w->Session(), *w);
        exporter->ShowExport();
        return exporter;
    }
    QString Clipboard() const { return QGuiApplication::clipboard()->text(); }
    QString Saved(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    TTimesList* times = nullptr;
    TEclipseReport* report = nullptr;
    TCalendarExport* exporter = nullptr;
    TReportMenu* menu = nullptr;
};

TEST_F(DataExportTest, TimesListCopiesItsMonthAsTabSeparatedColumns) {
    OpenTimes(At(2025, 3, 14));
    QGuiApplication::clipboard()->clear();
    Click(times->lblCopy);
    const QStringList lines = Clipboard().split('\n');
    ASSERT_EQ(lines.size(), 1 + 31 + 1); // the heading, the days, nothing after the last break
    for (int i = 0; i <= 31; ++i) EXPECT_EQ(lines[i].count('\t'), 13) << i;
    EXPECT_TRUE(lines[0].startsWith("Date\tMoonrise\t"));
    EXPECT_TRUE(lines[14].startsWith("14/03/2025\t"));
    // The month the list shows, after paging, and Ctrl+C as well.
    QGuiApplication::clipboard()->clear();
    times->StepMonth(-1);
    QTest::keyClick(times, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard().count('\n'), 1 + 28);
    EXPECT_TRUE(Clipboard().contains("28/02/2025\t"));
}

TEST_F(DataExportTest, TimesListSavesCsvOrTellsWhyNot) {
    OpenTimes(At(2025, 3, 14));
    dialogs.saveAnswer = Saved("march.csv");
    Click(times->lblSaveCsv);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].name, "Crescendar times 2025-03.csv");
    const QByteArray csv = Contents(Saved("march.csv"));
    EXPECT_EQ(csv.toStdString(), CsvText(times->Table()));
    EXPECT_EQ(csv.count("\r\n"), 32);
    EXPECT_TRUE(dialogs.messages.empty());
    // The next dialog starts where the file went.
    EXPECT_EQ(times->CsvFolder(), dir.path());

    // Cancelled: nothing written, nothing told.
    dialogs.saveAnswer.clear();
    QTest::keyClick(times, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.saveRequests.size(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());

    // A full disk: told, and the file already there keeps its content.
    dialogs.saveAnswer = Saved("march.csv");
    times->StepMonth(1);
    {
        SimulatedFullDisk full(100);
        Click(times->lblSaveCsv);
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The times table was not saved: "));
    EXPECT_EQ(dialogs.messageKinds[0], MessageKind::Warning);
    EXPECT_EQ(Contents(Saved("march.csv")), csv);
}

TEST_F(DataExportTest, EclipseFinderCopiesAndSavesItsListOnceThereIsOne) {
    Start(At(2025, 3, 14));
    report = SkinWindow::Create<TEclipseReport>(w->Session(), w, w->lblReports);
    report->ShowEclipseReport();
    EXPECT_FALSE(report->lblCopy->isVisible());
    EXPECT_FALSE(report->lblSaveCsv->isVisible());
    report->lblCopyClick();
    EXPECT_EQ(dialogs.beeps, 1);

    report->txtFromYear->setText("2025");
    report->txtToYear->setText("2026");
    Click(report->lblCalculate);
    QTRY_VERIFY_WITH_TIMEOUT(!report->Searching(), 60000);
    ASSERT_EQ(report->Rows().size(), 4u);
    EXPECT_TRUE(report->lblCopy->isVisible());
    EXPECT_TRUE(report->lblSaveCsv->isVisible());
    SaveShots(report, "eclipse_report_commands");

    QGuiApplication::clipboard()->clear();
    Click(report->lblCopy);
    const QStringList lines = Clipboard().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Eclipse\tMagnitude\tMaximum\tDate\tVisibility");
    EXPECT_TRUE(lines[1].startsWith("Total\t")) << lines[1].toStdString();
    for (const QString& line : lines) EXPECT_EQ(line.count('\t'), 4);

    // Ctrl+C in a year box with a selection copies the selection.
    report->txtFromYear->setFocus();
    report->txtFromYear->selectAll();
    QTest::keyClick(report->txtFromYear, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "2025");
    report->txtFromYear->deselect();
    QTest::keyClick(report->txtFromYear, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(Clipboard().startsWith("Eclipse\t"));

    dialogs.saveAnswer = Saved("eclipses.csv");
    Click(report->lblSaveCsv);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].name, "Crescendar eclipses 2025-2026.csv");
    const QList<QByteArray> rows = Contents(Saved("eclipses.csv")).split('\n');
    ASSERT_EQ(rows.size(), 6);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(rows[i].count(','), 4) << rows[i].toStdString();
}

TEST_F(DataExportTest, ReportMenuOpensTheCalendarExport) {
    Start(At(2026, 5, 31));
    menu = SkinWindow::Create<TReportMenu>(w->Session(), *w, *w->lblReports);
    int opened = 0;
    menu->Hooks.ShowCalendarExport = [&] { ++opened; };
    menu->show();
    EXPECT_EQ(menu->height(), 6 * TPopupMenu::kStripHeight);
    EXPECT_EQ(menu->imgCalendarExport->y(), 5 * TPopupMenu::kStripHeight);
    menu->EntryMouseMove(menu->imgCalendarExport);
    EXPECT_EQ(menu->imgArrow->y(), menu->imgCalendarExport->y());
    Click(menu->imgCalendarExport, Qt::LeftButton, {150, 10});
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(DataExportTest, CalendarExportWritesTheChosenKindsOfTheYears) {
    OpenExport(At(2026, 5, 31));
    EXPECT_EQ(exporter->txtFromYear->text(), "2026");
    EXPECT_EQ(exporter->txtToYear->text(), "2026");
    for (TSkinCheckBox* box :
         {exporter->chkPhases, exporter->chkEclipses, exporter->chkApsides, exporter->chkSeasons})
        EXPECT_TRUE(box->isChecked());
    SaveShots(exporter, "calendar_export");

    dialogs.saveAnswer = Saved("moon.ics");
    Click(exporter->lblExport);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].name, "Crescendar 2026.ics");
    EXPECT_TRUE(dialogs.saveRequests[0].filter.contains("*.ics"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(exporter->isVisible());
    int events = 0;
    auto s = Summaries(Contents(Saved("moon.ics")), &events);
    EXPECT_EQ(events, 50 + 2 + 2 + 27 + 4);
    EXPECT_EQ(s["Blue Moon"], 1);
    EXPECT_EQ(s["Total Lunar Eclipse"], 1);
    EXPECT_EQ(s["June Solstice"], 1);

    // Two years, eclipses only (unticked by their captions), with Enter.
    exporter->ShowExport();
    exporter->txtToYear->setText("2027");
    exporter->chkPhases->click();
    exporter->chkApsides->click();
    exporter->chkSeasons->click();
    dialogs.saveAnswer = Saved("eclipses.ics");
    QTest::keyClick(exporter->txtToYear, Qt::Key_Return);
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(dialogs.saveRequests[1].name, "Crescendar 2026-2027.ics");
    EXPECT_EQ(dialogs.saveRequests[1].folder, dir.path());
    s = Summaries(Contents(Saved("eclipses.ics")), &events);
    EXPECT_EQ(events, 2 + 2 + 2 + 2); // lunar and solar eclipses of each year
    EXPECT_EQ(s.count("New Moon"), 0u);
}

TEST_F(DataExportTest, CalendarExportAsksAgainForChoicesItCannotTake) {
    OpenExport(At(2026, 1, 10));
    const struct {
        const char* From;
        const char* To;
        const char* Said;
    } cases[] = {
        {"", "2026", kExportYearsMessage},
        {"2027", "2026", kExportOrderMessage},
        {"2026", "3000", "A year must lie between 1 and 2999."},
        {"0", "5", "A year must lie between 1 and 2999."},
        {"1800", "2026", "One calendar takes at most 200 years."},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        exporter->txtFromYear->setText(QString::fromLatin1(c.From));
        exporter->txtToYear->setText(QString::fromLatin1(c.To));
        EXPECT_FALSE(exporter->lblExportClick());
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.From << "-" << c.To;
        EXPECT_EQ(dialogs.messages[0], QString::fromLatin1(c.Said));
    }
    exporter->txtFromYear->setText("2026");
    exporter->txtToYear->setText("2026");
    for (TSkinCheckBox* box :
         {exporter->chkPhases, exporter->chkEclipses, exporter->chkApsides, exporter->chkSeasons})
        box->setChecked(false);
    dialogs.messages.clear();
    EXPECT_FALSE(exporter->lblExportClick());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], QString::fromLatin1(kExportKindsMessage));
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_TRUE(exporter->isVisible());
}

TEST_F(DataExportTest, CalendarExportTellsAFileItCouldNotWrite) {
    OpenExport(At(2026, 1, 10));
    // Cancelled: nothing written, the window stays.
    dialogs.saveAnswer.clear();
    EXPECT_FALSE(exporter->lblExportClick());
    EXPECT_TRUE(exporter->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());

    const QString missing = dir.filePath("no/such/folder/moon.ics");
    dialogs.saveAnswer = missing;
    EXPECT_FALSE(exporter->lblExportClick());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The calendar was not saved: "));
    EXPECT_EQ(dialogs.messageKinds[0], MessageKind::Warning);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(exporter->isVisible());

    // Escape closes the window without exporting.
    QTest::keyClick(exporter, Qt::Key_Escape);
    EXPECT_FALSE(exporter->isVisible());
}

} // namespace
} // namespace crescendar
