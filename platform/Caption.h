// The texts of the skins: titles and captions drawn over the pictures at run time (so that
// they can be translated), in the looks the artwork is designed with. The build-time artwork
// generator draws its own few texts with the same fonts and painters.
//
// A caption has a room: the rectangle the design gives it. A text wider than its room is
// centred on it and grows into the free space around it (Space), never cut and never drawn
// smaller than the design's size; a text wider than that space too is centred on the space
// and runs over its edges, where a test can find it (CaptionFits).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>

class QPainter;

namespace crescendar {

// The faces of the artwork: Liberation Sans (fully hinted) and Liberation Serif, at a size in
// pixels; Arial and Times New Roman where they are missing.
QFont SkinSansFont(double pixelSize, bool bold = false);
QFont SkinSerifFont(double pixelSize, bool bold = false, bool italic = false);

struct Caption {
    enum class Look {
        Plain,    // the text in its ink
        Shadowed, // the text over a copy of itself in the shadow colour, moved by ShadowOffset
        Gilded,   // a gold gradient from FillTop to FillBottom over a soft black shadow, the
                  // outline of the text centred on its room's centre moved by Nudge
        Ruled,    // shadowed, over a group of columns: centred on Space, over a fine rule in
                  // the ink across Space with short ticks down at its ends, broken for the text
    };
    QString Text;
    QRect Room;
    // Where a text wider than its room may grow (empty: nowhere beyond the room).
    QRect Space;
    QFont Font;
    Look Kind = Look::Shadowed;
    QColor Ink = Qt::white;
    QColor Shadow = QColor(0, 0, 0, 200);
    QPointF ShadowOffset{1, 1};
    Qt::Alignment Align = Qt::AlignCenter;
    double FillTop = 0;
    double FillBottom = 0;
    QPointF Nudge{0.5, 1.0};
};

// A text over its shadow (Look::Shadowed), aligned in its room.
Caption ShadowedCaption(const QString& text, const QRect& room, const QFont& font,
                        const QColor& ink, const QColor& shadow,
                        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A plain text in its ink, aligned in its room.
Caption PlainCaption(const QString& text, const QRect& room, const QFont& font, const QColor& ink,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A window's title: gilded bold italic serif (a little spaced), its gold running from
// fillInset below the room's top to its bottom.
Caption GildedTitle(const QString& text, const QRect& room, double pixelSize,
                    QPointF shadowOffset = {1.1, 1.3}, int fillInset = 2);

// A caption over the columns from x left to right at top (Look::Ruled): a bold sans of 11
// pixels over a black shadow; the text's room leaves 8 pixels of rule at either end.
Caption RuledCaption(const QString& text, int left, int right, int top, const QColor& ink);
// The title of a report window: a gilded title of 18 pixels with a deeper shadow, that may
// grow into space.
Caption ReportTitle(const QString& text, const QRect& room, const QRect& space);

// The width the caption's text takes, in pixels.
int CaptionWidth(const Caption& caption);
// Whether the text fits its room, or the free space around it where it has one.
bool CaptionFits(const Caption& caption);
// The rectangle the text is laid out in: the room, or, for a text wider than it, a rectangle
// as wide as the text, centred on the room and kept inside the space where it can be.
QRect CaptionRect(const Caption& caption);

void PaintCaption(QPainter& p, const Caption& caption);
// A copy of a picture with captions painted on it (rooms in the picture's pixels), at the
// picture's device pixel ratio.
QImage WithCaptions(const QImage& picture, const QList<Caption>& captions);

// Text over its shadow, aligned in rect by flags.
void PaintShadowedText(QPainter& p, const QRect& rect, int flags, const QString& text,
                       const QColor& ink, const QColor& shadow, QPointF shadowOffset = {1, 1});
// The outline of a text filled with the gold gradient from y fillTop to fillBottom over a dark
// shadow, centred on centre.
void PaintGildedText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                     QPointF shadowOffset, double fillTop, double fillBottom);

} // namespace crescendar
