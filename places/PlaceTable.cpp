#include "PlaceTable.h"

#include <geonames.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

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
TPlace PlaceAt(GeonamesCity* city) {
    TPlace p;
    if (!city) return p;
    p.Name = Text(geonames_city_get_name(city));
    p.Region = Text(geonames_city_get_state(city));
    p.Country = Text(geonames_city_get_country(city));
    p.TimeZone = Text(geonames_city_get_timezone(city));
    p.Latitude = geonames_city_get_latitude(city);
    p.Longitude = geonames_city_get_longitude(city);
    p.Population = geonames_city_get_population(city);
    return p;
}

// What the search needs of a city: its names before and after translation, and its size.
// The gazetteer's getters find no name before translation; the record's fields (id, name,
// region code, region, country code, country, zone, population, latitude, longitude) are read
// here instead, and the name is translated as the getter does, by the city's id (a text of
// the gazetteer's catalogue, which outlives the record). False where the record is not laid
// out so.
struct TNames {
    std::string Plain;
    const char* Translated = nullptr; // null where the gazetteer has no translation
    std::uint32_t Population = 0;
};
bool ReadNames(GeonamesCity* city, TNames& names) {
    if (!g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) // not user text
        return false;
    // Each field a child that shares the record's bytes, no text copied.
    GVariant* id = g_variant_get_child_value(city, 0);
    GVariant* plain = g_variant_get_child_value(city, 1);
    GVariant* population = g_variant_get_child_value(city, 7);
    const char* key = g_variant_get_string(id, nullptr);
    names.Plain = g_variant_get_string(plain, nullptr);
    names.Population = g_variant_get_uint32(population);
    const char* translated = g_dgettext("geonames", key); // not user text
    names.Translated = std::strcmp(translated, key) != 0 ? translated : nullptr;
    for (GVariant* field : {id, plain, population}) g_variant_unref(field);
    return true;
}

// What the gazetteer's names depend on: the language of the messages, and the locale its
// ASCII spellings of words follow.
std::string LanguageInForce() {
    const char* language = std::getenv("LANGUAGE");
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    const char* ctype = std::setlocale(LC_CTYPE, nullptr);
    std::string key = language ? language : "";
    for (const char* part : {messages, ctype}) {
        key += '\n';
        key += part ? part : "";
    }
    return key;
}

// Text cut into words and folded as the gazetteer does it (case folded, accents kept).
std::vector<std::string> Fold(const char* text) {
    std::vector<std::string> words;
    gchar** folded = g_str_tokenize_and_fold(text, nullptr, nullptr);
    for (gchar** word = folded; word && *word; ++word) words.emplace_back(*word);
    g_strfreev(folded);
    return words;
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The same folding for ASCII text, without the round trip through Unicode: lower case.
std::string Lowered(std::string text) {
    for (char& c : text) c = g_ascii_tolower(c);
    return text;
}

// Where the words of text stand: runs of letters, digits and marks, as the folding cuts them.
std::vector<std::pair<std::size_t, std::size_t>> WordSpans(const std::string& text) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    const gchar* start = nullptr;
    const gchar* p = text.c_str();
    for (; *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        const bool inWord = g_unichar_isalnum(c) || g_unichar_ismark(c);
        if (inWord && !start) start = p;
        if (!inWord && start) {
            spans.emplace_back(start - text.c_str(), p - text.c_str());
            start = nullptr;
        }
    }
    if (start) spans.emplace_back(start - text.c_str(), p - text.c_str());
    return spans;
}

} // namespace

struct TPlaceTable::TQuery {
    std::vector<std::string> Words; // folded
};

std::shared_ptr<const TPlaceTable> TPlaceTable::Current() {
    static std::shared_ptr<const TPlaceTable> table;
    static std::string language;
    std::lock_guard<std::mutex> hold(GazetteerLock());
    std::string now = LanguageInForce();
    if (!table || now != language) {
        table = ReadLocked();
        language = std::move(now);
    }
    return table;
}

std::shared_ptr<const TPlaceTable> TPlaceTable::Read() {
    std::lock_guard<std::mutex> hold(GazetteerLock());
    return ReadLocked();
}

std::shared_ptr<const TPlaceTable> TPlaceTable::ReadLocked() {
    std::shared_ptr<TPlaceTable> table(new TPlaceTable);
    const gint count = std::max(geonames_get_n_cities(), 0);
    // Reserved for about three words a name, a slice or two more than words, a fifth of the
    // words spelt again in ASCII; what is not written is never mapped in.
    table->cities_.reserve(static_cast<std::size_t>(count));
    table->words_.reserve(32 * table->cities_.capacity());
    table->word_.reserve(8 * table->cities_.capacity());
    table->slice_.reserve(4 * table->cities_.capacity());
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        TNames names;
        if (city && !ReadNames(city, names)) {
            // Through the getters: the name before translation is not known then.
            names.Plain = Text(geonames_city_get_name(city));
            names.Population = geonames_city_get_population(city);
        }
        if (city) geonames_city_free(city);
        TCity c{names.Population, static_cast<std::uint32_t>(table->slice_.size()), 0, 0};
        c.PlainSlices = table->CutName(names.Plain);
        if (names.Translated) c.TranslatedSlices = table->CutName(names.Translated);
        table->cities_.push_back(c);
    }
    return table;
}

