// Speed of the solar eclipse search: the global list of the years 1..9999, the same with the
// circumstances at one place, and one eclipse's elements and local circumstances alone.
#include "Calendar.h"
#include "SolarEclipse.h"

#include <benchmark/benchmark.h>

using namespace crescendar;

namespace {

const Observer kPlace{DegToRad(51.5), DegToRad(0.12), 0, 60};

void BM_SolarEclipsesWholeRange(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindSolarEclipses(1, 9999));
}
BENCHMARK(BM_SolarEclipsesWholeRange)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SolarEclipsesWholeRangeAtPlace(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindSolarEclipses(1, 9999, kPlace));
}
BENCHMARK(BM_SolarEclipsesWholeRangeAtPlace)->Unit(benchmark::kMillisecond)->Iterations(3);

// The elements of the eclipse of 8 April 2024 (lunation 300), fitted afresh.
void BM_SolarEclipseElements(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SolarEclipseAt(300));
}
BENCHMARK(BM_SolarEclipseElements);

void BM_SolarLocalCircumstances(benchmark::State& state) {
    const TSolarEclipse eclipse = SolarEclipseAt(300);
    const Observer dallas{DegToRad(32.7767), DegToRad(96.797), -360, 60};
    for (auto _ : state) benchmark::DoNotOptimize(SolarLocalCircumstances(eclipse, dallas));
}
BENCHMARK(BM_SolarLocalCircumstances);

} // namespace
