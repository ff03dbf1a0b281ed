// The main window: creation, showing, activation, the one-second tick and the title bar.
#include "fMain.h"
#include "Palette.h"

#include "Access.h"

#include "Clock.h"
#include "Command.h"
#include "Dialogs.h"
#include "Shell.h"

#include "Calendar.h"
#include "MoonPosition.h"
#include "MoonView.h"
#include "PerigeeApogee.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace crescendar {

namespace {

const QColor kWindowText(0, 0, 0);

// The texts of angles as one text, to tell whether a figure has changed.
template <std::size_t N> QString AngleKey(const std::array<TAngleText, N>& angles) {
    std::string key;
    for (const TAngleText& a : angles)
        key += a.Sign + '|' + a.Deg + '|' + a.Min + '|' + a.Sec + '|';
    return QString::fromStdString(key);
}

// An angle as the panels show it, in one text: "5h 12m 34s", "−12° 34' 56\"".
QString SpokenAngle(const TAngleText& a, bool hours) {
    const QString sign = a.Sign != " " && !a.Sign.empty() ? QStringLiteral("\u2212") : QString();
    const auto part = [](const std::string& s) { return QString::fromStdString(s).trimmed(); };
    if (hours)
        return QStringLiteral("%1%2h %3m %4s").arg(sign, part(a.Deg), part(a.Min), part(a.Sec));
    return QStringLiteral("%1%2\u00b0 %3' %4\"").arg(sign, part(a.Deg), part(a.Min), part(a.Sec));
}

} // namespace

TMain::TMain(TMainOptions options) : options_(std::move(options)) {
    // A session of its own goes with the window (its children are deleted after it).
    session_ = options_.Session ? options_.Session : new TSession(options_.SettingsPath, this);
    // Other windows change the settings and choose days through the session.
    connect(session_, &TSession::settingsChanged, this, [this] { FollowSettings(); });
    connect(session_, &TSession::daySelected, this,
            [this] { ShowSelectedMonth(session_->SelectedDateTime()); });
    setObjectName(QStringLiteral("Main")); // not user text
    setWindowTitle(tr("Crescendar"));

    Timer1.setInterval(1000);
    CursorTimer.setInterval(250);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(&CursorTimer, &QTimer::timeout, this, [this] { CursorTimerTimer(); });

    LoadPictures();
    AddSkinCaptions();
    CreateCaptions();
    CreateTitleRegions();
    CreateCalendar();
    CreateTimeEditor();
    CreateCommands();

    lblCursor = MakeLabel(0, 0, QStringLiteral("|"), Qt::black, true);
    lblCursor->setObjectName(QStringLiteral("lblCursor"));
    lblCursor->hide();
}

TMain::~TMain() = default;

ClickRegion* TMain::MakeLabel(int left, int top, const QString& text, const QColor& colour,
                              bool bold, int pixelHeight) {
    return ClickRegion::TextLabel(this, left, top, text, colour, pixelHeight, bold);
}

void TMain::AddSkinCaptions() {
    const QFont title = SkinSansFont(13, true);
    const QColor ink(240, 244, 255), shadow(0, 0, 0, 200);
    AddCaption(ShadowedCaption(tr("Rise/Set Times"), QRect(106, 255, 160, 19), title, ink, shadow));
    AddCaption(ShadowedCaption(tr("Moon"), QRect(335, 255, 69, 19), title, ink, shadow));
    AddCaption(ShadowedCaption(tr("Twilight"), QRect(128, 365, 138, 19), title, ink, shadow));
    AddCaption(ShadowedCaption(tr("Sun"), QRect(340, 365, 64, 19), title, ink, shadow));
    const QFont engraved = SkinSansFont(10, true);
    const QColor engravedInk(74, 82, 102), engravedLight(236, 240, 248);
    AddCaption(
        ShadowedCaption(tr("SUN"), QRect(32, 279, 108, 14), engraved, engravedInk, engravedLight));
    AddCaption(ShadowedCaption(tr("MOON"), QRect(150, 279, 112, 14), engraved, engravedInk,
                               engravedLight));
}

void TMain::LoadPictures() {
    SetBackground(LoadPicture(QStringLiteral(":/main/bgnd.jpg"), this));
    imgClockBgnd.Load(QStringLiteral(":/main/clock_bgnd.jpg"));
    imgClockBuf.Assign(imgClockBgnd);
    imgMoonParamsOrig.Load(QStringLiteral(":/main/moon_params.jpg"));
    imgSunParamsOrig.Load(QStringLiteral(":/main/sun_params.jpg"));
    imgMoonParams.Assign(imgMoonParamsOrig);
    imgSunParams.Assign(imgSunParamsOrig);
    imgMoonOriginal.Load(QStringLiteral(":/main/moon_full.png"));
    imgMoon.Assign(imgMoonOriginal);
    imgBinoculars = LoadPicture(QStringLiteral(":/main/binoculars.png"), this);
    imgTelescope = LoadPicture(QStringLiteral(":/main/telescope.png"), this);
    imgNewMoon = LoadPicture(QStringLiteral(":/main/phase_new.png"), this);
    imgFirstQuarterPhase = LoadPicture(QStringLiteral(":/main/phase_first_quarter.png"), this);
    imgFullMoon = LoadPicture(QStringLiteral(":/main/phase_full.png"), this);
    imgLastQuarterPhase = LoadPicture(QStringLiteral(":/main/phase_last_quarter.png"), this);
    imgBlueMoon = LoadPicture(QStringLiteral(":/main/phase_blue.png"), this);
}

