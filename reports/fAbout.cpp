#include "fAbout.h"

#include "Picture.h"

namespace crescendar {

TAbout::TAbout(QWidget& owner) : SkinWindow(&owner), owner_(owner) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Crescendar"));
    SetClientSize(210, 185);
    SetBackground(LoadPicture(QStringLiteral(":/menus/about.jpg"), this));

    lblVersion = new ClickRegion(this, 0, 0, 210, 16);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->SetText(QString::fromLatin1(kVersionText));
    lblVersion->hide();

    // Over the cross pictured in the top right corner.
    lblExit = AddExitRegion(186, 6, 18, 18, QStringLiteral("Close"));
}

void TAbout::FormShow() {
    CentreOver(owner_);
}

void TAbout::lblExitClick() {
    close();
}

} // namespace crescendar
