#include "fWebMenu.h"

#include "Access.h"
#include "Caption.h"
#include "Shell.h"

#include <QPainter>
#include <QPainterPath>
#include <QUrl>

namespace crescendar {

namespace {

const QColor kTitleInk{232, 238, 250};
const QColor kSourceInk{120, 190, 245};
const QColor kHeadingInk{255, 232, 170};

// A heading's rules: from beside its text towards the strip's ends, fading, each with a small
// diamond where it meets the text.
void PaintHeadingRules(QImage& picture, const QRect& text, const QRect& row) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double y = row.top() + row.height() / 2.0;
    for (int side : {-1, 1}) {
        const double inner = side < 0 ? text.left() - 8 : text.right() + 9;
        const double outer = side < 0 ? row.left() + 14 : row.right() - 14;
        if ((outer - inner) * side <= 4) continue; // no room left for a rule
        QLinearGradient rule(QPointF(inner, y), QPointF(outer, y));
        rule.setColorAt(0, QColor(255, 232, 170, 200));
        rule.setColorAt(1, QColor(255, 232, 170, 0));
        p.setPen(QPen(QBrush(rule), 1));
        p.drawLine(QPointF(inner, y), QPointF(outer, y));
        p.setPen(Qt::NoPen);
        p.setBrush(kHeadingInk);
        QPainterPath diamond;
        diamond.moveTo(inner, y - 2.5);
        diamond.lineTo(inner + 2.5, y);
        diamond.lineTo(inner, y + 2.5);
        diamond.lineTo(inner - 2.5, y);
        diamond.closeSubpath();
        p.drawPath(diamond);
    }
}

} // namespace

TWebMenu::TWebMenu(QWidget& owner, const QWidget& anchor) : TPopupMenu(owner), anchor_(anchor) {
    setObjectName(QStringLiteral("WebMenu"));
    setWindowTitle(tr("Lunar Web Sites"));
    SetClientSize(kStripWidth, static_cast<int>(kWebLinks.size()) * kStripHeight);

    // Each site's title at the left and its source, small and pale, at the right end; a
    // heading centred between its rules.
    const QImage strips = LoadPicture(QStringLiteral(":/menus/web_menu.png"), this);
    QList<Caption> captions;
    QList<std::pair<QRect, QRect>> headings; // the text's room and its row
    for (std::size_t i = 0; i < kWebLinks.size(); ++i) {
        const TWebLink& link = kWebLinks[i];
        const QRect row(0, static_cast<int>(i) * kStripHeight, kStripWidth, kStripHeight);
        if (!link.Url) {
            captions << ShadowedCaption(tr(link.Title), row.adjusted(30, 0, -30, 0),
                                        SkinSansFont(12, true), kHeadingInk, QColor(0, 0, 0, 220),
                                        Qt::AlignCenter);
            captions.back().Space = row.adjusted(14, 0, -14, 0);
            const int width = CaptionWidth(captions.back());
            headings.append(
                {QRect(row.left() + (row.width() - width) / 2, row.top(), width, row.height()),
                 row});
        } else {
            const Caption source = ShadowedCaption(
                QString::fromUtf8(link.Source), row.adjusted(24, 0, -8, 0), SkinSansFont(10, true),
                kSourceInk, QColor(0, 0, 0, 200), Qt::AlignRight | Qt::AlignVCenter);
            captions << source;
            captions << ShadowedCaption(tr(link.Title),
                                        row.adjusted(24, 0, -16 - CaptionWidth(source), 0),
                                        SkinSansFont(12), kTitleInk, QColor(0, 0, 0, 200));
        }
    }
    QImage column = WithCaptions(strips, captions);
    for (const auto& [text, row] : headings) PaintHeadingRules(column, text, row);
    for (const Caption& caption : captions) ListCaption(caption);
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