// The gazetteer matches a query against a name in a peculiar way, kept here so that the
// answers stay what they were. It folds the name into words and compares them in turn with
// the query's words, each query word a prefix of the name's word (or of its ASCII spelling).
// At the first word that fails, it starts again with the whole query on the name read from a
// later byte: as many bytes on from where this reading began as the failing word is long.
// This is how "e" finds "Villa de Mayo" (read again from " de Mayo", then from "e Mayo").
// A name is therefore kept as every reading reachable that way, each a "slice": its byte
// offset and the words read from there. Returns how many slices were added.
std::uint16_t TPlaceTable::CutName(const std::string& name) {
    if (name.size() >= 0xFFFF) return 0; // no name is that long; offsets are 16 bits
    const auto addWord = [this](const std::string& text) {
        TWord word{static_cast<std::uint32_t>(words_.size()),
                   static_cast<std::uint16_t>(std::min<std::size_t>(text.size(), 0xFFFF)), 0};
        words_.append(text.c_str(), text.size() + 1);
        if (!IsAscii(text)) {
            gchar* ascii = g_str_to_ascii(text.c_str(), nullptr);
            const std::size_t length = std::strlen(ascii);
            word.AsciiLength = static_cast<std::uint16_t>(std::min<std::size_t>(length, 0xFFFF));
            words_.append(ascii, length + 1);
            g_free(ascii);
        }
        word_.push_back(word);
    };
    const auto addWords = [this, &addWord](const std::vector<std::string>& texts) {
        const TSlice slice{static_cast<std::uint32_t>(word_.size()),
                           static_cast<std::uint16_t>(texts.size()), 0};
        for (const std::string& text : texts) addWord(text);
        return slice;
    };

    // The whole name's words, and where they stand in it. Most names are ASCII: their words
    // are only lowered.
    const auto spans = WordSpans(name);
    std::vector<std::string> folded;
    if (IsAscii(name))
        for (const auto& [begin, end] : spans)
            folded.push_back(Lowered(name.substr(begin, end - begin)));
    else
        folded = Fold(name.c_str());
    const TSlice whole = addWords(folded);
    // Where an offset falls at a character, its slice follows from the whole name's words:
    // the rest of the word it falls in (if any), then the words after. Elsewhere (within a
    // character, or where the spans disagree with the folding) the name is folded again from
    // there, as the gazetteer does.
    const bool spansAgree = spans.size() == folded.size();
    const auto sliceAt = [&](std::size_t offset) {
        if (offset == 0) return whole;
        if (offset >= name.size()) return TSlice{0, 0, 0}; // nothing left to read
        const bool withinCharacter = (static_cast<unsigned char>(name[offset]) & 0xC0) == 0x80;
        if (!spansAgree || withinCharacter) return addWords(Fold(name.c_str() + offset));
        std::size_t k = 0;
        while (k < spans.size() && spans[k].second <= offset) ++k;
        if (k == spans.size()) return TSlice{0, 0, 0};
        const auto rest = static_cast<std::uint16_t>(spans.size() - k);
        if (spans[k].first >= offset)
            return TSlice{whole.FirstWord + static_cast<std::uint32_t>(k), rest, 0};
        const std::string tail = name.substr(offset, spans[k].second - offset);
        const std::vector<std::string> head =
            IsAscii(tail) ? std::vector<std::string>{Lowered(tail)} : Fold(tail.c_str());
        if (head.size() != 1) return addWords(Fold(name.c_str() + offset));
        const TSlice slice{static_cast<std::uint32_t>(word_.size()), rest, 0};
        addWord(head.front());
        for (std::size_t j = k + 1; j < spans.size(); ++j) {
            const TWord copy = word_[whole.FirstWord + j];
            word_.push_back(copy);
        }
        return slice;
    };

    const std::size_t first = slice_.size();
    std::vector<std::size_t> todo{0};
    while (!todo.empty()) {
        const std::size_t offset = todo.back();
        todo.pop_back();
        if (offset > name.size() ||
            std::any_of(slice_.begin() + static_cast<std::ptrdiff_t>(first), slice_.end(),
                        [offset](const TSlice& s) { return s.Offset == offset; }))
            continue;
        TSlice slice = sliceAt(offset);
        slice.Offset = static_cast<std::uint16_t>(offset);
        slice_.push_back(slice);
        for (std::size_t i = 0; i < slice.Words; ++i)
            todo.push_back(offset + word_[slice.FirstWord + i].Length);
    }
    return static_cast<std::uint16_t>(slice_.size() - first);
}

