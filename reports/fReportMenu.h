// The report menu: a popup column of picture strips leading to the report windows. The
// popup behaviour it shares with the web links menu and the month picker lives in
// TPopupMenu.
#pragma once

#include "ClickRegion.h"
#include "ImageControl.h"
#include "TransientWindow.h"

#include <QImage>

#include <cstdint>
#include <functional>

namespace crescendar {

class TSession;

// A borderless popup of the main window: it takes the focus when shown and closes as soon
// as it loses it.
class TPopupMenu : public TransientWindow {
    Q_OBJECT
  public:
    // Entries are strips of kStripWidth x kStripHeight cut from one picture, top to bottom;
    // the arrow stands kArrowLeft from the left edge.
    static constexpr int kStripWidth = 265;
    static constexpr int kStripHeight = 20;
    static constexpr int kArrowLeft = 7;

  protected:
    // owner: the main window; the popup goes with it and opens below its regions.
    explicit TPopupMenu(QWidget& owner);

    // The strip of the given row of the column picture, at its place in the window, with the
    // entry's title written right of its icon (none: the picture has its words).
    ImageControl* AddStrip(const QImage& column, int row, const QString& name,
                           const QString& title = {});
    // A menu entry's text: pale bold sans of the given size over a black shadow, left in room.
    static Caption MenuCaption(const QString& text, const QRect& room, int pixelSize);
    // A strip picture at its row, with the entry's title written as above.
    ImageControl* AddEntry(const QImage& strip, int row, const QString& name, const QString& title);
    // The arrow at the entry's top and visible.
    static void PointAt(ImageControl* arrow, const QWidget* entry);
    // left = owner's left + the opening region's left, top = owner's top + 40, and then kept
    // on the screen so that every entry can be reached.
    void PlaceBelowRegion(const QWidget& region);

    void showEvent(QShowEvent* e) override;
    // Up, Down, Home and End move the focus among the entries and the arrow with it.
    bool FormKeyPress(QKeyEvent* e) override;

    // The arrow that follows the entry chosen by key (none: no arrow).
    ImageControl* keyArrow_ = nullptr;
};

// The report windows; an entry whose hook is empty only closes the menu.
struct TReportMenuHooks {
    std::function<void()> ShowObservingAid;  // imgLunarVisibility
    std::function<void()> ShowEclipseReport; // imgFindEclipses: the eclipse finder
    std::function<void()> ShowMonthlyPhases; // imgDisplayPhases
    // imgEquinoxInfo: computes and shows the equinoxes and solstices of the year.
    std::function<void(std::uint16_t year)> ShowEquinoxes;
    std::function<void()> ShowEaster; // imgEaster: the window reads the selected year itself
    std::function<void()> ShowCalendarExport; // imgCalendarExport: "Export to Calendar…"
};

class TReportMenu : public TPopupMenu {
    Q_OBJECT
  public:
    // anchor: the owner's region that opens the menu, which it opens below.
    TReportMenu(TSession& session, QWidget& owner, const QWidget& anchor,
                TReportMenuHooks hooks = {});

    void FormShow() override;
    void EntryMouseMove(ImageControl* entry);
    void imgLunarVisibilityClick();
    void imgFindEclipsesClick();
    void imgDisplayPhasesClick();
    void imgEquinoxInfoClick();
    void imgEasterClick();
    void imgCalendarExportClick();

    // Set or completed after construction: the report windows are created after the menu.
    TReportMenuHooks Hooks;

    ImageControl* imgLunarVisibility = nullptr;
    ImageControl* imgFindEclipses = nullptr;
    ImageControl* imgDisplayPhases = nullptr;
    ImageControl* imgEquinoxInfo = nullptr;
    ImageControl* imgEaster = nullptr;
    ImageControl* imgCalendarExport = nullptr;
    ImageControl* imgArrow = nullptr;

  private:
    // Closes the menu, then runs the entry's action.
    void Choose(const std::function<void()>& action);

    TSession& session_;
    const QWidget& anchor_;
};

} // namespace crescendar
