#include "app/cli/Commands.h"

#include <string>

#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"

namespace korvel::cli {

namespace {
constexpr const char* kGlobalOptionsLine =
    "Global options (-C, --league, --team, --yes, --no, --json): see korvel-cli --help.";
}  // namespace

CLI::App* AddCommand(CLI::App& app, const char* name, const char* summary, const char* help) {
    CLI::App* parser = app.add_subcommand(name, summary);
    parser->footer(std::string(help) + "\n" + kGlobalOptionsLine + "\n\n" + app.get_footer());
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
