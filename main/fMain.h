// The main window: the Moon picture and its data panels, the month calendar with the
// principal phases, the clock strip and the time and year editors.
#pragma once

#include "ClickRegion.h"
#include "ImageControl.h"
#include "Picture.h"
#include "SkinWindow.h"

#include "Eclipse.h"
#include "EventText.h"
#include "Records.h"

#include "Session.h"

#include <QColor>
#include <QDate>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace crescendar {

// The windows that the main window opens. A hook left empty makes its region do nothing
// (the window it stands for does not exist yet).
struct TMainHooks {
    std::function<void()> ShowPrintOptions;
    // Hands the selected date-time to the monthly times list and shows it.
    std::function<void(const TDateTimeRecord&)> ShowTimesList;
    std::function<void()> ShowWebMenu;
    std::function<void()> ShowReportMenu;
    // The month's eclipses (one or two), for the eclipse window.
    std::function<void(const std::vector<TEclipseResult>&)> ShowEclipse;
    std::function<void()> ShowSolarEclipse;
    // Runs the configuration window modally; returns when it is closed.
    std::function<void()> ShowConfiguration;
    std::function<void()> ShowAbout;
    std::function<void()> ShowMonthList;
    std::function<void(const TDateTimeRecord&)> ShowDateInfo;
};

struct TMainOptions {
    TMainHooks Hooks;
    // The session the windows share (not owned). When none is given the main window makes
    // its own over SettingsPath.
    TSession* Session = nullptr;
    // INI file of the settings of a session the main window makes; empty for the user's own
    // store.
    std::string SettingsPath;
    // Folder searched first for the icon and the help page, and from which the installed data
    // folder is found; empty for the program's own.
    QString ProgramFolder;
};

// The help page, looked up beside the program, then in the working folder, then in the
// installed data folder.
inline constexpr const char* kHelpPage = "docs/crescendar.htm";
// Crescendar's home page, shipped beside the help page; the globe opens it.
inline constexpr const char* kHomePage = "docs/crescendar-home.htm";
inline constexpr const char* kIconFile = "Crescendar.ico";

// The month and year above the calendar, and their shadow (also the month arrows' colours).
inline const QColor kMonthColour(60, 60, 60);
inline const QColor kMonthShadowColour(210, 210, 210);

// What the keyboard edits.
enum EditField : std::int8_t { efHour = 0, efMinute = 1, efSecond = 2, efYear = 3 };

class TMain : public SkinWindow {
    Q_OBJECT
  public:
    explicit TMain(TMainOptions options = {});
    ~TMain() override;

    // Window events.
    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    bool FormKeyPress(QKeyEvent* event) override;
    bool CommandKeyAllowed(const QAction* action) const override;
    // The one-second tick: reads the clock, then ShowInstant.
    void Timer1Timer();

    // The shown instant (ShownJD) has changed or may have: the selected day becomes its date
    // (at either end of the calendar, year 1 and 9999-12-31 23:59:59, the instant stops), the
    // month is laid out again when that day is not the one in the grid, and the panels that
    // describe the instant (Moon and Sun boxes, clock strip, age, phase, perigee and apogee,
    // Moon picture) are redrawn. Every change of the selected day, the time offset or the
    // clock goes through here.
    void ShowInstant();

    // Title-bar regions.
    void lblPrintClick();
    void imgOpticsClick();
    void lblTimesListClick();
    void lblLinksClick();
    void lblClockClick();
    void lblReportsClick();
    void imgEclipseClick();
    void imgSolarEclipseClick();
    void Label1Click();
    void lblConfigClick();
    void lblHelpClick();
    void lblAboutClick();
    void lblMinimiseClick();
    void lblExitClick();

    // Lays the selected month out again for the session's observer and shows the instant.
    void RefreshLatAndLong();

