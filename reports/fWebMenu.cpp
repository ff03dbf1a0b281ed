#include "fWebMenu.h"

#include "Access.h"
#include "Shell.h"

#include <QUrl>

namespace crescendar {

TWebMenu::TWebMenu(QWidget& owner, const QWidget& anchor) : TPopupMenu(owner), anchor_(anchor) {
    setObjectName(QStringLiteral("WebMenu"));
    setWindowTitle(tr("Lunar Web Sites"));
    SetClientSize(kStripWidth, static_cast<int>(kWebLinks.size()) * kStripHeight);

    const QImage column = LoadPicture(QStringLiteral(":/menus/web_menu.png"), this);
    for (std::size_t i = 0; i < kWebLinks.size(); ++i) {
        const TWebLink& link = kWebLinks[i];
        ImageControl* entry = AddStrip(column, static_cast<int>(i), QString::fromLatin1(link.Name));
        // A site is a keyboard button named by its title (Space or Enter opens it); a
        // heading is read as a text.
        entry->setAccessibleName(tr(link.Title));
        if (link.Url) {
            entry->SetHint(QString::fromLatin1(link.Url));
            MakeKeyboardButton(entry);
        }
        connect(entry, &ClickRegion::MouseMove, this,
                [this, i](Qt::MouseButtons, QPoint) { EntryMouseMove(i); });
        connect(entry, &ClickRegion::Clicked, this, [this, i](Qt::MouseButton b) {
            if (b == Qt::LeftButton) EntryClick(i);
        });
        Entries[i] = entry;
    }

    // The arrow lets the pointer through to the entry beneath it.
    imgArrow =
        new ImageControl(this, kArrowLeft, 0,
                         LoadPicture(QStringLiteral(":/menus/arrow.png"), this), 12, kStripHeight);
    imgArrow->setObjectName(QStringLiteral("imgArrow"));
    imgArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgArrow->hide();
    keyArrow_ = imgArrow;
}

void TWebMenu::FormShow() {
    PlaceBelowRegion(anchor_);
    imgArrow->move(kArrowLeft, imgArrow->y());
}

void TWebMenu::EntryMouseMove(std::size_t index) {
    if (index >= kWebLinks.size()) return;
    if (kWebLinks[index].Url)
        PointAt(imgArrow, Entries[index]);
    else
        imgArrow->hide();
}

void TWebMenu::EntryClick(std::size_t index) {
    if (index >= kWebLinks.size() || !kWebLinks[index].Url) return;
    close();
    // The menu is closed: a message about a missing browser appears over the main window.
    OpenWebPage(QUrl(QString::fromLatin1(kWebLinks[index].Url)), &owner_);
}

} // namespace crescendar