// The fixed captions and the value labels of the panels and boxes.
void TMain::CreateCaptions() {
    // First, so that a screen reader reads the Moon and the instant first.
    CreateFigureStandIns();
    const QStringList yellow = {tr("Visible:"),  tr("Age:"),    tr("Distance:"),
                                tr("R.A.:"),     tr("Dec.:"),   tr("Parallax:"),
                                tr("Diameter:"), tr("Apogee:"), tr("Perigee:")};
    const int yellowTops[] = {80, 94, 110, 134, 148, 162, 176, 204, 218};
    for (int i = 0; i < yellow.size(); ++i)
        MakeLabel(188, yellowTops[i], yellow[i], palette::Caption);

    const QStringList moonBox = {tr("Az.:"), tr("Alt.:"), tr("P.A.:"), tr("Ph.A:")};
    const QStringList sunBox = {tr("Az.:"), tr("Alt.:"), tr("R.A.:"), tr("Dec.:")};
    for (int i = 0; i < 4; ++i) {
        MakeLabel(284, 284 + 16 * i, moonBox[i], Qt::white);
        MakeLabel(284, 390 + 16 * i, sunBox[i], Qt::white);
    }

    const QStringList sun = {tr("Sunrise:"), tr("Transit:"), tr("Sunset:")};
    const QStringList twilight = {tr("Civil:"), tr("Nautical:"), tr("Astronomical:")};
    for (int i = 0; i < 3; ++i) {
        MakeLabel(32, 300 + 16 * i, sun[i], kWindowText, true);
        MakeLabel(32, 404 + 16 * i, twilight[i], kWindowText, true);
    }
    MakeLabel(130, 390, tr("Start"), kWindowText, true);
    MakeLabel(212, 390, tr("End"), kWindowText, true);

    // Captions never take a click from the controls around them, and a screen reader hears
    // them as the names of their values, not twice.
    for (auto* child : findChildren<ClickRegion*>(Qt::FindDirectChildrenOnly)) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The figures' stand-ins, made first, are named; the captions are not.
        if (child->accessibleName().isEmpty()) SetAccessibleRole(child, QAccessible::NoRole);
    }

    auto value = [this](const char* name, int left, int top) {
        ClickRegion* label = MakeLabel(left, top, QString(), kWindowText);
        label->setObjectName(QLatin1String(name));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    lblSunRise = value("lblSunRise", 94, 300);
    lblSunTransit = value("lblSunTransit", 94, 316);
    lblSunSet = value("lblSunSet", 94, 332);
    lblMoonTitle1 = value("lblMoonTitle1", 150, 300);
    lblMoonTitle2 = value("lblMoonTitle2", 150, 316);
    lblMoontitle3 = value("lblMoontitle3", 150, 332);
    for (auto* t : {lblMoonTitle1, lblMoonTitle2, lblMoontitle3}) t->SetFontBold(true);
    lblMoonValue1 = value("lblMoonValue1", 212, 300);
    lblMoonValue2 = value("lblMoonValue2", 212, 316);
    lblMoonValue3 = value("lblMoonValue3", 212, 332);
    lblCivilStart = value("lblCivilStart", 130, 406);
    lblNauticalStart = value("lblNauticalStart", 130, 422);
    lblAstroStart = value("lblAstroStart", 130, 438);
    lblCivilEnd = value("lblCivilEnd", 212, 406);
    lblNauticalEnd = value("lblNauticalEnd", 212, 422);
    lblAstroEnd = value("lblAstroEnd", 212, 438);
    const std::pair<ClickRegion*, QString> named[] = {
        {lblSunRise, tr("Sunrise")},
        {lblSunTransit, tr("Sun transit")},
        {lblSunSet, tr("Sunset")},
        {lblCivilStart, tr("Civil twilight begins")},
        {lblCivilEnd, tr("Civil twilight ends")},
        {lblNauticalStart, tr("Nautical twilight begins")},
        {lblNauticalEnd, tr("Nautical twilight ends")},
        {lblAstroStart, tr("Astronomical twilight begins")},
        {lblAstroEnd, tr("Astronomical twilight ends")},
    };
    for (const auto& [label, name] : named) label->setAccessibleName(name);
    // The Moon's titles are read as the names of their times (in time order, set with them).
    for (auto* t : {lblMoonTitle1, lblMoonTitle2, lblMoontitle3})
        SetAccessibleRole(t, QAccessible::NoRole);
}

