// The rules of an IANA time zone read from the tz database's files (TZif), without Qt: the
// offsets they give equal those of the Qt program's zones (settings/TimeZoneRule), which read
// the same files.
#pragma once

#include "ZoneRule.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace crescendar::front {

// Where the tz database lies.
inline constexpr const char* kZoneFolder = "/usr/share/zoneinfo/"; // not user text

// A zone's rules: its transitions, the offset of each, and the rule for the years after the
// last one (the POSIX TZ text at the end of the file).
class TFileZone final : public TZoneRule {
  public:
    // Offset in force at an instant, in minutes east; as Qt counts it: the offset of the last
    // transition at or before the instant (the first type before them), and past the last
    // transition the rule's offset.
    double OffsetAt(UniversalTime t) const override;
    std::string Name() const override { return name_; }

    // Seconds east at a count of milliseconds since 1970.
    int OffsetSecondsAt(std::int64_t ms) const;

    struct TTransition {
        std::int64_t At; // seconds since 1970
        int Offset;      // seconds east from then on
    };
    // A day of a POSIX TZ text's daylight rule, "Mm.w.d/time": weekday Day (0 Sunday) of week
    // Week (1..5, 5 the last) of Month, at Time seconds of local time. (The rule's other
    // forms, Jn and n, are left to Qt: the reader refuses them.)
    struct TRuleDay {
        int Month = 0, Week = 0, Day = 0;
        int Time = 7200;
    };
    struct TPosixRule {
        int Standard = 0; // seconds east
        bool HasDaylight = false;
        int Daylight = 0; // seconds east
        TRuleDay Start, End;
    };

  private:
    friend std::unique_ptr<TFileZone> ParseZone(std::string_view name, std::string_view data);
    std::string name_;
    int firstOffset_ = 0; // before the first transition
    std::vector<TTransition> transitions_;
    bool hasRule_ = false;
    TPosixRule rule_;
};

// A zone from the bytes of its TZif file; null for anything this reader is not sure of (a
// version it does not know, a damaged file, a rule text of a form it does not read).
std::unique_ptr<TFileZone> ParseZone(std::string_view name, std::string_view data);

// Whether a POSIX TZ text ("GMT0BST,M3.5.0/1,M10.5.0") reads as a rule; into *rule when so.
bool ParsePosixRule(std::string_view text, TFileZone::TPosixRule* rule);

// The zone the Qt program finds by that name, read from kZoneFolder; null when the name is not
// of the database's form, names no zone file, or is one the Qt program reads otherwise (the
// "UTC..." names, which it makes itself), and when TZDIR names another database.
std::unique_ptr<TFileZone> LoadZone(const std::string& name);

} // namespace crescendar::front
