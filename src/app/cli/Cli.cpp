#include "app/cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

#include "app/Version.h"
#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"

namespace korvel::cli {

namespace {

constexpr const char* kDescription =
    "korvel-cli: the Korvel windows on the command line. It opens the main window as the program "
    "does (start-up loads the league named in korvel.def of the start folder), loads --league "
    "as File > Load would, picks --team, then runs one command.";

constexpr const char* kExitCodes =
    "Options may stand before or after the command.\n"
    "Messages the windows show go to standard error as \"Title: text\"; a question (Yes/No) is "
    "answered by --yes or --no, and without either the run stops with exit code 2.\n"
    "Exit codes:\n"
    "  0  done\n"
    "  1  the program refused: a message stopped the action (see standard error), or the "
    "output could not be written\n"
    "  2  usage error (bad option or team, missing folder, unanswered question), no league "
    "could be loaded, or the start folder is in use by another Korvel program or cannot be "
    "locked\n"
    "Run 'korvel-cli COMMAND --help' for a command's output and its JSON shape.";

// "league, players and lines".
std::string CommandNames(const std::vector<Command>& commands) {
    std::string names;
    for (std::size_t c = 0; c < commands.size(); ++c) {
        if (c > 0) names += c + 1 == commands.size() ? " and " : ", ";
        names += commands[c].Parser->get_name();
    }
    return names;
}

}  // namespace

namespace {

int RunCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app(kDescription, "korvel-cli");
    app.set_version_flag("--version", std::string("korvel-cli ") + kVersion);
    GlobalOptions options;
    AddGlobalOptions(app, options);
    app.fallthrough();
    app.require_subcommand(1);
    app.footer(kExitCodes);

    std::vector<Command> commands;
    for (const CommandFactory add : kCommandRegistry) commands.push_back(add(app));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (app.get_subcommands().empty() && !app.remaining().empty()) {
            err << "korvel-cli: unknown command \"" << app.remaining().front()
                << "\"; the commands are " << CommandNames(commands)
                << " (see korvel-cli --help)\n";
            return kUsage;
        }
        const int code = app.exit(error, out, err);
        return code == 0 ? kDone : kUsage;
    }

    try {
        Session session(options, out, err);
        session.UiOfCli().SetDefaultAnswer(options.Yes  ? std::optional(Answer::Yes)
                                           : options.No ? std::optional(Answer::No)
                                                        : std::nullopt);
        session.Open();
        for (auto& command : commands) {
            if (command.Parser->parsed()) return command.Run(session);
        }
        return kUsage;
    } catch (const UsageError& error) {
        err << "korvel-cli: " << error.what() << '\n';
        return kUsage;
    } catch (const AnswerNeeded& question) {
        err << "korvel-cli: the question \"" << question.Question << "\" (" << question.Title
            << ") needs an answer; add --yes or --no\n";
        return kUsage;
    } catch (const std::exception& error) {
        err << "korvel-cli: " << error.what() << '\n';
        return kRefused;
    }
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    // Everything printed passes one filter, so no name from a league file reaches the terminal
    // as a control sequence.
    std::ostringstream rawOut, rawErr;
    const int code = RunCommand(argc, argv, rawOut, rawErr);
    out << TerminalText(rawOut.str()) << std::flush;
    err << TerminalText(rawErr.str()) << std::flush;
    return code;
}

}  // namespace korvel::cli
