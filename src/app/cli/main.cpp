#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"
#include "app/cli/ExitCodes.h"
#include "platform/Console.h"

int main(int argc, char** argv) {
    korvel::UseUtf8Output();
    const std::vector<std::string> args = korvel::Utf8Arguments(argc, argv);
    std::vector<const char*> argvUtf8;
    for (const std::string& arg : args) argvUtf8.push_back(arg.c_str());
    std::ostringstream out;
    const int code =
        korvel::cli::RunCli(static_cast<int>(argvUtf8.size()), argvUtf8.data(), out, std::cerr);
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
