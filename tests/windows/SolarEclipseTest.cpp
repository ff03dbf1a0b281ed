// The solar eclipse window, driven offscreen beside a real main window: its texts for a total,
// a partial and an unseen eclipse, its picture's pixels, and how it follows the month.
#include "GoldenPictures.h"
#include "MainFixture.h"

#include "fSolarEclipseWindow.h"

#include "EventText.h"

#include <cmath>

namespace crescendar {
namespace {

// A place by degrees (north and east positive) in a zone of the tz database.
SettingValues Place(double latitude, double longitude, const char* zone) {
    auto part = [](double degrees, int which) {
        const long seconds = std::lround(std::abs(degrees) * 3600.0);
        const long v = which == 0 ? seconds / 3600 : which == 1 ? seconds / 60 % 60 : seconds % 60;
        return std::to_string(v);
    };
    return {{"LatDeg", part(latitude, 0)},   {"LatMin", part(latitude, 1)},
            {"LatSec", part(latitude, 2)},   {"LatDir", latitude >= 0 ? "North" : "South"},
            {"LongDeg", part(longitude, 0)}, {"LongMin", part(longitude, 1)},
            {"LongSec", part(longitude, 2)}, {"LongDir", longitude >= 0 ? "East" : "West"},
            {"ZoneName", zone}};
}

const SettingValues kDallas = Place(32.7767, -96.7970, "America/Chicago");
const SettingValues kBerlin = Place(52.52, 13.405, "Europe/Berlin");

bool Dark(QRgb c) {
    return qGray(c) < 40;
}
bool Bright(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 120;
}

class SolarEclipseWindowTest : public MainFixture {
  protected:
    void TearDown() override {
        delete sun;
        MainFixture::TearDown();
    }
    TSolarEclipseWindow* Open(const QDateTime& at, const SettingValues& place) {
        Start(at, place);
        sun = SkinWindow::Create<TSolarEclipseWindow>(w->Session(), w, w->imgEclipse);
        sun->ShowMonthEclipses();
        return sun;
    }
    QStringList Captions() const {
        QStringList out;
        for (const auto& l : sun->Lines()) out << l.Caption;
        return out;
    }
    // The canvas pixel at a window point, at any screen scale.
    QRgb Pixel(QPointF p) const {
        const QImage& canvas = sun->CanvasImage();
        return canvas.pixel((p * canvas.devicePixelRatio()).toPoint());
    }

