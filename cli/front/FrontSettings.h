// The saved settings the moon command needs, read without Qt from the user's INI file. The
// reader is strict: it takes only the plain forms the program itself writes, and says "not
// sure" for anything else (quotes, escapes, lists, values the Qt program would refuse or
// report), so that the Qt program answers in its place.
#pragma once

#include "Records.h"

#include <string>

namespace crescendar::front {

// Where the Qt program looks for the settings: $XDG_CONFIG_HOME, else $HOME/.config, then
// Crescendar/Crescendar.ini; "" when the environment is of a form this reader does not follow
// (a relative or unclean folder, no HOME).
std::string SettingsPath();

enum class TSettingsRead {
    Read,   // the observer of the file (or of the defaults, when there is no file)
    NotSure // the Qt program must read it
};

// The observer of the saved settings, as MakeObserver(SettingsStore().Peek()) gives it when
// the Peek reports nothing; NotSure otherwise.
TSettingsRead ReadSavedObserver(const std::string& path, Observer* observer);
// ... from the text of the file.
TSettingsRead ObserverFromText(const std::string& text, Observer* observer);

} // namespace crescendar::front
