// Solar eclipses in crescendar-cli: the solar command's circumstances at a place, and the
// eclipses list of the Sun's eclipses or of both bodies.
#include "CliRun.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>

namespace {

const QStringList kDallas = {"--lat", "32.7767", "--lon", "-96.797", "--tz", "America/Chicago"};

class CliSolar : public ::testing::Test {
  protected:
    QTemporaryDir home;
    CliRun run(const QStringList& args) { return RunCli(args, home.path()); }
    QJsonObject json(const QStringList& args) {
        const CliRun r = run(QStringList(args) << "--json");
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return r.json();
    }
};

qint64 Seconds(const QJsonValue& iso) {
    return QDateTime::fromString(iso.toString(), Qt::ISODate).toSecsSinceEpoch();
}

// The total eclipse of 8 April 2024 at Dallas: the contacts of the published local
// circumstances within a minute, each also in civil time (CDT) at the same second.
TEST_F(CliSolar, DallasSeesTheTotalEclipseAtItsContacts) {
    const QJsonObject o = json(QStringList{"solar", "2024-04-08"} << kDallas);
    const QJsonObject e = o["SolarEclipse"].toObject();
    EXPECT_EQ(e["Kind"].toString(), "total");
    EXPECT_EQ(e["LocalKind"].toString(), "total");
    EXPECT_EQ(e["Visibility"].toString(), "Visible");
    EXPECT_EQ(o["ZoneName"].toString(), "America/Chicago");
    const std::pair<const char*, const char*> expected[] = {{"C1", "2024-04-08T17:23:18Z"},
                                                            {"C2", "2024-04-08T18:40:38Z"},
                                                            {"Max", "2024-04-08T18:42:37Z"},
                                                            {"C3", "2024-04-08T18:44:35Z"},
                                                            {"C4", "2024-04-08T20:02:37Z"}};
    const QJsonObject ut = e["Contacts"].toObject();
    const QJsonObject local = e["ContactsLocal"].toObject();
    for (const auto& [key, when] : expected) {
        EXPECT_LE(std::llabs(Seconds(ut[key]) - Seconds(QString(when))), 60) << key;
        EXPECT_TRUE(local[key].toString().endsWith("-05:00")) << key;
        EXPECT_EQ(Seconds(local[key]), Seconds(ut[key])) << key;
    }
    EXPECT_NEAR(e["CentralDurationSeconds"].toDouble(), 237, 15);
    EXPECT_DOUBLE_EQ(e["Obscuration"].toDouble(), 1.0);
    const QJsonObject altitude = e["SunAltitudeDegrees"].toObject();
    for (const char* key : {"C1", "Max", "C4"})
        EXPECT_TRUE(altitude[key].toDouble() > 50 && altitude[key].toDouble() < 70) << key;
    EXPECT_TRUE(e["SunriseDuring"].isNull());
}

// Where the penumbra misses the place, or the Sun is below the horizon throughout, every
// contact is null and nothing is seen; the text says so instead of listing contacts.
TEST_F(CliSolar, AnEclipseThePlaceDoesNotSee) {
    const QStringList berlin = {"--lat", "52.52", "--lon", "13.405", "--tz", "Europe/Berlin"};
    const struct {
        QStringList place;
        const char* date;
        const char* kind;
        const char* says;
    } cases[] = {{kDallas, "2024-10-02", "annular", "The Moon's shadow misses this place."},
                 {berlin, "2024-04-08", "total", "The Sun is below the horizon throughout."}};
    for (const auto& c : cases) {
        const QJsonObject e =
            json(QStringList{"solar", c.date} << c.place)["SolarEclipse"].toObject();
        EXPECT_EQ(e["Kind"].toString(), c.kind) << c.date;
        EXPECT_EQ(e["LocalKind"].toString(), "none") << c.date;
        EXPECT_EQ(e["Visibility"].toString(), "NotVisible") << c.date;
        for (const char* key : {"C1", "C2", "Max", "C3", "C4"}) {
            EXPECT_TRUE(e["Contacts"].toObject()[key].isNull()) << c.date << key;
            EXPECT_TRUE(e["ContactsLocal"].toObject()[key].isNull()) << c.date << key;
        }
        EXPECT_EQ(e["Obscuration"].toDouble(), 0.0) << c.date;
        EXPECT_EQ(e["GreatestUT"].toString(), e["Greatest"].toObject()["UT"].toString());
        const CliRun text = run(QStringList{"solar", c.date} << c.place);
        EXPECT_TRUE(text.out.contains(c.says)) << text.out.toStdString();
        EXPECT_FALSE(text.out.contains("Eclipse begins")) << c.date;
    }
}

// At a clock five hours ahead of UT the greatest eclipse of 8 April 2024 falls at 23:17 and
// the eclipse at the place ends after midnight: the date after finds it by its contacts.
TEST_F(CliSolar, ADateIsFoundByGreatestEclipseOrByTheContactsAtThePlace) {
    const QStringList ahead = {"--lat", "32.7767", "--lon", "-96.797", "--zone", "5", "--no-dst"};
    for (const char* date : {"2024-04-08", "2024-04-09"}) {
        const QJsonObject e = json(QStringList{"solar", date} << ahead)["SolarEclipse"].toObject();
        EXPECT_EQ(e["GreatestUT"].toString().left(13), "2024-04-08T18") << date;
    }
    EXPECT_EQ(run(QStringList{"solar", "2024-04-10"} << ahead).code, 2);
}

// The list of both bodies is the lunar list and the solar one merged in time order; each
// lunar entry is the default answer's with its Body.
TEST_F(CliSolar, BothIsTheLunarAndTheSolarListsInTimeOrder) {
    const QStringList years = QStringList{"eclipses", "2024", "2027"} << kDallas;
    const QJsonArray lunar = json(years)["Eclipses"].toArray();
    const QJsonArray solar = json(QStringList(years) << "--kind"
                                                     << "solar")["Eclipses"]
                                 .toArray();
    const QJsonArray both = json(QStringList(years) << "--kind"
                                                    << "both")["Eclipses"]
                                .toArray();
    ASSERT_EQ(solar.size(), 8);
    ASSERT_EQ(both.size(), lunar.size() + solar.size());
    qsizetype moons = 0;
    qint64 last = 0;
    for (const QJsonValue& v : both) {
        QJsonObject o = v.toObject();
        const bool moon = o["Body"].toString() == "Moon";
        EXPECT_TRUE(moon || o["Body"].toString() == "Sun");
        const qint64 at = Seconds((moon ? o["Maximum"] : o["Greatest"]).toObject()["UT"]);
        EXPECT_GE(at, last);
        last = at;
        if (!moon) continue;
        o.remove("Body");
        EXPECT_EQ(o, lunar[moons++].toObject());
    }
    EXPECT_EQ(moons, lunar.size());
    EXPECT_EQ(solar[0].toObject()["Kind"].toString(), "total");
    EXPECT_EQ(solar[0].toObject()["Body"].toString(), "Sun");
    // Without --kind, and with lunar, the same answer.
    EXPECT_EQ(run(years).out, run(QStringList(years) << "--kind"
                                                     << "lunar")
                                  .out);
}

} // namespace
