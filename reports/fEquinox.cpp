#include "fEquinox.h"

#include "fMain.h"

#include "Calendar.h"
#include "Equinox.h"
#include "Settings.h"

#include <QEvent>

namespace crescendar {

namespace {

// Shows the window (one already open comes to the front) and makes it the active window, so
// that activating another window closes it again.
void ShowActive(QWidget& window) {
    if (window.isVisible())
        window.raise();
    else
        window.show();
    window.activateWindow();
}

const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);
const QColor kNote(150, 170, 210);

ClickRegion* MakeLabel(QWidget* parent, int left, int top, const QString& text,
                       const QColor& colour, int pixelHeight = 12) {
    return ClickRegion::TextLabel(parent, left, top, text, colour, pixelHeight);
}

constexpr int kRowTops[4] = {66, 82, 98, 114};
constexpr int kYearTop = 131;

} // namespace

TEquinox::TEquinox(TMain& main) : SkinWindow(&main), main_(main) {
    setObjectName(QStringLiteral("Equinox"));
    setWindowTitle(QStringLiteral("Equinoxes and Solstices"));
}

void TEquinox::FormCreate() {
    SetClientSize(350, 155);
    SetBackground(QImage(QStringLiteral(":/dates/equinox.jpg")));

    lblTitle = AddTitleRegion("lblTitle", 62, 12, 229, 19);
    lblExit = AddExitRegion(323, 13, 15, 15, QStringLiteral("Close"));

    const char* titles[4] = {
        "Spring Equinox:", "Summer Solstice:", "Autumn Equinox:", "Winter Solstice:"};
    const char* titleNames[4] = {"Label8", "Label7", "Label6", "Label5"};
    const char* eventNames[4] = {"lblSpring", "lblSummer", "lblAutumn", "lblWinter"};
    ClickRegion** titleLabels[4] = {&Label8, &Label7, &Label6, &Label5};
    ClickRegion** eventLabels[4] = {&lblSpring, &lblSummer, &lblAutumn, &lblWinter};
    ClickRegion** lengthLabels[4] = {&lblSpringDur, &lblSummerDur, &lblAutumnDur, &lblWinterDur};
    const TColour c = StandardTextColour();
    for (int i = 0; i < 4; ++i) {
        *titleLabels[i] = MakeLabel(this, 31, kRowTops[i], QString::fromLatin1(titles[i]), kYellow);
        (*titleLabels[i])->setObjectName(QString::fromLatin1(titleNames[i]));
        *eventLabels[i] = MakeLabel(this, 150, kRowTops[i], QString(), kAqua);
        (*eventLabels[i])->setObjectName(QString::fromLatin1(eventNames[i]));
        *lengthLabels[i] =
            MakeLabel(this, 254, kRowTops[i], QString(), QColor(c.Red, c.Green, c.Blue));
        (*lengthLabels[i])->setObjectName(QString::fromLatin1(eventNames[i]) + "Dur");
    }
    lblYear = MakeLabel(this, 0, kYearTop, QString(), kNote, 11);
    lblYear->setObjectName(QStringLiteral("lblYear"));
}

void TEquinox::FormShow() {
    CentreOver(main_);
    KeepOnScreen();
}

bool TEquinox::event(QEvent* e) {
    const bool result = SkinWindow::event(e);
    if (e->type() == QEvent::WindowDeactivate) FormDeactivate();
    return result;
}

void TEquinox::FormDeactivate() {
    close();
}

void TEquinox::lblExitClick() {
    close();
}

void TEquinox::EquinoxesAndSolstices(std::uint16_t year) {
    const TEquinoxes seasons = crescendar::EquinoxesAndSolstices(year, MakeObserver(settings()));
    const auto events = Events();
    const auto lengths = Lengths();
    for (std::size_t r = 0; r < 4; ++r) {
        events[r]->SetText(QString::fromStdString(seasons.RowTexts[r]));
        lengths[r]->SetText(QString::fromStdString(seasons.RowLengthTexts[r]));
    }
    // The rows begin with the September equinox when the seasons are the southern ones.
    QString note;
    if (seasons.Year != 0)
        note = QStringLiteral("Seasons of %1 in the %2 hemisphere")
                   .arg(seasons.Year)
                   .arg(seasons.RowEvent[0] == TSeasonEvent::SeptemberEquinox
                            ? QStringLiteral("southern")
                            : QStringLiteral("northern"));
    lblYear->SetText(note);
    lblYear->move((width() - lblYear->width()) / 2, kYearTop);
    ShowActive(*this);
}

void TEquinox::ShowEquinox() {
    EquinoxesAndSolstices(main_.SelectedDateTime().Year);
}

} // namespace crescendar
