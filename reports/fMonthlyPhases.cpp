#include "fMonthlyPhases.h"

#include "Command.h"
#include "Dialogs.h"
#include "Palette.h"
#include "PrintTarget.h"
#include "WindowKeys.h"
#include "fPrint.h"

#include "Calendar.h"
#include "MoonPosition.h"
#include "Session.h"
#include "Settings.h"
#include "TableCommands.h"

#include "AtomicFile.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <string>
#include <tuple>

namespace crescendar {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TMonthlyPhases::TMonthlyPhases(TSession& session, QWidget& owner)
    : SkinWindow(&owner), session_(session) {
    setObjectName(QStringLiteral("MonthlyPhases"));
    setWindowTitle(tr("Moon Phases"));
    // Whichever window moved the session to another month, a visible calendar follows it.
    connect(&session_, &TSession::monthChanged, this, [this] {
        if (isVisible()) DrawMoonPhases();
    });
}

void TMonthlyPhases::FormCreate() {
    SetClientSize(490, 480);
    SetBackground(LoadPicture(QStringLiteral(":/monthly/phases_bgnd.jpg"), this));
    imgPhases.SetSize(kPhasesWidth, kPhasesHeight);
    imgOriginal.Load(QStringLiteral(":/monthly/phases_moon.png"));
    imgMiniMoon.Assign(imgOriginal);

    lblSave = new ClickRegion(this, 20, 14, 13, 13);
    lblSave->setObjectName(QStringLiteral("lblSave"));
    OfferCommand(lblSave,
                 MakeSaveCommand(this, tr("Save image to disk"), [this] { lblSaveClick(); }));
    lblTitle = new ClickRegion(this, 164, 10, 165, 23);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    // Between the month arrows (at 142 and 336).
    AddCaption(ReportTitle(tr("Moon Phases"), lblTitle->geometry(), QRect(155, 10, 179, 23)));
    lblExit = AddCloseMark(this, 461, 12, 13, 15);

    SetTitleRegion(lblTitle);
    // Either side of the title.
    std::tie(imgPrevMonth, imgNextMonth) =
        AddMonthArrows(142, 336, 13, [this](int months) { StepMonth(months); });
    lblCopy =
        ClickRegion::TextLabel(this, 42, 14, tr("Copy picture"), QColor(220, 220, 255), 11, true);
    lblCopy->setObjectName(QStringLiteral("lblCopy"));
    OfferCommand(lblCopy, MakeCopyCommand(this, tr("Copy the calendar to the clipboard"),
                                          [this] { CopyPicture(); }));
}

void TMonthlyPhases::FormShow() {
    PlaceBeside(*parentWidget());
    y_ = 32;
    // The user's pictures folder: the program's own is not writable once installed.
    saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (saveFolder_.isEmpty() || !QDir(saveFolder_).exists()) saveFolder_ = QDir::homePath();
    // Drawn here too, so that a window the desktop does not activate is never blank.
    DrawMoonPhases();
}

void TMonthlyPhases::StepMonth(int months) {
    // The session's monthChanged redraws the calendar.
    session_.StepMonth(months);
}

void TMonthlyPhases::FormActivate() {
    DrawMoonPhases();
}

void TMonthlyPhases::FormPaint() {
    const int w = imgPhases.Width(), h = imgPhases.Height();
    WindowCanvas().CopyRect(Rect(kShownLeft, kShownTop, kShownLeft + w - 5, kShownTop + h - 5),
                            imgPhases.Image(), Rect(3, 3, w - 2, h - 2));
}

int TMonthlyPhases::FirstWeekday() const {
    return session_.Settings().DayOrder % 7;
}

bool TMonthlyPhases::Southern() const {
    return session_.Settings().LatDir == TNorthSouth::South;
}

void TMonthlyPhases::PrintTitle(Canvas& c) {
    const TDateTimeRecord& d = session_.SelectedDateTime();
    const QString title = Text(CutText(LongMonthName(d.Month) + " " + std::to_string(d.Year), 20));
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontStyle(fsBold);
    c.SetFontSize(ScaledFontSize(12));
    c.SetFontColor(QColor(220, 220, 255));
    c.TextOut((imgPhases.Width() - c.TextWidth(title)) / 2, (32 - c.TextHeight(title)) / 2 + 1,
              title);
}

void TMonthlyPhases::PrintDayNames(Canvas& c) {
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontStyle(fsRegular);
    c.SetFontSize(ScaledFontSize(8));
    c.SetFontColor(Qt::black);
    const int first = FirstWeekday();
    const int cw = (imgPhases.Width() - 6) / 7;
    const int rowHeight = c.TextHeight(QStringLiteral("Tg")) + 4;
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(palette::StandardText);
    for (int i = 0; i < 7; ++i) {
        const int left = i * cw + 3;
        c.Rectangle(left, y_, left + cw, y_ + rowHeight);
        const QString name = Text(
            CutText(RegionalNames().LongDayNames[static_cast<std::size_t>((i + first) % 7)], 10));
        c.TextOut(left + (cw - c.TextWidth(name)) / 2, y_ + 2, name);
    }
    y_ += rowHeight;
    c.SetBrushColor(Qt::white);
}

void TMonthlyPhases::DrawMoonPhases() {
    const bool south = Southern();
    imgMiniMoon.Assign(imgOriginal);
    if (south) {
        const int w = imgMiniMoon.Width(), h = imgMiniMoon.Height();
        imgMiniMoon.GetCanvas().CopyRect(Rect(0, 0, w - 1, h - 1), imgMiniMoon.Image(),
                                         Rect(w - 1, h - 1, 0, 0));
    }
    y_ = 32;

    Canvas& c = imgPhases.GetCanvas();
    const int W = imgPhases.Width(), H = imgPhases.Height();
    c.SetPenWidth(1);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(Qt::black);
    c.SetPenColor(Qt::black);
    c.Rectangle(0, 0, W, H);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetPenColor(QColor(0, 0, 255));
    c.Rectangle(0, 0, W, H);
    c.SetPenColor(QColor(100, 100, 255));
    c.Rectangle(1, 1, W - 1, H - 1);
    c.SetPenColor(QColor(0, 0, 128));
    c.MoveTo(2, H - 2);
    c.LineTo(2, 2);
    c.LineTo(W - 2, 2);
    c.SetPenColor(QColor(172, 172, 255));
    c.LineTo(W - 2, H - 2);
    c.LineTo(2, H - 2);

    PrintTitle(c);
    PrintDayNames(c);

    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontName(QStringLiteral("Arial"));
    c.SetFontStyle(fsRegular);
    c.SetFontColor(Qt::white);
    c.SetFontSize(ScaledFontSize(7));
    const int cw = (W - 6) / 7;
    const int ch = (H - y_ - 2) / 6;

    // The shadow of each day's Moon is hatched as on the printed calendar.
    ImagePrintTarget unused(1, 1, 96);
    const TPrint hatching(unused, CalendarSheetOf(session_));
    const TDateTimeRecord& selected = session_.SelectedDateTime();
    const Observer observer = session_.GetObserver();
    for (int n = 0; n < 42; ++n) {
        const int dayNumber = session_.DayTable()[static_cast<std::size_t>(n)];
        if (dayNumber == 0 || !IsCalendarDate(selected.Year, selected.Month, dayNumber)) continue;
        const int x = cw * (n % 7);
        const int top = y_ + ch * (n / 7);
        c.SetPenColor(QColor(80, 80, 80));
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(Qt::black);
        c.Rectangle(x + 3, top + 1, x + cw + 4, top + ch + 2);
        c.Draw(x + 12, south ? top + 7 : top + 8, imgMiniMoon.Image());
        c.TextOut(x + 7, top + 4, QString::number(dayNumber));
        c.SetBrushColor(QColor(247, 247, 247));

        TDateTimeRecord day = selected;
        day.Day = static_cast<std::uint16_t>(dayNumber);
        day.Hour = day.Minute = day.Second = day.MSec = 0;
        day.JD = DateToJulianDay(day);
        TMoonState moon;
        TSunPosition sun;
        MoonPosition(UniversalInstant(day), observer, moon, sun);
        hatching.DrawPrintedPhase(*c.Image(), x + cw / 2 + 5, top + ch / 2 + 2,
                                  moon.IlluminatedPercent, day, 0, 25);
    }
    update();
}

QString PictureFileFor(const QString& chosen) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("png")) return chosen;
    return chosen + QStringLiteral(".bmp");
}

void TMonthlyPhases::lblSaveClick() {
    const QString chosen =
        SaveFileName(this, saveFolder_, QString::fromLatin1(kDefaultFileName),
                     tr("Bitmap pictures (*.bmp *.BMP);;PNG pictures (*.png *.PNG)"));
    if (chosen.isEmpty()) return;
    const QString path = PictureFileFor(chosen);
    // The dialog asked before replacing the file it was given, not one with a name added to.
    if (path != chosen && QFileInfo::exists(path)) {
        ShowWarning(tr("The picture was not saved: %1 already exists. Choose it by "
                       "its full name to replace it.")
                        .arg(QDir::toNativeSeparators(path)),
                    this);
        return;
    }
    const bool png =
        QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    QString error;
    if (!SaveImageFile(imgPhases.Image(), path, png ? "PNG" : "BMP", &error))
        ShowWarning(tr("The picture was not saved: %1.").arg(error), this);
}

void TMonthlyPhases::CopyPicture() {
    QGuiApplication::clipboard()->setImage(imgPhases.Image());
}

} // namespace crescendar
