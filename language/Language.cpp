#include "Language.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace crescendar {

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
        const QString language =
            ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
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
    if (language == QLatin1String("en")) {
        // English is the source: only the plural forms of counted texts are looked up.
        install(QStringLiteral("crescendar_en"), QStringLiteral(":/i18n"));
    } else {
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

} // namespace crescendar
