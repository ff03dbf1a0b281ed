#include "fAbout.h"

#include "Access.h"
#include "Picture.h"
#include "WindowKeys.h"

namespace crescendar {

TAbout::TAbout(QWidget& owner) : SkinWindow(&owner), owner_(owner) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("About Crescendar"));
    SetClientSize(210, 185);
    SetBackground(LoadPicture(QStringLiteral(":/menus/about.jpg"), this));
    // The version and a line beneath it, centred under the name, inside the frame.
    AddCaption(ShadowedCaption(tr("Version %1").arg(QStringLiteral(CRESCENDAR_VERSION)),
                               QRect(4, 143, 202, 18), SkinSansFont(13, true),
                               QColor(170, 214, 255), QColor(0, 0, 0, 200), Qt::AlignCenter));
    AddCaption(ShadowedCaption(tr("The Moon at your place and time"), QRect(4, 161, 202, 16),
                               SkinSerifFont(12, false, true), QColor(196, 204, 224),
                               QColor(0, 0, 0, 200), Qt::AlignCenter),
               "lblTagline");

    lblVersion = new ClickRegion(this, 0, 0, 210, 16);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->SetText(QString::fromLatin1(kVersionText));
    lblVersion->hide();
    // The picture's name and version, for a reader.
    SetAccessibleValue(ExposeText(this, "txtVersion", QRect(0, 30, 210, 155), tr("Version")),
                       QString::fromLatin1(kVersionText));

    // Over the cross pictured in the top right corner.
    lblExit = AddCloseMark(this, 186, 6, 18, 18);
}

void TAbout::FormShow() {
    CentreOver(owner_);
}

void TAbout::lblExitClick() {
    close();
}

} // namespace crescendar
