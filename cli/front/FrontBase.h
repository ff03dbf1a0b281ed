// What the front's parts share below them: the calendar arithmetic of counts since 1970, and
// reading a small regular file whole.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace crescendar::front {

// The proleptic Gregorian date (astronomical years) of a count of days since 1970-01-01.
struct TCivilDate {
    std::int64_t Year;
    int Month, Day;
};
TCivilDate CivilDate(std::int64_t days);
// Days and the seconds or milliseconds left of a count, the rest never negative.
std::pair<std::int64_t, std::int64_t> SplitDays(std::int64_t count, std::int64_t perDay);

// How reading a file went.
enum class TFileRead { Read, Missing, NotSure };
// The whole text of a regular file of at most maxBytes: Missing when it or a folder on its
// path does not exist; NotSure when it cannot be opened, is not a regular file, is larger, or
// could not be read to its end. A named pipe is never waited on.
TFileRead ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string* text);

} // namespace crescendar::front
