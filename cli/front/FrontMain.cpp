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

// Runs the Qt program in this process's place with the same words; returns only when it
// could not be started, having told why in the language (English when it has none).
int HandOn(char* argv[], const TFrontLanguage* language = nullptr) {
    std::string self(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size());
    self.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::string folder = self.substr(0, self.rfind('/') + 1);
    const std::string program = folder + CRESCENDAR_CLI_QT_PATH;
    ::execv(program.c_str(), argv);
    const int reason = errno;
    WriteError(Filled(language ? language->Texts[kNotStarted] : kCliSources[kNotStarted], program,
                      ErrorText(reason)));
    return 1;
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
        if (::fcntl(fd, F_GETFD) == -1) return HandOn(argv);
    const TFrontLanguage* language = LanguageOf([](const char* name) { return std::getenv(name); });
    if (!language) return HandOn(argv);
    const std::optional<TMoonRequest> request =
        ParseMoonCommand(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!request) return HandOn(argv, language);
    crescendar::Observer saved;
    if (ReadSavedObserver(SettingsPath(), &saved) != TSettingsRead::Read)
        return HandOn(argv, language);
    const std::optional<std::string> answer =
        MoonAnswer(*request, saved, NowMilliseconds(), *language);
    if (!answer) return HandOn(argv, language);

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
