#include <sstream>

#include "app/cli/Cli.h"
#include "cli/CliRun.h"

namespace korvel::test {

RunResult RunCliInProcess(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"korvel-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    RunResult result;
    result.ExitCode = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

}  // namespace korvel::test
