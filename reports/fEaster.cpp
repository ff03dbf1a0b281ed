#include "fEaster.h"

#include "Palette.h"
#include "Picture.h"
#include "Session.h"
#include "WindowKeys.h"

#include "Easter.h"

namespace crescendar {

TEaster::TEaster(TSession& session, QWidget& owner) : TransientWindow(owner), session_(session) {
    setObjectName(QStringLiteral("Easter"));
    setWindowTitle(tr("Easter Sunday"));
}

void TEaster::FormCreate() {
    SetClientSize(200, 104);
    SetBackground(LoadPicture(QStringLiteral(":/dates/easter.jpg"), this));

    Label1 = AddTitleRegion("Label1", 30, 14, 139, 17);
    Caption title = GildedTitle(tr("Easter Sunday"), Label1->geometry(), 16);
    title.Space = QRect(29, 14, 145, 17); // between the egg and the cross
    AddCaption(title);
    // How the day is found, over the date.
    QFont note = SkinSansFont(9);
    note.setItalic(true);
    Caption how = PlainCaption(tr("Sunday after the Paschal full moon"), QRect(34, 45, 150, 13),
                               note, QColor(118, 138, 184));
    how.Space = QRect(32, 45, 152, 13); // right of the Moon, which it must not cover
    AddCaption(how, "lblEasterNote");
    lblExit = AddCloseMark(this, 175, 14, 13, 15);
    // The mark keeps the hint the window has always had; a reader hears the command's.
    lblExit->SetHint(tr("Exit Crescendar"));

    lblEaster = new ClickRegion(this, 24, 65, 153, 13);
    lblEaster->setObjectName(QStringLiteral("lblEaster"));
    lblEaster->SetFontName(QStringLiteral("Arial"));
    lblEaster->SetFontHeight(11);
    lblEaster->SetAlignment(Qt::AlignHCenter);
    lblEaster->SetFontColor(palette::StandardText);
    lblEaster->setAccessibleName(tr("Easter Sunday"));
}

void TEaster::FormShow() {
    TransientWindow::FormShow();
    lblEaster->SetText(QString::fromStdString(Sunday(session_.SelectedDateTime().Year)));
}

void TEaster::ShowEaster() {
    ShowActive();
}

} // namespace crescendar
