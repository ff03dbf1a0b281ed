// Speed of the place search as the configuration window runs it: one query a keystroke while
// a name is typed, after a first query that reads the gazetteer into a table.
#include "PlaceTable.h"
#include "Places.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace crescendar;

namespace {

// The texts a user types letter by letter: "B", "Br", ... "Brisbane".
std::vector<std::string> Keystrokes(const std::string& word) {
    std::vector<std::string> texts;
    for (std::size_t n = 1; n <= word.size(); ++n) texts.push_back(word.substr(0, n));
    return texts;
}

// One iteration is one keystroke; the texts cycle through the word.
void Typing(benchmark::State& state, const std::string& word) {
    const std::vector<std::string> texts = Keystrokes(word);
    benchmark::DoNotOptimize(FindPlaces(texts.front())); // the first query has been made
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPlaces(texts[next]));
        next = (next + 1) % texts.size();
    }
}

void BM_TypingBrisbane(benchmark::State& state) {
    Typing(state, "Brisbane");
}
BENCHMARK(BM_TypingBrisbane)->Unit(benchmark::kMillisecond);

// Accents and an abbreviation: the search asks again without them.
void BM_TypingZurichWithAccent(benchmark::State& state) {
    Typing(state, "Z\u00FCrich");
}
BENCHMARK(BM_TypingZurichWithAccent)->Unit(benchmark::kMillisecond);

void BM_TypingStPetersburg(benchmark::State& state) {
    Typing(state, "St. Petersburg");
}
BENCHMARK(BM_TypingStPetersburg)->Unit(benchmark::kMillisecond);

// What the first query adds: reading the table (the gazetteer's own data is loaded by then,
// as it is for the gazetteer's query below). Counter: the table's size in bytes.
void BM_ReadTable(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto table = TPlaceTable::Read();
        bytes = table->MemoryBytes();
        benchmark::DoNotOptimize(table->Matching("B"));
    }
    state.counters["table_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReadTable)->Unit(benchmark::kMillisecond);

// One query of the gazetteer itself, what every keystroke cost before the table (one to four
// of them, with PlaceAt for every match).
void BM_GazetteerQuery(benchmark::State& state) {
    const std::vector<std::string> texts = Keystrokes("Brisbane");
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GazetteerQuery(texts[next]));
        next = (next + 1) % texts.size();
    }
}
BENCHMARK(BM_GazetteerQuery)->Unit(benchmark::kMillisecond);

void BM_PrincipalPlaceOfZone(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PrincipalPlaceOfZone("Europe/Paris"));
}
BENCHMARK(BM_PrincipalPlaceOfZone)->Unit(benchmark::kMillisecond);

} // namespace
