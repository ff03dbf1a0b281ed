#include "Clock.h"
#include "Dialogs.h"
#include "Shell.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

TEST(Services, RecordingShellRecordsAndInstallRestores) {
    RecordingShell rec;
    Shell* before = InstallShell(&rec);
    EXPECT_TRUE(CurrentShell().OpenFile("docs/crescendar.htm"));
    EXPECT_TRUE(CurrentShell().OpenUrl(QUrl("https://example.org/moon")));
    ASSERT_EQ(rec.files.size(), 1u);
    EXPECT_EQ(rec.files[0], "docs/crescendar.htm");
    ASSERT_EQ(rec.urls.size(), 1u);
    EXPECT_EQ(rec.urls[0], QUrl("https://example.org/moon"));
    EXPECT_EQ(InstallShell(before), &rec);
    EXPECT_NE(&CurrentShell(), &rec);
}

TEST(Services, FakeClockStandsStillUntilAdvanced) {
    FakeClock fake(QDateTime(QDate(2024, 3, 31), QTime(23, 59, 59, 500)));
    Clock* before = InstallClock(&fake);
    EXPECT_EQ(CurrentClock().TimeOfDay(), QTime(23, 59, 59, 500));
    fake.Advance(600); // past midnight
    EXPECT_EQ(CurrentClock().Today(), QDate(2024, 4, 1));
    EXPECT_EQ(CurrentClock().TimeOfDay(), QTime(0, 0, 0, 100));
    InstallClock(before);
    EXPECT_LE(std::abs(CurrentClock().Now().secsTo(QDateTime::currentDateTime())), 2);
}

TEST(Services, RecordingDialogsNeverBlock) {
    RecordingDialogs rec;
    Dialogs* before = InstallDialogs(&rec);
    Beep();
    ShowMessage("The \"From\" date must be less than the \"To\" date.");
    EXPECT_EQ(SaveFileName(nullptr, "/tmp", "MoonPhases.BMP", "*.BMP"), ""); // cancelled
    rec.saveAnswer = "/tmp/x.bmp";
    EXPECT_EQ(SaveFileName(nullptr, "", "MoonPhases.BMP", "*.BMP"), "/tmp/x.bmp");
    EXPECT_EQ(rec.beeps, 1);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_TRUE(rec.messages[0].startsWith("The \"From\""));
    ASSERT_EQ(rec.saveRequests.size(), 2u);
    EXPECT_EQ(rec.saveRequests[0].folder, "/tmp");
    EXPECT_EQ(rec.saveRequests[1].name, "MoonPhases.BMP");
    InstallDialogs(before);
}

// The real save dialog: a name typed without an extension gets the chosen format's (the
// second filter here), not the first format's and not none.
TEST(Services, SaveDialogAddsTheChosenFormatsExtension) {
    EXPECT_EQ(FilterSuffix("PNG pictures (*.png *.PNG)"), "png");
    EXPECT_EQ(FilterSuffix("Bitmap pictures (*.BMP)"), "bmp");
    EXPECT_EQ(FilterSuffix("Everything (*)"), "");

    QTemporaryDir dir;
    const QString filters =
        QStringLiteral("Bitmap pictures (*.bmp *.BMP);;PNG pictures (*.png *.PNG)");
    for (const auto& [chosen, expected] :
         {std::pair{QStringLiteral("PNG pictures (*.png *.PNG)"), QStringLiteral("phases.png")},
          std::pair{QStringLiteral("Bitmap pictures (*.bmp *.BMP)"),
                    QStringLiteral("phases.bmp")}}) {
        bool answered = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&, chosen = chosen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || answered) return;
            answered = true;
            dialog->selectNameFilter(chosen);
            emit dialog->filterSelected(chosen); // what picking it in the list does
            // Typed into the name field, as a user does (selectFile may be overtaken by the
            // dialog's own renaming to the chosen filter's extension).
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (field) field->setText(QStringLiteral("phases"));
            QMetaObject::invokeMethod(dialog, "accept"); // the Save button
        });
        poll.start();
        SystemDialogs system;
        const QString name = system.SaveFileName(nullptr, dir.path(), "MoonPhases.BMP", filters);
        poll.stop();
        EXPECT_TRUE(answered);
        EXPECT_EQ(QFileInfo(name).fileName(), expected);
    }
}

// A message quotes names and values from files as they are: markup in them is not obeyed.
TEST(Services, MessagesShowQuotedTextAsPlainText) {
    const QString text = QStringLiteral("The zone \"<h1>BIG</h1><hr>\" is not known.");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    poll.start();
    SystemDialogs().ShowMessage(nullptr, text, MessageKind::Warning);
    poll.stop();
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
} // namespace crescendar