// The figures drawn on the window canvas, for screen readers: each named by its caption; the
// picture of the Moon by its phase.
void TMain::CreateFigureStandIns() {
    struct Figure {
        const char* Name;
        QRect Where;
        QString Caption;
    };
    const Figure figures[] = {
        {"accShownTime", QRect(20, 40, 380, 23), tr("Shown date and time")},
        {"accSelectedDate", QRect(420, 291, 203, 160), tr("Selected date")},
        {"accSiderealTime", QRect(420, 40, 200, 23), tr("Local sidereal time")},
        {"accPlace", QRect(264, 12, 113, 23), tr("Place")},
        {"accIlluminated", QRect(249, 80, 80, 14), tr("Illuminated")},
        {"accAge", QRect(249, 94, 90, 14), tr("Age")},
        {"accDistance", QRect(249, 110, 90, 14), tr("Distance")},
        {"accRightAscension", QRect(249, 134, 80, 14), tr("Right ascension")},
        {"accDeclination", QRect(249, 148, 80, 14), tr("Declination")},
        {"accParallax", QRect(249, 162, 80, 14), tr("Parallax")},
        {"accDiameter", QRect(249, 176, 80, 14), tr("Apparent diameter")},
        {"accApogee", QRect(249, 204, 150, 14), tr("Next apogee")},
        {"accPerigee", QRect(249, 218, 150, 14), tr("Next perigee")},
        {"accMoonAzimuth", QRect(315, 284, 90, 14), tr("Moon azimuth")},
        {"accMoonAltitude", QRect(315, 300, 90, 14), tr("Moon altitude")},
        {"accBrightLimb", QRect(315, 316, 90, 14), tr("Position angle of the bright limb")},
        {"accPhaseAngle", QRect(315, 332, 90, 14), tr("Phase angle")},
        {"accSunAzimuth", QRect(315, 390, 90, 14), tr("Sun azimuth")},
        {"accSunAltitude", QRect(315, 406, 90, 14), tr("Sun altitude")},
        {"accSunRightAscension", QRect(315, 422, 90, 14), tr("Sun right ascension")},
        {"accSunDeclination", QRect(315, 438, 90, 14), tr("Sun declination")},
    };
    accMoon_ = ExposeText(this, "accMoon", QRect(26, 80, 155, 155), tr("The Moon"));
    SetAccessibleRole(accMoon_, QAccessible::Graphic);
    for (const Figure& f : figures) figures_[f.Name] = ExposeText(this, f.Name, f.Where, f.Caption);
}

void TMain::ExposeFigure(const char* name, const QString& value) {
    const auto at = figures_.find(name);
    if (at != figures_.end()) SetAccessibleValue(at->second, value);
}

void TMain::CreateTitleRegions() {
    auto region = [this](const char* name, int l, int t, int w, int h, const char* hint) {
        auto* r = new ClickRegion(this, l, t, w, h, *hint ? tr(hint) : QString());
        r->setObjectName(QLatin1String(name));
        return r;
    };
    lblPrint = region("lblPrint", 18, 14, 21, 21, "");
    imgOptics = new ImageControl(this, 44, 13, imgBinoculars, 33, 24);
    imgOptics->setObjectName(QStringLiteral("imgOptics"));
    imgOptics->SetHint(tr("Switch between view as seen through Binoculars or a Telescope"));
    lblTimesList = region("lblTimesList", 76, 14, 17, 19, "");
    lblLinks = region("lblLinks", 100, 14, 21, 19, "");
    lblClock = region("lblClock", 128, 12, 23, 23, "");
    lblReports = region("lblReports", 158, 14, 19, 19, "");
    imgEclipse = new ImageControl(this, 182, 12,
                                  LoadPicture(QStringLiteral(":/main/eclipse.png"), this), 29, 25);
    imgEclipse->setObjectName(QStringLiteral("imgEclipse"));
    imgEclipse->hide();
    // The solar eclipse's mark is the emblem drawn on the title bar beside the lunar one's.
    const QRect solarPlace(214, 12, 29, 25);
    QImage solarMark = CopyPart(Background(), solarPlace);
    {
        QPainter p(&solarMark);
        DrawEclipsedSun(p, QRectF(QPointF(), QSizeF(solarPlace.size())).center(), 10.5);
    }
    imgSolarEclipse = new ImageControl(this, solarPlace.left(), solarPlace.top(), solarMark,
                                       solarPlace.width(), solarPlace.height());
    imgSolarEclipse->setObjectName(QStringLiteral("imgSolarEclipse"));
    imgSolarEclipse->hide();
    lblTitle = region("lblTitle", 264, 12, 113, 23, "");
    Label1 = region("Label1", 446, 12, 21, 21, "");
    lblConfig = region("lblConfig", 478, 14, 19, 19, "");
    lblHelp = region("lblHelp", 510, 14, 23, 19, "");
    lblAbout = region("lblAbout", 544, 12, 17, 21, "");
    lblMinimise = region("lblMinimise", 592, 14, 15, 15, QT_TR_NOOP("Minimise Crescendar"));
    lblExit = region("lblExit", 614, 14, 13, 15, "");

    SetTitleRegion(lblTitle);
}

