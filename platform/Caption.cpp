#include "Caption.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace crescendar {

// Where a Liberation face is missing, the face it copies the metrics of keeps the layout.
QFont SkinSansFont(double pixelSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont SkinSerifFont(double pixelSize, bool bold, bool italic) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

Caption ShadowedCaption(const QString& text, const QRect& room, const QFont& font,
                        const QColor& ink, const QColor& shadow, Qt::Alignment align) {
    Caption c;
    c.Text = text;
    c.Room = room;
    c.Font = font;
    c.Ink = ink;
    c.Shadow = shadow;
    c.Align = align;
    return c;
}

Caption PlainCaption(const QString& text, const QRect& room, const QFont& font, const QColor& ink,
                     Qt::Alignment align) {
    Caption c = ShadowedCaption(text, room, font, ink, Qt::transparent, align);
    c.Kind = Caption::Look::Plain;
    return c;
}

Caption GildedTitle(const QString& text, const QRect& room, double pixelSize, QPointF shadowOffset,
                    int fillInset) {
    QFont font = SkinSerifFont(pixelSize, true, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.3);
    Caption c = ShadowedCaption(text, room, font, {}, QColor(0, 0, 0, 170), Qt::AlignCenter);
    c.Kind = Caption::Look::Gilded;
    c.ShadowOffset = shadowOffset;
    c.FillTop = room.top() + fillInset;
    c.FillBottom = room.bottom();
    return c;
}

Caption RuledCaption(const QString& text, int left, int right, int top, const QColor& ink) {
    Caption c = ShadowedCaption(text, QRect(left + 8, top, right - left - 15, 14),
                                SkinSansFont(11, true), ink, QColor(0, 0, 0, 220), Qt::AlignCenter);
    c.Kind = Caption::Look::Ruled;
    c.Space = QRect(QPoint(left, top), QPoint(right, top + 13));
    return c;
}

Caption ReportTitle(const QString& text, const QRect& room, const QRect& space) {
    Caption c = GildedTitle(text, room, 18, {1.2, 1.4}, 3);
    c.Space = space;
    return c;
}

int CaptionWidth(const Caption& caption) {
    return QFontMetrics(caption.Font).horizontalAdvance(caption.Text);
}

bool CaptionFits(const Caption& caption) {
    const int width = CaptionWidth(caption);
    return width <= caption.Room.width() ||
           (!caption.Space.isEmpty() && width <= caption.Space.width());
}

QRect CaptionRect(const Caption& caption) {
    const QRect& room = caption.Room;
    const int width = CaptionWidth(caption);
    if (width <= room.width()) return room;
    QRect r(0, room.top(), width, room.height());
    r.moveLeft(room.left() - (width - room.width()) / 2);
    const QRect& space = caption.Space;
    if (space.isEmpty()) return r;
    if (width >= space.width())
        r.moveLeft(space.left() - (width - space.width()) / 2);
    else if (r.left() < space.left())
        r.moveLeft(space.left());
    else if (r.right() > space.right())
        r.moveRight(space.right());
    return r;
}

void PaintShadowedText(QPainter& p, const QRect& rect, int flags, const QString& text,
                       const QColor& ink, const QColor& shadow, QPointF shadowOffset) {
    p.save();
    p.setPen(shadow);
    p.drawText(QRectF(rect).translated(shadowOffset), flags, text);
    p.setPen(ink);
    p.drawText(rect, flags, text);
    p.restore();
}

void PaintGildedText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                     QPointF shadowOffset, double fillTop, double fillBottom) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre.x() - box.center().x(), centre.y() - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(path.translated(shadowOffset));
    QLinearGradient fill(0, fillTop, 0, fillBottom);
    fill.setColorAt(0, QColor(255, 252, 232));
    fill.setColorAt(0.55, QColor(236, 224, 170));
    fill.setColorAt(1, QColor(190, 160, 90));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

namespace {

// The text centred on the space, and the rule on either side of it up to the space's ends.
void PaintRuled(QPainter& p, const Caption& caption) {
    const QRect& space = caption.Space;
    const int width = CaptionWidth(caption);
    const int centre = (space.left() + space.right()) / 2;
    p.save();
    p.setFont(caption.Font);
    PaintShadowedText(p, QRect(centre - width / 2 - 2, space.top(), width + 4, 14),
                      Qt::AlignCenter | Qt::TextDontClip, caption.Text, caption.Ink, caption.Shadow,
                      caption.ShadowOffset);
    QColor rule = caption.Ink;
    rule.setAlpha(150);
    p.setPen(rule);
    const int y = space.top() + 7;
    const int textLeft = centre - width / 2 - 6, textRight = centre + width / 2 + 6;
    if (textLeft > space.left()) p.drawLine(space.left(), y, textLeft, y);
    if (textRight < space.right()) p.drawLine(textRight, y, space.right(), y);
    p.drawLine(space.left(), y, space.left(), y + 4);
    p.drawLine(space.right(), y, space.right(), y + 4);
    p.restore();
}

} // namespace

void PaintCaption(QPainter& p, const Caption& caption) {
    if (caption.Text.isEmpty()) return;
    if (caption.Kind == Caption::Look::Ruled) {
        PaintRuled(p, caption);
        return;
    }
    const QRect rect = CaptionRect(caption);
    if (caption.Kind == Caption::Look::Gilded) {
        PaintGildedText(p, QPointF(rect.center()) + caption.Nudge, caption.Text, caption.Font,
                        caption.ShadowOffset, caption.FillTop, caption.FillBottom);
        return;
    }
    // A text grown out of its room is centred on the rectangle made for it.
    Qt::Alignment align = caption.Align;
    if (rect != caption.Room) align = (align & Qt::AlignVertical_Mask) | Qt::AlignHCenter;
    const int flags = int(align) | Qt::TextDontClip | Qt::TextSingleLine;
    p.save();
    p.setFont(caption.Font);
    if (caption.Kind == Caption::Look::Shadowed)
        PaintShadowedText(p, rect, flags, caption.Text, caption.Ink, caption.Shadow,
                          caption.ShadowOffset);
    else {
        p.setPen(caption.Ink);
        p.drawText(rect, flags, caption.Text);
    }
    p.restore();
}

QImage WithCaptions(const QImage& picture, const QList<Caption>& captions) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(picture.devicePixelRatio());
    QPainter p(&image);
    for (const Caption& c : captions) PaintCaption(p, c);
    return image;
}

} // namespace crescendar
