#include "fEaster.h"

#include "Palette.h"
#include "Picture.h"
#include "Session.h"

#include "Easter.h"

namespace crescendar {

TEaster::TEaster(TSession& session, QWidget& owner) : TransientWindow(owner), session_(session) {
    setObjectName(QStringLiteral("Easter"));
    setWindowTitle(QStringLiteral("Easter Sunday"));
}

void TEaster::FormCreate() {
    SetClientSize(200, 104);
    SetBackground(LoadPicture(QStringLiteral(":/dates/easter.jpg"), this));

    Label1 = AddTitleRegion("Label1", 30, 14, 139, 17);
    lblExit = AddExitRegion(175, 14, 13, 15, QStringLiteral("Exit Crescendar"));

    lblEaster = new ClickRegion(this, 24, 65, 153, 13);
    lblEaster->setObjectName(QStringLiteral("lblEaster"));
    lblEaster->SetFontName(QStringLiteral("Arial"));
    lblEaster->SetFontHeight(11);
    lblEaster->SetAlignment(Qt::AlignHCenter);
    lblEaster->SetFontColor(palette::StandardText);
}

void TEaster::FormShow() {
    TransientWindow::FormShow();
    lblEaster->SetText(QString::fromStdString(Sunday(session_.SelectedDateTime().Year)));
}

void TEaster::ShowEaster() {
    ShowActive();
}

} // namespace crescendar