void TMain::CreateCommands() {
    auto command = [this](const char* name, const QString& text, QList<QKeySequence> keys,
                          const QString& hint, std::function<void()> handler) {
        return MakeCommand(this, name, text, keys, hint, std::move(handler));
    };
    // The month arrows accept a year being typed, then page.
    QAction* previousMonth =
        command("actPreviousMonth", tr("Previous month"), {QKeySequence(Qt::Key_PageUp)},
                tr("Show the previous month"), [this] {
                    if (AcceptYear()) StepMonth(-1);
                });
    QAction* nextMonth = command("actNextMonth", tr("Next month"), {QKeySequence(Qt::Key_PageDown)},
                                 tr("Show the next month"), [this] {
                                     if (AcceptYear()) StepMonth(1);
                                 });
    navigation_ = {previousMonth, nextMonth};
    // The title bar's regions and the month arrows.
    const auto key = [](QKeyCombination k) { return QList<QKeySequence>{QKeySequence(k)}; };
    // The title bar's regions in their order (the Tab order), the month arrows, the month and
    // the year.
    const std::pair<ClickRegion*, QAction*> offered[] = {
        {lblPrint, command("actPrint", tr("Print"), key(Qt::CTRL | Qt::Key_P),
                           tr("Print Calendar for Month"), [this] { lblPrintClick(); })},
        {imgOptics, command("actOptics", tr("Binoculars or telescope"), key(Qt::CTRL | Qt::Key_B),
                            tr("Switch between view as seen through Binoculars or a Telescope"),
                            [this] { imgOpticsClick(); })},
        {lblTimesList, command("actTimesList", tr("Rise and set times"), key(Qt::CTRL | Qt::Key_T),
                               tr("Display Moon/Sun Rise/Set times and Twilight times for month"),
                               [this] { lblTimesListClick(); })},
        {lblLinks,
         command("actLinks", tr("Links"), key(Qt::CTRL | Qt::Key_L),
                 tr("Display links to Lunar Internet Sites"), [this] { lblLinksClick(); })},
        {lblClock, command("actEditTime", tr("Change the time"), key(Qt::Key_F2),
                           tr("Change the time within Crescendar"), [this] { lblClockClick(); })},
        {lblReports,
         command("actReports", tr("Reports"),
                 {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)},
                 tr("Display menu showing Report options"), [this] { lblReportsClick(); })},
        {imgEclipse, command("actEclipse", tr("Eclipse"), key(Qt::CTRL | Qt::Key_E),
                             tr("Display circumstances of Lunar Eclipse occurring this month"),
                             [this] { imgEclipseClick(); })},
        {imgSolarEclipse,
         command("actSolarEclipse", tr("Solar eclipse"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                 tr("Display circumstances of Solar Eclipse occurring this month"),
                 [this] { imgSolarEclipseClick(); })},
        {Label1, command("actHomePage", tr("Home page"), key(Qt::SHIFT | Qt::Key_F1),
                         tr("Crescendar's home page, shipped with the program (opens in your "
                            "browser)"),
                         [this] { Label1Click(); })},
        {lblConfig, command("actConfiguration", tr("Configuration"), key(Qt::CTRL | Qt::Key_Comma),
                            tr("Change configuration parameters"), [this] { lblConfigClick(); })},
        {lblHelp, command("actHelp", tr("Help"), key(Qt::Key_F1), tr("Display online help"),
                          [this] { lblHelpClick(); })},
        {lblAbout, command("actAbout", tr("About"), key(Qt::CTRL | Qt::Key_F1),
                           tr("Display version information"), [this] { lblAboutClick(); })},
        {lblMinimise, command("actMinimise", tr("Minimise"), key(Qt::CTRL | Qt::Key_M),
                              tr("Minimise Crescendar"), [this] { lblMinimiseClick(); })},
        {lblExit, command("actQuit", tr("Quit"), key(Qt::CTRL | Qt::Key_Q), tr("Exit Crescendar"),
                          [this] { lblExitClick(); })},
        {imgPrevMonth, previousMonth},
        {lblSelectedmonth,
         command("actChooseMonth", tr("Choose the month"), key(Qt::CTRL | Qt::Key_G),
                 tr("Pick the month to show"), [this] { lblSelectedmonthClick(); })},
        {lblSelectedYear, command("actEditYear", tr("Change the year"), key(Qt::CTRL | Qt::Key_Y),
                                  tr("Type the year to show"), [this] { lblSelectedYearClick(); })},
        {imgNextMonth, nextMonth},
    };
    for (const auto& [region, action] : offered) OfferCommand(region, action);
    command("actDateInfo", tr("Date information"), key(Qt::CTRL | Qt::Key_I),
            tr("Show the facts of the selected date"), [this] { ShowSelectedDateInfo(); });
    // The month's principal phases select their dates, from the keyboard too.
    for (ClickRegion* phase : lblPhase) {
        MakeKeyboardButton(phase);
        phase->setAccessibleDescription(tr("Select this date"));
    }
    for (ImageControl* picture : imgPhase) SetAccessibleRole(picture, QAccessible::NoRole);

    // The day steps and today, for the calendar while no editor is open.
    struct Step {
        const char* Name;
        QString Text;
        Qt::Key Key;
        QString Hint;
        int Days;
    };
    const Step steps[] = {
        {"actPreviousDay", tr("Previous day"), Qt::Key_Left, tr("Select the day before"), -1},
        {"actNextDay", tr("Next day"), Qt::Key_Right, tr("Select the day after"), 1},
        {"actPreviousWeek", tr("Previous week"), Qt::Key_Up,
         tr("Select the same day a week earlier"), -7},
        {"actNextWeek", tr("Next week"), Qt::Key_Down, tr("Select the same day a week later"), 7},
    };
    for (const Step& step : steps) {
        const int days = step.Days;
        navigation_.push_back(command(step.Name, step.Text, {QKeySequence(step.Key)}, step.Hint,
                                      [this, days] { MoveSelectedDay(days); }));
    }
    navigation_.push_back(command("actToday", tr("Now"), {QKeySequence(Qt::Key_Home)},
                                  tr("Go back to the running clock: today, now"),
                                  [this] { SelectNow(); }));

    // The time and year editors. Escape never closes the main window.
    QAction* cancel =
        command("actCancelEdit", tr("Cancel the edit"), {QKeySequence(Qt::Key_Escape)},
                tr("Close the time or year editor as it was"), [this] {
                    const bool timeEditorShown = !imgTimeButton->isHidden();
                    const bool yearEditorShown = !imgYearButton->isHidden();
                    if (timeEditorShown) CancelTimeEdit();
                    if (yearEditorShown) CancelYearEdit();
                });
    // Enter first: the key the hints name.
    actConfirmEdit_ =
        command("actConfirmEdit", tr("Accept the edit"),
                {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)},
                tr("Take the time or year typed"), [this] {
                    // The time editor is confirmed as it stands, whether or not a field was
                    // clicked.
                    if (!imgTimeButton->isHidden() && imgYearButton->isHidden() && !EditorOpen()) {
                        editField_ = efHour;
                        fieldChosen_ = true;
                    }
                    KeyPress(13);
                });
    lblClock->SetHint(tr("Change the time within Crescendar (%1; then %2 accepts, %3 cancels)")
                          .arg(KeyText(QKeySequence(Qt::Key_F2)),
                               KeyText(actConfirmEdit_->shortcut()), KeyText(cancel->shortcut())));
}

