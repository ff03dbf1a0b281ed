// The print options window: its 220 x 260 skin with the captions of the check boxes and of
// the OK button, the check box pictures and the density spin button.
#include "Drawing.h"
#include "WindowArt.h"
#include "WindowSkin.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace artgen {

namespace {

const QColor kFrameLight{150, 166, 204};
const QColor kFrameDark{6, 8, 20};

// A light steel panel with a rounded frame.
void panel(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kFrameDark, 1));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour::boxTop);
    g.setColorAt(1, colour::boxBottom);
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    p.restore();
}

// A small printer, 22 x 20, with its top-left corner at the origin.
void printerGlyph(QPainter& p, QPointF at, double scale = 1.0) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(12, 18, 40), paper(246, 248, 252);
    p.setPen(QPen(outline, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(5.5, 0.5, 11, 7));
    QLinearGradient body(0, 6, 0, 15);
    body.setColorAt(0, QColor(200, 210, 230));
    body.setColorAt(1, QColor(98, 112, 142));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0.5, 6.5, 21, 9), 2.5, 2.5);
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 12.5, 13, 7));
    // A tiny calendar grid on the sheet that comes out.
    p.setPen(QPen(QColor(120, 136, 170), 0.8));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(4.5 + i * 3.25, 12.5), QPointF(4.5 + i * 3.25, 19.5));
    p.drawLine(QPointF(4.5, 15.5), QPointF(17.5, 15.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 240, 130));
    p.drawEllipse(QPointF(18.4, 10.2), 1.3, 1.3);
    p.restore();
}

void titleBar(QPainter& p, const QRect& bar) {
    titlePlate(p, bar);
    printerGlyph(p, QPointF(bar.left() + 9, bar.top() + 5));
}

// The raised OK button of 99 x 29 at its place (the window writes its caption).
void okButton(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(120, 170, 240));
    g.setColorAt(0.5, QColor(56, 100, 190));
    g.setColorAt(1, QColor(30, 60, 130));
    p.setPen(QPen(kFrameDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    p.restore();

    printerGlyph(p, QPointF(rect.left() + 16, rect.top() + 5.5), 0.85);
}

// The sunken well of a 13 x 13 check box.
QImage checkBox(bool checked) {
    QImage image = newImage({13, 13}, Qt::white);
    QPainter p(&image);
    fillVertical(p, QRectF(0, 0, 13, 13), QColor(226, 232, 244), QColor(255, 255, 255));
    bevel(p, area(image), 1, false, QColor(255, 255, 255), QColor(60, 70, 100));
    p.fillRect(QRect(1, 1, 11, 1), QColor(150, 160, 184));
    p.fillRect(QRect(1, 1, 1, 11), QColor(150, 160, 184));
    if (checked) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(3.0, 6.6);
        tick.lineTo(5.5, 9.4);
        tick.lineTo(10.2, 3.4);
        p.setPen(QPen(QColor(20, 50, 140), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    }
    return image;
}

// The 15 x 19 pair of arrow buttons; rows 0-9 the upper, 10-18 the lower one. pressed: 1
// the upper is pressed, -1 the lower, 0 none.
QImage spinButton(int pressed) {
    QImage image = newImage({15, 19}, colour::boxBottom);
    QPainter p(&image);
    auto half = [&](const QRect& r, bool down, bool up) {
        fillVertical(p, r, down ? QColor(150, 160, 184) : QColor(236, 240, 248),
                     down ? QColor(200, 208, 224) : QColor(176, 186, 204));
        bevel(p, r, 1, !down, QColor(255, 255, 255), QColor(50, 60, 90));
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 30, 70));
        const double cx = r.left() + r.width() / 2.0 + (down ? 0.5 : 0);
        const double cy = r.top() + r.height() / 2.0 + (down ? 0.5 : 0);
        QPainterPath arrow;
        if (up) {
            arrow.moveTo(cx - 3.5, cy + 1.8);
            arrow.lineTo(cx + 3.5, cy + 1.8);
            arrow.lineTo(cx, cy - 1.9);
        } else {
            arrow.moveTo(cx - 3.5, cy - 1.8);
            arrow.lineTo(cx + 3.5, cy - 1.8);
            arrow.lineTo(cx, cy + 1.9);
        }
        arrow.closeSubpath();
        p.drawPath(arrow);
        p.restore();
    };
    half(QRect(0, 0, 15, 10), pressed > 0, true);
    half(QRect(0, 10, 15, 9), pressed < 0, false);
    return image;
}

QImage optionsSkin() {
    const QRect window(0, 0, 220, 260);
    QImage image = newImage(window.size());
    {
        QPainter p(&image);
        fillVertical(p, window, colour::skyTop, colour::skyBottom);
    }
    softNoise(image, window, 5, 24, 511);
    stars(image, window.adjusted(4, 40, -4, -4), 70, 512, 160);

    QPainter p(&image);
    bevel(p, window, 3, true, kFrameLight, kFrameDark);
    titleBar(p, QRect(6, 6, 208, 32));

    // The four contents of the page: check boxes at x 30, tops 70, 90, 110, 130.
    panel(p, QRect(16, 60, 188, 93));
    // Their captions are written by the window.
    for (int i = 0; i < 4; ++i) {
        const int top = 70 + 20 * i;
        bevel(p, QRect(29, top - 1, 15, 15), 1, false, QColor(255, 255, 255), QColor(90, 100, 126));
    }

    // The density: the field at 142, 170 (27 x 21) and its arrows at 171, 170.
    panel(p, QRect(16, 162, 188, 37));
    bevel(p, QRect(141, 169, 29, 23), 1, false, QColor(255, 255, 255), QColor(90, 100, 126));
    bevel(p, QRect(170, 169, 17, 21), 1, false, QColor(255, 255, 255), QColor(90, 100, 126));

    okButton(p, QRect(62, 210, 99, 29));
    return image;
}

} // namespace

QList<WindowPicture> DrawPrintArt(const MoonRenderer& /*moon*/) {
    return {
        {QStringLiteral("options_bgnd.jpg"), optionsSkin()},
        {QStringLiteral("check_off.png"), checkBox(false)},
        {QStringLiteral("check_on.png"), checkBox(true)},
        {QStringLiteral("spin.png"), spinButton(0)},
        {QStringLiteral("spin_up.png"), spinButton(1)},
        {QStringLiteral("spin_down.png"), spinButton(-1)},
    };
}

} // namespace artgen
