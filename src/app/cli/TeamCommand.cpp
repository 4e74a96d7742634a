#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "app/cli/DriveWindow.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/HelpFormatter.h"
#include "app/cli/Output.h"
#include "windows/team/DisplayTeam.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Opens the team information window as Manager > View Team does (it reads the team's "
    "roster itself) and prints every field the window shows as \"Caption: value\", from the team "
    "name to Games Remaining.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"Fields\": {field key: text exactly as shown, one key for "
    "each field from the team name to Games Remaining, two that are always empty included}, "
    "\"ProjectedBalanceColour\": \"#RRGGBB\", red #FF0000 when the projected balance is below 0, "
    "white #FFFFFF otherwise, \"Strength\": {\"C\", \"LW\", \"RW\", \"D\", \"G\": {\"Wanted\": "
    "players a game roster asks for (3, 3, 3, 6, 1), \"Dressed\" and \"Pro\": mean Overall of the "
    "best of them among the dressed players and the whole pro roster, to one decimal, null when "
    "there is none, \"DressedCounted\", \"ProCounted\": how many were averaged}}}";

struct TeamOptions {
    int Refreshes = 1;
};

struct TeamShown {
    std::vector<std::pair<std::string, std::string>> Fields;  // control name, text
    Colour BalanceColour = 0;
    TeamStrength Strength{};
};

std::string ColourText(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

void UseTeamWindow(DisplayTeam& info, const TeamOptions& options, TeamShown& shown) {
    // The roster windows these presses open close unchanged: the command acts in no other window.
    for (int refresh = 1; refresh < options.Refreshes; ++refresh) info.Command3_Click();
    for (const auto& field : DisplayTeam::Fields) {
        shown.Fields.emplace_back(field.Name, info.Field(field.Name).Caption);
    }
    shown.BalanceColour = info.lblProjBal.ForeColor;
    shown.Strength = info.Strength;
}

nlohmann::json MeanJson(const std::optional<double>& mean) {
    if (!mean) return nullptr;
    return std::round(*mean * 10.0) / 10.0;
}

nlohmann::json StrengthJson(const TeamStrength& strength) {
    static constexpr std::array<const char*, 5> kPositions = {"C", "LW", "RW", "D", "G"};
    nlohmann::json json = nlohmann::json::object();
    for (std::size_t p = 0; p < kPositions.size(); ++p) {
        const PositionStrength& position = strength[p];
        json[kPositions[p]] = {{"Wanted", position.Wanted},
                               {"Dressed", MeanJson(position.Dressed)},
                               {"DressedCounted", position.DressedCounted},
                               {"Pro", MeanJson(position.Pro)},
                               {"ProCounted", position.ProCounted}};
    }
    return json;
}

void PrintText(std::ostream& out, const TeamShown& shown) {
    for (std::size_t f = 0; f < shown.Fields.size(); ++f) {
        const std::string value = ShownText(shown.Fields[f].second);
        out << DisplayTeam::Fields[f].Caption << ':' << (value.empty() ? "" : " " + value) << '\n';
    }
}

nlohmann::json ToJson(Session& session, const TeamShown& shown) {
    nlohmann::json fields = nlohmann::json::object();
    for (const auto& [name, text] : shown.Fields) fields[name] = text;
    return {{"Team", RecordText(session.Vars().Teams[session.CurrentTeam()].Name)},
            {"TeamIndex", session.CurrentTeam()},
            {"Fields", fields},
            {"ProjectedBalanceColour", ColourText(shown.BalanceColour)},
            {"Strength", StrengthJson(shown.Strength)}};
}

int RunTeam(Session& session, const TeamOptions& options) {
    CliUi& ui = session.UiOfCli();
    TeamShown shown;
    // Manager > View Team: the window reads the team's roster itself.
    const auto viewTeam = [&] {
        if (!session.TeamChosen()) return;
        RunGuarded(ui, "View Team", [&] {
            DisplayTeam info(session.TeamEdit(), ui);
            ui.ShowModal(info);
        });
    };
    const bool opened = DriveWindow<DisplayTeam>(
        session, viewTeam, [&](DisplayTeam& info) { UseTeamWindow(info, options, shown); });
    if (ui.Refused()) return kRefused;
    if (!opened) throw WindowNotOpened("team information window", "Manager > View Team");
    return PrintResult(
        session, [&] { return ToJson(session, shown); },
        [&](std::ostream& out) { PrintText(out, shown); });
}

}  // namespace

Command AddTeamCommand(CLI::App& app) {
    auto options = std::make_shared<TeamOptions>();
    auto* parser = AddCommand(app, "team", "Show the team's information and finances.", kHelp);
    parser
        ->add_option("--refreshes", options->Refreshes,
                     "Refresh the window this many times in all: the first when it opens, each "
                     "further one by pressing Team Roster.")
        ->check(CLI::Range(1, 1000))
        ->group(kTestOnlyGroup);
    return {parser, [options](Session& session) { return RunTeam(session, *options); }};
}

}  // namespace korvel::cli
