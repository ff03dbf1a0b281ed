// crescendar-cli speaks the language of the system, through the program's translations.
#include "BracketingTranslator.h"
#include "CliApp.h"
#include "Calendar.h"
#include "Language.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct Answer {
    int code;
    QString out;
    QString err;
};

// RunCli in this process, with the settings of an empty folder.
Answer RunHere(const QStringList& args) {
    QTemporaryDir home;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    Answer a{0, {}, {}};
    QTextStream out(&a.out);
    QTextStream err(&a.err);
    a.code = crescendar::cli::RunCli(QStringList{"crescendar-cli"} + args, out, err);
    out.flush();
    err.flush();
    qputenv("XDG_CONFIG_HOME", before);
    return a;
}

const QStringList kLondon{"--lat", "51.5", "--lon", "-0.12", "--zone", "0", "--no-dst"};

TEST(CliLanguage, TheTranslationsTravelWithTheCommandLine) {
    const crescendar::TLanguageInstalled french = crescendar::InstallLanguage("fr", {});
    EXPECT_TRUE(french.Translated);
    crescendar::InstallLanguage("en", {});
    QLocale::setDefault(QLocale::system());
}

TEST(CliLanguage, AnswersAndMessagesAreTranslatedWhole) {
    const BracketingTranslator translator;
    const struct {
        QStringList Args;
        int Code;
        QString Start; // of the standard output, or of the error when the code is not 0
    } cases[] = {
        {QStringList{"easter", "2026"} + kLondon, 0, "[Easter Sunday: "},
        // The value's name is translated on its own and placed in the message.
        {{"moon", "--lat", "abc"}, 2, "crescendar-cli: [[latitude] is not a number: \"abc\"]\n"},
        {{"frobnicate"}, 2, "crescendar-cli: [unknown command \"frobnicate\"]\n"},
        // The tables' headings, written by the export.
        {QStringList{"month", "2026-01", "--csv"} + kLondon, 0, "[Date],[Moonrise],[Moon transit],"},
    };
    for (const auto& c : cases) {
        const Answer a = RunHere(c.Args);
        EXPECT_EQ(a.code, c.Code) << c.Args.join(' ').toStdString();
        const QString& shown = c.Code == 0 ? a.out : a.err;
        EXPECT_TRUE(shown.startsWith(c.Start))
            << c.Args.join(' ').toStdString() << ":\n" << shown.toStdString();
    }
}

// Longer names push their column wider instead of running into the figures beside them.
TEST(CliLanguage, LongerNamesKeepABlankBeforeTheNextColumn) {
    const BracketingTranslator translator; // "[First Quarter]" fills the English 15 columns
    const QStringList commands[] = {{"phases", "2026-08"}, {"eclipses", "2026", "2026"},
                                    {"seasons", "2026"}};
    const QRegularExpression glued(QStringLiteral(R"(\]\d)")), apart(QStringLiteral(R"(\] +\d)"));
    for (const QStringList& command : commands) {
        const Answer a = RunHere(command + kLondon);
        ASSERT_EQ(a.code, 0) << a.err.toStdString();
        EXPECT_FALSE(glued.match(a.out).hasMatch()) << a.out.toStdString();
        EXPECT_TRUE(apart.match(a.out).hasMatch()) << a.out.toStdString();
    }
    crescendar::SetRegionalNames(crescendar::EnglishRegionalNames());
}

} // namespace
