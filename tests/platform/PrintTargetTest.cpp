#include "PrintTarget.h"
#include "Dialogs.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

TEST(ImagePrintTarget, TurnsThePaperAndKeepsPagesAtItsResolution) {
    ImagePrintTarget target(827, 1169, 100); // A4 at 100 pixels per inch
    EXPECT_EQ(target.PageWidth(), 827);
    target.SetOrientation(PageOrientation::Landscape);
    EXPECT_EQ(target.PageWidth(), 1169);
    EXPECT_EQ(target.PageHeight(), 827);

    ASSERT_TRUE(target.BeginDoc("Doc"));
    EXPECT_TRUE(target.Printing());
    EXPECT_FALSE(target.BeginDoc("Again"));           // one document at a time
    target.SetOrientation(PageOrientation::Portrait); // ignored while printing
    EXPECT_EQ(target.Orientation(), PageOrientation::Landscape);

    Canvas& c = target.GetCanvas();
    c.SetFontSize(72); // one inch
    EXPECT_EQ(c.FontHeight(), 100);
    c.SetBrushColor(Qt::black);
    c.Rectangle(10, 10, 20, 20);
    target.NewPage();
    c.Rectangle(30, 30, 40, 40); // on the second page only
    EXPECT_TRUE(target.EndDoc());
    EXPECT_FALSE(target.Printing());
    EXPECT_FALSE(target.EndDoc());

    ASSERT_EQ(target.Pages().size(), 2u);
    const QImage& first = target.Pages()[0];
    EXPECT_EQ(first.size(), QSize(1169, 827));
    EXPECT_EQ(first.logicalDpiY(), 100);
    EXPECT_EQ(first.pixelColor(15, 15), QColor(Qt::black));
    EXPECT_EQ(first.pixelColor(35, 35), QColor(Qt::white));
    EXPECT_EQ(target.Pages()[1].pixelColor(35, 35), QColor(Qt::black));
    EXPECT_EQ(target.DocumentsEnded(), 1);
    EXPECT_EQ(target.Title(), "Doc");
}

class PdfFallback : public ::testing::Test {
  protected:
    void SetUp() override { previous_ = InstallDialogs(&dialogs); }
    void TearDown() override { InstallDialogs(previous_); }

    RecordingDialogs dialogs;
    QTemporaryDir dir;

  private:
    Dialogs* previous_ = nullptr;
};

TEST_F(PdfFallback, WritesTheChosenPdfFile) {
    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    EXPECT_FALSE(target.HasPrinter());
    target.SetOrientation(PageOrientation::Landscape);
    EXPECT_GT(target.PageWidth(), target.PageHeight());
    EXPECT_EQ(target.GetCanvas().Device(), nullptr);

    dialogs.saveAnswer = dir.filePath("calendar"); // the suffix is added
    ASSERT_TRUE(target.BeginDoc("Crescendar March/April 2025"));
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].name, "Crescendar March-April 2025.pdf");
    EXPECT_TRUE(dialogs.saveRequests[0].filter.contains("*.pdf"));
    Canvas& c = target.GetCanvas();
    c.SetFontSize(72);
    EXPECT_EQ(c.FontHeight(), SystemPrintTarget::kResolution);
    c.TextOut(100, 100, "Moon");
    EXPECT_TRUE(target.EndDoc());

    EXPECT_EQ(target.OutputFileName(), dir.filePath("calendar.pdf"));
    QFile pdf(dir.filePath("calendar.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PdfFallback, CancelledDialogPrintsNothing) {
    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    dialogs.saveAnswer.clear();
    EXPECT_FALSE(target.BeginDoc("Crescendar"));
    EXPECT_FALSE(target.Printing());
    EXPECT_TRUE(target.OutputFileName().isEmpty());
    EXPECT_TRUE(target.ErrorText().isEmpty());
    ReportPrintFailure(target, "The calendar", nullptr); // a cancel is not a failure
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PdfFallback, UnwritableFileIsReportedNotPrinted) {
    SystemPrintTarget target(nullptr, SystemPrintTarget::Destination::PdfFile);
    dialogs.saveAnswer = dir.filePath("no-such-folder/calendar.pdf");
    EXPECT_FALSE(target.BeginDoc("Crescendar"));
    EXPECT_FALSE(target.Printing());
    EXPECT_TRUE(target.ErrorText().contains("could not be written"));
    EXPECT_TRUE(target.OutputFileName().isEmpty());
    // The caller tells the user, naming what was not printed.
    ReportPrintFailure(target, "The calendar", nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The calendar was not printed: the file "));
    EXPECT_TRUE(dialogs.messages[0].contains("no-such-folder"));
    EXPECT_EQ(dialogs.messageKinds[0], MessageKind::Warning); // it warns, with a warning's icon
}

} // namespace
} // namespace crescendar
