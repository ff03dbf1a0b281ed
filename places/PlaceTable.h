// The gazetteer's names read once into memory, cut into folded words, so that a query scans a
// table instead of decoding and folding every city again. Internal to the places library (and
// its tests and benchmark); callers use Places.h.
#pragma once

#include "Places.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace crescendar {

class TPlaceTable {
  public:
    // The table of the language in force (the gazetteer names its places in the language of
    // the messages). Read on the first call, again only when that language changes, and
    // only read after that.
    static std::shared_ptr<const TPlaceTable> Current();
    // A table read afresh, as Current reads it the first time (to measure that).
    static std::shared_ptr<const TPlaceTable> Read();

    std::size_t Size() const { return cities_.size(); }
    std::uint32_t Population(std::size_t index) const { return cities_[index].Population; }

    // The indices of the cities the gazetteer's own query finds for text, in its order: the
    // best match first.
    std::vector<std::uint32_t> Matching(const std::string& text) const;

    // Bytes the table holds.
    std::size_t MemoryBytes() const;

  private:
    struct TCity {
        std::uint32_t Population;
        std::uint32_t FirstSlice;
        std::uint16_t PlainSlices;      // of the name before translation
        std::uint16_t TranslatedSlices; // of the translated name; 0 if it has none
    };
    // A folded word of a name; its ASCII spelling follows it in words_ if it is not ASCII.
    struct TWord {
        std::uint32_t Text;
        std::uint16_t Length, AsciiLength;
    };
    // The words of a name read from a byte offset on (see PlaceTable.cpp).
    struct TSlice {
        std::uint32_t FirstWord;
        std::uint16_t Words, Offset;
    };
    struct TQuery;

    TPlaceTable() = default;
    static std::shared_ptr<const TPlaceTable> ReadLocked();
    std::uint16_t CutName(const std::string& name);
    double Score(const TQuery& query, const TSlice* slices, std::size_t count, bool& whole) const;

    std::vector<TCity> cities_;
    std::string words_; // the folded words and their ASCII spellings, NUL-terminated
    std::vector<TWord> word_;
    std::vector<TSlice> slice_;
};

// The city at index in the gazetteer, read from it.
TPlace GazetteerPlace(std::size_t index);

// The gazetteer's own query (it decodes every city): what the table's answers are held to.
std::vector<std::uint32_t> GazetteerQuery(const std::string& text);

// The most populous city of the gazetteer in that zone, read without the table: it is asked
// at a first start, on the interface thread, before any search.
std::optional<TPlace> GazetteerLargestInZone(const std::string& ianaZone);

} // namespace crescendar
