#include "FrontBase.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crescendar::front {

// The proleptic Gregorian date (astronomical years) of a count of days since 1970-01-01.
TCivilDate CivilDate(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2), month, day};
}

// Days and the seconds or milliseconds left of a count, the rest never negative.
std::pair<std::int64_t, std::int64_t> SplitDays(std::int64_t count, std::int64_t perDay) {
    std::int64_t days = count / perDay, rest = count % perDay;
    if (rest < 0) {
        rest += perDay;
        --days;
    }
    return {days, rest};
}

TFileRead ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string* text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? TFileRead::Missing : TFileRead::NotSure;
    struct stat st {};
    bool sound = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                 static_cast<std::uintmax_t>(st.st_size) <= maxBytes;
    if (sound) {
        text->resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (got < text->size()) {
            const ssize_t r = ::read(fd, text->data() + got, text->size() - got);
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) break;
            got += static_cast<std::size_t>(r);
        }
        sound = got == text->size();
    }
    ::close(fd);
    return sound ? TFileRead::Read : TFileRead::NotSure;
}

} // namespace crescendar::front
