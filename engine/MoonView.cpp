#include "MoonView.h"

#include "Calendar.h"
#include "Nutation.h"
#include "Phases.h"

#include <cmath>

namespace crescendar {

double MoonAge(UniversalTime ut, TLunationBracket& bounds) {
    bounds = LunationBracket(ut);
    return SeriesArgument(ut) - bounds.PreviousNewMoon;
}

std::string PhaseName(const TLunationBracket& bounds, double age, int month, const TPhaseList& list,
                      int count, LocalTime selected) {
    const double length = bounds.NextNewMoon - bounds.PreviousNewMoon;
    const double p = length > 0 ? age / length * 100 : 0;
    if (p <= 3) return Word(TWord::NewMoon);
    if (p <= 23) return Word(TWord::WaxingCrescent);
    if (p <= 27) return Word(TWord::FirstQuarter);
    if (p <= 47) return Word(TWord::WaxingGibbous);
    if (p <= 53) {
        const bool blue = IsBlueMoon(list, count, 4) && list[4].Instant - 0.5 < selected;
        if (blue) return Word(TWord::FullBlueMoon);
        const auto name = static_cast<std::size_t>(TWord::WolfMoon) +
                          static_cast<std::size_t>(month >= 1 && month <= 12 ? month - 1 : 0);
        return Phrase(TWord::NamedFullMoon, {Word(static_cast<TWord>(name))});
    }
    if (p <= 73) return Word(TWord::WaningGibbous);
    if (p <= 77) return Word(TWord::LastQuarter);
    if (p <= 97) return Word(TWord::WaningCrescent);
    return Word(TWord::NewMoon);
}

std::array<std::string, 3> MoonAgeTexts(double age) {
    static const TWord units[3] = {TWord::AgeDays, TWord::AgeHours, TWord::AgeMinutes};
    static const int multipliers[3] = {24, 60, 60};
    std::array<std::string, 3> texts;
    double v = std::isfinite(age) && age > 0 ? age : 0.0;
    for (int i = 0; i < 3; ++i) {
        const long long n = static_cast<long long>(v);
        texts[static_cast<std::size_t>(i)] = CutText(TwoDigits(n), 2) + Word(units[i]);
        v = (v - static_cast<double>(n)) * multipliers[i];
    }
    return texts;
}

std::string LocalSiderealTime(TDateTimeRecord d, const Observer& observer) {
    // The universal instant of the local reading (a reading the clocks skip is read with the
    // offset before the change, as everywhere), in minutes from 0h of the local date's number
    // taken as universal time.
    const UniversalTime ut = observer.ToUniversal(LocalTime{DateToJulianDay(d)});
    d.Hour = d.Minute = d.Second = d.MSec = 0;
    // 0h of the local date, taken as universal time; nutation at that instant as given.
    const UniversalTime jd0{DateToJulianDay(d)};
    const double u = (ut.JD - jd0.JD) * 1440.0;
    const double t = (jd0.JD - 2451545) / 36525;
    TNutation n;
    const double eps = TrueObliquity(SeriesArgument(jd0), &n);
    const double theta0 =
        std::cos(eps) * n.DeltaPsi / 15 / 3600 +
        (24110.54841 + 8640184.812866 * t + 0.093104 * t * t - 0.0000062 * t * t * t) / 3600;
    const double eastLongitude = EastLongitudeDegrees(observer);
    double lst = 4 * eastLongitude / 60 + u * 1.00273790935 / 60 + theta0;
    lst = std::fmod(lst, 24.0);
    if (lst < 0) lst += 24;
    const TAngleText a = HoursText(lst);
    return a.Deg + ":" + a.Min + ":" + a.Sec;
}

} // namespace crescendar
