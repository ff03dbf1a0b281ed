// The calendar printout: the month of the main window as a one-page landscape wall calendar
// with the day boxes, each day's Moon, the Moon's and the Sun's times and the principal
// phases, as the print options choose.
#pragma once

#include "PageFrame.h"
#include "PrintTarget.h"

#include "Records.h"
#include "Settings.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

namespace crescendar {

class TSession;

// What the printout reads from the session: the month shown and the preferences.
struct TCalendarSheet {
    // Day number of each cell (0: none), cell index = 7 x row + column.
    std::array<std::uint16_t, 42> Days{};
    int FirstDayColumn = 0;
    TPhaseList Phases{};
    int PhaseCount = 0;
    Observer Obs;            // with the zone and daylight offsets
    double TimeOffset = 0.0; // days
    // The first weekday, the hemisphere, what to print and how dark.
    TSettings Settings;
};

TCalendarSheet CalendarSheetOf(const TSession& session);

// The pixels of the dark part of a Moon drawing of radius r centred at (r, r): the halves of
// the ellipses of height 2r and half-widths k..r on the dark side, for k <= 0 the vertical
// line beside the centre on that side, and for k < 0 also the line on the other side and the
// halves of half-widths 0..-k there; each half runs from the top point to the bottom point,
// pixel for pixel as Canvas::Arc draws it, and the lines as Canvas::LineTo. k is r at full
// moon, 0 at half moon and -r at new moon.
std::vector<QPoint> DarkPartPixels(int r, int k, bool darkLeft);

class TPrint {
  public:
    TPrint(PrintTarget& target, TCalendarSheet sheet);

    // Prints the whole page in a landscape job; false when nothing was printed (the job was
    // cancelled or failed).
    bool PrintCalendar(int month, int year);

    // The steps of the page, in the order PrintCalendar runs them.
    void PrintPageHeader(int month, int year) { frame_.PrintPageHeader(month, year); }
    void PrintWeekdayTitles();
    void PrintCalendarDays(int month, int year);
    void PrintMajorPhaseMarks();
    void PrintPageFooter() { frame_.PrintPageFooter(); }

    // The dark part of one day's Moon, hatched in the grey level on a picture that holds the
    // disc of the given radius centred at (cx, cy).
    void DrawPrintedPhase(QImage& picture, int cx, int cy, int illuminated,
                          const TDateTimeRecord& date, int grey, int radius) const;
    // The Moon's three times in the top right corner of a day's box, in time order.
    void PrintDayMoonTimes(int cx, int cy, int boxWidth, int boxHeight,
                           const TDateTimeRecord& date);
    // The Sun's rise, transit and set in the bottom right corner.
    void PrintDaySunTimes(int cx, int cy, int boxWidth, int boxHeight, const TDateTimeRecord& date);
    void PrintPhaseLegend();
    // The mark of principal phase `index` (1..) in the bottom left corner of its day's box.
    void PrintPhaseMarker(int index);

    const PageFrame& Frame() const { return frame_; }
    const TCalendarSheet& Sheet() const { return sheet_; }
    // Width and height of a day's box on the page being printed (the height once the
    // weekday row is printed).
    int CellWidth() const { return frame_.PageWidth() / 7; }
    int CellHeight() const;

  private:
    // The x of the times in a day's box whose right edge is at `right`, in the current font.
    int TimesValueX(int right) const;
    // Whether the settings put the observer in the northern hemisphere.
    bool NorthernObserver() const;
    // Principal-phase symbol of a kind (0 new, 1 last quarter, 2 full, 3 first quarter) in
    // the square of the given size at (left, top).
    void DrawPhaseSymbol(int kind, int left, int top, int size);
    void DrawQuarter(int left, int top, int size, bool litRight);

    TCalendarSheet sheet_;
    PageFrame frame_;
};

} // namespace crescendar
