// The places of the world gazetteer that ships with the system (libgeonames): cities with
// their region, country, coordinates, IANA time zone and population. A plain C++ interface;
// the gazetteer's own types stay inside Places.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crescendar {

struct TPlace {
    std::string Name;     // UTF-8, as the gazetteer writes it ("São Paulo")
    std::string Region;   // the state or province; may be empty
    std::string Country;  // the country's name
    std::string TimeZone; // IANA zone name ("America/Sao_Paulo"); may be empty
    // Degrees, north and EAST positive, as the gazetteer gives them. The engine's observer
    // counts longitude WEST positive: negate before handing it over.
    double Latitude = 0.0;
    double Longitude = 0.0;
    std::uint32_t Population = 0;
};

// "Name, Region, Country", leaving out an empty region.
std::string PlaceTitle(const TPlace& place);

// The places whose names match text (each word a prefix of a word of the name, without
// regard to case or accents), the most populous first, at most `most` of them. Empty text,
// text that is not UTF-8, or no match: none. The first query reads the gazetteer's names into
// a table (some tens of milliseconds), as does the first after the language of the messages
// changes; later ones scan it in a millisecond or two. Callers that run it while the user
// types run it off the interface thread. Safe to call from any thread.
std::vector<TPlace> FindPlaces(const std::string& text, std::size_t most = 20);

// The most populous place whose zone is ianaZone ("Europe/Paris" gives Paris); none when
// the gazetteer has no place in that zone ("UTC", "Etc/GMT+5", an unknown name).
std::optional<TPlace> PrincipalPlaceOfZone(const std::string& ianaZone);

} // namespace crescendar
