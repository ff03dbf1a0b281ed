// The solar eclipse window: the solar eclipse of the month shown in the main window as seen
// from the observer's place (kind and visibility, date, contacts with the Sun's altitude,
// magnitude, obscuration, the length of totality or annularity) and, below them, the Sun with
// the Moon's disc over it at the maximum, the place's zenith up.
#pragma once

#include "ClickRegion.h"
#include "EclipseWindowBase.h"

#include "EventText.h"
#include "SolarEclipse.h"

#include <QPointF>
#include <QString>

#include <cstddef>
#include <vector>

namespace crescendar {

class TSession;

class TSolarEclipseWindow : public TEclipseWindowBase {
    Q_OBJECT
  public:
    // session: the month's eclipses, the observer, and whose day a double-click on the date
    // selects. owner: the window this one belongs to; it opens below the owner's region
    // anchor (both nullptr: where it is).
    explicit TSolarEclipseWindow(TSession& session, QWidget* owner = nullptr,
                                 const QWidget* anchor = nullptr);

    // One line of the texts, as drawn: its caption, clock time or value, and the Sun's
    // altitude; Dim when the Sun is below the horizon then.
    struct TLine {
        QString Caption;
        QString Value;
        QString Altitude;
        int Top = 0;
        bool Dim = false;
    };

    // Shows the month's eclipses (one or two), starting with the one at `first`. An empty
    // list does nothing.
    void ShowEclipses(const std::vector<TSolarEclipseAtPlace>& eclipses, std::size_t first = 0);
    // Shows the session's month's eclipses (nothing when it has none).
    void ShowMonthEclipses();
    // Called on the session's monthChanged: an open window follows the new month's eclipses,
    // and closes when the month has none.
    void MonthChanged(const std::vector<TSolarEclipseAtPlace>& eclipses);

    const std::vector<TSolarEclipseAtPlace>& Eclipses() const { return eclipses_; }
    const std::vector<TLine>& Lines() const { return lines_; }
    // Where the picture draws the Sun and the Moon (window pixels); radius 0: not drawn.
    QPointF SunCentre() const { return sunCentre_; }
    double SunRadius() const { return sunRadius_; }
    QPointF MoonCentre() const { return moonCentre_; }
    double MoonRadius() const { return moonRadius_; }

    void FormCreate() override;
    void lblDateDblClick() override;

    ClickRegion* lblWorldwide = nullptr; // the worldwide kind where the place sees a lesser one
    // Stand-in for a reader: the picture.
    ClickRegion* imgPicture = nullptr;

  protected:
    std::size_t EclipseCount() const override { return eclipses_.size(); }
    void Redraw() override;

  private:
    void DrawSunPicture(const TSolarEclipseAtPlace& e);

    std::vector<TSolarEclipseAtPlace> eclipses_;
    std::vector<TLine> lines_;
    QPointF sunCentre_;
    double sunRadius_ = 0.0;
    QPointF moonCentre_;
    double moonRadius_ = 0.0;
};

} // namespace crescendar
