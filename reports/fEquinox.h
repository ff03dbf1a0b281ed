// The equinox window: the local times and dates of the year's equinoxes and solstices, named
// as the seasons of the observer's hemisphere, and the length of each season. Opened from the
// report menu; closes when it stops being the active window.
#pragma once

#include "ClickRegion.h"
#include "TransientWindow.h"

#include <array>
#include <cstdint>

namespace crescendar {

class TSession;

class TEquinox : public TransientWindow {
    Q_OBJECT
  public:
    // The window is placed over its owner (the main window) and closes with it.
    TEquinox(TSession& session, QWidget& owner);

    void FormCreate() override;

    // Fills the labels for the year with the session's observer and shows and activates the
    // window.
    void EquinoxesAndSolstices(std::uint16_t year);
    // The report menu's entry: the selected year.
    void ShowEquinox();

    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* Label8 = nullptr; // "Spring Equinox:"
    ClickRegion* Label7 = nullptr; // "Summer Solstice:"
    ClickRegion* Label6 = nullptr; // "Autumn Equinox:"
    ClickRegion* Label5 = nullptr; // "Winter Solstice:"
    ClickRegion* lblSpring = nullptr;
    ClickRegion* lblSummer = nullptr;
    ClickRegion* lblAutumn = nullptr;
    ClickRegion* lblWinter = nullptr;
    ClickRegion* lblSpringDur = nullptr;
    ClickRegion* lblSummerDur = nullptr;
    ClickRegion* lblAutumnDur = nullptr;
    ClickRegion* lblWinterDur = nullptr;
    // The year and the hemisphere the seasons are named for.
    ClickRegion* lblYear = nullptr;

    // The rows, spring to winter.
    std::array<ClickRegion*, 4> Titles() const { return {Label8, Label7, Label6, Label5}; }
    std::array<ClickRegion*, 4> Events() const {
        return {lblSpring, lblSummer, lblAutumn, lblWinter};
    }
    std::array<ClickRegion*, 4> Lengths() const {
        return {lblSpringDur, lblSummerDur, lblAutumnDur, lblWinterDur};
    }

  private:
    TSession& session_;
};

} // namespace crescendar
