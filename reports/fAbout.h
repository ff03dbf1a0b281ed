// The version window: the program's name and version on a picture, closed by its cross.
#pragma once

#include "ClickRegion.h"
#include "SkinWindow.h"
#include "Version.h"

namespace crescendar {

inline constexpr const char* kVersionText = "Crescendar V" CRESCENDAR_VERSION; // not user text

class TAbout : public SkinWindow {
    Q_OBJECT
  public:
    // owner: the main window, which the window belongs to and centres over.
    explicit TAbout(QWidget& owner);

    // Centred over the main window.
    void FormShow() override;
    void lblExitClick();

    ClickRegion* lblVersion = nullptr; // hidden; the picture carries the version
    ClickRegion* lblExit = nullptr;

  private:
    QWidget& owner_;
};

} // namespace crescendar
