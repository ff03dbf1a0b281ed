// The main window's generated pictures: present, at their sizes, and drawn where the window
// expects them.

#include "Resources.h"
#include "PinnedFonts.h"

#include <QColor>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

QImage load(const char* name) {
    QImageReader reader(QString(":/main/") + name);
    return reader.read();
}

int luminance(QRgb c) {
    return qGray(c);
}

// Mean brightness over the disk pixels of the Moon photograph that satisfy a predicate.
template <typename Pred> double meanOnDisk(const QImage& moon, Pred pred) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < moon.height(); ++y)
        for (int x = 0; x < moon.width(); ++x) {
            const double dx = x + 0.5 - 78.5, dy = y + 0.5 - 79.0;
            if (dx * dx + dy * dy > 70.0 * 70.0 || !pred(dx, dy)) continue;
            sum += luminance(moon.pixel(x, y));
            ++n;
        }
    return n ? sum / n : 0;
}

TEST(Resources, LinkingAloneRegistersThePictures) {
    EXPECT_TRUE(QFile::exists(":/main/bgnd.jpg"));
}

TEST(Resources, EveryPictureExistsAtItsSize) {
    InitCrescendarResources();
    InitCrescendarResources(); // a second call changes nothing
    const struct {
        const char* name;
        QSize size;
        const char* format;
    } expected[] = {
        {"bgnd.jpg", {640, 480}, "jpeg"},
        {"clock_bgnd.jpg", {640, 24}, "jpeg"},
        {"moon_params.jpg", {85, 67}, "jpeg"},
        {"sun_params.jpg", {84, 67}, "jpeg"},
        {"moon_full.png", {156, 156}, "png"},
        {"phase_new.png", {30, 30}, "png"},
        {"phase_first_quarter.png", {30, 30}, "png"},
        {"phase_full.png", {30, 30}, "png"},
        {"phase_last_quarter.png", {30, 30}, "png"},
        {"phase_blue.png", {30, 30}, "png"},
        {"binoculars.png", {33, 24}, "png"},
        {"telescope.png", {33, 24}, "png"},
        {"eclipse.png", {29, 25}, "png"},
        {"year_button.png", {60, 29}, "png"},
        {"time_button.png", {146, 31}, "png"},
        {"curr_date.png", {25, 23}, "png"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        QImageReader reader(QString(":/main/") + e.name);
        EXPECT_EQ(reader.format(), QByteArray(e.format));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), e.size);
        EXPECT_FALSE(image.hasAlphaChannel());
    }
}