// How well the query matches a name, as the gazetteer reckons it: the mean of the query
// words' lengths over the lengths of the words they begin; 0 for no match. whole: the query
// matched from the name's first word on.
double TPlaceTable::Score(const TQuery& query, const TSlice* slices, std::size_t count,
                          bool& whole) const {
    whole = true;
    const TSlice* const end = slices + count;
    const TSlice* slice = slices; // offset 0 comes first
    while (slice != end) {
        double sum = 0.0;
        std::size_t i = 0;
        for (;; ++i) {
            if (i == slice->Words) {
                whole = false;
                return 0.0;
            }
            const TWord& w = word_[slice->FirstWord + i];
            const std::string& q = query.Words[i];
            const char* text = words_.data() + w.Text;
            const bool begins =
                (w.Length >= q.size() && std::memcmp(text, q.data(), q.size()) == 0) ||
                (w.AsciiLength >= q.size() &&
                 std::memcmp(text + w.Length + 1, q.data(), q.size()) == 0);
            if (!begins) break;
            sum += static_cast<double>(q.size()) / static_cast<double>(w.Length);
            if (i + 1 == query.Words.size()) return sum / static_cast<double>(i + 1);
        }
        whole = false;
        const std::size_t next = slice->Offset + word_[slice->FirstWord + i].Length;
        slice = std::find_if(slices, end, [next](const TSlice& s) { return s.Offset == next; });
    }
    whole = false;
    return 0.0; // read past the end of the name
}

namespace {

// A score as the gazetteer weighs it by the city's size, a match from the first word ahead.
double Weighed(double score, std::uint32_t population, bool whole) {
    if (population <= 1000000)
        score *= population == 0 ? 1e-6 : static_cast<double>(population) / 1000000.0;
    if (whole) score += 1.0;
    return score;
}

struct TMatch {
    std::uint32_t Index;
    double Score;
};

// The gazetteer's order: the better score first, scores within 1e-5 of each other equal.
gint CompareMatches(gconstpointer a, gconstpointer b, gpointer) {
    const double d = static_cast<const TMatch*>(b)->Score - static_cast<const TMatch*>(a)->Score;
    if (d < -1e-5) return -1;
    return d > 1e-5 ? 1 : 0;
}

} // namespace

std::vector<std::uint32_t> TPlaceTable::Matching(const std::string& text) const {
    std::vector<std::uint32_t> indices;
    const TQuery query{Fold(text.c_str())};
    if (query.Words.empty()) return indices;
    std::vector<TMatch> found;
    for (std::size_t i = 0; i < cities_.size(); ++i) {
        const TCity& c = cities_[i];
        const TSlice* slices = slice_.data() + c.FirstSlice;
        bool whole = false;
        double score = Score(query, slices, c.PlainSlices, whole);
        double best = Weighed(score, c.Population, whole);
        if (!(best > 0.0)) best = 0.0;
        if (c.TranslatedSlices > 0) {
            score = Score(query, slices + c.PlainSlices, c.TranslatedSlices, whole);
            const double translated = Weighed(score, c.Population, whole);
            if (translated > best) best = translated;
        }
        if (best > 0.0) found.push_back({static_cast<std::uint32_t>(i), best});
    }
    // Ordered as the gazetteer orders: each match, in the gazetteer's order, placed after
    // those it compares equal with.
    GSequence* order = g_sequence_new(nullptr);
    for (TMatch& m : found) g_sequence_insert_sorted(order, &m, CompareMatches, nullptr);
    indices.reserve(found.size());
    for (GSequenceIter* it = g_sequence_get_begin_iter(order); !g_sequence_iter_is_end(it);
         it = g_sequence_iter_next(it))
        indices.push_back(static_cast<const TMatch*>(g_sequence_get(it))->Index);
    g_sequence_free(order);
    return indices;
}

std::size_t TPlaceTable::MemoryBytes() const {
    return sizeof(*this) + cities_.size() * sizeof(TCity) + words_.size() +
           word_.size() * sizeof(TWord) + slice_.size() * sizeof(TSlice);
}

TPlace GazetteerPlace(std::size_t index) {
    std::lock_guard<std::mutex> hold(GazetteerLock());
    GeonamesCity* city = geonames_get_city(static_cast<gint>(index));
    TPlace place = PlaceAt(city);
    if (city) geonames_city_free(city);
    return place;
}

std::vector<std::uint32_t> GazetteerQuery(const std::string& text) {
    std::vector<std::uint32_t> indices;
    std::lock_guard<std::mutex> hold(GazetteerLock());
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

std::optional<TPlace> GazetteerLargestInZone(const std::string& ianaZone) {
    std::lock_guard<std::mutex> hold(GazetteerLock());
    std::optional<TPlace> best;
    const gint count = geonames_get_n_cities();
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        const gchar* zone = geonames_city_get_timezone(city);
        const guint population = geonames_city_get_population(city);
        if (zone && ianaZone == zone && (!best || population > best->Population))
            best = PlaceAt(city);
        geonames_city_free(city);
    }
    return best;
}

} // namespace crescendar
