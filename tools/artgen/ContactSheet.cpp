#include "ContactSheet.h"

#include "Drawing.h"

#include <algorithm>

namespace artgen {

namespace {

QImage find(const QList<NamedImage>& pictures, const QString& name) {
    for (const NamedImage& n : pictures)
        if (n.name == name) return n.image;
    return {};
}

void label(QPainter& p, int x, int y, const QString& text, const QColor& ink, int px,
           bool bold = false, const QColor& background = Qt::transparent) {
    p.setFont(sansFont(px, bold));
    const QFontMetrics fm(p.font());
    const QRect r(x, y, fm.horizontalAdvance(text), fm.height());
    if (background.alpha() > 0) p.fillRect(r, background);
    p.setPen(ink);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, text);
}

QImage enlarged(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

// The window as it looks while running, with typical values.
QImage dressedWindow(const QList<NamedImage>& pictures) {
    QImage window = find(pictures, "bgnd.jpg").convertToFormat(QImage::Format_ARGB32);
    QPainter p(&window);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor aqua(0, 255, 255), yellow(255, 255, 0), pale = colour::paleYellow;
    const QColor text(0, 0, 0);

    // Clock strip.
    QImage strip = find(pictures, "clock_bgnd.jpg").copy(0, 0, 639, 23);
    {
        QPainter s(&strip);
        s.setFont(sansFont(15, true));
        s.setPen(QColor(0, 0, 128));
        const QString line = "21:47:09  14 March 2025 - Waxing Gibbous";
        const int w = s.fontMetrics().horizontalAdvance(line);
        s.drawText((382 - w) / 2 + 20, 4 + s.fontMetrics().ascent(), line);
        const QString lst = "LST: 08:12:45";
        const int lw = s.fontMetrics().horizontalAdvance(lst);
        s.drawText((200 - lw) / 2 + 420, 4 + s.fontMetrics().ascent(), lst);
    }
    p.drawImage(0, 40, strip);

    // The Moon with a waxing gibbous shadow drawn roughly as the window does.
    QImage moon = find(pictures, "moon_full.png").copy();
    {
        QPainter m(&moon);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(QPen(QColor(30, 30, 30), 1));
        for (int e = 40; e <= 75; ++e) m.drawArc(QRectF(78 - e, 3, 2 * e, 151), 90 * 16, 180 * 16);
    }
    p.drawImage(layout::moonPhotoAt, moon);

    const char* captions[] = {"Visible:",  "Age:",      "Distance:", "R.A.:",   "Dec.:",
                              "Parallax:", "Diameter:", "Apogee:",   "Perigee:"};
    const int tops[] = {80, 94, 110, 134, 148, 162, 176, 204, 218};
    for (int i = 0; i < 9; ++i) label(p, 188, tops[i], captions[i], yellow, 12);
    label(p, 249, 80, "87%", aqua, 12, false, Qt::black);
    label(p, 249, 94, "11d", aqua, 12, false, Qt::black);
    label(p, 274, 94, "05h", aqua, 12, false, Qt::black);
    label(p, 299, 94, "42m", aqua, 12, false, Qt::black);
    label(p, 249, 110, "384401 km", aqua, 12, false, Qt::black);
    const char* coords[][3] = {{"10h", "41m", "12s"},
                               {"12\xc2\xb0", "29 '", "34 \""},
                               {"0\xc2\xb0", "57 '", "02 \""},
                               {"0\xc2\xb0", "31 '", "06 \""}};
    for (int i = 0; i < 4; ++i) {
        label(p, 249, 134 + 14 * i, coords[i][0], aqua, 12, false, Qt::black);
        label(p, 273, 134 + 14 * i, coords[i][1], aqua, 12, false, Qt::black);
        label(p, 301, 134 + 14 * i, coords[i][2], aqua, 12, false, Qt::black);
    }
    label(p, 249, 204, "17 Mar 2025 22:38", aqua, 12, false, Qt::black);
    label(p, 332, 204, "406295 km", aqua, 12, false, Qt::black);
    label(p, 249, 218, "01 Apr 2025 21:11", aqua, 12, false, Qt::black);
    label(p, 332, 218, "358128 km", aqua, 12, false, Qt::black);

    // The phase list.
    const char* phases[] = {"phase_full.png", "phase_last_quarter.png", "phase_new.png",
                            "phase_first_quarter.png", "phase_blue.png"};
    const char* phaseTexts[] = {"06:54  14 March 2025", "11:29  22 March 2025",
                                "10:57  29 March 2025", "02:14  05 April 2025",
                                "00:22  31 March 2025"};
    for (int i = 0; i < 5; ++i) {
        p.drawImage(426, 78 + 32 * i, find(pictures, phases[i]));
        label(p, 466, 88 + 32 * i, phaseTexts[i], aqua, 12);
    }

    // Rise and set times.
    const char* sun[] = {"Sunrise:", "Transit:", "Sunset:"};
    const char* sunValues[] = {"06:12", "12:07", "18:03"};
    const char* moonTitles[] = {"Moonset", "Transit:", "Moonrise:"};
    const char* moonValues[] = {"05:31", "23:58", "*****"};
    for (int i = 0; i < 3; ++i) {
        label(p, 32, 300 + 16 * i, sun[i], text, 12, true);
        label(p, 94, 300 + 16 * i, sunValues[i], pale, 12);
        label(p, 150, 300 + 16 * i, moonTitles[i], text, 12, true);
        label(p, 212, 300 + 16 * i, moonValues[i], pale, 12);
    }
    const char* twilight[] = {"Civil:", "Nautical:", "Astronomical:"};
    label(p, 130, 390, "Start", text, 12, true);
    label(p, 212, 390, "End", text, 12, true);
    for (int i = 0; i < 3; ++i) {
        label(p, 32, 404 + 16 * i, twilight[i], text, 12, true);
        label(p, 130, 406 + 16 * i, QString("05:%1").arg(44 - 30 * i / 2), pale, 12);
        label(p, 212, 406 + 16 * i, QString("18:%1").arg(31 + 30 * i / 2), pale, 12);
    }

    // The Moon and Sun boxes.
    const char* moonCaps[] = {"Az.:", "Alt.:", "P.A.:", "Ph.A:"};
    const char* sunCaps[] = {"Az.:", "Alt.:", "R.A.:", "Dec.:"};
    for (int i = 0; i < 4; ++i) {
        label(p, 284, 284 + 16 * i, moonCaps[i], Qt::white, 12);
        label(p, 284, 390 + 16 * i, sunCaps[i], Qt::white, 12);
        label(p, 325, 284 + 16 * i, QString("%1\xc2\xb0").arg(112 + 37 * i), pale, 12);
        label(p, 349, 284 + 16 * i, "29 '", pale, 12);
        label(p, 377, 284 + 16 * i, "34 \"", pale, 12);
        label(p, 325, 391 + 16 * i, QString("%1\xc2\xb0").arg(218 - 41 * i), pale, 12);
        label(p, 349, 391 + 16 * i, "07 '", pale, 12);
        label(p, 377, 391 + 16 * i, "51 \"", pale, 12);
    }

    // The calendar: March 2025 starts on a Saturday; the 14th is selected.
    p.setFont(sansFont(19, true));
    const QString month = "March", year = "2025";
    const int mw = p.fontMetrics().horizontalAdvance(month);
    const int yw = p.fontMetrics().horizontalAdvance(year);
    const int ml = 420 + (640 - 450 - mw - yw) / 2;
    label(p, ml + 1, 261, month, QColor(210, 210, 210), 19, true);
    label(p, ml, 260, month, QColor(60, 60, 60), 19, true);
    label(p, ml + mw + 11, 261, year, QColor(210, 210, 210), 19, true);
    label(p, ml + mw + 10, 260, year, QColor(60, 60, 60), 19, true);
    const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    p.setFont(sansFont(12));
    p.setPen(aqua);
    for (int i = 0; i < 7; ++i)
        p.drawText(QRect(420 + 29 * i, 291, 29, 16), Qt::AlignHCenter | Qt::AlignTop, days[i]);
    const int first = 6, selected = 14;
    const int sc = (first + selected - 1) % 7, sr = (first + selected - 1) / 7;
    p.drawImage(420 + 29 * sc - 1, 316 + 25 * sr - 3, find(pictures, "curr_date.png"));
    p.setFont(sansFont(15, true));
    p.setPen(pale);
    for (int d = 1; d <= 31; ++d) {
        const int i = first + d - 1;
        p.drawText(QRect(420 + 29 * (i % 7), 316 + 25 * (i / 7), 20, 16),
                   Qt::AlignRight | Qt::AlignTop, QString::number(d));
    }
    p.drawImage(layout::eclipsePlace.topLeft(), find(pictures, "eclipse.png"));
    return window;
}

QImage contactSheet(const QList<NamedImage>& pictures, const QList<QImage>& icons) {
    QImage sheet = newImage({1000, 1640}, QColor(52, 54, 60));
    QPainter p(&sheet);
    const QColor ink(220, 224, 232);
    auto caption = [&](int x, int y, const QString& text) { label(p, x, y, text, ink, 12); };

    const QImage window = dressedWindow(pictures);
    caption(16, 6, "Main window, dressed with sample values");
    p.drawImage(16, 22, window);
    caption(672, 6, "moon_full.png x2");
    p.drawImage(672, 22, enlarged(find(pictures, "moon_full.png"), 2));

    // The two editors open: the time button over the clock strip, the year button.
    QImage editing = window.copy(0, 0, 640, 300);
    {
        QPainter e(&editing);
        e.drawImage(130, 41, find(pictures, "time_button.png"));
        const char* fields[] = {"21", "47", "09"};
        for (int i = 0; i < 3; ++i) label(e, 140 + 25 * i, 44, fields[i], Qt::black, 16, true);
        label(e, 158, 43, ":", Qt::black, 16, true);
        label(e, 183, 43, ":", Qt::black, 16, true);
        label(e, 187, 43, "|", Qt::black, 16, true);
        e.setFont(sansFont(19, true));
        const int mw = e.fontMetrics().horizontalAdvance("March");
        const int yw = e.fontMetrics().horizontalAdvance("2025");
        const int yl = 420 + (640 - 450 - mw - yw) / 2 + mw + 10;
        e.fillRect(QRect(yl - 1, 259, yw + 3, 24), QColor(200, 207, 220));
        e.drawImage(yl - 8, 257, find(pictures, "year_button.png"));
        label(e, yl, 260, "2025", Qt::black, 19, true);
    }
    caption(672, 352, "Editors open x1.5");
    p.drawImage(672, 368, editing.copy(100, 30, 210, 60).scaled(315, 90));
    p.drawImage(672, 470, editing.copy(420, 250, 210, 40).scaled(315, 60));

    caption(16, 512, "Title bar and clock strip x2");
    p.drawImage(16, 528, enlarged(window.copy(0, 0, 330, 72), 2));
    p.drawImage(16, 680, enlarged(window.copy(310, 0, 330, 72), 2));

    int x = 16, y = 836;
    const char* small[] = {
        "phase_new.png",  "phase_first_quarter.png", "phase_full.png", "phase_last_quarter.png",
        "phase_blue.png", "binoculars.png",          "telescope.png",  "eclipse.png",
        "curr_date.png",  "year_button.png"};
    for (const char* name : small) {
        const QImage big = enlarged(find(pictures, name), 4);
        if (x + big.width() > 980) {
            x = 16;
            y += 150;
        }
        caption(x, y, name);
        p.drawImage(x, y + 16, big);
        x += big.width() + 16;
    }
    y += 150;
    x = 16;
    for (const char* name : {"time_button.png", "moon_params.jpg", "sun_params.jpg"}) {
        const QImage big = enlarged(find(pictures, name), 3);
        caption(x, y, name);
        p.drawImage(x, y + 16, big);
        x += big.width() + 16;
    }
    y += 230;
    caption(16, y, "clock_bgnd.jpg");
    p.drawImage(16, y + 16, find(pictures, "clock_bgnd.jpg"));
    y += 50;
    x = 16;
    caption(x, y, "Crescendar.ico");
    for (const QImage& icon : icons) {
        QImage shown = icon.width() > 64
                           ? icon.scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                           : icon;
        p.drawImage(x, y + 16, shown);
        x += shown.width() + 12;
        if (icon.width() <= 48) {
            p.drawImage(x, y + 16, enlarged(icon, 3));
            x += icon.width() * 3 + 16;
        }
    }
    return sheet;
}

} // namespace artgen
