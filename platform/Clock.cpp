#include "Clock.h"

namespace crescendar {

namespace {
Clock* installedClock = nullptr;
}

Clock& CurrentClock() {
    static SystemClock system;
    return installedClock ? *installedClock : system;
}

Clock* InstallClock(Clock* clock) {
    Clock* previous = installedClock;
    installedClock = clock;
    return previous;
}

} // namespace crescendar
