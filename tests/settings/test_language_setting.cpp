// The Language setting: the words it accepts, and that a file without it follows the system.
#include "Settings.h"
#include "SettingsTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

TEST(LanguageSetting, AcceptsSystemAndTheProgramsLanguagesOnly) {
    const TSettingDef& def = *FindSetting("Language");
    for (const char* word : {"System", "en", "de", "fr", "es"}) {
        TSettings s;
        EXPECT_EQ(ReadSetting(def, s, word), TTextUse::Used) << word;
        EXPECT_EQ(s.Language, word);
    }
    for (const char* word : {"it", "German", "DE", "fr_FR"}) {
        TSettings s;
        std::string why;
        EXPECT_EQ(ReadSetting(def, s, word, &why), TTextUse::Refused) << word;
        EXPECT_EQ(s.Language, "System") << word;
        EXPECT_EQ(why, "neither System nor a language of the program (en, de, fr, es)");
    }
    TSettings blank;
    EXPECT_EQ(ReadSetting(def, blank, "  "), TTextUse::Used);
    EXPECT_EQ(blank.Language, "System");
}

TEST(LanguageSetting, IsReportedWhenRefusedAndWrittenOnlyOnceChosen) {
    QTemporaryDir dir;
    const std::string ini = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    SettingsStore store(ini);
    const TSettings first = store.Load();
    EXPECT_EQ(first.Language, "System");
    EXPECT_EQ(store.ReadValue("Language"), ""); // a first run leaves it out

    // Saving other changes does not add it.
    TSettings moved = first;
    moved.Location = "Bern";
    ASSERT_TRUE(store.WriteSettings(moved, first));
    EXPECT_EQ(store.ReadValue("Language"), "");

    ASSERT_TRUE(store.WriteValues({{"Language", "klingon"}}));
    EXPECT_EQ(store.Load().Language, "System");
    EXPECT_EQ(store.LastReport().Rejected,
              std::vector<std::string>{"Language \"klingon\" (neither System nor a language "
                                       "of the program (en, de, fr, es))"});

    TSettings german = store.Load();
    german.Language = "de";
    ASSERT_TRUE(store.WriteSettings(german, store.Load()));
    EXPECT_EQ(store.ReadValue("Language"), "de");
    EXPECT_EQ(store.Load().Language, "de");
}

} // namespace
} // namespace crescendar
