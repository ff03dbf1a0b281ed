// Where a caption is laid out: in its room while it fits; wider, centred and grown into the
// free space around it, never cut and never smaller.
#include "Caption.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace crescendar {
namespace {

TEST(CaptionTest, AWideTextGrowsIntoTheSpaceAroundItsRoom) {
    const QFont font = SkinSansFont(12, true);
    const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Wwwwwwwwww"));
    const QRect room(100, 10, 40, 20);
    struct Case {
        const char* name;
        QString text;
        QRect space;
        QRect expected;
    };
    const Case cases[] = {
        {"fits: its room", QStringLiteral("W"), QRect(0, 10, 400, 20), room},
        {"no space: centred on the room",
         QStringLiteral("Wwwwwwwwww"),
         QRect(),
         {0, 10, width, 20}},
        {"space to the right only: kept inside it",
         QStringLiteral("Wwwwwwwwww"),
         QRect(100, 10, 300, 20),
         {100, 10, width, 20}},
        {"space to the left only: kept inside it",
         QStringLiteral("Wwwwwwwwww"),
         QRect(0, 10, 140, 20),
         {140 - width, 10, width, 20}},
        {"wider than its space: centred on the space",
         QStringLiteral("Wwwwwwwwww"),
         QRect(90, 10, 60, 20),
         {90 - (width - 60) / 2, 10, width, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Caption caption = ShadowedCaption(c.text, room, font, Qt::white, Qt::black);
        caption.Space = c.space;
        const QRect rect = CaptionRect(caption);
        EXPECT_EQ(rect.width(), c.expected.width());
        if (c.space.isEmpty())
            EXPECT_NEAR(rect.center().x(), room.center().x(), 1);
        else
            EXPECT_EQ(rect.left(), c.expected.left());
        EXPECT_EQ(CaptionFits(caption), c.text.size() == 1 || rect.width() <= c.space.width());
    }
}

// A text wider than its room is painted whole, at its size: ink beyond both ends of the room.
TEST(CaptionTest, AWideTextIsPaintedWhole) {
    QImage image(300, 30, QImage::Format_ARGB32);
    image.fill(Qt::black);
    Caption caption = PlainCaption(QStringLiteral("MMMMMMMMMM"), QRect(130, 5, 40, 20),
                                   SkinSansFont(12, true), Qt::white);
    {
        QPainter p(&image);
        PaintCaption(p, caption);
    }
    const auto inkIn = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qRed(image.pixel(x, y)) > 128) return true;
        return false;
    };
    EXPECT_TRUE(inkIn(0, 125));
    EXPECT_TRUE(inkIn(175, 300));
}

} // namespace
} // namespace crescendar
