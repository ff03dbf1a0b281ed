// The eclipse window: the circumstances of the lunar eclipse of the month shown in the main
// window (kind and visibility, date, contacts around the maximum, magnitude) and, below them,
// a dim picture of the Moon's path through the Earth's shadow.
#pragma once

#include "ClickRegion.h"
#include "SkinWindow.h"

#include "Eclipse.h"
#include "EventText.h" // MagnitudeText, as the window shows magnitudes

#include <QImage>
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace crescendar {

class TSession;

// The eclipse windows' skin lengthened by `extra` rows below the title and plate: a row of the
// screen's frame repeated.
QImage TallEclipseSkin(const QImage& skin, int extra);

// The title: "Total Eclipse (Visible)" and the like; "" for type 0.
std::string EclipseTitle(const TEclipseResult& r);

class TEclipse : public SkinWindow {
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
    // With two eclipses in the month, shows the other one.
    void ShowOtherEclipse();

    const std::vector<TEclipseResult>& Eclipses() const { return eclipses_; }
    std::size_t ShownIndex() const { return index_; }
    const std::vector<TLine>& Lines() const { return lines_; }

    void FormCreate() override;
    void FormShow() override;
    void lblDateDblClick();
    void lblExitClick();

    ClickRegion* lblEclipseType = nullptr;
    ClickRegion* lblDate = nullptr;
    ClickRegion* lblMaximum = nullptr; // hidden: the maximum's time and date
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblOther = nullptr; // "1 of 2", only when the month has two eclipses
    // Stand-ins for a reader: the shadow diagram, and the lines drawn on the window.
    ClickRegion* imgDiagram = nullptr;
    const std::vector<ClickRegion*>& LineTexts() const { return lineTexts_; }

  protected:
    // Return presses a focused button; elsewhere it shows the date in the main window.
    bool CommandKeyAllowed(const QAction* action) const override;

  private:
    void Redraw();
    void DrawShadowPicture(const TEclipseResult& r);

    TSession& session_;
    QWidget* owner_;
    const QWidget* anchor_;
    std::vector<TEclipseResult> eclipses_;
    std::size_t index_ = 0;
    std::vector<TLine> lines_;
    std::vector<ClickRegion*> lineTexts_;
    QAction* actOther_ = nullptr;
};

} // namespace crescendar
