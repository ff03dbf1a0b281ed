// The month picker: a popup list of the twelve months that changes the month shown through
// the session, which the main window and the visible reports of the month follow.
#pragma once

#include "fReportMenu.h"

#include "Access.h"

namespace crescendar {

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

    // The months for the keyboard and screen readers: Up and Down move the arrow, Return or
    // Enter picks the month.
    AccessibleTable* tblMonths = nullptr;
    ImageControl* imgMonths = nullptr;
    ImageControl* imgMonthArrow = nullptr;

  protected:
    bool FormKeyPress(QKeyEvent* e) override;

  private:
    TSession& session_;
    bool keyboardUsed_ = false; // a key has marked a month since the picker opened
};

} // namespace crescendar