    TSolarEclipseWindow* sun = nullptr;
};

TEST(SolarEclipseTexts, RoundWithoutSixtySecondsOrFalseWholes) {
    struct Case {
        double Value;
        std::string Obscuration, Duration, Altitude;
    };
    const Case cases[] = {
        {0.9996, "99%", "1 min 0 s", "1\u00b0"}, // a sliver of Sun left is not 100%
        {0.004, "1%", "0 min 0 s", "0\u00b0"},
        {1.0, "100%", "1 min 0 s", "1\u00b0"},
        {-0.4, "0%", "", "0\u00b0"}, // no negative zero
        {std::nan(""), "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ObscurationText(c.Value), c.Obscuration) << c.Value;
        EXPECT_EQ(SunAltitudeText(c.Value), c.Altitude) << c.Value;
        EXPECT_EQ(DurationText(c.Value * 60.0), c.Duration) << c.Value;
    }
    EXPECT_EQ(DurationText(59.6), "1 min 0 s");
    EXPECT_EQ(DurationText(268.4), "4 min 28 s");
}

TEST_F(SolarEclipseWindowTest, TotalEclipseAtDallasListsTheContactsAndCoversTheSun) {
    Open(QDateTime(QDate(2024, 4, 8), QTime(12, 0)), kDallas);
    ASSERT_TRUE(sun->isVisible());
    ASSERT_EQ(sun->Eclipses().size(), 1u);
    EXPECT_EQ(sun->lblEclipseType->Text(), "Total Solar Eclipse (Visible)");
    EXPECT_EQ(sun->lblDate->Text(), "08 April 2024");
    EXPECT_FALSE(sun->lblWorldwide->isVisible()); // total here and worldwide
    EXPECT_EQ(Captions(), QStringList({"Eclipse begins:", "Totality begins:", "Maximum:",
                                       "Totality ends:", "Eclipse ends:", "Magnitude:",
                                       "Obscuration:", "Totality lasts:"}));
    const auto& lines = sun->Lines();
    // Civil times (CDT) of C1 17:23:18, C2 18:40:38, C4 20:02:37 UT, within a minute.
    const std::pair<std::size_t, int> contacts[] = {{0, 12 * 60 + 23}, {1, 13 * 60 + 40}, {4, 15 * 60 + 2}};
    for (const auto& [index, minute] : contacts) {
        const QTime t = QTime::fromString(lines[index].Value, "hh:mm");
        ASSERT_TRUE(t.isValid()) << lines[index].Value.toStdString();
        EXPECT_NEAR(t.hour() * 60 + t.minute(), minute, 1) << index;
        EXPECT_FALSE(lines[index].Dim);
        EXPECT_TRUE(lines[index].Altitude.endsWith(QChar(0xb0)));
    }
    EXPECT_EQ(lines[6].Value, "100%");
    EXPECT_TRUE(lines[7].Value.startsWith("3 min") || lines[7].Value.startsWith("4 min"));

    // The Moon covers the Sun's centre; the corona shines round it.
    EXPECT_TRUE(Dark(Pixel(sun->SunCentre())));
    EXPECT_GE(sun->MoonRadius(), sun->SunRadius());
    const QPointF beside = sun->SunCentre() + QPointF(sun->SunRadius() * 1.2, 0);
    EXPECT_GT(qGray(Pixel(beside)), 60);
    ExpectGoldenPicture(sun->grab().toImage(), "solar_eclipse_dallas.png");
}

TEST_F(SolarEclipseWindowTest, PartialEclipseAtBerlinShowsTheUncoveredSunBright) {
    Open(QDateTime(QDate(2022, 10, 25), QTime(12, 0)), kBerlin);
    ASSERT_EQ(sun->Eclipses().size(), 1u);
    EXPECT_EQ(sun->lblEclipseType->Text(), "Partial Solar Eclipse (Visible)");
    EXPECT_FALSE(sun->lblWorldwide->isVisible()); // a partial eclipse everywhere
    EXPECT_EQ(Captions(), QStringList({"Eclipse begins:", "Maximum:", "Eclipse ends:",
                                       "Magnitude:", "Obscuration:"}));
    EXPECT_EQ(sun->Lines()[4].Value, "32%");
    // Towards the Moon the Sun is dark, away from it bright.
    const QPointF c = sun->SunCentre();
    const QPointF towards = sun->MoonCentre() - c;
    const double r = sun->SunRadius();
    const QPointF unit = towards / std::hypot(towards.x(), towards.y());
    EXPECT_TRUE(Dark(Pixel(c + unit * r * 0.9)));
    EXPECT_TRUE(Bright(Pixel(c - unit * r * 0.6)));
    EXPECT_TRUE(Bright(Pixel(c)));
    SavePicture(sun->grab().toImage(), QStringLiteral("solar_eclipse_berlin.png"));
}

TEST_F(SolarEclipseWindowTest, UnseenEclipsesSaySoAndALesserKindNamesTheWorldwideOne) {
    // At Berlin the eclipse of 8 April 2024 passes after sunset: no contacts are told, as
    // they would be the shadow's passage below the horizon, only the eclipse worldwide.
    Open(QDateTime(QDate(2024, 4, 8), QTime(12, 0)), kBerlin);
    ASSERT_TRUE(sun->isVisible());
    EXPECT_EQ(sun->lblEclipseType->Text(), "Total Solar Eclipse (Not Visible)");
    EXPECT_EQ(Captions(), QStringList({"The Sun is below the horizon throughout.",
                                       "Greatest eclipse:", "Greatest magnitude:"}));
    EXPECT_EQ(sun->MoonRadius(), 0.0);
    SavePicture(sun->grab().toImage(), QStringLiteral("solar_eclipse_below_horizon.png"));

    // The annular eclipse of 2 October 2024 misses it altogether.
    w->ShowSelectedMonth(MakeDate(2024, 10, 1));
    EXPECT_EQ(sun->lblEclipseType->Text(), "Annular Solar Eclipse (Not Visible)");
    EXPECT_EQ(Captions(), QStringList({"The Moon's shadow misses this place.",
                                       "Greatest eclipse:", "Greatest magnitude:"}));
    EXPECT_EQ(sun->MoonRadius(), 0.0);
    SavePicture(sun->grab().toImage(), QStringLiteral("solar_eclipse_not_visible.png"));

    // New York saw April's eclipse partial: the worldwide kind is named.
    ChangeSettings([](TSettings& s) {
        s.LatDeg = "40";
        s.LatMin = "42";
        s.LongDeg = "74";
        s.LongMin = "0";
        s.LongDir = TEastWest::West;
        s.ZoneName = "America/New_York";
    });
    w->ShowSelectedMonth(MakeDate(2024, 4, 1));
    ASSERT_TRUE(sun->isVisible());
    EXPECT_EQ(sun->lblEclipseType->Text(), "Partial Solar Eclipse (Visible)");
    EXPECT_TRUE(sun->lblWorldwide->isVisible());
    EXPECT_EQ(sun->lblWorldwide->Text(), "Worldwide: Total Solar Eclipse");
}

TEST_F(SolarEclipseWindowTest, EclipseRisingWithTheSunListsSunriseAmongTheContacts) {
    Open(QDateTime(QDate(2025, 3, 29), QTime(12, 0)),
         Place(40.7128, -74.006, "America/New_York"));
    EXPECT_EQ(sun->lblEclipseType->Text(), "Partial Solar Eclipse (Partially Visible)");
    const QStringList captions = Captions();
    const auto sunrise = captions.indexOf("Sunrise:");
    ASSERT_GT(sunrise, 0); // after the first contact, made before it
    EXPECT_TRUE(sun->Lines()[0].Dim);
    EXPECT_FALSE(sun->Lines()[static_cast<std::size_t>(sunrise) + 1].Dim);
    EXPECT_TRUE(captions.contains("Grey: the Sun is below the horizon."));
    SavePicture(sun->grab().toImage(), QStringLiteral("solar_eclipse_sunrise.png"));
}

TEST_F(SolarEclipseWindowTest, FollowsTheMonthClosesWithoutOneAndShowsTheDateOnReturn) {
    Open(QDateTime(QDate(2024, 4, 8), QTime(12, 0)), kDallas);
    // October 2024 has the annular eclipse, May none; closed, the window stays closed.
    w->ShowSelectedMonth(MakeDate(2024, 10, 1));
    ASSERT_TRUE(sun->isVisible());
    EXPECT_TRUE(sun->lblEclipseType->Text().startsWith("Annular Solar Eclipse"));
    w->ShowSelectedMonth(MakeDate(2024, 5, 1));
    EXPECT_FALSE(sun->isVisible());
    w->ShowSelectedMonth(MakeDate(2024, 4, 1));
    EXPECT_FALSE(sun->isVisible());
    sun->ShowEclipses({}); // nothing to show: stays closed
    EXPECT_FALSE(sun->isVisible());

    sun->ShowMonthEclipses();
    w->ShowSelectedMonth(MakeDate(2024, 4, 20));
    QTest::keyClick(sun, Qt::Key_Return);
    EXPECT_EQ(w->SelectedDateTime().Day, 8);
    QTest::keyClick(sun, Qt::Key_Escape);
    EXPECT_FALSE(sun->isVisible());
}

TEST_F(SolarEclipseWindowTest, MonthWithTwoEclipsesShowsEitherByKey) {
    // July 2000 has two partial solar eclipses (1 and 31 July).
    Open(QDateTime(QDate(2000, 7, 10), QTime(12, 0)), kBerlin);
    ASSERT_EQ(sun->Eclipses().size(), 2u);
    ASSERT_TRUE(sun->lblOther->isVisible());
    EXPECT_TRUE(sun->lblOther->Text().startsWith("1 of 2"));
    const QString first = sun->lblDate->Text();
    QTest::keyClick(sun, Qt::Key_N);
    EXPECT_TRUE(sun->lblOther->Text().startsWith("2 of 2"));
    EXPECT_NE(sun->lblDate->Text(), first);
    Click(sun->lblOther);
    EXPECT_EQ(sun->lblDate->Text(), first);
}

} // namespace
} // namespace crescendar