    // Month calendar. ShowSelectedMonth lays out the month of d and selects its day (a day
    // the month lacks becomes one it has); DateSelect selects a cell's day. Both then show the
    // instant (ShowInstant).
    void SetDayTitles(int order);
    void ShowSelectedMonth(TDateTimeRecord d);
    void DateSelect(ClickRegion* cell);
    void DisplayDateInfo(ClickRegion* cell, Qt::MouseButton button);
    void DisplayPhaseTimes();
    // Selects the day and time of a phase label (through the session, which the main window
    // then follows).
    // Selects the date and time of the month's phase number index (0 first).
    void SelectMajorPhaseDate(int index);
    void lblSelectedmonthClick();
    void lblSelectedYearClick();
    // Ends a year edit; false (and the editor stays open) when the year cannot be taken.
    bool AcceptYear();

    // Moon view and data panels.
    void DisplayCoord(Canvas& canvas, int x, int xm, int xs, int y, const TAngleText& a, int style);
    void DisplayMoonAge(double age);
    void DisplayPerigeeAndApogee();
    std::string DisplayMoonPhase(const TLunationBracket& bounds, int illuminated, double age,
                                 int month);
    void DrawMoonGraphic(int illuminated, double lunationPercent);
    void DrawMoon();
    // Turns the phase pictures over (a second call turns them back).
    void InvertPhaseIcons();
    void DisplayLunarRiseSetTimes(const TDayEvents& events);
    void DisplaySolarRiseSetTimes(const TDayEvents& events);
    std::string LocalSiderealTime(TDateTimeRecord d, int mode);

    // Clock and time editor. GetTime reads the clock's time of day into the selected
    // date-time; past the clock's midnight the shown instant runs on into the next day (the
    // following ShowInstant moves the selected day).
    void GetTime();
    // The computer's clock read as the place's civil time (its offset from universal time in
    // force now).
    QDateTime PlaceNow() const;
    std::string DisplayTime(const TDateTimeRecord& d) const;
    void lblHourClick();
    void lblMinuteClick();
    void lblSecondClick();
    void ShowCursor(ClickRegion* label);
    void CursorTimerTimer();
    void DisplayTimeEditor(bool show);
    void imgTimeButtonMouseUp(Qt::MouseButton button, QPoint pos);
    // The editors' typing by character: digits, 8 (Backspace), 13 (Enter).
    void KeyPress(char key);
    // Escape in an editor: the time editor closes with the time it had (the clock runs on),
    // the year editor with the year it had.
    void CancelTimeEdit();
    void CancelYearEdit();

    // Keyboard navigation while no editor is open. MoveSelectedDay moves the selected day by
    // days (across months and years, within year 1 to 9999); StepMonth pages by months through
    // the session (the time of day and the time offset stay); SelectNow goes back to the
    // running clock, date and time, as the time editor's Now does. The visible reports
    // follow the session's change of month themselves.
    void MoveSelectedDay(int days);
    void StepMonth(int months);
    void SelectNow();

    // The session the window shows, and its state as the window shows it (tests read these).
    TSession& Session() const { return *session_; }
    const TDateTimeRecord& SelectedDateTime() const { return session_->SelectedDateTime(); }
    double TimeOffset() const { return session_->TimeOffset(); } // days
    void SetTimeOffset(double days) { session_->SetTimeOffset(days); }
    const Observer& GetObserver() const { return session_->GetObserver(); }
    int FirstDayColumn() const { return session_->FirstDayColumn(); }
    // How many times the grid has been laid out for a month (tests).
    int MonthLayouts() const { return monthLayouts_; }
    int DaysInShownMonth() const { return session_->DaysInMonth(); }
    const TPhaseList& PhaseList() const { return session_->PhaseList(); }
    int PhaseCount() const { return session_->PhaseCount(); }
    const TEclipseResult& EclipseInfo() const { return session_->EclipseInfo(); }
    const std::vector<TEclipseResult>& Eclipses() const { return session_->Eclipses(); }
    const TLunationBracket& LunationBounds() const { return lunationBounds_; }
    const TPerigeeApogeeTexts& PerigeeApogeeTexts() const { return perigeeApogee_; }
    int OpticsMode() const { return opticsMode_; }
    int GetEditField() const { return editField_; }
    double FontScale() const { return fontScale_; }
    // The instant shown, local civil time, and its universal-time form (Julian Days).
    LocalTime ShownJD() const { return session_->ShownJD(); }
    UniversalTime ShownUT() const { return session_->ShownUT(); }
    // The text of the clock strip as last composed.
    const std::string& StripText() const { return stripText_; }
    // The help page that lblHelp opens ("" when there is none).
    QString HelpPagePath() const;
    // The home page that Label1 opens ("" when there is none).
    QString HomePagePath() const;

