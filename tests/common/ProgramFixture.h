// Every window of the program over a fresh settings store, the main window shown and active,
// with MainFixture's clock, shell and dialogs.
#pragma once

#include "MainFixture.h"
#include "ProgramWindows.h"

#include <memory>
#include <string>

namespace crescendar {

class ProgramFixture : public MainFixture {
  protected:
    std::shared_ptr<TProgramWindows> StartProgram(const QDateTime& at) {
        clock.Set(at);
        ini = dir.filePath(QStringLiteral("Crescendar.ini")).toStdString();
        SettingsStore(ini).Load();
        options.SettingsPath = ini;
        auto windows = CreateProgramWindows(options);
        w = windows->Main;
        w->show();
        w->FormActivate();
        return windows;
    }
    std::string ini;
};

} // namespace crescendar
