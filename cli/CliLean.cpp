// crescendar-cli without the gazetteer's and the calendar's commands: it hands the command
// lines that need them on to the full program (HandOn).
#include "CliCommon.h"

namespace crescendar::cli {

const TExtraCommands* ExtraCommands() {
    return nullptr;
}

} // namespace crescendar::cli