TEST(Resources, MoonPhotoDiskFillsItsCircleOnPureBlack) {
    const QImage moon = load("moon_full.png");
    ASSERT_EQ(moon.size(), QSize(156, 156));
    int left = 156, right = -1, top = 156, bottom = -1;
    for (int y = 0; y < 156; ++y)
        for (int x = 0; x < 156; ++x) {
            const QRgb c = moon.pixel(x, y);
            const double dx = x + 0.5 - 78.5, dy = y + 0.5 - 79.0;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r > 76.5) {
                ASSERT_EQ(c & 0xffffff, 0u) << "not black at " << x << "," << y;
            } else if (r < 73) {
                ASSERT_GT(luminance(c), 20) << "dark inside the disk at " << x << "," << y;
            }
            if ((c & 0xffffff) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    EXPECT_EQ(left, 3);
    EXPECT_EQ(right, 153);
    EXPECT_EQ(top, 3);
    EXPECT_EQ(bottom, 154);
    EXPECT_EQ((left + right) / 2, 78);
}

// True when the photograph shows the near side as a northern observer sees it with the eye.
bool uprightForTheNorth(const QImage& moon) {
    // Most of the maria lie in the northern half of the near side.
    const double north = meanOnDisk(moon, [](double, double dy) { return dy < 0; });
    const double south = meanOnDisk(moon, [](double, double dy) { return dy > 0; });
    // Mare Crisium (17 N, 59 E) is a dark oval near the right limb, ringed by highlands; at
    // its mirror image on the left limb lies no such ringed mare.
    const double cx =
        78.5 + std::cos(17 * std::numbers::pi / 180) * std::sin(59 * std::numbers::pi / 180) * 75.5;
    const double cy = 79.0 - std::sin(17 * std::numbers::pi / 180) * 75.5;
    auto ringContrast = [&](double px, double py) {
        auto mean = [&](double r0, double r1) {
            return meanOnDisk(moon, [&](double dx, double dy) {
                const double ex = dx + 78.5 - px, ey = dy + 79.0 - py;
                const double r = std::sqrt(ex * ex + ey * ey);
                return r >= r0 && r < r1;
            });
        };
        return mean(9, 13) - mean(0, 4);
    };
    const double crisium = ringContrast(cx, cy);
    return north + 10 < south && crisium > 25 && ringContrast(157 - cx, cy) + 15 < crisium;
}

TEST(Resources, MoonPhotoIsUprightForTheNorth) {
    const QImage moon = load("moon_full.png");
    EXPECT_TRUE(uprightForTheNorth(moon));
    // The measure tells the wrong ways round apart.
    EXPECT_FALSE(uprightForTheNorth(moon.mirrored(true, false)));
    EXPECT_FALSE(uprightForTheNorth(moon.mirrored(false, true)));
    EXPECT_FALSE(uprightForTheNorth(moon.mirrored(true, true)));
}

TEST(Resources, PhasePicturesAreLitOnTheirSides) {
    auto half = [](const QImage& image, bool right) {
        double sum = 0;
        for (int y = 4; y < 26; ++y)
            for (int x = right ? 16 : 4; x < (right ? 26 : 14); ++x)
                sum += qGray(image.pixel(x, y));
        return sum / (22 * 10);
    };
    const QImage first = load("phase_first_quarter.png");
    const QImage last = load("phase_last_quarter.png");
    const QImage full = load("phase_full.png");
    const QImage dark = load("phase_new.png");
    const QImage blue = load("phase_blue.png");
    EXPECT_GT(half(first, true), half(first, false) + 60);
    EXPECT_GT(half(last, false), half(last, true) + 60);
    EXPECT_GT(half(full, false), 100);
    EXPECT_GT(half(full, true), 100);
    EXPECT_LT(half(dark, false), 50);
    EXPECT_LT(half(dark, true), 50);
    EXPECT_GT(qGray(dark.pixel(15, 15)), 0); // a dark disk, not nothing
    const QRgb b = blue.pixel(15, 15);
    EXPECT_GT(qBlue(b), qRed(b) + 40);
    EXPECT_EQ(first.pixel(0, 0) & 0xffffff, 0u);
}

TEST(Resources, SkinKeepsThePanelsBlackWhereTheWindowDraws) {
    const QImage skin = load("bgnd.jpg");
    ASSERT_EQ(skin.size(), QSize(640, 480));
    // The Moon photograph at (26, 80)-(181, 235), the values at x 249-400 and the phase list
    // at 426-600 are drawn on black, text with an opaque black background.
    for (const QRect& r :
         {QRect(26, 80, 156, 156), QRect(188, 78, 215, 158), QRect(422, 76, 198, 162)}) {
        for (int y = r.top(); y <= r.bottom(); y += 2)
            for (int x = r.left(); x <= r.right(); x += 2)
                ASSERT_LE(qGray(skin.pixel(x, y)), 6) << x << "," << y;
    }
    // The title bar and the grey boxes are not black.
    EXPECT_GT(qGray(skin.pixel(240, 20)), 15);
    EXPECT_GT(qGray(skin.pixel(40, 320)), 120); // Rise/Set Times body, black bold captions
    EXPECT_GT(qGray(skin.pixel(40, 430)), 120); // Twilight body
    EXPECT_LT(qGray(skin.pixel(100, 320)), 60); // the well of pale-yellow values
}

TEST(Resources, TimeButtonHasItsNowButton) {
    const QImage button = load("time_button.png");
    const QRgb now = button.pixel(90, 14);
    const QRgb field = button.pixel(20, 20);
    EXPECT_GT(qBlue(now), qRed(now) + 60);
    EXPECT_GT(qGray(field), 200); // black digits go on a light field
}

TEST(Resources, IconFileHoldsEverySize) {
    QImageReader reader(QStringLiteral(CRESCENDAR_ICON_PATH), "ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // rounded corners
        sizes.append(image.width());
    }
    EXPECT_EQ(sizes, (QList<int>{16, 24, 32, 48, 256}));
}

// "dir/name@2x.ext" for "dir/name.ext".
QString twiceSizeName(const QString& path) {
    const QFileInfo info(path);
    return info.path() + "/" + info.completeBaseName() + "@2x." + info.suffix();
}

// Mean absolute difference per channel between two images of one size.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(Resources, EveryPictureHasATwiceSizeVariantShowingTheSame) {
    int pictures = 0;
    QDirIterator it(":/", QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!QFileInfo(path).isFile() || path.contains("@2x") ||
            !(path.endsWith(".png") || path.endsWith(".jpg")))
            continue;
        SCOPED_TRACE(path.toStdString());
        ++pictures;
        QImageReader small(path), large(twiceSizeName(path));
        ASSERT_TRUE(large.canRead()) << "no " << twiceSizeName(path).toStdString();
        EXPECT_EQ(large.format(), small.format());
        const QImage one = small.read(), two = large.read();
        ASSERT_EQ(two.size(), one.size() * 2);
        EXPECT_EQ(two.hasAlphaChannel(), one.hasAlphaChannel());
        // Drawn in the same places: brought down to 1x it is the same picture but for
        // edges and noise (a shift by one pixel or a misplaced part shows well above this).
        const QImage down = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(down, one), 6.0);
    }
    EXPECT_GE(pictures, 45);
}