bool TMain::CommandKeyAllowed(const QAction* action) const {
    if (action == actConfirmEdit_)
        return (!imgTimeButton->isHidden() && imgYearButton->isHidden()) || EditorOpen();
    // The calendar's keys while neither editor is in use.
    if (std::find(navigation_.begin(), navigation_.end(), action) != navigation_.end())
        return !EditorOpen() && imgTimeButton->isHidden();
    return true;
}

QString TMain::ProgramFolder() const {
    return options_.ProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                            : options_.ProgramFolder;
}

QString TMain::InstalledDataFolder() const {
    // Relative to the program, so that the files are found wherever the installation (or a
    // package made from it) has put the whole tree.
    return QDir::cleanPath(
        QDir(ProgramFolder()).filePath(QStringLiteral(CRESCENDAR_DATA_FROM_PROGRAM)));
}

QStringList TMain::ShippedFilePlaces(const char* relativePath) const {
    const QString name = QLatin1String(relativePath);
    return {QDir(ProgramFolder()).filePath(name), QDir(InstalledDataFolder()).filePath(name)};
}

void TMain::LoadIcon() {
    // A missing or unreadable icon leaves the platform's default one.
    for (const QString& path : ShippedFilePlaces(kIconFile)) {
        if (!QFileInfo::exists(path)) continue;
        QImageReader reader(path);
        if (!reader.canRead()) continue;
        const QIcon icon(path);
        setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
        return;
    }
}

void TMain::FormCreate() {
    SetClientSize(640, 480);
    LoadIcon();
    fontScale_ = FontScaleFactor();

    Canvas& canvas = WindowCanvas();
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontSize(ScaledFontSize(9));
    canvas.SetFontColor(palette::DayText);
    canvas.SetBrushColor(Qt::black);
    canvas.SetBrushStyle(BrushStyle::Solid);

    for (auto* label :
         {lblMoonValue1, lblMoonValue2, lblMoonValue3, lblSunRise, lblSunTransit, lblSunSet,
          lblCivilStart, lblCivilEnd, lblNauticalStart, lblNauticalEnd, lblAstroStart, lblAstroEnd})
        label->SetFontColor(palette::StandardText);

    Canvas& clock = imgClockBuf.GetCanvas();
    clock.SetBrushStyle(BrushStyle::Clear);
    clock.SetFontName(QStringLiteral("Arial"));
    clock.SetFontSize(ScaledFontSize(11));
    clock.SetFontColor(palette::PlateText);
    clock.SetFontStyle(fsBold);

    for (Picture* box : {&imgMoonParams, &imgSunParams}) {
        Canvas& c = box->GetCanvas();
        c.SetBrushStyle(BrushStyle::Clear);
        c.SetFontName(QStringLiteral("Arial"));
        c.SetFontSize(ScaledFontSize(9));
        c.SetFontColor(palette::StandardText);
        c.SetFontStyle(fsRegular);
    }

    lblSelectedmonth->SetFontColor(kMonthColour);
    lblSelectedMonthShadow->SetFontColor(kMonthShadowColour);
    lblSelectedYear->move(lblSelectedYear->x(), lblSelectedmonth->y());
    lblSelectedYear->SetFontColor(kMonthColour);
    lblSelectedYearShadow->SetFontColor(kMonthShadowColour);

    // A damaged settings file, values not used or a store that cannot be written are told
    // once, as soon as the window is up.
    if (const SettingsReport report = session_->LoadSettings(); !report.Empty()) {
        const QString text = QString::fromStdString(report.Text());
        QTimer::singleShot(0, this, [this, text] { ShowWarning(text, this); });
    }

    const QDateTime now = PlaceNow();
    clockDate_ = now.date();
    TDateTimeRecord selected;
    selected.Day = static_cast<std::uint16_t>(clockDate_.day());
    selected.Month = static_cast<std::uint16_t>(clockDate_.month());
    selected.Year = static_cast<std::uint16_t>(clockDate_.year());
    selected.Hour = static_cast<std::uint16_t>(now.time().hour());
    selected.Minute = static_cast<std::uint16_t>(now.time().minute());
    selected.Second = static_cast<std::uint16_t>(now.time().second());
    selected.MSec = static_cast<std::uint16_t>(now.time().msec());
    session_->SetInstant(selected, 0.0);

    opticsMode_ = 0;
    imgOptics->SetPicture(imgBinoculars);

    // The seven weekday titles and the 42 date cells.
    for (int i = 0; i < 7; ++i) {
        auto* title = new ClickRegion(this, 420 + 29 * i, 291, 29, 16);
        title->setObjectName(QStringLiteral("lblDay%1").arg(i));
        title->SetFontName(QStringLiteral("Arial"));
        title->SetFontSize(ScaledFontSize(9));
        title->SetFontColor(palette::DayText);
        title->SetAlignment(Qt::AlignHCenter);
        title->SetText(QStringLiteral(" "));
        title->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The calendar is read through the selected date; its titles and cells are its picture.
        SetAccessibleRole(title, QAccessible::NoRole);
        title->show();
        WeekdayTitles[static_cast<std::size_t>(i)] = title;
    }
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            auto* cell = new ClickRegion(this, 420 + 29 * c, 316 + 25 * r, 20, 16);
            cell->setObjectName(QStringLiteral("lblDate%1%2").arg(QChar('A' + r), QChar('A' + c)));
            cell->SetFontName(QStringLiteral("Arial"));
            cell->SetFontSize(ScaledFontSize(11));
            cell->SetFontBold(true);
            cell->SetFontColor(palette::StandardText);
            cell->SetAlignment(Qt::AlignRight);
            cell->SetText(QStringLiteral(" "));
            SetAccessibleRole(cell, QAccessible::NoRole);
            connect(cell, &ClickRegion::Clicked, this, [this, cell](Qt::MouseButton b) {
                if (b == Qt::LeftButton) DateSelect(cell);
            });
            connect(cell, &ClickRegion::MouseDown, this,
                    [this, cell](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
                        DisplayDateInfo(cell, b);
                    });
            cell->show();
            DateCells[static_cast<std::size_t>(7 * r + c)] = cell;
        }
    }
    lblCursor->raise();
    SetDayTitles(session_->Settings().DayOrder);
}

