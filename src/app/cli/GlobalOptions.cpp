#include "app/cli/GlobalOptions.h"

namespace korvel::cli {

void AddGlobalOptions(CLI::App& app, GlobalOptions& options) {
    app.add_option("-C,--start-folder", options.StartFolder,
                   "Start folder: holds the working copies (swp.t, swp.r, swp.l), korvel.def and "
                   "the lines files. Default: the current folder.")
        ->option_text("DIR");
    app.add_option("--league", options.League,
                   "Load this league, as File > Load does: its base path without extension "
                   "(BASE.lge, BASE.tms, BASE.ros); a relative path is taken from the start "
                   "folder. Default: the league named in korvel.def.")
        ->option_text("BASE");
    app.add_option("--team", options.Team,
                   "The team to work on: its index (0 to the league's last team) or its name "
                   "(case-insensitive). Default: the current team after loading.")
        ->option_text("TEAM")
        ->check(CLI::Validator(
            [](const std::string& team) {
                return team.empty() ? std::string("give a team index or name, not an empty text")
                                    : std::string();
            },
            ""));
    auto* yes =
        app.add_flag("--yes", options.Yes, "Answer Yes to every question the program asks.");
    auto* no = app.add_flag("--no", options.No, "Answer No to every question the program asks.");
    yes->excludes(no);
    app.add_flag("--json", options.Json,
                 "Write the result as JSON on standard output (texts without trailing blanks, "
                 "UTF-8).");
}

}  // namespace korvel::cli
