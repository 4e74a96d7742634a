#include <memory>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/HelpFormatter.h"
#include "app/cli/Output.h"
#include "league/RosterSlots.h"
#include "windows/player/PlayerInfo.h"

namespace korvel::cli {
namespace {

constexpr const char* kTitle = "Player Info";

constexpr const char* kHelp =
    "Reads the team's roster as Coach > Set Game Roster does, opens the player card of roster "
    "place INDEX (0 to 49) as a double click in the roster window does and prints every field "
    "the card shows, in its order: \"Caption: value\", or "
    "the value alone where the card shows no caption (the title and Rookie/Veteran). An index "
    "outside 0 to 49 or an empty place opens nothing and gives exit code 1.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"Index\", \"Fields\": {field key: text as shown, one key "
    "for each field of the card (title, position, number, hand, height, weight, age, status, "
    "condition, birthplace, contract, salary, experience, the 14 skills and each visible "
    "statistic)}, \"Captions\": {statistic's key: its caption}}";

struct CardOptions {
    int Index = 0;
    int HeightClicks = 0;
};

// A field of the card as the command reports it.
struct FieldShown {
    std::string Name, Caption, Text;
    bool Visible, IsStatistic;
};

std::vector<FieldShown> ReadCard(const PlayerInfo& card) {
    std::vector<FieldShown> fields;
    for (const auto& field : card.Fields()) {
        fields.push_back({field.Name, field.Caption, field.Value->Caption, field.Value->Visible,
                          field.IsStatistic});
    }
    return fields;
}

// The reason the card of `index` cannot open, or nothing when it can.
std::string RefusalOf(const Variables& vars, int index) {
    if (index < 0 || index >= kRosterPlaces) {
        return "There is no roster place " + std::to_string(index) + ": places run from 0 to 49.";
    }
    if (vars.Players[0][index].IsEmptyPlace()) {
        return "Roster place " + std::to_string(index) + " of " +
               RecordText(vars.Teams[vars.CurrentTeam].Name) + " is empty.";
    }
    return {};
}

void PrintText(std::ostream& out, const std::vector<FieldShown>& fields) {
    for (const auto& field : fields) {
        if (!field.Visible) continue;
        if (!field.Caption.empty()) out << field.Caption << ": ";
        out << field.Text << '\n';
    }
}

nlohmann::json ToJson(Session& session, int index, const std::vector<FieldShown>& fields) {
    nlohmann::json values = nlohmann::json::object();
    nlohmann::json captions = nlohmann::json::object();
    for (const auto& field : fields) {
        if (!field.IsStatistic) {
            values[field.Name] = field.Text;
        } else if (field.Visible) {
            values[field.Name] = field.Text;
            captions[field.Name] = field.Caption;
        }
    }
    return {{"Team", RecordText(session.Vars().Teams[session.CurrentTeam()].Name)},
            {"TeamIndex", session.CurrentTeam()},
            {"Index", index},
            {"Fields", values},
            {"Captions", captions}};
}

int RunCard(Session& session, const CardOptions& options) {
    Variables& vars = session.Vars();
    CliUi& ui = session.UiOfCli();
    const bool loaded = RunGuarded(ui, kTitle, [&] { LoadTeam(vars, session.CurrentTeam(), 0); });
    if (!loaded) return kRefused;
    if (const auto refusal = RefusalOf(vars, options.Index); !refusal.empty()) {
        ui.MsgBox(refusal, Buttons::OK, Icon::None, kTitle);
        return kRefused;
    }

    std::vector<FieldShown> fields;
    ui.SetModalAction([&](Window& window) {
        auto* card = dynamic_cast<PlayerInfo*>(&window);
        if (!card) return;
        for (int click = 0; click < options.HeightClicks; ++click) card->lblHgt_Click();
        fields = ReadCard(*card);
    });
    const bool opened = ShowPlayerCard(vars, ui, options.Index);
    ui.SetModalAction(nullptr);
    if (!opened || ui.Refused()) return kRefused;

    return PrintResult(
        session, [&] { return ToJson(session, options.Index, fields); },
        [&](std::ostream& out) { PrintText(out, fields); });
}

}  // namespace

Command AddCardCommand(CLI::App& app) {
    auto options = std::make_shared<CardOptions>();
    auto* parser = AddCommand(app, "card", "Show a player's card.", kHelp);
    parser->add_option("INDEX", options->Index, "The player's roster place, 0 to 49.")->required();
    parser
        ->add_option("--height-clicks", options->HeightClicks,
                     "Click the height this many times before reading the card.")
        ->check(CLI::Range(0, 1000))
        ->group(kTestOnlyGroup);
    return {parser, [options](Session& session) { return RunCard(session, *options); }};
}

}  // namespace korvel::cli
