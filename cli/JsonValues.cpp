#include "JsonValues.h"

#include "FrontRecords.h"

namespace crescendar::cli {

QString IsoUniversal(UniversalTime t) {
    return QString::fromStdString(front::IsoUniversal(t));
}

QString IsoLocal(UniversalTime t, double offsetMinutes) {
    return QString::fromStdString(front::IsoLocal(t, offsetMinutes));
}

QString IsoLocal(UniversalTime t, const Observer& observer) {
    return IsoLocal(t, observer.OffsetAt(t));
}

QJsonObject InstantJson(UniversalTime t, const Observer& observer) {
    return QtJsonObject(front::InstantJson(t, observer));
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