void TMain::FormShow() {
    MatchPhaseIconsToHemisphere();
    CentreOnScreen();
    Timer1.start();
    // Without a window manager (a virtual display, say) the window may never be activated:
    // lay the month out now so that the first tick finds it, and ask for activation.
    if (laidOut_.Day == 0) RefreshLatAndLong();
    activateWindow();
}

void TMain::MatchPhaseIconsToHemisphere() {
    if ((session_->Settings().LatDir == TNorthSouth::South) != iconsTurned_) InvertPhaseIcons();
}

void TMain::FollowSettings() {
    // Before the first layout FormCreate and FormShow set everything up.
    if (laidOut_.Day == 0) return;
    SetDayTitles(session_->Settings().DayOrder);
    MatchPhaseIconsToHemisphere();
    const Observer& o = session_->GetObserver();
    const bool moved = !SamePlaceAndTime(o, laidOutObserver_);
    if (moved || session_->Settings().DayOrder != laidOutDayOrder_) RefreshLatAndLong();
}

void TMain::FormActivate() {
    RefreshLatAndLong();
}

void TMain::RefreshLatAndLong() {
    ShowSelectedMonth(session_->SelectedDateTime());
}

void TMain::Timer1Timer() {
    // The clock's tick changes the figures every second: a screen reader is not told.
    const QuietUpdates quiet;
    GetTime();
    ShowInstant();
}

