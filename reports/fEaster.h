// The Easter window: the date of Easter Sunday in the year selected in the session.
// Opened from the report menu; closes when it stops being the active window.
#pragma once

#include "ClickRegion.h"
#include "TransientWindow.h"

namespace crescendar {

class TSession;

class TEaster : public TransientWindow {
    Q_OBJECT
  public:
    // The window is placed over its owner (the main window) and closes with it.
    TEaster(TSession& session, QWidget& owner);

    void FormCreate() override;
    // Places the window and computes Easter for the selected year.
    void FormShow() override;

    // The report menu's entry: shows and activates the window.
    void ShowEaster();

    ClickRegion* Label1 = nullptr; // the title region
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblEaster = nullptr;

  private:
    TSession& session_;
};

} // namespace crescendar
