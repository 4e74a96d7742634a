#include "app/cli/Cli.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Version.h"
#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/HelpFormatter.h"
#include "app/cli/Output.h"
#include "platform/CommitJournal.h"

namespace korvel::cli {

namespace {

constexpr const char* kDescription =
    "korvel-cli: the Korvel windows on the command line. It opens the main window as the program "
    "does (start-up loads the league named in korvel.def of the start folder), loads --league "
    "as File > Load would, picks --team, then runs the commands given, in their order, on that "
    "one load: what one keeps, the next one sees. Nothing is written until every command is "
    "done: then the working copies, korvel.def, the lines files and the league's waiver list "
    "are saved together. A refusal or an error stops the run there and leaves every file as it "
    "was before the run.";

constexpr const char* kExitCodes =
    "Options may stand before or after the command.\n"
    "Messages the windows show go to standard error as \"Title: text\"; a question (Yes/No) is "
    "answered by --yes or --no, and without either the run stops with exit code 2.\n"
    "\n"
    "Exit codes:\n"
    "  0  done\n"
    "  1  the program refused: a message stopped the action (see standard error), or the "
    "output could not be written\n"
    "  2  usage error (bad option or team, missing folder, unanswered question), no league "
    "could be loaded, or the start folder is in use by another Korvel program or cannot be "
    "locked\n"
    "Run 'korvel-cli COMMAND --help' for a command's output and its JSON shape.";

// "league, players and lines".
std::string CommandNames() {
    std::string names;
    const std::size_t count = std::size(kCommandRegistry);
    for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) names += c + 1 == count ? " and " : ", ";
        names += kCommandRegistry[c].Name;
    }
    return names;
}

}  // namespace

namespace {

const Command* CommandOf(const CLI::App* parser, const std::vector<Command>& commands) {
    for (const Command& command : commands) {
        if (command.Parser == parser) return &command;
    }
    return nullptr;
}

// Runs the commands named on the command line in their order, on the one league loaded; the first
// that does not finish stops the run, and when more than one was named the message says which.
int RunInOrder(const std::vector<CLI::App*>& named, const std::vector<Command>& commands,
               Session& session, std::ostream& err) {
    int code = kUsage;
    for (std::size_t n = 0; n < named.size(); ++n) {
        const Command* command = CommandOf(named[n], commands);
        if (!command) return kUsage;
        session.UiOfCli().ClearRefusal();  // each command answers for its own messages
        try {
            code = command->Run(session);
        } catch (...) {
            if (named.size() > 1) {
                err << "korvel-cli: the run stopped at command " << n + 1 << " ("
                    << named[n]->get_name() << "); nothing was saved\n";
            }
            throw;
        }
        if (code != kDone) {
            if (named.size() > 1) {
                err << "korvel-cli: " << named[n]->get_name() << " was refused; the run stopped "
                    << "at command " << n + 1 << " of " << named.size()
                    << (session.KeepsDonePart() ? "" : "; nothing was saved") << "\n";
            }
            return code;
        }
    }
    return code;
}

// Loads the league and runs the commands, holding every file they save (the load's working copies
// and korvel.def too) until all of them are done; then commits them together, and only then
// prints what the commands printed. A refusal or an error anywhere leaves every file as it was.
int RunAndCommit(Session& session, const std::vector<CLI::App*>& named,
                 const std::vector<Command>& commands, std::ostream& err) {
    session.Open(Session::HoldCopies::Yes);
    int code = kUsage;
    try {
        code = RunInOrder(named, commands, session, err);
    } catch (...) {
        session.ReleaseOutput();  // what the commands before printed, as they printed it
        throw;
    }
    if (code != kDone && !session.KeepsDonePart()) {
        session.ReleaseOutput();
        return code;
    }
    try {
        session.WriteWorkingCopies();
    } catch (const CommitUnfinished& failure) {
        err << "korvel-cli: the save could not be finished: " << failure.what() << "\n";
        return kRefused;
    } catch (const FileError& failure) {
        err << "korvel-cli: nothing was saved: " << failure.what() << "\n";
        return kRefused;
    }
    return code;
}

int RunCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app(kDescription, "korvel-cli");
    app.formatter(std::make_shared<HelpFormatter>(HelpWidth()));
    app.set_help_flag("-h,--help", "Print this help and exit.");
    app.set_version_flag("--version", std::string("korvel-cli ") + kVersion,
                         "Print the version and exit.");
    GlobalOptions options;
    AddGlobalOptions(app, options);
    app.fallthrough();
    app.require_subcommand(1, 0);
    app.footer(kExitCodes);

    std::vector<Command> commands;
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    for (const RegisteredCommand& command : CommandsToBuild(args)) {
        commands.push_back(command.Add(app));
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (app.get_subcommands().empty() && !app.remaining().empty()) {
            err << "korvel-cli: unknown command \"" << app.remaining().front()
                << "\"; the commands are " << CommandNames() << " (see korvel-cli --help)\n";
            return kUsage;
        }
        const int code = app.exit(error, out, err);
        return code == 0 ? kDone : kUsage;
    }

    for (const CLI::App* named : app.get_subcommands()) {
        if (named->count() > 1) {
            err << "korvel-cli: the command " << named->get_name()
                << " is given more than once; a run takes each command once\n";
            return kUsage;
        }
    }

    try {
        Session session(options, out, err);
        session.UiOfCli().SetDefaultAnswer(options.Yes  ? std::optional(Answer::Yes)
                                           : options.No ? std::optional(Answer::No)
                                                        : std::nullopt);
        bool readsOnly = true;
        for (const CLI::App* named : app.get_subcommands()) {
            const Command* command = CommandOf(named, commands);
            readsOnly = readsOnly && command && command->ReadsOnly;
        }
        if (!readsOnly) return RunAndCommit(session, app.get_subcommands(), commands, err);
        session.OpenLeagueOnly();
        return RunInOrder(app.get_subcommands(), commands, session, err);
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
