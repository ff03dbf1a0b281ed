// The monthly phases window: the month selected in the session as a calendar with a
// picture of the Moon's phase in every day's cell, which can be saved as a bitmap file.
#pragma once

#include "ClickRegion.h"
#include "Picture.h"
#include "SkinWindow.h"

#include "Records.h"

#include <QString>

namespace crescendar {

class TSession;

// The file a picture is saved to for the name chosen in a save dialog: the name itself when it
// ends in ".bmp" or ".png" (any case), else the name with ".bmp" added.
QString PictureFileFor(const QString& chosen);

class TMonthlyPhases : public SkinWindow {
    Q_OBJECT
  public:
    static constexpr int kPhasesWidth = 461;
    static constexpr int kPhasesHeight = 414;
    // Where the calendar shows on the window.
    static constexpr int kShownLeft = 18;
    static constexpr int kShownTop = 55;

    // The window draws the session's month; it belongs to its owner (the main window) and
    // closes with it.
    TMonthlyPhases(TSession& session, QWidget& owner);

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormPaint() override;

    // Draws the calendar of the selected month into imgPhases and shows it.
    void DrawMoonPhases();
    // Saves imgPhases to the file chosen in the save dialog, as PNG when its name ends in
    // ".png", else as a bitmap (".bmp" is added to a name without either); says so when it
    // fails.
    void lblSaveClick();
    // Puts imgPhases on the clipboard (lblCopy, Ctrl+C).
    void CopyPicture();
    void lblExitClick() { close(); }
    // Pages the month by `months` through the session; the main window and this calendar
    // follow its signals, as the window always shows the main window's month.
    void StepMonth(int months);

    bool IsVisible() const { return isVisible(); }

    // The folder the save dialog starts in: the user's pictures folder (home without one).
    QString SaveFolder() const { return saveFolder_; }
    // Index (0 Sunday) of the first weekday of the row: the settings' first weekday, as the
    // main window's calendar starts.
    int FirstWeekday() const;

    ClickRegion* lblSave = nullptr;
    ClickRegion* lblCopy = nullptr;
    ClickRegion* lblTitle = nullptr;
    ClickRegion* lblExit = nullptr;
    ClickRegion* imgPrevMonth = nullptr;
    ClickRegion* imgNextMonth = nullptr;

    Picture imgPhases;   // the whole calendar, 461 x 414
    Picture imgOriginal; // the Moon picture as stored, 50 x 49
    Picture imgMiniMoon; // the same, turned for the southern hemisphere

    static constexpr const char* kDefaultFileName = "MoonPhases.BMP";

  private:
    void PrintTitle(Canvas& c);
    void PrintDayNames(Canvas& c);

    // Whether the settings put the observer in the southern hemisphere.
    bool Southern() const;

    TSession& session_;
    int y_ = 32; // where the next block of the calendar is drawn
    QString saveFolder_;
};

} // namespace crescendar
