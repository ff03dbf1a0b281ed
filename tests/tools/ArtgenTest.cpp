// The artwork generator's drawing: the Moon's projection, the icon file, where the icons
// land and whether the window's texts will be readable on the skin.

#include "Drawing.h"
#include "IcoFile.h"
#include "Icons.h"
#include "MoonArt.h"
#include "PinnedFonts.h"
#include "Skin.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace artgen;

// A plain grey map with one bright meridian or parallel, 1 degree per pixel.
QImage gridMap(double brightLon, double brightLat) {
    QImage map(360, 180, QImage::Format_RGB32);
    map.fill(QColor(77, 77, 77));
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 360; ++x) {
            const double lon = x + 0.5 - 180, lat = 90 - (y + 0.5);
            if (std::abs(lon - brightLon) < 1.01 || std::abs(lat - brightLat) < 1.01)
                map.setPixel(x, y, qRgb(255, 255, 255));
        }
    return map;
}

QImage renderGrey(const MoonRenderer& moon, double radius) {
    const int size = int(2 * radius) + 20;
    QImage image = newImage({size, size});
    moon.paintDisk(image, {size / 2.0, size / 2.0}, radius, 3, [](double, double, double a) {
        const int v = int(std::lround(std::clamp(a, 0.0, 1.0) * 255));
        return QColor(v, v, v);
    });
    return image;
}

int brightestColumn(const QImage& image, int row, int from, int to) {
    int best = from;
    for (int x = from; x <= to; ++x)
        if (qGray(image.pixel(x, row)) > qGray(image.pixel(best, row))) best = x;
    return best;
}

TEST(MoonRenderer, LongitudeEastIsToTheRight) {
    const double r = 50;
    const QImage image = renderGrey(MoonRenderer(gridMap(30, 99)), r);
    const double c = image.width() / 2.0;
    // On the equator the meridian 30 E lies at u = sin 30; at 45 N at u = cos 45 sin 30.
    EXPECT_NEAR(brightestColumn(image, int(c), 0, image.width() - 1) + 0.5, c + r * 0.5, 1.0);
    const int row45 = int(c - r * std::sin(std::numbers::pi / 4));
    EXPECT_NEAR(brightestColumn(image, row45, 0, image.width() - 1) + 0.5,
                c + r * std::cos(std::numbers::pi / 4) * 0.5, 1.0);
}

TEST(MoonRenderer, NorthIsUp) {
    const double r = 50;
    const QImage image = renderGrey(MoonRenderer(gridMap(999, 40)), r);
    const int c = image.width() / 2;
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(c, y)) > qGray(image.pixel(c, best))) best = y;
    EXPECT_NEAR(best + 0.5, c - r * std::sin(40 * std::numbers::pi / 180), 1.0);
}

TEST(MoonRenderer, DiskCoversItsAreaAndNothingElse) {
    QImage map(64, 32, QImage::Format_RGB32);
    map.fill(Qt::white);
    const MoonRenderer moon(map);
    QImage image = newImage({40, 40});
    const QPointF centre(20, 20);
    const double r = 15;
    moon.paintDisk(image, centre, r, 4, [](double, double, double) { return QColor(Qt::white); });
    double covered = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const int v = qGray(image.pixel(x, y));
            covered += v / 255.0;
            const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            if (d > r + 0.75) {
                EXPECT_EQ(image.pixel(x, y) & 0xffffff, 0u) << x << "," << y;
            } else if (d < r - 0.75) {
                EXPECT_EQ(v, 255) << x << "," << y;
            }
        }
    EXPECT_NEAR(covered, std::numbers::pi * r * r, std::numbers::pi * r * r * 0.01);
}

TEST(IcoFile, RoundTripsEverySizeThroughTheIconReader) {
    QList<QImage> images;
    for (int size : {16, 32, 256}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(qRgba(20, 40, 200, 255));
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));                     // transparent corner
        image.setPixel(3, 2, qRgba(250, 10, 10, 255));               // near the top
        image.setPixel(size - 1, size - 1, qRgba(10, 240, 30, 255)); // the last pixel
        images.append(image);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("test.ico");
    ASSERT_TRUE(writeIcoFile(path, images));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 6 + 3 * 16);
    EXPECT_EQ(bytes.left(6), QByteArray("\0\0\1\0\3\0", 6));
    EXPECT_EQ(bytes[6 + 2 * 16], '\0'); // 256 is written as 0
    const quint32 pngAt = quint8(bytes[6 + 2 * 16 + 12]) | quint8(bytes[6 + 2 * 16 + 13]) << 8 |
                          quint8(bytes[6 + 2 * 16 + 14]) << 16;
    EXPECT_EQ(bytes.mid(pngAt, 4), QByteArray("\x89PNG"));

    QImageReader reader(path, "ico");
    ASSERT_EQ(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
        const int size = images[i].width();
        SCOPED_TRACE(size);
        ASSERT_EQ(back.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
        EXPECT_EQ(back.pixel(3, 2), qRgba(250, 10, 10, 255));
        EXPECT_EQ(back.pixel(size - 1, size - 1), qRgba(10, 240, 30, 255));
        EXPECT_EQ(back.pixel(size / 2, size / 2), qRgba(20, 40, 200, 255));
    }
}

