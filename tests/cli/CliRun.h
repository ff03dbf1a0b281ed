// Runs crescendar-cli as a separate process with its own settings folder, for the CLI tests.
#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

struct CliRun {
    int code = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// crescendar-cli with args, its settings read from configHome (XDG_CONFIG_HOME and HOME);
// setup may change the process before it starts (where its standard output goes, say).
inline CliRun RunCli(const QStringList& args, const QString& configHome,
                     const std::function<void(QProcess&)>& setup = {}) {
    QProcess p;
    if (setup) setup(p);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("HOME", configHome);
    p.setProcessEnvironment(env);
    p.start(CRESCENDAR_CLI_PATH, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "crescendar-cli did not finish";
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
