// The table of the stored settings: for each value its name in the group, its default text,
// and its text form (how its text is read into the record, with the range or the words it
// accepts, and how the record's value is written). Reading fills the record through the
// table, writing writes the record through it, and the defaults come from it alone.
#pragma once

#include "Settings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace crescendar {

// What reading a text found.
enum class TTextUse : std::uint8_t {
    Used,    // the record holds the text's value
    Blank,   // nothing was set: the record holds the default, without a word to the user
    Refused, // unreadable or out of range: the record holds the default, and the user is told
};

struct TSettingDef {
    const char* Name;
    const char* Default; // the text a first run writes; DefaultSettings() reads it
    // Puts the value of a text into the record when it is Used; says why when it is Refused.
    TTextUse (*Read)(TSettings& s, const std::string& text, std::string& why);
    // The record's value as text.
    std::string (*Write)(const TSettings& s);
    // Read and Write are nullptr for a value that a first run writes and nothing reads.
    // Not written on a first run, nor added to a file that lacks it while it is empty.
    bool Optional;
};

// Every stored value, in the order a first run writes them.
std::span<const TSettingDef> SettingDefs();
const TSettingDef* FindSetting(std::string_view name);

// Reads one value's text into the record; a text not Used puts the default in its place.
TTextUse ReadSetting(const TSettingDef& def, TSettings& s, const std::string& text,
                     std::string* why = nullptr);

// A value that a read did not use, and why.
struct TRefusal {
    std::string Name;
    std::string Text;
    std::string Why;
};

// The record of the stored texts; textOf(name) gives a value's text, nullopt when the file
// lacks it. Refused values are listed; `unsettled` gets the names of the values the file
// does not hold in a usable form (missing, blank where a value is needed, or refused).
TSettings ReadSettings(const std::function<std::optional<std::string>(const char*)>& textOf,
                       std::vector<TRefusal>& refused,
                       std::vector<std::string>* unsettled = nullptr);

// The record's values as texts, in the table's order.
std::vector<std::pair<std::string, std::string>> SettingTexts(const TSettings& s);
// The values a first run writes.
std::vector<std::pair<std::string, std::string>> FirstRunTexts();

// A coordinate part as a number: empty or non-numeric text counts as 0.
long long CoordinateValue(const std::string& text);

} // namespace crescendar
