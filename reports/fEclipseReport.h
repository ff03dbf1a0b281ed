// The eclipse finder: every lunar eclipse, every solar eclipse or both between two years, one
// line each (kind, magnitude, local time and date of the maximum, visibility at the place),
// twelve lines at a time. The search runs on worker threads, shows its progress and can be
// cancelled. Double-clicking a line moves the main window to that eclipse and opens the
// eclipse window or the solar eclipse window beside the report.
#pragma once

#include "Access.h"
#include "ClickRegion.h"
#include "ImageControl.h"
#include "Picture.h"
#include "SkinWindow.h"

#include "Eclipse.h"
#include "TableText.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace crescendar {

class TEclipse;
class TSession;
class TSolarEclipseWindow;

// What the finder lists: lunar eclipses, solar eclipses or both.
enum class TEclipseChoice : std::uint8_t { Lunar, Solar, Both };

// The messages of the year boxes.
inline constexpr const char* kFromToMessage = QT_TRANSLATE_NOOP(
    "crescendar::TEclipseReport", "The \"From\" year must not be later than the \"To\" year.");
inline constexpr const char* kEmptyYearMessage =
    QT_TRANSLATE_NOOP("crescendar::TEclipseReport", "Please type a year in both boxes.");
inline constexpr const char* kYearRangeMessage =
    QT_TRANSLATE_NOOP("crescendar::TEclipseReport", "A year must lie between 1 and 9999.");

class TEclipseReport : public SkinWindow {
    Q_OBJECT
  public:
    // session: whose observer the eclipses are found for and whose day a double-click
    // selects. owner: the window this one belongs to; it opens below the owner's region
    // anchor (both nullptr: where it is). lunarWindow and solarWindow give the lunar and the
    // solar eclipse window, made the first time a line of theirs is opened (none: a line only
    // selects the day).
    explicit TEclipseReport(TSession& session, QWidget* owner = nullptr,
                            const QWidget* anchor = nullptr,
                            std::function<TEclipse*()> lunarWindow = {},
                            std::function<TSolarEclipseWindow*()> solarWindow = {});

    // A line of the list as values; its texts are made when it is drawn, read, copied or
    // saved.
    using TEclipseRow = TEclipseLine;
    // "hh:mm  dd Month yyyy": the local time and date of the row's maximum as the list shows
    // them.
    static std::string TimeAndDate(const TEclipseRow& row);
    // The same of a line's cells (EclipseLineTexts without the body).
    static std::string TimeAndDate(const std::vector<std::string>& cells);

    // Lines on the list and the height of one.
    static constexpr int kVisibleLines = 12;
    static constexpr int kLineHeight = 16;

    // Shows the window (from the report menu).
    void ShowEclipseReport();

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void lblCalculateClick();
    void ScrollBar1Change();
    // A double-click on the list at (x, y), window coordinates.
    void FormDblClick(QPoint at);
    void lblExitClick();

    // Starts the search of the years in the boxes on worker threads; the list is filled
    // when all of it is done (FinishSearch).
    void CalculateEclipses();
    // Stops a running search; the list stays empty and the status says so.
    void CancelSearch();
    bool Searching() const { return search_ != nullptr; }
    // The eclipses to list, kept while the program runs. A change runs the search of the
    // list shown (or running) again for the new choice.
    void SetChoice(TEclipseChoice choice);
    TEclipseChoice Choice() const { return choice_; }
    void SetupDataBitmap();
    void DisplayDataBitmap();

    const std::vector<TEclipseRow>& Rows() const { return rows_; }
    // The list as data, shown while it has rows: "Copy" puts it on the clipboard as
    // tab-separated text (also Ctrl+C), "Save as CSV…" writes it to a file the user chooses
    // (also Ctrl+S); a list of solar or of both kinds has the body column first. Without a
    // list they only beep.
    void lblCopyClick();
    void lblSaveCsvClick();
    // The list as rows of texts under the columns' headings.
    TTable Table() const;
    bool Computed() const { return computed_; }

    QLineEdit* txtFromYear = nullptr;
    QLineEdit* txtToYear = nullptr;
    ClickRegion* Label1 = nullptr;
    ClickRegion* Label2 = nullptr;
    ClickRegion* lblCalculate = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblSelectedDate = nullptr; // hidden: the text of the line double-clicked
    ClickRegion* lblStatus = nullptr;       // "27 eclipses found", "Searching..."
    ClickRegion* lblCancel = nullptr;       // shown while a search runs
    ClickRegion* lblCopy = nullptr;         // shown while there is a list
    ClickRegion* lblSaveCsv = nullptr;      // shown while there is a list
    // The choice of lunar, solar or both: radio buttons, each a glyph and its caption, which
    // takes the keyboard and is read as the radio button.
    ImageControl* imgLunar = nullptr;
    ImageControl* imgSolar = nullptr;
    ImageControl* imgBoth = nullptr;
    ClickRegion* lblLunar = nullptr;
    ClickRegion* lblSolar = nullptr;
    ClickRegion* lblBoth = nullptr;
    QProgressBar* barProgress = nullptr; // shown while a search runs
    QScrollBar* ScrollBar1 = nullptr;
    // The list for the keyboard and screen readers: the arrow and page keys move a row (the
    // list scrolls with it), Return opens the row's eclipse as a double-click does.
    AccessibleTable* tblEclipses = nullptr;
    Picture imgData;

    ~TEclipseReport() override;

  protected:
    bool CommandKeyAllowed(const QAction* action) const override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    struct TSearch;
    int VisibleLines() const;
    // Selects the day of the list's row and shows its eclipse, as a double-click on it does.
    void OpenRow(std::size_t index);
    // The whole result of a row's eclipse, found again for the observer of the search.
    std::optional<TEclipseResult> RowResult(const TEclipseRow& row) const;
    std::optional<TSolarEclipseAtPlace> SolarRowResult(const TEclipseRow& row) const;
    // Opens a solar row's eclipse in the solar eclipse window.
    void OpenSolarRow(const TEclipseRow& row);
    // Puts an eclipse window beside the report, the two centred under the owner and kept on
    // the screen.
    void SetBesideFinder(SkinWindow& window);
    // Starts the search of the years from..to for the choice.
    void Search(int from, int to);
    void ShowChoice();
    // The list holds solar eclipses: its table has the body column.
    bool ListWithBody() const { return listChoice_ != TEclipseChoice::Lunar; }
    void PollSearch();
    void FinishSearch();
    void StopSearch();
    void ShowSearching(bool on);
    void ShowTableCommands();

    TSession& session_;
    QWidget* owner_;
    const QWidget* anchor_;
    std::function<TEclipse*()> lunarWindow_;
    std::function<TSolarEclipseWindow*()> solarWindow_;
    std::vector<TEclipseRow> rows_;
    Observer listObserver_; // whose eclipses the rows are
    bool computed_ = false;
    std::unique_ptr<TSearch> search_;
    QAction* actCopy_ = nullptr; // Ctrl+C, which a year box's selection takes first
    QTimer pollTimer_;
    QString csvFolder_;             // where the last CSV file went
    int listFrom_ = 0, listTo_ = 0; // the years of the list
    TEclipseChoice choice_ = TEclipseChoice::Lunar;
    TEclipseChoice listChoice_ = TEclipseChoice::Lunar; // what the list (or the search) holds
    bool listDone_ = false;                             // a search ran to its end
    QImage radioSet_, radioUnset_;
    QImage sunMark_, moonMark_; // before the kinds of a list that may hold solar eclipses
};

} // namespace crescendar