// The panels that describe the shown instant, drawn for it (called by ShowInstant only).
void TMain::DrawInstant() {
    const UniversalTime ut = ShownUT();
    const Observer& observer = session_->GetObserver();
    const TDateTimeRecord& selected = session_->SelectedDateTime();
    TMoonState moon;
    TSunPosition sun;
    MoonPosition(ut, observer, moon, sun);

    // Each figure is drawn again only when its text changes (most keep theirs for minutes).
    Canvas& canvas = WindowCanvas();
    const QString illuminated = QString::number(moon.IlluminatedPercent) + QStringLiteral("%     ");
    if (Redraws("illuminated", illuminated)) canvas.TextOut(249, 80, illuminated);
    const QString distance = tr("%1 km  ").arg(static_cast<long long>(moon.Distance));
    if (Redraws("distance", distance)) canvas.TextOut(249, 110, distance);
    const auto coord = [this, &canvas](const char* figure, int y, const TAngleText& a, int style) {
        if (Redraws(figure, AngleKey(std::array{a})))
            DisplayCoord(canvas, 249, 273, 301, y, a, style);
    };
    coord("ra", 134, RightAscensionText(moon.TopoRA), 1);
    coord("dec", 148, DeclinationText(moon.TopoDec), 0);
    coord("parallax", 162, DegreesToDMS(moon.Parallax), 0);
    coord("diameter", 176, DegreesToDMS(2 * moon.Semidiameter), 0);
    ExposeFigure("accIlluminated", tr("%1 %").arg(moon.IlluminatedPercent));
    ExposeFigure("accDistance", tr("%1 km").arg(static_cast<long long>(moon.Distance)));
    ExposeFigure("accRightAscension", SpokenAngle(RightAscensionText(moon.TopoRA), true));
    ExposeFigure("accDeclination", SpokenAngle(DeclinationText(moon.TopoDec), false));
    ExposeFigure("accParallax", SpokenAngle(DegreesToDMS(moon.Parallax), false));
    ExposeFigure("accDiameter", SpokenAngle(DegreesToDMS(2 * moon.Semidiameter), false));
    ExposeFigure("accSunAzimuth", SpokenAngle(DegreesToDMS(sun.Azimuth), false));
    ExposeFigure("accSunAltitude", SpokenAngle(DegreesToDMS(sun.Altitude), false));
    ExposeFigure("accSunRightAscension", SpokenAngle(RightAscensionText(sun.Equatorial.RA), true));
    ExposeFigure("accSunDeclination", SpokenAngle(DeclinationText(sun.Equatorial.Dec), false));
    ExposeFigure("accMoonAzimuth", SpokenAngle(DegreesToDMS(moon.Azimuth), false));
    ExposeFigure("accMoonAltitude", SpokenAngle(DegreesToDMS(moon.Altitude), false));
    ExposeFigure("accBrightLimb", SpokenAngle(DegreesToDMS(moon.BrightLimbAngle), false));
    ExposeFigure("accPhaseAngle", SpokenAngle(DegreesToDMS(moon.PhaseAngle), false));

    DrawAngleBox("sunBox", imgSunParams, imgSunParamsOrig, 315, 387, 3,
                 {DegreesToDMS(sun.Azimuth), DegreesToDMS(sun.Altitude),
                  RightAscensionText(sun.Equatorial.RA), DeclinationText(sun.Equatorial.Dec)},
                 2);
    DrawAngleBox("moonBox", imgMoonParams, imgMoonParamsOrig, 315, 280, 4,
                 {DegreesToDMS(moon.Azimuth), DegreesToDMS(moon.Altitude),
                  DegreesToDMS(moon.BrightLimbAngle), DegreesToDMS(moon.PhaseAngle)},
                 -1);

    imgClockBuf.Assign(imgClockBgnd);
    std::string strip = CutText(DisplayTime(selected) + " - ", 80);

    // The age at the universal-time instant, within the lunation that holds it.
    const double age = MoonAge(ut, lunationBounds_);
    DisplayMoonAge(age);
    // The next perigee and apogee from the shown local instant.
    TDateTimeRecord shown = JulianDayToDate(ShownJD().JD);
    shown.JD = ShownJD().JD;
    perigeeApogee_ = PerigeeApogeeText(PerigeeApogee(shown, observer), observer);
    DisplayPerigeeAndApogee();
    const std::string phase =
        DisplayMoonPhase(lunationBounds_, moon.IlluminatedPercent, age, selected.Month);
    ExposeFigure("accShownTime", QString::fromStdString(DisplayTime(selected)));
    const TSettings& settings = session_->Settings();
    ExposeFigure(
        "accPlace",
        tr("%1, %2\u00b0 %3' %4\" %5, %6\u00b0 %7' %8\" %9")
            .arg(QString::fromStdString(settings.Location).simplified(),
                 QString::fromStdString(settings.LatDeg), QString::fromStdString(settings.LatMin),
                 QString::fromStdString(settings.LatSec),
                 settings.LatDir == TNorthSouth::South ? tr("South") : tr("North"),
                 QString::fromStdString(settings.LongDeg), QString::fromStdString(settings.LongMin),
                 QString::fromStdString(settings.LongSec),
                 settings.LongDir == TEastWest::East ? tr("East") : tr("West")));
    const auto& names = RegionalNames();
    ExposeFigure("accSelectedDate",
                 tr("%1 %2 %3 %4")
                     .arg(QString::fromStdString(names.LongDayNames[static_cast<std::size_t>(
                         DayOfWeek(selected.Year, selected.Month, selected.Day))]))
                     .arg(selected.Day)
                     .arg(QString::fromStdString(
                         names.LongMonthNames[static_cast<std::size_t>(selected.Month - 1)]))
                     .arg(selected.Year));
    accMoon_->setAccessibleDescription(
        tr("%1, %2 % illuminated").arg(QString::fromStdString(phase)).arg(moon.IlluminatedPercent));
    SetAccessibleValue(accMoon_, accMoon_->accessibleDescription());
    strip = CutText(strip + phase, 80);
    ExposeFigure("accSiderealTime",
                 QString::fromStdString(LocalSiderealTime(JulianDayToDate(ShownJD().JD), 0)));

    Canvas& clock = imgClockBuf.GetCanvas();
    const QString text = QString::fromStdString(strip);
    clock.TextOut((382 - clock.TextWidth(text)) / 2 + 20, 4, text);
    stripText_ = strip;
    canvas.CopyRect(Rect(0, 40, 639, 63), imgClockBuf.Image(), Rect(0, 0, 639, 23));
}

