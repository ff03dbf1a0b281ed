// crescendar-screenshot: renders the main window at a fixed instant and place to a PNG.
//   crescendar-screenshot --screenshot FILE [--at "YYYY-MM-DD HH:MM:SS"]
#include "Startup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace crescendar;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the Crescendar main window."));
    parser.addHelpOption();
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("PNG file to write."), QStringLiteral("FILE"));
    const QCommandLineOption at(QStringLiteral("at"),
                                QStringLiteral("Local instant, \"YYYY-MM-DD HH:MM:SS\"."),
                                QStringLiteral("TIME"), QStringLiteral("2025-03-14 06:30:00"));
    parser.addOption(shot);
    parser.addOption(at);
    parser.process(app);

    if (!parser.isSet(shot)) {
        std::fputs("crescendar-screenshot: --screenshot FILE is required\n", stderr);
        return 2;
    }
    const QDateTime instant =
        QDateTime::fromString(parser.value(at), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!instant.isValid()) {
        std::fputs("crescendar-screenshot: --at wants \"YYYY-MM-DD HH:MM:SS\"\n", stderr);
        return 2;
    }
    QString error;
    if (!RenderMainWindow(parser.value(shot), instant, &error)) {
        std::fprintf(stderr, "crescendar-screenshot: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
