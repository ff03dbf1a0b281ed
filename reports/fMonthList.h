// The month picker: a popup list of the twelve months that changes the month shown (through
// the session, which the main window follows), and then brings the visible reports of the
// month up to date.
#pragma once

#include "fReportMenu.h"

#include "Records.h"

#include <QPointer>

#include <cstddef>
#include <functional>
#include <vector>

namespace crescendar {

// Report windows that follow the month shown. Each registers how to tell whether it is
// visible and how to recompute it for a date-time; RefreshVisible recomputes those that
// are visible at that moment.
class TVisibleReports {
  public:
    using VisibleFunction = std::function<bool()>;
    using RefreshFunction = std::function<void(const TDateTimeRecord&)>;

    void Register(VisibleFunction visible, RefreshFunction refresh);
    // The report counts as visible while the window is shown (never once it is deleted).
    void Register(QWidget* window, RefreshFunction refresh);

    // Decides first which reports are visible, then recomputes them in the order of
    // registration; returns how many were recomputed.
    int RefreshVisible(const TDateTimeRecord& d) const;
    std::size_t Count() const { return reports_.size(); }

  private:
    struct Entry {
        VisibleFunction Visible;
        RefreshFunction Refresh;
    };
    std::vector<Entry> reports_;
};

class TMonthList : public TPopupMenu {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 29;
    static constexpr int kArrowLeft = 10;

    // owner: the main window, beside whose month the picker opens.
    TMonthList(TSession& session, QWidget& owner);

    void FormShow() override;
    // Arrow at the row under the pointer (y in the picture's coordinates).
    void imgMonthsMouseMove(int y);
    // Closes the picker and shows the month of the arrow's row in the main window.
    void imgMonthsClick();

    // The month of the arrow's row, 1 to 12.
    int ArrowMonth() const;

    // The times list, the monthly phases window and the observing aid register here.
    TVisibleReports Reports;

    ImageControl* imgMonths = nullptr;
    ImageControl* imgMonthArrow = nullptr;

  private:
    TSession& session_;
};

} // namespace crescendar