void TMain::DrawAngleBox(const char* figure, Picture& box, const Picture& original, int left,
                         int top, int firstRow, const std::array<TAngleText, 4>& angles,
                         int hoursRow) {
    constexpr int kPitch = 16; // between the rows' tops
    std::array<bool, 4> changed{};
    int count = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        changed[i] = Redraws(figure + std::to_string(i), AngleKey(std::array{angles[i]}));
        count += changed[i] ? 1 : 0;
    }
    if (count == 0) return;
    Canvas& c = box.GetCanvas();
    const auto row = [&](std::size_t i) {
        DisplayCoord(c, 10, 34, 62, firstRow + kPitch * static_cast<int>(i), angles[i],
                     static_cast<int>(i) == hoursRow ? 1 : 0);
    };
    // A row stands on a band from a pixel above its text to the next row's band; its glyphs
    // (digits and signs, none below the baseline) stay within the band unless the font is
    // larger than the box was made for. The box is drawn whole the first time (with its
    // edges), when every row changes, and for such a font.
    const int size = c.FontSize();
    c.SetFontSize(size + 1); // the degree sign's
    const bool bandsHoldRows = QFontMetrics(c.Font(), c.Device()).ascent() + 1 < kPitch;
    c.SetFontSize(size);
    if (count == 4 || !bandsHoldRows) {
        box.Assign(original);
        for (std::size_t i = 0; i < 4; ++i) row(i);
        WindowCanvas().Draw(left, top, box.Image());
        return;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (!changed[i]) continue;
        const int bandTop = firstRow + kPitch * static_cast<int>(i) - 1;
        const TRect band = Rect(0, bandTop, box.Width(), bandTop + kPitch);
        c.CopyRect(band, original.Image(), band);
        row(i);
        WindowCanvas().CopyRect(
            Rect(left, top + bandTop, left + box.Width(), top + bandTop + kPitch), box.Image(),
            band);
    }
}

bool TMain::Redraws(const std::string& figure, const QString& text) {
    QString& drawn = drawnTexts_[figure];
    if (drawn == text && !drawn.isNull()) return false;
    drawn = text;
    return true;
}

// Title-bar regions. The windows that later work provides are reached through the hooks;
// until they exist their regions do nothing.

void TMain::lblPrintClick() {
    if (options_.Hooks.ShowPrintOptions) options_.Hooks.ShowPrintOptions();
}

void TMain::lblTimesListClick() {
    if (options_.Hooks.ShowTimesList) options_.Hooks.ShowTimesList(session_->SelectedDateTime());
}

void TMain::lblLinksClick() {
    if (options_.Hooks.ShowWebMenu) options_.Hooks.ShowWebMenu();
}

void TMain::lblReportsClick() {
    if (options_.Hooks.ShowReportMenu) options_.Hooks.ShowReportMenu();
}

void TMain::imgEclipseClick() {
    const std::vector<TEclipseResult>& eclipses = session_->Eclipses();
    if (!eclipses.empty() && options_.Hooks.ShowEclipse) options_.Hooks.ShowEclipse(eclipses);
}

void TMain::imgSolarEclipseClick() {
    if (!session_->SolarEclipses().empty() && options_.Hooks.ShowSolarEclipse)
        options_.Hooks.ShowSolarEclipse();
}

void TMain::Label1Click() {
    OpenShippedPage(kHomePage, tr("The home page"));
}

void TMain::lblConfigClick() {
    if (!options_.Hooks.ShowConfiguration) return;
    // Settings saved there reach the window through the session's settingsChanged.
    options_.Hooks.ShowConfiguration();
}

QString TMain::ShippedPage(const char* relativePath) const {
    // The page in the language in force ("docs/crescendar.de.htm") where one is shipped, else
    // the English one; each beside the program first, then in the installed data.
    const QString english = QLatin1String(relativePath);
    const QString language = QLocale::languageToCode(QLocale().language());
    QStringList pages;
    if (language != QLatin1String("en")) {
        const QFileInfo page(english);
        pages << page.path() + QLatin1Char('/') + page.completeBaseName() + QLatin1Char('.') +
                     language + QLatin1Char('.') + page.suffix();
    }
    pages << english;
    for (const QString& page : pages)
        for (const QString& path : ShippedFilePlaces(page.toUtf8().constData()))
            if (QFileInfo(path).isFile())
                return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return {};
}

QString TMain::HelpPagePath() const {
    return ShippedPage(kHelpPage);
}

QString TMain::HomePagePath() const {
    return ShippedPage(kHomePage);
}

void TMain::OpenShippedPage(const char* relativePath, const QString& what) {
    const QString path = ShippedPage(relativePath);
    if (path.isEmpty()) {
        ShowWarning(tr("%1 %2 was not found beside the program or in %3.")
                        .arg(what, QLatin1String(relativePath),
                             QDir::toNativeSeparators(InstalledDataFolder())),
                    this);
        return;
    }
    OpenDocument(path, what, this);
}

void TMain::lblHelpClick() {
    OpenShippedPage(kHelpPage, tr("The help page"));
}

void TMain::lblAboutClick() {
    if (options_.Hooks.ShowAbout) options_.Hooks.ShowAbout();
}

void TMain::lblMinimiseClick() {
    showMinimized();
}

void TMain::lblExitClick() {
    close();
}

// Typing into the open time or year editor: digits, Backspace and Enter; every other key that
// is not a command is swallowed while it is open.
bool TMain::FormKeyPress(QKeyEvent* event) {
    if (!EditorOpen()) return false;
    char typed = 0;
    if (event->key() == Qt::Key_Backspace)
        typed = 8;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = 13;
    else if (event->text().size() == 1 && event->text()[0] >= QLatin1Char('0') &&
             event->text()[0] <= QLatin1Char('9'))
        typed = event->text()[0].toLatin1();
    if (typed != 0) KeyPress(typed);
    return true;
}

} // namespace crescendar
