// The monthly times list: for every day of a month the Moon's rise, transit and set with its
// illuminated percentage, and the Sun's twilights, rise, transit and set. The table is drawn
// once into an off-screen bitmap and shown through a 600 x 380 opening that scrolls by two
// buttons or by dragging; the print button prints the month as one landscape page.
#pragma once

#include "Access.h"
#include "ClickRegion.h"
#include "Picture.h"
#include "SkinWindow.h"

#include "Records.h"
#include "TableText.h"

#include <QString>

#include <memory>

class QMouseEvent;
class QWheelEvent;

namespace crescendar {

class PrintTarget;
class TSession;

class TTimesList : public SkinWindow {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 14;
    static constexpr int kOpeningLeft = 20;
    static constexpr int kOpeningTop = 80;
    static constexpr int kOpeningRight = 620;
    static constexpr int kOpeningBottom = 460;

    // The window shows the session's month and observer; it belongs to its owner (the main
    // window) and closes with it.
    TTimesList(TSession& session, QWidget& owner);
    ~TTimesList() override;

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormPaint() override;

    // Draws the table of the month of `date` (the dates written are of its month and year)
    // and shows its top.
    void SetupDataBitmap(const TDateTimeRecord& date);
    // Shows the part of the table at the scroll offset in the opening.
    void DisplayDataBitmap();

    void lblScrollUpClick();
    void lblScrollDownClick();
    void lblPrintClick();
    // The table shown as data: "Copy" puts it on the clipboard as tab-separated text (also
    // Ctrl+C), "Save as CSV…" writes it to a file the user chooses (also Ctrl+S).
    void lblCopyClick();
    void lblSaveCsvClick();
    // The month shown, as rows of texts under the columns' headings.
    TTable Table() const;
    QString CsvFolder() const { return csvFolder_; }
    // Shows the month `months` away from the one shown (within years 1 to 9999). The list
    // keeps a month of its own: the main window's selection stays where it is.
    void StepMonth(int months);
    // The date whose month the table shows (the main window's until a table is drawn).
    TDateTimeRecord ShownDate() const;

    // Prints the month of `date` on one landscape page of `target`; false when nothing was
    // printed.
    bool PrintTimes(const TDateTimeRecord& date, PrintTarget& target);
    // Where lblPrint prints (not owned); by default a system printer of the window's own.
    void SetPrintTarget(PrintTarget* target) { printTarget_ = target; }

    bool IsVisible() const { return isVisible(); }

    int ScrollOffset() const { return scrollOffset_; }
    int DayCount() const { return dayCount_; }
    // The largest scroll offset: day count x 14 - 381.
    int MaxScrollOffset() const;

    ClickRegion* lblPrint = nullptr;
    ClickRegion* lblScrollUp = nullptr;
    ClickRegion* lblScrollDown = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblMinimise = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* imgPrevMonth = nullptr;
    ClickRegion* imgNextMonth = nullptr;
    ClickRegion* lblCopy = nullptr;
    ClickRegion* lblSaveCsv = nullptr;
    // The month's table for the keyboard and screen readers: while it has the focus, Up and
    // Down move its row (the opening scrolls with it) rather than scroll the opening.
    AccessibleTable* tblTimes = nullptr;

    // The table of the month, 600 x 434 (31 rows of 14 pixels).
    Picture imgData;

  protected:
    bool CommandKeyAllowed(const QAction* action) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // The wheel scrolls the table three rows a notch.
    void wheelEvent(QWheelEvent* e) override;

  private:
    // The title, and over the opening the groups' captions and the columns' headings.
    void AddHeadings();
    int ClampOffset(int offset) const;
    // Copies the bitmap rows from `top` onto the opening.
    void ShowRows(int top, int rows);
    // Shows the opening at the offset (clamped), and the table's focus mark with it.
    void ScrollTo(int offset);

    TSession& session_;
    int scrollOffset_ = 0;
    std::uint8_t dayCount_ = 31;
    int rowCount_ = 31;         // the dates' rows and the second rows of dates that have them
    bool bodyDragging_ = false; // a drag on the window's body is in progress
    int dragStart_ = 0;
    int wheelRemainder_ = 0;               // eighths of a degree not yet scrolled
    TDateTimeRecord shown_{.Day = 0};      // Day 0: no table drawn yet
    TDateTimeRecord followed_{.Month = 0}; // the session's month last seen (0: none yet)
    PrintTarget* printTarget_ = nullptr;
    std::unique_ptr<PrintTarget> ownPrinter_;
    QString csvFolder_; // where the last CSV file went
    QAction* actScrollUp_ = nullptr;
    QAction* actScrollDown_ = nullptr;
};

} // namespace crescendar
