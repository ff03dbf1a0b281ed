// A tool of the build: writes the front's table of languages (FrontLanguage.h) as C++, from
// the program's translations and Qt's locales, for English and each language the program
// ships, as the Qt program has them in the locale of that language's country.
// Usage: crescendar-front-words OUTPUT.cpp
#include "FrontTexts.h"
#include "Language.h"
#include "Regional.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <string>

namespace {

// A C++ literal of a UTF-8 text: every byte past ASCII, and the quote and backslash, as
// three-digit octal escapes, which no following character can extend.
std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            out += escape;
        }
    }
    return out + "\"";
}

template <class List> std::string Literals(const List& texts) {
    std::string out = "{";
    for (const auto& text : texts) out += Literal(text) + ", ";
    return out + "}";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: crescendar-front-words OUTPUT.cpp\n");
        return 2;
    }
    // English as the C locale speaks it, then each language in its country's locale.
    const char* const locales[][2] = {
        {"C", "en"}, {"de_DE", "de"}, {"fr_FR", "fr"}, {"es_ES", "es"}};
    std::string out = "// Written by crescendar-front-words from the translations: not to be "
                      "edited.\n#include \"FrontLanguage.h\"\n\nnamespace crescendar::front {\n\n"
                      "const TFrontLanguage kFrontLanguages[] = {\n";
    for (const auto& [locale, language] : locales) {
        crescendar::InstallLanguage(language, {QString::fromLatin1(language)});
        const crescendar::TRegionalNames names = crescendar::RegionalNamesFromLocale(QLocale());
        std::vector<std::string> texts;
        for (const char* source : crescendar::front::kCliSources)
            texts.push_back(QCoreApplication::translate("Cli", source).toStdString());
        out += "    {" + Literal(locale) + ",\n     " + Literals(texts) + ",\n     " +
               Literals(names.LongMonthNames) + ",\n     " + Literals(names.ShortMonthNames) +
               ",\n     " + Literals(names.LongDayNames) + ",\n     " +
               Literals(names.ShortDayNames) + ",\n     " + Literal(names.DateSeparator) + ", " +
               Literal(names.DecimalSeparator) + ",\n     " + Literals(names.Words) + "},\n";
    }
    out += "};\n\nconst std::size_t kFrontLanguageCount = std::size(kFrontLanguages);\n\n"
           "} // namespace crescendar::front\n";
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QFile::WriteOnly) ||
        file.write(out.data(), static_cast<qint64>(out.size())) != qint64(out.size()) ||
        !file.flush()) {
        std::fprintf(stderr, "crescendar-front-words: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
