#include "Startup.h"

#include "AtomicFile.h"
#include "Clock.h"
#include "ProgramWindows.h"
#include "Regional.h"
#include "fConfiguration.h"
#include "fMain.h"

#include "Places.h"
#include "Resources.h"
#include "Session.h"
#include "Settings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>

#include <optional>

namespace crescendar {

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString NoDisplayMessage(const QString& program) {
    return QStringLiteral(
               "Crescendar needs a graphical display, and none is available here (DISPLAY and "
               "WAYLAND_DISPLAY are not set).\n"
               "Run it on a desktop, or under a virtual display with:\n"
               "    xvfb-run -a %1\n")
        .arg(program.isEmpty() ? QStringLiteral("crescendar") : program);
}

void UseRegionalNamesInForce() {
    SetRegionalNames(RegionalNamesFromLocale(QLocale()));
}

QString LanguageInForce(const std::string& setting, const QStringList& uiLanguages) {
    const auto known = [](const QString& language) {
        for (const char* word : LanguageWords())
            if (language == QLatin1String(word)) return true;
        return false;
    };
    const QString chosen = QString::fromStdString(setting);
    if (known(chosen)) return chosen;
    for (const QString& ui : uiLanguages) {
        // "fr-FR", "fr_FR" and "fr" all name French.
        const QString language = ui.section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .toLower();
        if (known(language)) return language;
    }
    return QStringLiteral("en");
}

TLanguageInstalled InstallLanguage(const std::string& setting, const QStringList& uiLanguages) {
    static const QString kOwnName = QStringLiteral("crescendarTranslator");
    QCoreApplication* app = QCoreApplication::instance();
    TLanguageInstalled installed;
    installed.Language = LanguageInForce(setting, uiLanguages);
    if (!app) return installed;

    // An earlier call's translators go first, so that a second call does not stack them.
    for (QTranslator* old : app->findChildren<QTranslator*>(kOwnName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const auto install = [&](const QString& file, const QString& folder) {
        auto* translator = new QTranslator(app);
        translator->setObjectName(kOwnName);
        if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
            delete translator;
            return false;
        }
        return true;
    };
    const QString& language = installed.Language;
    if (language != QLatin1String("en")) {
        installed.Translated =
            install(QStringLiteral("crescendar_") + language, QStringLiteral(":/i18n"));
        // Qt's own dialogs and buttons, when qt6-translations-l10n is installed.
        installed.QtTranslated = install(QStringLiteral("qtbase_") + language,
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }

    // Names of months and days come from the language in force, and its formats from the
    // system's region where the language has a variant for it (de_CH, en_IE).
    const QLocale system = QLocale::system();
    const bool systemSpeaksIt = QLocale::languageToCode(system.language()) == language;
    QLocale::setDefault(systemSpeaksIt
                            ? system
                            : QLocale(QLocale::codeToLanguage(language), system.territory()));
    return installed;
}

std::string StoredLanguage(const std::string& settingsPath) {
    const SettingsStore store =
        settingsPath.empty() ? SettingsStore() : SettingsStore(settingsPath);
    return store.Peek().Language;
}

std::shared_ptr<TProgramWindows> StartProgramWindows(TMainOptions options,
                                                     const std::string& systemZone) {
    // The main window loads the settings as it is created; the session tells whether that
    // load was the first run's.
    std::shared_ptr<TProgramWindows> windows = CreateProgramWindows(std::move(options));
    windows->Main->show();
    // Later starts offer the place again until one has been saved, if there is one to offer.
    const TSession& session = windows->Main->Session();
    if (session.FirstRun() || session.PlaceUnchosen()) {
        const std::optional<TPlace> suggestion = PrincipalPlaceOfZone(systemZone);
        if (session.FirstRun() || suggestion) windows->Configuration->ShowFirstRun(suggestion);
    }
    return windows;
}

bool RenderMainWindow(const QString& file, const QDateTime& at, QString* error) {
    InitCrescendarResources();
    QTemporaryDir folder;
    if (!folder.isValid()) {
        if (error) *error = QStringLiteral("cannot make a temporary folder");
        return false;
    }
    const std::string ini = folder.filePath(QStringLiteral("Crescendar.ini")).toStdString();
    SettingsStore store(ini);
    const TSettings loaded = store.Load();
    TSettings london = loaded;
    london.LatDeg = "51";
    london.LatMin = "30";
    london.LatSec = "00";
    london.LatDir = TNorthSouth::North;
    london.LongDeg = "000";
    london.LongMin = "07";
    london.LongSec = "12";
    london.LongDir = TEastWest::West;
    london.Location = "London";
    london.DaylightSavings = false;
    london.TimeZoneIdx = 24;
    const bool placed = store.WriteSettings(london, loaded);
    if (!placed) {
        // Without its settings the picture would show another place.
        if (error) *error = QString::fromStdString(store.LastWriteError());
        return false;
    }

    FakeClock clock(at);
    Clock* previous = InstallClock(&clock);
    bool ok = false;
    {
        TMainOptions options;
        options.SettingsPath = ini;
        TMain* main = SkinWindow::Create<TMain>(options);
        main->show();
        main->FormActivate();
        main->Timer1.stop();
        main->Timer1Timer();
        QApplication::processEvents();
        const QImage picture = main->grab().toImage();
        QString why;
        ok = SaveImageFile(picture, file, "PNG", &why);
        if (!ok && error) *error = why;
        delete main;
    }
    InstallClock(previous);
    return ok;
}

} // namespace crescendar
