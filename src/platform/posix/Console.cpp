#include "platform/Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace korvel {

void UseUtf8Output() {}

void RestoreConsoleOutput() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::optional<std::size_t> TerminalColumns() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return std::nullopt;
}

}  // namespace korvel