    // Controls.
    ImageControl* imgOptics = nullptr;
    ImageControl* imgEclipse = nullptr;
    ImageControl* imgSolarEclipse = nullptr; // shown when the month has a solar eclipse
    ClickRegion* lblPrint = nullptr;
    ClickRegion* lblTimesList = nullptr;
    ClickRegion* lblLinks = nullptr;
    ClickRegion* lblClock = nullptr;
    ClickRegion* lblReports = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* Label1 = nullptr;
    ClickRegion* lblConfig = nullptr;
    ClickRegion* lblHelp = nullptr;
    ClickRegion* lblAbout = nullptr;
    ClickRegion* lblMinimise = nullptr;
    ClickRegion* lblExit = nullptr;

    ClickRegion* lblMoonTitle1 = nullptr;
    ClickRegion* lblMoonTitle2 = nullptr;
    ClickRegion* lblMoontitle3 = nullptr;
    ClickRegion* lblMoonValue1 = nullptr;
    ClickRegion* lblMoonValue2 = nullptr;
    ClickRegion* lblMoonValue3 = nullptr;
    ClickRegion* lblSunRise = nullptr;
    ClickRegion* lblSunTransit = nullptr;
    ClickRegion* lblSunSet = nullptr;
    ClickRegion* lblCivilStart = nullptr;
    ClickRegion* lblCivilEnd = nullptr;
    ClickRegion* lblNauticalStart = nullptr;
    ClickRegion* lblNauticalEnd = nullptr;
    ClickRegion* lblAstroStart = nullptr;
    ClickRegion* lblAstroEnd = nullptr;

    ClickRegion* lblSelectedmonth = nullptr;
    ClickRegion* lblSelectedMonthShadow = nullptr;
    ClickRegion* lblSelectedYear = nullptr;
    ClickRegion* lblSelectedYearShadow = nullptr;
    ImageControl* imgCurrDate = nullptr;
    ImageControl* imgYearButton = nullptr;
    // The previous and next month arrows either side of the month and year.
    ImageControl* imgPrevMonth = nullptr;
    ImageControl* imgNextMonth = nullptr;
    ClickRegion* lblCursor = nullptr;
    std::array<ImageControl*, 5> imgPhase{};
    std::array<ClickRegion*, 5> lblPhase{};
    std::array<ClickRegion*, 7> WeekdayTitles{};
    std::array<ClickRegion*, 42> DateCells{};

    ImageControl* imgTimeButton = nullptr;
    ClickRegion* lblHour = nullptr;
    ClickRegion* lblMinute = nullptr;
    ClickRegion* lblSecond = nullptr;
    ClickRegion* lblColon1 = nullptr;
    ClickRegion* lblColon2 = nullptr;

    QTimer Timer1;
    QTimer CursorTimer;

    // Off-screen pictures.
    Picture imgClockBgnd;
    Picture imgClockBuf;
    Picture imgMoonParamsOrig;
    Picture imgSunParamsOrig;
    Picture imgMoonParams;
    Picture imgSunParams;
    Picture imgMoonOriginal;
    Picture imgMoon;
    QImage imgBinoculars;
    QImage imgTelescope;
    QImage imgNewMoon;
    QImage imgFirstQuarterPhase; // lit on the right; shown for kind 3
    QImage imgFullMoon;
    QImage imgLastQuarterPhase; // lit on the left; shown for kind 1
    QImage imgBlueMoon;

  private:
    std::map<std::string, ClickRegion*> figures_; // the canvas figures' stand-ins
    ClickRegion* accMoon_ = nullptr;              // the Moon picture's text alternative

