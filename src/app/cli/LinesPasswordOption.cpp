#include "app/cli/LinesPasswordOption.h"

#include "app/cli/Output.h"

namespace korvel::cli {

void AddLinesPasswordChoice(CLI::App& parser, LinesPasswordChoice& choice, CLI::Option* typed) {
    auto* league = parser.add_flag(
        "--league-password", choice.League,
        "Save the lines file with the team's own lines password, read from the team file: for "
        "a league office that prepares teams.");
    league->excludes(typed);
    parser.add_flag("--force", choice.Force,
                    "Save the lines file even when PASSWORD is not the team's lines password "
                    "(the league will answer such a file with \"Password Incorrect\").");
}

std::optional<FixedText<10>> ChosenLinesPassword(Session& session,
                                                 const std::optional<std::string>& typed,
                                                 const LinesPasswordChoice& choice) {
    const Team& team = session.Vars().CurrentTeamRecord();
    if (choice.League) return team.Password;
    if (!typed) return std::nullopt;
    std::string refused;
    const auto password = LinesPassword(*typed, refused);
    if (!password) RequireLinesPassword(*typed);  // throws with the character
    if (*password != team.Password && !choice.Force) {
        throw LinesRefusal("the password \"" + *typed + "\" is not the lines password of " +
                           RecordText(team.Name) +
                           ": the league would refuse the lines file (\"Password Incorrect\"). "
                           "Give the team's password, --league-password, or --force to save it "
                           "all the same");
    }
    return password;
}

}  // namespace korvel::cli
