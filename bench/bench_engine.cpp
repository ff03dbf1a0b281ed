// Speed of the engine routines the main window calls every second or every month, and of the
// eclipse finder's search.
#include "Calendar.h"
#include "DayEvents.h"
#include "Eclipse.h"
#include "Equinox.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "PerigeeApogee.h"
#include "Phases.h"
#include "RiseSet.h"
#include "SunPosition.h"
#include "YearEvents.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

using namespace crescendar;

namespace {

const Observer kObserver{DegToRad(51.5), DegToRad(0.12), 0, 60};

void BM_Nutation(benchmark::State& state) {
    double jd = 2460000.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Nutation(DynamicalTime{jd}));
        jd += 0.37;
    }
}
BENCHMARK(BM_Nutation);

void BM_SunPosition(benchmark::State& state) {
    double jd = 2460000.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPosition(UniversalTime{jd}, kObserver));
        jd += 0.37;
    }
}
BENCHMARK(BM_SunPosition);

void BM_MoonPosition(benchmark::State& state) {
    double jd = 2460000.5;
    TMoonState moon;
    TSunPosition sun;
    for (auto _ : state) {
        MoonPosition(UniversalTime{jd}, kObserver, moon, sun);
        benchmark::DoNotOptimize(moon);
        jd += 0.37;
    }
}
BENCHMARK(BM_MoonPosition);

void BM_MonthPhases(benchmark::State& state) {
    int month = 0;
    TPhaseList list;
    for (auto _ : state) {
        const TDateTimeRecord d = MakeDate(2000 + month / 12, month % 12 + 1, 15);
        benchmark::DoNotOptimize(MonthPhases(d, kObserver, list));
        month = (month + 1) % 1200;
    }
}
BENCHMARK(BM_MonthPhases);

void BM_PerigeeApogee(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        TDateTimeRecord d = MakeDate(2025, 1, 1);
        d.JD += day;
        benchmark::DoNotOptimize(PerigeeApogee(d, kObserver));
        day = (day + 1) % 365;
    }
}
BENCHMARK(BM_PerigeeApogee);

} // namespace

namespace {

void BM_MoonRiseSet(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            MoonRiseSet(MakeDate(2025, 1 + day / 28, 1 + day % 28), kObserver));
        day = (day + 1) % 336;
    }
}
BENCHMARK(BM_MoonRiseSet);

void BM_SunRiseSet(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SunRiseSet(MakeDate(2025, 1 + day / 28, 1 + day % 28), kSunriseAltitude, kObserver));
        day = (day + 1) % 336;
    }
}
BENCHMARK(BM_SunRiseSet);

// A month's times table: the Moon and four Sun altitudes for every day.
void MonthTimesTable(benchmark::State& state, const Observer& observer, int month) {
    for (auto _ : state) {
        // As the tables do it: the dates share their days' places.
        TDailyPlaces places;
        for (int d = 1; d <= DaysInMonth(static_cast<std::uint16_t>(month), 2025); ++d)
            benchmark::DoNotOptimize(
                DayTexts(DayEvents(MakeDate(2025, month, d), observer, places)));
    }
}

// London in July: astronomical twilight lasts all night until late in the month.
void BM_MonthTimesTable(benchmark::State& state) {
    MonthTimesTable(state, kObserver, 7);
}
BENCHMARK(BM_MonthTimesTable)->Unit(benchmark::kMillisecond);

// Tromso in June (summer time): the midnight Sun, and the Moon rising twice on some dates.
void BM_MonthTimesTablePolar(benchmark::State& state) {
    MonthTimesTable(state, Observer{DegToRad(69.65), DegToRad(-18.96), 60, 60}, 6);
}
BENCHMARK(BM_MonthTimesTablePolar)->Unit(benchmark::kMillisecond);

// Equinoxes and solstices of 200 years: as the seasons window finds them (with the next
// March equinox for the last season's length), and as the calendar export gathers them.
void BM_Equinoxes200Years(benchmark::State& state) {
    for (auto _ : state)
        for (int year = 1900; year < 2100; ++year)
            benchmark::DoNotOptimize(
                EquinoxesAndSolstices(static_cast<std::uint16_t>(year), kObserver));
}
BENCHMARK(BM_Equinoxes200Years)->Unit(benchmark::kMillisecond);

void BM_SeasonEvents200Years(benchmark::State& state) {
    TYearEventKinds seasons;
    seasons.Phases = seasons.Eclipses = seasons.Apsides = false;
    for (auto _ : state) benchmark::DoNotOptimize(YearEvents(1900, 2099, kObserver, seasons));
}
BENCHMARK(BM_SeasonEvents200Years)->Unit(benchmark::kMillisecond);

void BM_Eclipses1000Years(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindEclipses(1500, 2499, kObserver));
}
BENCHMARK(BM_Eclipses1000Years)->Unit(benchmark::kMillisecond);

void BM_EclipsesWholeRange(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindEclipses(1, 9999, kObserver));
}
BENCHMARK(BM_EclipsesWholeRange)->Unit(benchmark::kMillisecond)->Iterations(3);

// The eclipse finder's search of years 1..9999 as the window runs it: 50-year pieces taken in
// turn by state.range(0) worker threads, joined in order. Wall-clock time.
void BM_EclipseFinderWholeRange(benchmark::State& state) {
    const int workers = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::vector<std::pair<int, int>> chunks;
        for (int year = 1; year <= 9999; year += 50)
            chunks.emplace_back(year, std::min(9999, year + 49));
        std::vector<std::vector<TEclipseResult>> found(chunks.size());
        std::atomic<std::size_t> next{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < workers; ++t)
            threads.emplace_back([&] {
                for (std::size_t i = next++; i < chunks.size(); i = next++)
                    found[i] = FindEclipses(chunks[i].first, chunks[i].second, kObserver);
            });
        for (std::thread& t : threads) t.join();
        std::size_t n = 0;
        for (const auto& f : found) n += f.size();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_EclipseFinderWholeRange)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
