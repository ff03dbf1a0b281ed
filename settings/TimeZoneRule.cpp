#include "TimeZoneRule.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cmath>

namespace crescendar {

namespace {

// Julian Day of 1970-01-01 0h UT.
constexpr double kUnixEpochJD = 2440587.5;

class TDatabaseZone final : public TZoneRule {
  public:
    explicit TDatabaseZone(QTimeZone zone) : zone_(std::move(zone)) {}

    double OffsetAt(UniversalTime t) const override {
        if (!std::isfinite(t.JD)) return 0.0;
        const auto ms = static_cast<qint64>(std::llround((t.JD - kUnixEpochJD) * 86400000.0));
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
        return zone_.offsetFromUtc(at) / 60.0;
    }

    std::string Name() const override { return zone_.id().toStdString(); }

  private:
    QTimeZone zone_;
};

} // namespace

std::shared_ptr<const TZoneRule> TimeZoneRule(const std::string& ianaName) {
    const QByteArray id = QByteArray::fromStdString(ianaName);
    if (id.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(id)) return nullptr;
    QTimeZone zone(id);
    if (!zone.isValid()) return nullptr;
    return std::make_shared<TDatabaseZone>(std::move(zone));
}

std::string SystemZoneName() {
    const QByteArray id = QTimeZone::systemTimeZoneId();
    return QTimeZone::isTimeZoneIdAvailable(id) ? id.toStdString() : std::string();
}

std::vector<std::string> ZoneNames() {
    std::vector<std::string> names;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        names.push_back(id.toStdString());
    return names;
}

} // namespace crescendar