    // The folder of the program (or ProgramFolder), and the installed data folder reached
    // from it (share/crescendar beside bin/).
    QString ProgramFolder() const;
    QString InstalledDataFolder() const;
    // A shipped file's places: beside the program (a build tree), then the data folder; never
    // the working folder, where anyone may have put a file of that name.
    QStringList ShippedFilePlaces(const char* relativePath) const;
    // The first of those that is a file, as an absolute path; "" when none is.
    QString ShippedPage(const char* relativePath) const;
    // Opens a shipped page, or says that it was not found.
    void OpenShippedPage(const char* relativePath, const QString& what);
    void CreateTitleRegions();
    // The window's commands (QActions), offered by the title bar's regions and the month
    // arrows.
    void CreateCommands();
    void CreateCaptions();
    // Stand-ins that give screen readers the figures drawn on the window canvas.
    void CreateFigureStandIns();
    // The figure's stand-in (named as in CreateFigureStandIns) reads value.
    void ExposeFigure(const char* name, const QString& value);
    // Date information for the selected day.
    void ShowSelectedDateInfo();
    void CreateCalendar();
    void CreateTimeEditor();
    void LoadPictures();
    // The boxes' titles beside their glyphs and the Rise/Set box's column captions.
    void AddSkinCaptions();
    void LoadIcon();
    ClickRegion* MakeLabel(int left, int top, const QString& text, const QColor& colour,
                           bool bold = false, int pixelHeight = 12);
    const QImage& PhasePicture(int kind) const;
    ClickRegion* EditTarget() const;
    int EditMaxLength() const;
    bool EditorOpen() const;
    void AcceptTimeEdit();
    void LayoutMonthLabels();
    // The parts of ShowInstant, ShowSelectedMonth and DateSelect: the selected day follows
    // the shown instant; the grid, phases and rise and set times of a month and day; a cell's
    // day (false for a blank cell); the panels of the tick.
    void AlignSelectedDay();
    void LayOutMonth(TDateTimeRecord d);
    bool SelectDay(ClickRegion* cell);
    // The day of the month shown in a date cell; 0 for a blank cell.
    int CellDay(const ClickRegion* cell) const;
    void DrawInstant();
    // A change of the settings: the day titles, the phase pictures and the month follow.
    void FollowSettings();
    // The phase pictures turned over for the southern hemisphere, upright for the northern.
    void MatchPhaseIconsToHemisphere();

    TMainOptions options_;
    TSession* session_ = nullptr;
    // The calendar's keys (month and day steps, today), which an open editor takes instead,
    // and the editors' Enter.
    std::vector<QAction*> navigation_;
    QAction* actConfirmEdit_ = nullptr;
    double fontScale_ = 1.0;

    // State of the window; the instant and the month are the session's.
    std::int8_t editField_ = efHour;
    bool fieldChosen_ = false;   // a field of the open time editor has been clicked
    bool replaceOnType_ = false; // the field was just chosen: a digit typed replaces it
    TLunationBracket lunationBounds_;
    TPerigeeApogeeTexts perigeeApogee_;
    std::uint8_t opticsMode_ = 0;
    bool iconsTurned_ = false;          // the phase pictures are turned over
    TDateTimeRecord laidOut_{.Day = 0}; // the day selected in the grid (Day 0: none yet)
    // The observer and first weekday the grid was laid out for.
    Observer laidOutObserver_;
    int laidOutDayOrder_ = 0;
    int monthLayouts_ = 0;
    QDate clockDate_; // the clock's date at the last reading
    std::string stripText_;

    // What the shaded Moon (imgMoon) was last drawn for: the illuminated percent and whether
    // the Moon waxes, which alone decide its pixels (-1: not drawn yet); and what the window
    // shows of it: that picture and its orientation.
    int moonDrawnFor_ = -1;
    int moonShownFor_ = -1;
    // The texts last drawn on the window canvas, by figure: a tick draws a figure again only
    // when its text has changed, so that the window repaints only what changed.
    std::map<std::string, QString> drawnTexts_;
    // Whether the figure would now read text rather than what it was last drawn with; keeps
    // text as drawn.
    bool Redraws(const std::string& figure, const QString& text);
    // The Moon or Sun box (picture box over the background original) with its four angles,
    // the one of index hoursRow in hours, shown on the window at (left, top): only the rows
    // whose texts changed are drawn again.
    void DrawAngleBox(const char* figure, Picture& box, const Picture& original, int left, int top,
                      int firstRow, const std::array<TAngleText, 4>& angles, int hoursRow);
};

} // namespace crescendar
