// The gazetteer's answers: well-known cities with sane coordinates and zones, the order of the
// matches, and the inputs that must give nothing rather than fail.
#include <gtest/gtest.h>

#include "PlaceTable.h"
#include "Places.h"

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace crescendar {
namespace {

struct Known {
    const char* Query;
    const char* Name;
    const char* Country;
    const char* Zone;
    double Latitude, Longitude; // degrees, east positive
};

// The first place found for the query, checked against what is known of it.
TPlace ExpectFoundFirst(const Known& k) {
    SCOPED_TRACE(k.Query);
    const std::vector<TPlace> found = FindPlaces(k.Query);
    if (found.empty()) {
        ADD_FAILURE() << "nothing found";
        return {};
    }
    const TPlace& p = found.front();
    EXPECT_EQ(p.Name, k.Name);
    EXPECT_EQ(p.Country, k.Country);
    EXPECT_EQ(p.TimeZone, k.Zone);
    EXPECT_NEAR(p.Latitude, k.Latitude, 0.05);
    EXPECT_NEAR(p.Longitude, k.Longitude, 0.05);
    return p;
}

TEST(Places, WellKnownCitiesComeFirstWithTheirCoordinatesAndZones) {
    const Known cities[] = {
        {"London", "London", "United Kingdom", "Europe/London", 51.51, -0.13},
        {"Kathm", "Kathmandu", "Nepal", "Asia/Kathmandu", 27.70, 85.32},
        {"new york", "New York", "United States of America", "America/New_York", 40.71, -74.01},
        {"Buenos Aires", "Buenos Aires", "Argentina", "America/Argentina/Buenos_Aires", -34.61,
         -58.38},
        {"Sydney", "Sydney", "Australia", "Australia/Sydney", -33.87, 151.21},
        // Accents need not be typed.
        {"sao paulo", "S\u00E3o Paulo", "Brazil", "America/Sao_Paulo", -23.55, -46.64},
        // Abbreviations are written out: the city of five million before Florida's.
        {"St. Petersburg", "Saint Petersburg", "Russia", "Europe/Moscow", 59.94, 30.31},
        {"st.petersburg", "Saint Petersburg", "Russia", "Europe/Moscow", 59.94, 30.31},
    };
    for (const Known& k : cities) EXPECT_GT(ExpectFoundFirst(k).Population, 100000u);
}

// The gazetteer names its places in the language of the messages (LANGUAGE under a UTF-8
// locale): "Krakau" and "Schweiz" in German, "Krakow" and "Switzerland" in English. Names
// typed with or without their accents find the city in either.
class PlacesInLanguage : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        setenv("LANGUAGE", GetParam(), 1);
        ASSERT_NE(setlocale(LC_ALL, "C.UTF-8"), nullptr);
    }
    void TearDown() override {
        unsetenv("LANGUAGE");
        setlocale(LC_ALL, "C");
    }
};

TEST_P(PlacesInLanguage, CitiesAreFoundWithAndWithoutAccents) {
    const std::string germany = std::string(GetParam()) == "de" ? "Deutschland" : "Germany";
    ASSERT_FALSE(FindPlaces("Munich").empty());
    ASSERT_EQ(FindPlaces("Munich").front().Country, germany); // the language took
    const struct {
        const char* Query;
        const char* Zone;
        double Latitude, Longitude;
    } cities[] = {
        {"Z\u00FCrich", "Europe/Zurich", 47.37, 8.55},
        {"Zurich", "Europe/Zurich", 47.37, 8.55},
        {"Reykjav\u00EDk", "Atlantic/Reykjavik", 64.14, -21.90},
        {"Reykjavik", "Atlantic/Reykjavik", 64.14, -21.90},
        {"Montr\u00E9al", "America/Toronto", 45.51, -73.59},
        {"S\u00E3o Paulo", "America/Sao_Paulo", -23.55, -46.64},
        {"Sao Paulo", "America/Sao_Paulo", -23.55, -46.64},
        {"Malm\u00F6", "Europe/Stockholm", 55.61, 13.00},
        {"Krak\u00F3w", "Europe/Warsaw", 50.06, 19.94},
        {"Krakow", "Europe/Warsaw", 50.06, 19.94},
        {"\u0141\u00F3d\u017A", "Europe/Warsaw", 51.77, 19.45}, // a stroke, not an accent
    };
    for (const auto& city : cities) {
        SCOPED_TRACE(city.Query);
        const std::vector<TPlace> found = FindPlaces(city.Query);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front().TimeZone, city.Zone);
        EXPECT_NEAR(found.front().Latitude, city.Latitude, 0.05);
        EXPECT_NEAR(found.front().Longitude, city.Longitude, 0.05);
    }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, PlacesInLanguage, testing::Values("en", "de"));

class TableInLanguage : public PlacesInLanguage {};

