#include "TimeZoneRule.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cctype>
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

// A name of the tz database's form: letters, digits and "_+-" in parts separated by "/", none
// of them empty, "." or "..", so that it can name no file outside the database.
bool IsZoneName(const QByteArray& id) {
    if (id.isEmpty() || id.size() > 64) return false;
    for (const QByteArray& part : id.split('/')) {
        if (part.isEmpty() || part == "." || part == "..") return false;
        for (const char c : part)
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '+' || c == '-'))
                return false;
    }
    return true;
}

} // namespace

std::shared_ptr<const TZoneRule> TimeZoneRule(const std::string& ianaName) {
    const QByteArray id = QByteArray::fromStdString(ianaName);
    // Every name the system's database can load, links such as Europe/Kiev or Etc/UTC
    // included (Qt's list of available names holds only the canonical ones).
    if (!IsZoneName(id)) return nullptr;
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
