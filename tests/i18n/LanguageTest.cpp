// The language the windows are shown in: chosen from the Language setting or the user's
// interface languages, and installed before the main window is made.
#include "MainFixture.h"
#include "Regional.h"
#include "Startup.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>

namespace crescendar {
namespace {

TEST(LanguageInForce, TheSettingWinsOverTheSystemAndSystemTakesTheFirstKnownLanguage) {
    const QStringList frenchFirst = {QStringLiteral("fr-FR"), QStringLiteral("de-DE")};
    EXPECT_EQ(LanguageInForce("de", frenchFirst), "de");
    EXPECT_EQ(LanguageInForce("en", frenchFirst), "en");
    EXPECT_EQ(LanguageInForce("System", frenchFirst), "fr");
    // Languages the program lacks are passed over; region and spelling do not matter.
    EXPECT_EQ(LanguageInForce("System", {QStringLiteral("it-IT"), QStringLiteral("es_MX")}), "es");
    EXPECT_EQ(LanguageInForce("System", {QStringLiteral("DE")}), "de");
    EXPECT_EQ(LanguageInForce("System", {QStringLiteral("it-IT")}), "en");
    EXPECT_EQ(LanguageInForce("System", {}), "en");
    EXPECT_EQ(LanguageInForce("xx", frenchFirst), "fr");
}

class LanguageTest : public MainFixture {
  protected:
    void TearDown() override {
        MainFixture::TearDown();
        InstallLanguage("en", {});
        QLocale::setDefault(QLocale::system());
    }

    // The main window of a store whose Language is `language`, made after the language the
    // program would install at start.
    TLanguageInstalled StartIn(const std::string& language,
                               const QStringList& ui = QLocale::system().uiLanguages()) {
        const std::string ini = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
        SettingsStore store(ini);
        store.Load();
        EXPECT_TRUE(store.WriteValues({{"Language", language}}));
        const TLanguageInstalled installed = InstallLanguage(StoredLanguage(ini), ui);
        Start(At(2024, 3, 1), {{"Language", language}});
        return installed;
    }
    QAction* Command(const char* name) const { return w->findChild<QAction*>(name); }
};

TEST_F(LanguageTest, GermanSettingShowsGermanCommandsAndDates) {
    const TLanguageInstalled installed = StartIn("de", {QStringLiteral("fr-FR")});
    EXPECT_EQ(installed.Language, "de");
    EXPECT_TRUE(installed.Translated);
    ASSERT_NE(Command("actConfiguration"), nullptr);
    EXPECT_EQ(Command("actConfiguration")->text(), "Einstellungen");
    EXPECT_EQ(Command("actConfiguration")->statusTip(), "Einstellungen ändern");
    // The shared commands of the platform layer are translated too.
    EXPECT_EQ(Command("actNextMonth")->toolTip().toStdString(), "Den nächsten Monat zeigen (Bild abwärts)");
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QLocale().toString(1.5), "1,5");
}

TEST_F(LanguageTest, EnglishSettingKeepsTheSourceTexts) {
    const TLanguageInstalled installed = StartIn("en", {QStringLiteral("de-DE")});
    EXPECT_EQ(installed.Language, "en");
    EXPECT_FALSE(installed.Translated);
    EXPECT_EQ(Command("actConfiguration")->text(), "Configuration");
    EXPECT_EQ(Command("actConfiguration")->statusTip(), "Change configuration parameters");
}

TEST_F(LanguageTest, ALaterChoiceReplacesTheEarlierTranslation) {
    InstallLanguage("es", {});
    EXPECT_EQ(QCoreApplication::translate("crescendar::TMain", "Moonrise"), "Salida de la Luna");
    InstallLanguage("de", {});
    EXPECT_EQ(QCoreApplication::translate("crescendar::TMain", "Moonrise"), "Mondaufgang");
    InstallLanguage("en", {});
    EXPECT_EQ(QCoreApplication::translate("crescendar::TMain", "Moonrise"), "Moonrise");
}

TEST_F(LanguageTest, MonthDayNamesAndTheEnginesWordsFollowTheLanguage) {
    // Without a translator the words are the engine's own, in its order.
    EXPECT_EQ(TranslatedWords(), EnglishWords());
    InstallLanguage("de", {QStringLiteral("en-US")});
    UseRegionalNamesInForce();
    EXPECT_EQ(LongMonthName(12), "Dezember");
    EXPECT_EQ(RegionalNames().ShortDayNames[0], "So");
    EXPECT_EQ(RegionalNames().DecimalSeparator, ",");
    // Short names are the language's own, not cut ones: French June and July differ.
    InstallLanguage("fr", {QStringLiteral("en-US")});
    UseRegionalNamesInForce();
    EXPECT_EQ(ShortMonthName(6), "juin");
    EXPECT_EQ(ShortMonthName(7), "juil.");
    InstallLanguage("en", {QStringLiteral("de-DE")});
    UseRegionalNamesInForce();
    EXPECT_EQ(LongMonthName(12), "December");
    EXPECT_EQ(ShortMonthName(9), "Sep");
    SetRegionalNames(EnglishRegionalNames());
}

// A count takes the plural form of the language: French counts 0 and 1 in the singular.
TEST_F(LanguageTest, CountsTakeTheLanguagesPluralForms) {
    const auto found = [](int n) {
        return QCoreApplication::translate("crescendar::TEclipseReport", "%n eclipse(s) found",
                                           nullptr, n);
    };
    const struct {
        const char* Language;
        int Count;
        const char* Text;
    } cases[] = {{"en", 1, "1 eclipse found"},    {"en", 0, "0 eclipses found"},
                 {"en", 2, "2 eclipses found"},   {"fr", 0, "0 éclipse trouvée"},
                 {"fr", 2, "2 éclipses trouvées"}, {"de", 1, "1 Finsternis gefunden"}};
    for (const auto& c : cases) {
        InstallLanguage(c.Language, {});
        EXPECT_EQ(found(c.Count), QString::fromUtf8(c.Text)) << c.Language << " " << c.Count;
    }
}

TEST_F(LanguageTest, RefusedSettingFollowsTheSystem) {
    StartIn("it", {QStringLiteral("es-ES")});
    EXPECT_EQ(Command("actConfiguration")->text(), "Configuración");
    EXPECT_EQ(Settings().Language, "System");
}

// Run by its own CTest entry with LANG=fr_FR.UTF-8 (and no LC_ALL, LC_MESSAGES or LANGUAGE).
TEST_F(LanguageTest, SystemFollowsAFrenchEnvironment) {
    if (!qgetenv("LANG").startsWith("fr_FR")) GTEST_SKIP() << "needs LANG=fr_FR.UTF-8";
    const TLanguageInstalled installed = StartIn("System");
    EXPECT_EQ(installed.Language, "fr");
    EXPECT_EQ(Command("actConfiguration")->text(), "Configuration");
    EXPECT_EQ(Command("actConfiguration")->statusTip(), "Modifier les paramètres de configuration");
    EXPECT_EQ(QLocale().language(), QLocale::French);
}

} // namespace
} // namespace crescendar
