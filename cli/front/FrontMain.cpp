// crescendar-cli: the front program. Plain C++ without Qt, it starts and answers in a few
// milliseconds of CPU, less than the start of Qt Core alone takes. It answers the moon command
// itself when it can answer exactly as the Qt program would (a language, settings and zones it
// reads with certainty); every other command line it hands on unchanged to the Qt program
// (crescendar-cli-qt, CRESCENDAR_CLI_QT_PATH from this program's folder), which takes this
// process's place.
#include "FrontMoon.h"
#include "FrontSettings.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace crescendar::front;

void WriteError(const std::string& text) {
    const std::string line = "crescendar-cli: " + text + "\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
}

// The system's reason for an error as Qt words it (qt_error_string): four in English, the others
// as the C library gives them in the user's locale, which QCoreApplication puts in force.
std::string ErrorText(int error) {
    switch (error) {
    case EACCES:
        return "Permission denied"; // not user text
    case EMFILE:
        return "Too many open files"; // not user text
    case ENOENT:
        return "No such file or directory"; // not user text
    case ENOSPC:
        return "No space left on device"; // not user text
    default:
        break;
    }
    std::setlocale(LC_ALL, "");
    std::string text = std::strerror(error);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    return text;
}

// Whether a command line needs the gazetteer or the calendar writer (places, ics, --place),
// which only the full program links: it goes there directly, so that Qt starts once. A word
// taken wrongly for one of them costs nothing but time, as the full program has every command.
bool NeedsFullProgram(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "places" || word == "ics" || word.rfind("--place", 0) == 0) return true;
    }
    return false;
}

// Runs a Qt program (program: its path from this program's folder) in this process's place
// with the same words; returns only when it could not be started, having told why (notStarted)
// in the language (English when it has none).
int HandOn(const char* program, TCliText notStarted, char* argv[], const TFrontLanguage* language) {
    std::string self(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size());
    std::string path = program;
    int reason = ENOENT; // without this program's own path, nothing beside it can be found
    if (n > 0 && n < PATH_MAX) {
        self.resize(static_cast<std::size_t>(n));
        path = self.substr(0, self.rfind('/') + 1) + program;
        ::execv(path.c_str(), argv);
        reason = errno;
    }
    WriteError(Filled(language ? language->Texts[notStarted] : kCliSources[notStarted], path,
                      ErrorText(reason)));
    return 1;
}

int HandOn(int argc, char* argv[], const TFrontLanguage* language = nullptr) {
    if (NeedsFullProgram(argc, argv))
        return HandOn(CRESCENDAR_CLI_FULL_PATH, kFullNotStarted, argv, language);
    return HandOn(CRESCENDAR_CLI_QT_PATH, kNotStarted, argv, language);
}

std::int64_t NowMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

int main(int argc, char* argv[]) {
    // A closed standard stream is the Qt program's to deal with.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (::fcntl(fd, F_GETFD) == -1) return HandOn(argc, argv);
    const TFrontLanguage* language = LanguageOf([](const char* name) { return std::getenv(name); });
    if (!language) return HandOn(argc, argv);
    const std::optional<TMoonRequest> request =
        ParseMoonCommand(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!request) return HandOn(argc, argv, language);
    crescendar::Observer saved;
    if (ReadSavedObserver(SettingsPath(), &saved) != TSettingsRead::Read)
        return HandOn(argc, argv, language);
    const std::optional<std::string> answer =
        MoonAnswer(*request, saved, NowMilliseconds(), *language);
    if (!answer) return HandOn(argc, argv, language);

    std::size_t written = 0;
    while (written < answer->size()) {
        const ssize_t r =
            ::write(STDOUT_FILENO, answer->data() + written, answer->size() - written);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            WriteError(Filled(language->Texts[kWriteFailed], ErrorText(r < 0 ? errno : EIO)));
            return 1;
        }
        written += static_cast<std::size_t>(r);
    }
    return 0;
}
