// The Easter window: the date of Easter Sunday in the year selected in the main window.
// Opened from the report menu; closes when it stops being the active window.
#pragma once

#include "ClickRegion.h"
#include "SkinWindow.h"

namespace crescendar {

class TMain;

class TEaster : public SkinWindow {
    Q_OBJECT
  public:
    // The window is placed over the main window and closes with it.
    explicit TEaster(TMain& main);

    void FormCreate() override;
    // Places the window and computes Easter for the main window's selected year.
    void FormShow() override;
    void FormDeactivate();
    void lblExitClick();

    // The report menu's entry: shows and activates the window.
    void ShowEaster();

    ClickRegion* Label1 = nullptr; // the title region
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblEaster = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    TMain& main_;
};

} // namespace crescendar