// The table answers as the gazetteer's own query: the same cities, in the same order once
// sorted by size as FindPlaces sorts them (among nearly equal scores the gazetteer's own order
// rests on the shape of its sorting tree, which differs from run to run). The queries catch
// its peculiar matching: words matched in order and from a word on, a name read again from
// within a word ("e" finds "Villa de Mayo", "0" "Marseille 10"), ASCII spellings, a query's
// accents, names before and after translation (in Russian, readings that start within a
// character).
TEST_P(TableInLanguage, AnswersAsTheGazetteer) {
    const auto table = TPlaceTable::Current();
    if (table->Size() == 0) GTEST_SKIP() << "the gazetteer has no cities";
    const auto bySize = [&table](std::vector<std::uint32_t> cities) {
        std::stable_sort(cities.begin(), cities.end(), [&table](auto a, auto b) {
            return table->Population(a) > table->Population(b);
        });
        return cities;
    };
    for (const char* query : {"e", "0", "new york", "york new", "san ma", "villa de", "S\u00E3o",
                              "lodz", "\u0141\u00F3d\u017A", "Munich", "M\u00FCnchen", "n'dj",
                              "\u0430", "\u0421\u0430\u043D\u043A\u0442"}) {
        SCOPED_TRACE(query);
        EXPECT_EQ(bySize(table->Matching(query)), bySize(GazetteerQuery(query)));
    }
    EXPECT_TRUE(table->Matching(" ,. ").empty());
}

INSTANTIATE_TEST_SUITE_P(EnglishGermanAndRussian, TableInLanguage,
                         testing::Values("en", "de", "ru"));

TEST(Places, MatchesAreLargestFirstAndCutToTheLimit) {
    const std::vector<TPlace> all = FindPlaces("San", 1000);
    ASSERT_GT(all.size(), 20u);
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_GE(all[i - 1].Population, all[i].Population) << i;

    const std::vector<TPlace> some = FindPlaces("San", 5);
    ASSERT_EQ(some.size(), 5u);
    for (std::size_t i = 0; i < some.size(); ++i) EXPECT_EQ(some[i].Name, all[i].Name);
    EXPECT_EQ(FindPlaces("San").size(), 20u); // the default limit
    EXPECT_TRUE(FindPlaces("San", 0).empty());

    // London, Ontario follows London, England.
    const std::vector<TPlace> london = FindPlaces("London");
    ASSERT_GE(london.size(), 2u);
    EXPECT_EQ(london[0].Region, "England");
    EXPECT_EQ(PlaceTitle(london[0]), "London, England, United Kingdom");
}

TEST(Places, NothingMatchesGivesNoPlacesAndNoFailure) {
    for (const std::string& text :
         {std::string(), std::string("   "), std::string("Qzxqzxqzx"), std::string("\xFF\xFE"),
          std::string("Lon\0don", 7), std::string(5000, 'a'), std::string("%q%zz[]*?\\"),
          std::string(" ,. "), std::string("\u0416\u0416\u0416\u0416")}) {
        SCOPED_TRACE(text.size());
        EXPECT_TRUE(FindPlaces(text).empty());
    }
}

TEST(Places, CityStatesAreFoundByTheCountrysName) {
    const Known states[] = {
        {"Singapore", "Singapore", "Singapore", "Asia/Singapore", 1.29, 103.85},
        {"sing", "Singapore", "Singapore", "Asia/Singapore", 1.29, 103.85},
        {"Macao", "Macau", "Macao S.A.R", "Asia/Macau", 22.20, 113.55},
        {"Macau", "Macau", "Macao S.A.R", "Asia/Macau", 22.20, 113.55}, // before Macau, Brazil
        {"Gibraltar", "Gibraltar", "Gibraltar", "Europe/Gibraltar", 36.14, -5.35},
        {"Vatican", "Vatican City", "Vatican", "Europe/Vatican", 41.90, 12.45},
        {"holy see", "Vatican City", "Vatican", "Europe/Vatican", 41.90, 12.45},
    };
    for (const Known& k : states) ExpectFoundFirst(k);
    EXPECT_EQ(FindPlaces("Macau").size(), 2u);
    EXPECT_TRUE(FindPlaces("Singapore see").empty()); // every word must match
    ASSERT_TRUE(PrincipalPlaceOfZone("Asia/Singapore").has_value());
    EXPECT_EQ(PrincipalPlaceOfZone("Asia/Singapore")->Name, "Singapore");
}

TEST(Places, PrincipalPlaceOfAZoneIsItsLargestCity) {
    const auto paris = PrincipalPlaceOfZone("Europe/Paris");
    ASSERT_TRUE(paris.has_value());
    EXPECT_EQ(paris->Name, "Paris");
    EXPECT_EQ(paris->TimeZone, "Europe/Paris");

    const auto kathmandu = PrincipalPlaceOfZone("Asia/Kathmandu");
    ASSERT_TRUE(kathmandu.has_value());
    EXPECT_EQ(kathmandu->Name, "Kathmandu");

    EXPECT_FALSE(PrincipalPlaceOfZone("").has_value());
    EXPECT_FALSE(PrincipalPlaceOfZone("UTC").has_value());
    EXPECT_FALSE(PrincipalPlaceOfZone("Europe/Nowhere").has_value());
}

TEST(Places, QueriesFromSeveralThreadsAgree) {
    const std::vector<TPlace> expected = FindPlaces("Kathm");
    ASSERT_EQ(expected.size(), 1u);
    std::vector<std::string> names(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < names.size(); ++i)
        threads.emplace_back([&names, i] {
            const std::vector<TPlace> found = FindPlaces("Kathm");
            names[i] = found.empty() ? "" : found.front().Name;
        });
    for (std::thread& t : threads) t.join();
    for (const std::string& n : names) EXPECT_EQ(n, "Kathmandu");
}

} // namespace
} // namespace crescendar
