#include "TimeZoneRule.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>
#include <vector>

namespace crescendar {

namespace {

class TDatabaseZone final : public TZoneRule {
  public:
    explicit TDatabaseZone(QTimeZone zone) : zone_(std::move(zone)) {}

    double OffsetAt(UniversalTime t) const override {
        if (!std::isfinite(t.JD)) return 0.0;
        const auto ms = static_cast<qint64>(ToUnixMilliseconds(t));
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

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// What follows the last "/" ("Kolkata" of "Asia/Kolkata").
std::string LastPart(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// The fewest letters to insert, delete or replace to turn a into b.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
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

std::vector<std::string> ClosestZoneNames(const std::string& text, std::size_t most) {
    const std::string wanted = Lower(text);
    const std::size_t farthest = 1 + std::max<std::size_t>(2, wanted.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> scored; // (distance, name)
    for (std::string& name : ZoneNames()) {
        const std::string lower = Lower(name);
        const std::size_t distance =
            !wanted.empty() && lower.compare(0, wanted.size(), wanted) == 0
                ? 0
                : 1 + std::min(EditDistance(wanted, lower),
                               EditDistance(LastPart(wanted), LastPart(lower)));
        if (distance <= farthest) scored.emplace_back(distance, std::move(name));
    }
    const std::size_t kept = std::min(most, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(kept),
                      scored.end());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kept; ++i) names.push_back(std::move(scored[i].second));
    return names;
}

} // namespace crescendar
