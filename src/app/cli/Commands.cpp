#include "app/cli/Commands.h"

#include <string>

#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"

namespace korvel::cli {

namespace {
constexpr const char* kGlobalOptionsLine =
    "Global options (-C, --league, --team, --yes, --no, --json) and exit codes: see korvel-cli "
    "--help.";

// Whether `arg` may ask for help or the version: --help, --version, or a cluster of short flags
// holding h (it may also be -C with a folder holding an h, which then costs only time).
bool MayAskForHelp(std::string_view arg) {
    if (arg == "--help" || arg == "--version") return true;
    return arg.size() > 1 && arg[0] == '-' && arg[1] != '-' && arg.find('h') != arg.npos;
}
}  // namespace

std::vector<RegisteredCommand> CommandsToBuild(const std::vector<std::string_view>& args) {
    std::vector<RegisteredCommand> named;
    for (const RegisteredCommand& command : kCommandRegistry) {
        for (const std::string_view arg : args) {
            if (MayAskForHelp(arg))
                return {std::begin(kCommandRegistry), std::end(kCommandRegistry)};
            if (arg == command.Name) {
                named.push_back(command);
                break;
            }
        }
    }
    if (named.empty()) return {std::begin(kCommandRegistry), std::end(kCommandRegistry)};
    return named;
}

CLI::App* AddCommand(CLI::App& app, const char* name, const char* summary, const char* help) {
    CLI::App* parser = app.add_subcommand(name, summary);
    parser->group("Commands");
    parser->footer(std::string(help) + "\n" + kGlobalOptionsLine);
    return parser;
}

int PrintResult(Session& session, const std::function<nlohmann::json()>& json,
                const std::function<void(std::ostream& out)>& text) {
    if (session.Options().Json) {
        PrintJson(session.Out(), json());
    } else {
        text(session.Out());
    }
    return kDone;
}

}  // namespace korvel::cli
