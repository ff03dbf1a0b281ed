// The observing aid: a chart of one month, one row per day and the 24 hours across, showing
// in layered blues how dark the sky is (the Sun above -18, -12, -6 and -0.8333 degrees) and
// in pale yellow when the Moon is above the horizon, the bar's height standing for its lit
// fraction. Day view runs each row from midnight to midnight, night view from noon to noon
// so that a whole night is one unbroken stretch. An hour grid can be switched on, and the
// chart printed.
#pragma once

#include "ClickRegion.h"
#include "ImageControl.h"
#include "Picture.h"
#include "SkinWindow.h"

#include "Records.h"
#include "Settings.h"

#include <QColor>
#include <QImage>

#include <memory>
#include <string>

namespace crescendar {

class TSession;
class PrintTarget;

// How the chart is laid out on a surface, and its colours.
struct TChartLayout {
    int Width = 0;
    int Height = 0;
    int HalfWidth = 0; // set by DrawGraphic: (Width - left margin) div 2
    int RowHeight = 0;
    double PixelsPerMinute = 0.0;
    int Top = 0;          // y of the first row before the header is added
    int HeaderHeight = 0; // added to Top once the background is painted
    int FontSize = 8;     // day numbers, points before scaling
    int PenWidth = 1;     // row and grid lines
    QColor Daylight;      // Sun above -0.8333 degrees
    QColor CivilFill;     // the civil band of a day that never crosses -6 degrees
    QColor Civil;         // Sun above -6
    QColor Nautical;      // Sun above -12
    QColor Astronomical;  // Sun above -18
    QColor Background;
    QColor DayText;
    QColor Lines;
};

// The screen's colours, and the paper's for a printer type ("Colour Inkjet" prints the
// screen's blues; other types print greys).
TChartLayout ScreenChartColours();
TChartLayout PaperChartColours(TPrinterType printerType);

// Minutes after midnight of a rise/set time text "hh:mm"; "*****", "None" and texts that are
// not a time give 0.
int HMToMins(const std::string& text);

class TObservingAid : public SkinWindow {
    Q_OBJECT
  public:
    static constexpr int kChartWidth = 500;
    static constexpr int kChartHeight = 384;
    static constexpr int kLeftMargin = 20;
    // The hour scale strip above the chart, on the window and on the copied picture.
    static constexpr int kScaleHeight = 15;
    // The copied picture: a margin all round, the month, the place and the legend above the
    // hour scale and the chart.
    static constexpr int kPictureMargin = 8;
    static constexpr int kPictureHeaderHeight = 56;

    // The window charts the session's month for its observer; it belongs to its owner (the
    // main window), opens level with it and closes with it.
    TObservingAid(TSession& session, QWidget& owner);
    ~TObservingAid() override;

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormPaint() override;

    // Pages the month by `months` through the session; the main window and this chart
    // follow its signals, as the chart always shows the main window's month.
    void StepMonth(int months);
    void imgDayNightClick();
    void imgLinesGridClick();
    void lblPrintClick();
    // Puts ChartPicture on the clipboard (lblCopy, Ctrl+C).
    void CopyPicture();
    // The chart as shown, with what it shows: the month, the place and the legend over the
    // hour scale and the chart, on black with a margin all round.
    QImage ChartPicture();
    // The colour key of the chart, in one row from (x, y).
    static void DrawLegend(Canvas& canvas, int x, int y);

    // Draws the chart of the main window's selected month on screen.
    void doa();
    // Draws the chart of the month of `date` on `canvas`.
    void DrawGraphic(int leftMargin, const TDateTimeRecord& date, TChartLayout layout,
                     Canvas& canvas);
    // The hour labels, right-aligned on the hour lines: 0 to 24 in day view, 12 to 12 over
    // midnight in night view. Shown whether or not the grid is.
    void DisplayHours(Canvas& canvas, int width, const QColor& colour, int y, int xOffset,
                      int leftMargin);

    // Prints the chart of the month of `date` on `target`; false when nothing was printed.
    bool PrintChart(const TDateTimeRecord& date, PrintTarget& target);
    // Where lblPrint prints (not owned); by default a system printer of the window's own.
    void SetPrintTarget(PrintTarget* target) { printTarget_ = target; }

    bool IsVisible() const { return isVisible(); }

    bool NightView() const { return nightView_; }
    bool ShowGrid() const { return showGrid_; }
    int RowHeight() const { return rowHeight_; }

    ImageControl* imgDayNight = nullptr;
    ImageControl* imgLinesGrid = nullptr;
    ImageControl* Image2 = nullptr; // the chart on the window, at (20, 75)
    ClickRegion* lblPrint = nullptr;
    ClickRegion* lblCopy = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblMonth = nullptr; // the month shown, in the title row
    ClickRegion* lblMinimise = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* imgPrevMonth = nullptr;
    ClickRegion* imgNextMonth = nullptr;

    Picture Image1; // the chart drawn off screen, 500 x 384
    QImage imgDay, imgNight, imgLines, imgGrid;

  private:
    void DrawMonth(const TDateTimeRecord& date);
    void ShowButtonPictures();

    TSession& session_;
    QWidget& owner_;
    TDateTimeRecord shown_{}; // the month the chart shows
    int rowHeight_ = 12;
    bool nightView_ = true;
    bool showGrid_ = false;
    PrintTarget* printTarget_ = nullptr;
    std::unique_ptr<PrintTarget> ownPrinter_;
};

} // namespace crescendar
