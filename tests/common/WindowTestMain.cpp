// The entry of every window test program: Qt's offscreen platform (also when the tests are
// only listed), the pinned fonts, a temporary home and configuration folder so that the
// user's settings are never touched, and the program's artwork where the test program links
// it.
#if __has_include("Resources.h")
#include "Resources.h"
#define CRESCENDAR_TEST_ARTWORK 1
#endif

#include "PinnedFonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    crescendar::UsePinnedFonts();
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr,
                     "The tests did not run: no temporary home folder could be made (%s).\n",
                     qPrintable(home.errorString()));
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
    QApplication app(argc, argv);
#ifdef CRESCENDAR_TEST_ARTWORK
    InitCrescendarResources();
#endif
    // English as the program speaks it: the plural forms of counted texts ("1 eclipse found"),
    // where the test program carries the translations.
    QTranslator plurals;
    if (plurals.load(QStringLiteral("crescendar_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&plurals);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
