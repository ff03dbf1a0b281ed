#include "Places.h"

#include "PlaceTable.h"

#include <glib.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace crescendar {

namespace {

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

// The text without its accents: "Zürich" is "Zurich", "Kraków" "Krakow", "Łódź" "Lodz",
// "Straße" "Strasse". Letters are decomposed and their marks dropped; the letters that carry
// their stroke within themselves do not decompose and are written out by hand. The gazetteer
// also matches a name by its letters without accents, but a query's accents only by the
// same accents, so "Zürich" would miss a name written "Zurich".
std::string WithoutAccents(const std::string& text) {
    static const std::pair<gunichar, const char*> kOwnLetters[] = {
        {0x00C6, "AE"}, {0x00E6, "ae"}, {0x00D0, "D"},  {0x00F0, "d"},  {0x00D8, "O"},
        {0x00F8, "o"},  {0x00DE, "Th"}, {0x00FE, "th"}, {0x00DF, "ss"}, {0x1E9E, "SS"},
        {0x0110, "D"},  {0x0111, "d"},  {0x0126, "H"},  {0x0127, "h"},  {0x0131, "i"},
        {0x0141, "L"},  {0x0142, "l"},  {0x0152, "OE"}, {0x0153, "oe"}, {0x0166, "T"},
        {0x0167, "t"}};
    std::string out;
    gchar* decomposed = g_utf8_normalize(text.c_str(), -1, G_NORMALIZE_NFD);
    if (!decomposed) return out;
    for (const gchar* p = decomposed; *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        if (g_unichar_ismark(c)) continue; // the accent of a decomposed letter
        const auto own = std::find_if(std::begin(kOwnLetters), std::end(kOwnLetters),
                                      [c](const auto& letter) { return letter.first == c; });
        if (own != std::end(kOwnLetters))
            out += own->second;
        else
            out.append(p, static_cast<std::size_t>(g_utf8_next_char(p) - p));
    }
    g_free(decomposed);
    return out;
}

// Text folded for matching: accents dropped, case folded, cut into words at every character
// that is neither a letter nor a digit.
std::vector<std::string> FoldedWords(const std::string& text) {
    std::vector<std::string> words;
    const std::string plain = WithoutAccents(text);
    std::string word;
    for (const gchar* p = plain.c_str(); *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        if (g_unichar_isalnum(c)) {
            gchar folded[8];
            const gint n = g_unichar_to_utf8(g_unichar_tolower(c), folded);
            word.append(folded, static_cast<std::size_t>(n));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

// Whether the query's words are, in their order, prefixes of words of the name, as the
// gazetteer matches names ("san mar" matches "Santa Maria").
bool MatchesName(const std::vector<std::string>& query, const std::string& name) {
    if (query.empty()) return false;
    std::size_t next = 0;
    for (const std::string& word : FoldedWords(name))
        if (next < query.size() && word.compare(0, query[next].size(), query[next]) == 0) ++next;
    return next == query.size();
}

// City-states that the gazetteer lacks, found by the country's name or the city's (the
// two are the same but for the Vatican); GeoNames' coordinates and population. Monaco and
// Hong Kong are in the gazetteer under their own names.
struct TCityState {
    std::vector<const char*> Names; // what finds it
    TPlace City;
};
const std::vector<TCityState>& MissingCityStates() {
    static const std::vector<TCityState> states = {
        {{"Singapore"},
         {"Singapore", "", "Singapore", "Asia/Singapore", 1.28967, 103.85007, 5638700}},
        {{"Macau", "Macao"}, {"Macau", "", "Macao S.A.R", "Asia/Macau", 22.20, 113.54611, 672800}},
        {{"Gibraltar"},
         {"Gibraltar", "", "Gibraltar", "Europe/Gibraltar", 36.14474, -5.35257, 26544}},
        {{"Vatican City", "Holy See"},
         {"Vatican City", "", "Vatican", "Europe/Vatican", 41.90225, 12.4533, 829}},
    };
    return states;
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

    // The table is read on the first query; later ones only scan it.
    const std::shared_ptr<const TPlaceTable> table = TPlaceTable::Current();
    // The query as typed, with its abbreviations written out, and both without accents; the
    // first query's answers first, each city once.
    std::vector<std::string> queries;
    const auto ask = [&queries](std::string query) {
        if (!query.empty() && std::find(queries.begin(), queries.end(), query) == queries.end())
            queries.push_back(std::move(query));
    };
    const std::string longer = WrittenOut(text);
    ask(text);
    ask(longer);
    ask(WithoutAccents(text));
    ask(WithoutAccents(longer));
    std::vector<std::uint32_t> found;
    std::unordered_set<std::uint32_t> seen;
    for (const std::string& query : queries)
        for (const std::uint32_t index : table->Matching(query))
            if (seen.insert(index).second) found.push_back(index);
    // The city-states the gazetteer lacks.
    const std::vector<std::string> words = FoldedWords(text);
    std::vector<const TPlace*> states;
    for (const TCityState& state : MissingCityStates())
        if (std::any_of(state.Names.begin(), state.Names.end(),
                        [&words](const char* name) { return MatchesName(words, name); }))
            states.push_back(&state.City);

    // Largest first; places of equal size keep the gazetteer's order of relevance. Only the
    // places kept are read from the gazetteer.
    struct TFound {
        std::uint32_t Population;
        std::uint32_t Index; // in the table, if State is null
        const TPlace* State;
    };
    std::vector<TFound> order;
    order.reserve(found.size() + states.size());
    for (const std::uint32_t index : found)
        order.push_back({table->Population(index), index, nullptr});
    for (const TPlace* state : states) order.push_back({state->Population, 0, state});
    std::stable_sort(order.begin(), order.end(),
                     [](const TFound& a, const TFound& b) { return a.Population > b.Population; });
    if (order.size() > most) order.resize(most);
    places.reserve(order.size());
    for (const TFound& f : order) places.push_back(f.State ? *f.State : GazetteerPlace(f.Index));
    return places;
}

std::optional<TPlace> PrincipalPlaceOfZone(const std::string& ianaZone) {
    if (Blank(ianaZone)) return std::nullopt;
    std::optional<TPlace> best = GazetteerLargestInZone(ianaZone);
    if (!best)
        for (const TCityState& state : MissingCityStates())
            if (state.City.TimeZone == ianaZone) best = state.City;
    return best;
}

} // namespace crescendar
