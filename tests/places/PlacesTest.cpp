// The gazetteer's answers: well-known cities with sane coordinates and zones, the order of the
// matches, and the inputs that must give nothing rather than fail.
#include <gtest/gtest.h>

#include "Places.h"

#include <chrono>
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
