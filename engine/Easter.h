// Easter Sunday.
#pragma once

#include "Records.h"

#include <cstdint>
#include <string>

namespace crescendar {

// Easter Sunday of the year (Meeus, Astronomical Algorithms, chapter 8): the Julian computus
// up to 1582, a date of the Julian calendar, and the Gregorian computus from 1583 on; either
// way a Sunday of the program's calendar. The record holds the day, month and year at 00:00
// with JD filled.
TDateTimeRecord EasterSunday(std::uint16_t year);

// The date of Easter Sunday as the Easter window shows it: "31 March 2024" (day without
// leading zero, regional long month name, year), at most 60 characters.
std::string Sunday(std::uint16_t year);

} // namespace crescendar
