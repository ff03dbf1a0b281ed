#include "fEaster.h"

#include "fMain.h"

#include "Calendar.h"
#include "Easter.h"

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

} // namespace

TEaster::TEaster(TMain& main) : SkinWindow(&main), main_(main) {
    setObjectName(QStringLiteral("Easter"));
    setWindowTitle(QStringLiteral("Easter Sunday"));
}

void TEaster::FormCreate() {
    SetClientSize(200, 104);
    SetBackground(QImage(QStringLiteral(":/dates/easter.jpg")));

    Label1 = AddTitleRegion("Label1", 30, 14, 139, 17);
    lblExit = AddExitRegion(175, 14, 13, 15, QStringLiteral("Exit Crescendar"));

    lblEaster = new ClickRegion(this, 24, 65, 153, 13);
    lblEaster->setObjectName(QStringLiteral("lblEaster"));
    lblEaster->SetFontName(QStringLiteral("Arial"));
    lblEaster->SetFontHeight(11);
    lblEaster->SetAlignment(Qt::AlignHCenter);
    const TColour c = StandardTextColour();
    lblEaster->SetFontColor(QColor(c.Red, c.Green, c.Blue));
}

void TEaster::FormShow() {
    CentreOver(main_);
    KeepOnScreen();
    lblEaster->SetText(QString::fromStdString(Sunday(main_.SelectedDateTime().Year)));
}

bool TEaster::event(QEvent* e) {
    const bool result = SkinWindow::event(e);
    if (e->type() == QEvent::WindowDeactivate) FormDeactivate();
    return result;
}

void TEaster::FormDeactivate() {
    close();
}

void TEaster::lblExitClick() {
    close();
}

void TEaster::ShowEaster() {
    ShowActive(*this);
}

} // namespace crescendar
