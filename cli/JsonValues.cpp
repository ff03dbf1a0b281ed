#include "JsonValues.h"

#include <QDate>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace crescendar::cli {

namespace {

// Whole seconds since 1970-01-01 0h UT, rounded (half a second up).
std::int64_t UnixSeconds(UniversalTime t) {
    return static_cast<std::int64_t>(std::floor((t.JD - kUnixEpochJD) * 86400.0 + 0.5));
}

// A count of seconds since 1970-01-01 0h as "YYYY-MM-DDThh:mm:ss" on the proleptic Gregorian
// calendar, with the astronomical year 0 of ISO 8601 (QDate counts 1 BC as year -1).
QString CivilText(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const QDate date = QDate::fromJulianDay(days + 2440588); // the day number of 1970-01-01
    const std::int64_t year = date.year() < 0 ? date.year() + 1 : date.year();
    const int month = date.month();
    const int day = date.day();
    const QChar zero('0');
    const QString yearText =
        year >= 0 && year <= 9999
            ? QString("%1").arg(year, 4, 10, zero)
            : QString(year < 0 ? "-" : "+") + QString("%1").arg(std::llabs(year), 5, 10, zero);
    return QString("%1-%2-%3T%4:%5:%6")
        .arg(yearText)
        .arg(month, 2, 10, zero)
        .arg(day, 2, 10, zero)
        .arg(rest / 3600, 2, 10, zero)
        .arg(rest / 60 % 60, 2, 10, zero)
        .arg(rest % 60, 2, 10, zero);
}

bool Finite(UniversalTime t) {
    return std::isfinite(t.JD) && std::fabs(t.JD) < 1e9;
}

} // namespace

QString IsoUniversal(UniversalTime t) {
    if (!Finite(t)) return {};
    return CivilText(UnixSeconds(t)) + 'Z';
}

QString IsoLocal(UniversalTime t, double offsetMinutes) {
    if (!Finite(t) || !std::isfinite(offsetMinutes)) return {};
    const auto offset = static_cast<std::int64_t>(std::llround(offsetMinutes * 60.0)); // seconds
    const std::int64_t a = offset < 0 ? -offset : offset;
    const QChar zero('0');
    QString zone = QString("%1%2:%3")
                       .arg(QChar(offset < 0 ? '-' : '+'))
                       .arg(a / 3600, 2, 10, zero)
                       .arg(a / 60 % 60, 2, 10, zero);
    if (a % 60 != 0) zone += QString(":%1").arg(a % 60, 2, 10, zero);
    return CivilText(UnixSeconds(t) + offset) + zone;
}

QString IsoLocal(UniversalTime t, const Observer& observer) {
    return IsoLocal(t, observer.OffsetAt(t));
}

QJsonObject InstantJson(UniversalTime t, const Observer& observer) {
    return {{"UT", IsoUniversal(t)}, {"Local", IsoLocal(t, observer)}};
}

QString CrossingKindName(TCrossingKind kind) {
    switch (kind) {
    case TCrossingKind::At:
        return QStringLiteral("At");
    case TCrossingKind::AlwaysAbove:
        return QStringLiteral("AlwaysAbove");
    case TCrossingKind::AlwaysBelow:
        return QStringLiteral("AlwaysBelow");
    case TCrossingKind::NeighbouringDate:
        break;
    }
    return QStringLiteral("NeighbouringDate");
}

QJsonObject CrossingJson(const TCrossing& crossing, const Observer& observer) {
    QJsonObject o = crossing.Happens() ? InstantJson(crossing.Instant, observer) : QJsonObject{};
    o["Kind"] = CrossingKindName(crossing.Kind);
    return o;
}

QString SolarEclipseKindName(TSolarEclipseKind kind) {
    switch (kind) {
    case TSolarEclipseKind::Partial:
        return QStringLiteral("partial");
    case TSolarEclipseKind::Annular:
        return QStringLiteral("annular");
    case TSolarEclipseKind::Total:
        return QStringLiteral("total");
    case TSolarEclipseKind::Hybrid:
        return QStringLiteral("hybrid");
    case TSolarEclipseKind::None:
        break;
    }
    return QStringLiteral("none");
}

QString VisibilityName(TEclipseVisibility visibility) {
    switch (visibility) {
    case TEclipseVisibility::Visible:
        return QStringLiteral("Visible"); // not user text
    case TEclipseVisibility::PartlyVisible:
        return QStringLiteral("PartlyVisible");
    case TEclipseVisibility::NotVisible:
        break;
    }
    return QStringLiteral("NotVisible");
}

QJsonValue QtJson(const front::TJson& value) {
    switch (value.GetKind()) {
    case front::TJson::Kind::Number:
        return value.Number();
    case front::TJson::Kind::Text:
        return QString::fromStdString(value.Text());
    case front::TJson::Kind::Object:
        break;
    }
    return QtJsonObject(value);
}

QJsonObject QtJsonObject(const front::TJson& object) {
    QJsonObject o;
    for (const auto& [key, member] : object.Members())
        o.insert(QString::fromStdString(key), QtJson(member));
    return o;
}

} // namespace crescendar::cli
