// The date information window: the date in words, its Julian Day, its day of the year, its
// week number and the days left until Christmas. Opened by a right click on a day of the main
// window's calendar; closes when it stops being the active window.
#pragma once

#include "ClickRegion.h"
#include "TransientWindow.h"

#include "Records.h"

namespace crescendar {

// Named with "Window" because the engine's record of the same facts is TDateInfo.
class TDateInfoWindow : public TransientWindow {
    Q_OBJECT
  public:
    // The window is placed over its owner (the main window) and closes with it.
    explicit TDateInfoWindow(QWidget& owner);

    void FormCreate() override;

    // Fills the labels for the day of the record (its time of day included in the Julian
    // Day) and shows and activates the window.
    void ShowDateInfo(const TDateTimeRecord& date);

    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblSelectedDate = nullptr;
    ClickRegion* Label1 = nullptr; // Julian Day
    ClickRegion* Label2 = nullptr; // day number
    ClickRegion* Label3 = nullptr; // week number
    ClickRegion* Label4 = nullptr; // days till Christmas
};

} // namespace crescendar
