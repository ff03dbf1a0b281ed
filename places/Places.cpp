#include "Places.h"

#include <geonames.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace crescendar {

namespace {

// The gazetteer keeps its data in process-wide state; one caller at a time.
std::mutex& GazetteerLock() {
    static std::mutex lock;
    return lock;
}

std::string Text(const gchar* s) {
    return s ? std::string(s) : std::string();
}

// Reads one city of the gazetteer (the lock held).
TPlace PlaceAt(gint index) {
    TPlace p;
    GeonamesCity* city = geonames_get_city(index);
    if (!city) return p;
    p.Name = Text(geonames_city_get_name(city));
    p.Region = Text(geonames_city_get_state(city));
    p.Country = Text(geonames_city_get_country(city));
    p.TimeZone = Text(geonames_city_get_timezone(city));
    p.Latitude = geonames_city_get_latitude(city);
    p.Longitude = geonames_city_get_longitude(city);
    p.Population = geonames_city_get_population(city);
    geonames_city_free(city);
    return p;
}

bool Blank(const std::string& s) {
    return s.find_first_not_of(" \t\r\n\f\v") == std::string::npos;
}

// The query with the abbreviations of place names written out ("St. Petersburg" is "Saint
// Petersburg" in the gazetteer, "Mt." "Mount", "Ste." "Sainte"); "" when it has none.
std::string WrittenOut(const std::string& text) {
    static const std::pair<const char*, const char*> kAbbreviations[] = {
        {"st.", "Saint"}, {"ste.", "Sainte"}, {"mt.", "Mount"}};
    std::string out;
    bool changed = false;
    for (std::size_t i = 0; i < text.size();) {
        const bool wordStart = i == 0 || text[i - 1] == ' ' || text[i - 1] == '-';
        bool replaced = false;
        for (const auto& [shortForm, longForm] : kAbbreviations) {
            const std::size_t n = std::char_traits<char>::length(shortForm);
            if (!wordStart || text.size() - i < n ||
                g_ascii_strncasecmp(text.c_str() + i, shortForm, n) != 0)
                continue;
            out += longForm;
            i += n;
            if (i < text.size() && text[i] != ' ') out += ' '; // "St.Petersburg"
            replaced = changed = true;
            break;
        }
        if (!replaced) out += text[i++];
    }
    return changed ? out : std::string();
}

// The gazetteer's indices of the cities matching the query (the lock held).
std::vector<gint> MatchingCities(const std::string& text) {
    std::vector<gint> indices;
    guint count = 0;
    GError* error = nullptr;
    gint* found =
        geonames_query_cities_sync(text.c_str(), GEONAMES_QUERY_DEFAULT, &count, nullptr, &error);
    if (error) g_error_free(error);
    if (!found) return indices;
    indices.assign(found, found + count);
    g_free(found);
    return indices;
}

} // namespace

std::string PlaceTitle(const TPlace& place) {
    std::string title = place.Name;
    for (const std::string* part : {&place.Region, &place.Country}) {
        if (part->empty()) continue;
        if (!title.empty()) title += ", ";
        title += *part;
    }
    return title;
}

std::vector<TPlace> FindPlaces(const std::string& text, std::size_t most) {
    std::vector<TPlace> places;
    if (most == 0 || Blank(text)) return places;
    // The gazetteer folds the query as UTF-8; other bytes are refused here rather than there.
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) return places;

    std::lock_guard<std::mutex> hold(GazetteerLock());
    std::vector<gint> found = MatchingCities(text);
    if (const std::string longer = WrittenOut(text); !longer.empty())
        for (const gint index : MatchingCities(longer))
            if (std::find(found.begin(), found.end(), index) == found.end()) found.push_back(index);
    places.reserve(found.size());
    for (const gint index : found) places.push_back(PlaceAt(index));

    // Largest first; places of equal size keep the gazetteer's order of relevance.
    std::stable_sort(places.begin(), places.end(),
                     [](const TPlace& a, const TPlace& b) { return a.Population > b.Population; });
    if (places.size() > most) places.resize(most);
    return places;
}

std::optional<TPlace> PrincipalPlaceOfZone(const std::string& ianaZone) {
    if (Blank(ianaZone)) return std::nullopt;
    std::lock_guard<std::mutex> hold(GazetteerLock());
    std::optional<TPlace> best;
    const gint count = geonames_get_n_cities();
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        const gchar* zone = geonames_city_get_timezone(city);
        const guint population = geonames_city_get_population(city);
        const bool better = zone && ianaZone == zone && (!best || population > best->Population);
        geonames_city_free(city);
        if (better) best = PlaceAt(i);
    }
    return best;
}

} // namespace crescendar
