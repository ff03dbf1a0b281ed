// The eclipse window: the circumstances of the lunar eclipse of the month shown in the main
// window (kind and visibility, date, contacts around the maximum, magnitude) and, below them,
// a dim picture of the Moon's path through the Earth's shadow.
#pragma once

#include "ClickRegion.h"
#include "EclipseWindowBase.h"

#include "Eclipse.h"
#include "EventText.h" // MagnitudeText, as the window shows magnitudes

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace crescendar {

class TSession;

// The title: "Total Eclipse (Visible)" and the like; "" for type 0.
std::string EclipseTitle(const TEclipseResult& r);

class TEclipse : public TEclipseWindowBase {
    Q_OBJECT
  public:
    // session: whose day a double-click on the date selects. owner: the window this one
    // belongs to; it opens below the owner's region anchor (both nullptr: where it is).
    explicit TEclipse(TSession& session, QWidget* owner = nullptr, const QWidget* anchor = nullptr);

    // One line of the contacts and magnitude block, as drawn.
    struct TLine {
        QString Caption;
        QString Value;
        int Top = 0;
    };

    // Shows the month's eclipses (one or two), starting with the one at `first`. An empty
    // list does nothing.
    void ShowEclipses(const std::vector<TEclipseResult>& eclipses, std::size_t first = 0);
    // Called on the session's monthChanged: an open window follows the new month's
    // eclipses, and closes when the month has none.
    void MonthChanged(const std::vector<TEclipseResult>& eclipses);

    const std::vector<TEclipseResult>& Eclipses() const { return eclipses_; }
    const std::vector<TLine>& Lines() const { return lines_; }

    void FormCreate() override;
    void lblDateDblClick() override;

    ClickRegion* lblMaximum = nullptr; // hidden: the maximum's time and date
    // Stand-in for a reader: the shadow diagram.
    ClickRegion* imgDiagram = nullptr;

  protected:
    std::size_t EclipseCount() const override { return eclipses_.size(); }
    void Redraw() override;

  private:
    void DrawShadowPicture(const TEclipseResult& r);

    std::vector<TEclipseResult> eclipses_;
    std::vector<TLine> lines_;
};

} // namespace crescendar
