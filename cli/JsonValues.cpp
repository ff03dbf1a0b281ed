#include "JsonValues.h"

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
// calendar (days to date: H. Hinnant's civil_from_days, exact for any day count).
QString CivilText(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
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

} // namespace crescendar::cli