TEST(Resources, TwiceSizeMoonIsRenderedFromTheMapNotEnlarged) {
    const QImage one = load("moon_full.png");
    const QImage two = load("moon_full@2x.png");
    ASSERT_EQ(two.size(), QSize(312, 312));
    // The same circle as at 1x (centre (78.5, 79), radius 75.5) at twice the scale: its edge
    // runs along pixel borders at the top and bottom, so it fills columns 6-307 and rows
    // 7-308.
    int left = 312, right = -1, top = 312, bottom = -1;
    for (int y = 0; y < 312; ++y)
        for (int x = 0; x < 312; ++x)
            if ((two.pixel(x, y) & 0xffffff) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 6);
    EXPECT_EQ(right, 307);
    EXPECT_EQ(top, 7);
    EXPECT_EQ(bottom, 308);
    // Detail that the 1x photograph does not hold: away from the limb, the 2x picture differs
    // from the 1x one enlarged smoothly, and few of its 2 x 2 blocks are flat.
    const QImage enlarged = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    int n = 0, flat = 0;
    for (int y = 40; y < 270; y += 2)
        for (int x = 40; x < 270; x += 2) {
            const double dx = x + 1 - 157.0, dy = y + 1 - 158.0;
            if (dx * dx + dy * dy > 130.0 * 130.0) continue;
            difference += std::abs(qGray(two.pixel(x, y)) - qGray(enlarged.pixel(x, y)));
            const QRgb c = two.pixel(x, y);
            flat += two.pixel(x + 1, y) == c && two.pixel(x, y + 1) == c &&
                    two.pixel(x + 1, y + 1) == c;
            ++n;
        }
    EXPECT_GT(difference / n, 2.0);
    EXPECT_LT(double(flat) / n, 0.05);
}

TEST(Resources, IconThemeSizesAreWrittenWithTransparentCorners) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString path = QStringLiteral(CRESCENDAR_ICON_DIR "/%1x%1/crescendar.png").arg(size);
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

} // namespace

int main(int argc, char** argv) {
    crescendar::UsePinnedFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
