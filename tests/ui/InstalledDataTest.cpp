// An installed program (bin/crescendar) finds its help page, home page and icon in the data
// folder of its installation (share/crescendar), and says where it looked when they are
// missing.
#include "MainFixture.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace crescendar {
namespace {

using InstalledDataTest = MainFixture;

void WritePage(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write("<html></html>"), 13);
}

// An installation tree: prefix/bin holds the program, prefix/share/crescendar its data. The
// working folder is an empty one while it lives, for a test to plant files in.
struct Installation {
    QTemporaryDir prefix;
    QTemporaryDir work;
    QString previous = QDir::currentPath();
    Installation() { QDir::setCurrent(work.path()); }
    ~Installation() { QDir::setCurrent(previous); }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;
    QString Bin() const { return prefix.filePath(QStringLiteral("bin")); }
    QString Data(const char* name) const {
        return prefix.filePath(QStringLiteral("share/crescendar/") + QLatin1String(name));
    }
};

TEST_F(InstalledDataTest, PagesAreFoundInTheInstalledDataFolder) {
    Installation install;
    QDir().mkpath(install.Bin());
    options.ProgramFolder = install.Bin();
    WritePage(install.Data(kHelpPage));
    WritePage(install.Data(kHomePage));
    Start(At(2025, 3, 14));

    Click(w->lblHelp);
    ASSERT_EQ(shell.files.size(), 1u);
    EXPECT_EQ(shell.files[0], QFileInfo(install.Data(kHelpPage)).absoluteFilePath());
    Click(w->Label1);
    ASSERT_EQ(shell.files.size(), 2u);
    EXPECT_EQ(shell.files[1], QFileInfo(install.Data(kHomePage)).absoluteFilePath());
    EXPECT_TRUE(dialogs.messages.empty());

    // A page planted in the working folder is never opened.
    WritePage(install.work.filePath(QLatin1String(kHelpPage)));
    EXPECT_EQ(w->HelpPagePath(), QFileInfo(install.Data(kHelpPage)).absoluteFilePath());

    // A page beside the program still comes first (a build tree, a copied program).
    WritePage(QDir(install.Bin()).filePath(kHelpPage));
    EXPECT_EQ(w->HelpPagePath(),
              QFileInfo(QDir(install.Bin()).filePath(kHelpPage)).absoluteFilePath());

    // The page in the language in force comes before the English one, where it is shipped.
    const QString german = install.Data("docs/crescendar.de.htm");
    WritePage(german);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(w->HelpPagePath(), QFileInfo(german).absoluteFilePath());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // no French page here
    EXPECT_EQ(w->HelpPagePath(),
              QFileInfo(QDir(install.Bin()).filePath(kHelpPage)).absoluteFilePath());
    QLocale::setDefault(QLocale::system());
}

TEST_F(InstalledDataTest, TheIconIsFoundInTheInstalledDataFolder) {
    Installation install;
    QDir().mkpath(install.Bin());
    QDir().mkpath(install.Data(""));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CRESCENDAR_ICON_FILE), install.Data(kIconFile)));
    options.ProgramFolder = install.Bin();
    Start(At(2025, 3, 14));
    EXPECT_FALSE(w->windowIcon().isNull());
}

TEST_F(InstalledDataTest, AMissingPageNamesEveryPlaceLookedIn) {
    Installation install;
    options.ProgramFolder = install.Bin();
    Start(At(2025, 3, 14));
    Click(w->lblHelp);
    EXPECT_TRUE(shell.files.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString& message = dialogs.messages[0];
    EXPECT_TRUE(message.contains("docs/crescendar.htm")) << message.toStdString();
    EXPECT_TRUE(message.contains("beside the program")) << message.toStdString();
    EXPECT_FALSE(message.contains("working folder")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(
        QDir::cleanPath(install.prefix.filePath(QStringLiteral("share/crescendar"))))))
        << message.toStdString();
}

} // namespace
} // namespace crescendar
