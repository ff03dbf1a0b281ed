// Edits the text of an INI file in place, as QSettings reads it: only the lines of the values
// set change, and every other byte (comments, a byte-order mark, unknown keys, line ends, the
// spacing around "=") stays as it was.
#pragma once

#include <QByteArray>

#include <string>
#include <utility>
#include <vector>

namespace crescendar {

// The text of a value after "=", escaped and quoted so that QSettings reads back exactly
// `value` (UTF-8) as a text.
QByteArray IniValueText(const std::string& value);

// The INI text with each value set in `group`: every line of that key in the group gets the
// new value text (a trailing comment kept); a key the group lacks is added after its last
// key, and a missing group at the end of the text. New lines take the text's own line ends
// ("\r\n" when its first line ends so). Names are escaped as QSettings escapes keys.
QByteArray SetIniValues(const QByteArray& text, const std::string& group,
                        const std::vector<std::pair<std::string, std::string>>& values);

} // namespace crescendar
