// Speed of the engine routines the main window calls every second or every month.
#include "Calendar.h"
#include "Eclipse.h"
#include "EventText.h"
#include "MoonPosition.h"
#include "Nutation.h"
#include "PerigeeApogee.h"
#include "Phases.h"
#include "RiseSet.h"
#include "SunPosition.h"

#include <benchmark/benchmark.h>

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
void BM_MonthTimesTable(benchmark::State& state) {
    for (auto _ : state) {
        for (int d = 1; d <= 31; ++d) {
            const TDateTimeRecord day = MakeDate(2025, 7, d);
            benchmark::DoNotOptimize(MoonRiseSet(day, kObserver));
            for (double h0 : {kSunriseAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude,
                              kAstronomicalTwilightAltitude})
                benchmark::DoNotOptimize(SunRiseSet(day, h0, kObserver));
        }
    }
}
BENCHMARK(BM_MonthTimesTable)->Unit(benchmark::kMillisecond);

void BM_Eclipses1000Years(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindEclipses(1500, 2499, kObserver));
}
BENCHMARK(BM_Eclipses1000Years)->Unit(benchmark::kMillisecond);

void BM_EclipsesWholeRange(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindEclipses(1, 9999, kObserver));
}
BENCHMARK(BM_EclipsesWholeRange)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