TEST(TitleBar, EveryIconStaysInItsRegionAndFillsIt) {
    const QRect regions[] = {{18, 14, 21, 21},  {44, 13, 33, 24},  {76, 14, 17, 19},
                             {100, 14, 21, 19}, {128, 12, 23, 23}, {158, 14, 19, 19},
                             {446, 12, 21, 21}, {478, 14, 19, 19}, {510, 14, 23, 19},
                             {544, 12, 17, 21}, {592, 14, 15, 15}, {614, 14, 13, 15}};
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        paintTitleIcons(p);
    }
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            if (qAlpha(image.pixel(x, y)) < 40) continue;
            bool inside = false;
            for (const QRect& r : regions)
                inside = inside || r.adjusted(-1, -1, 1, 1).contains(x, y);
            ASSERT_TRUE(inside) << "icon ink outside every region at " << x << "," << y;
        }
    for (const QRect& r : regions) {
        int inked = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) inked += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(inked, r.width() * r.height() / 4) << "little to see at " << r.x();
    }
}

// Brightness range of a rectangle of the skin.
struct Range {
    int low = 255, high = 0;
};
Range range(const QImage& image, const QRect& r) {
    Range result;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const int v = qGray(image.pixel(x, y));
            result.low = std::min(result.low, v);
            result.high = std::max(result.high, v);
        }
    return result;
}

class Skin : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        clock_ = new QImage(clockStrip());
        skin_ = new QImage(mainSkin(skinBase(), *clock_, moonParamsTexture(), sunParamsTexture()));
    }
    static void TearDownTestSuite() {
        delete skin_;
        delete clock_;
    }
    static QImage* skin_;
    static QImage* clock_;
};
QImage* Skin::skin_ = nullptr;
QImage* Skin::clock_ = nullptr;

TEST_F(Skin, BlackBoldCaptionsSitOnLightGrey) {
    // Rise/set and twilight captions, the Moon's titles, the Start and End headings.
    for (const QRect& r : {QRect(32, 300, 56, 44), QRect(150, 300, 56, 44), QRect(32, 404, 86, 44),
                           QRect(130, 390, 30, 12), QRect(212, 390, 24, 12)})
        EXPECT_GE(range(*skin_, r).low, 130) << r.x() << "," << r.y();
}

TEST_F(Skin, PaleYellowValuesSitOnDark) {
    for (const QRect& r : {QRect(94, 300, 40, 44), QRect(212, 300, 48, 44), QRect(130, 406, 48, 44),
                           QRect(212, 406, 48, 44)})
        EXPECT_LE(range(*skin_, r).high, 70) << r.x() << "," << r.y();
    for (const QImage& texture : {moonParamsTexture(), sunParamsTexture()})
        EXPECT_LE(range(texture, texture.rect()).high, 110);
}

TEST_F(Skin, WhiteAndAquaTextsSitOnDark) {
    EXPECT_LE(range(*skin_, QRect(284, 284, 30, 60)).high, 90);  // Moon box captions
    EXPECT_LE(range(*skin_, QRect(284, 390, 30, 60)).high, 90);  // Sun box captions
    EXPECT_LE(range(*skin_, QRect(420, 291, 203, 16)).high, 80); // weekday titles
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            EXPECT_LE(range(*skin_, QRect(420 + 29 * c, 316 + 25 * r, 20, 16)).high, 60);
}

TEST_F(Skin, EngravedMonthAndNavyClockTextReadWell) {
    // The month in grey 60 with its shadow in grey 210 needs a surface between the two.
    const Range month = range(*skin_, QRect(420, 258, 200, 23));
    EXPECT_GE(month.low, 120);
    EXPECT_LE(month.high, 215);
    // Navy text at y 4 of the strip, centred on 20-402 and on 420-620.
    EXPECT_GE(range(*clock_, QRect(20, 3, 382, 18)).low, 190);
    EXPECT_GE(range(*clock_, QRect(420, 3, 200, 18)).low, 190);
}

TEST_F(Skin, PanelsAreExactlyBlackBeforeCompression) {
    EXPECT_EQ(range(*skin_, QRect(26, 80, 156, 156)).high, 0);
    EXPECT_EQ(range(*skin_, QRect(186, 76, 218, 164)).high, 0);
    EXPECT_EQ(range(*skin_, QRect(420, 76, 202, 164)).high, 0);
}

TEST(TimeButton, NowButtonCoversItsClickArea) {
    const QImage button = timeButton();
    auto blue = [&](int x, int y) {
        const QRgb c = button.pixel(x, y);
        return qBlue(c) - qRed(c);
    };
    for (int y : {8, 12, 15}) {
        EXPECT_GT(blue(88, y), 80) << y;
        EXPECT_GT(blue(125, y), 80) << y;
        EXPECT_LT(blue(85, y), 50) << y;
        EXPECT_LT(blue(128, y), 50) << y;
    }
    EXPECT_LT(blue(106, 2), 50);
    EXPECT_LT(blue(106, 21), 50);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    crescendar::UsePinnedFonts();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
