#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>

#include "app/cli/Cli.h"
#include "app/cli/ExitCodes.h"

int main(int argc, char** argv) {
    std::ostringstream out;
    const int code = korvel::cli::RunCli(argc, argv, out, std::cerr);
    // Output that never reached its file (a full disk, a closed pipe) is a failure, not a result.
    const std::string text = out.str();
    errno = 0;
    bool written =
        std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    int error = errno;
    if (std::fclose(stdout) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        std::cerr << "korvel-cli: standard output could not be written (" << std::strerror(error)
                  << ")\n";
        return code == korvel::cli::kDone ? korvel::cli::kRefused : code;
    }
    return code;
}
