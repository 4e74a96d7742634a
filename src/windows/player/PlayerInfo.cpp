#include "windows/player/PlayerInfo.h"

#include <cmath>
#include <stdexcept>

#include "league/Condense.h"
#include "league/RosterStatus.h"
#include "platform/NumberFormat.h"
#include "ratings/Ratings.h"

namespace korvel {
namespace {

struct IdentityField {
    const char* Name;
    const char* Caption;
    Label PlayerInfo::*Value;
};

constexpr std::array<IdentityField, 13> kIdentityFields{{
    {"Label1", "", &PlayerInfo::Label1},
    {"lblPos", "POS", &PlayerInfo::lblPos},
    {"lblNum", "NUM", &PlayerInfo::lblNum},
    {"lblHD", "HD", &PlayerInfo::lblHD},
    {"lblHgt", "HGT", &PlayerInfo::lblHgt},
    {"lblWgt", "WGT", &PlayerInfo::lblWgt},
    {"lblAge", "AGE", &PlayerInfo::lblAge},
    {"lblSts", "STS", &PlayerInfo::lblSts},
    {"lblCon", "CON", &PlayerInfo::lblCon},
    {"lblBirthplace", "Birthplace", &PlayerInfo::lblBirthplace},
    {"lblContract", "Contract", &PlayerInfo::lblContract},
    {"lblSalary", "Salary $", &PlayerInfo::lblSalary},
    {"lblExp", "", &PlayerInfo::lblExp},
}};

constexpr std::array<const char*, PlayerInfo::kSkillLabels> kSkillCaptions{
    "Intensity", "Speed",       "Strength", "Endurance", "Durability", "Discipline", "Skating",
    "Passing",   "Stickhandle", "Defence",  "Scoring",   "Experience", "Leadership", "Overall"};

struct StatisticField {
    const char* Name;
    const char* SkaterCaption;
    const char* GoalieCaption;
    Label PlayerInfo::*Value;
};

constexpr std::array<StatisticField, PlayerInfo::kStatistics> kStatisticFields{{
    {"lblGP", "GP", "GP", &PlayerInfo::lblGP},
    {"lblG", "G", "W", &PlayerInfo::lblG},
    {"lblA", "A", "L", &PlayerInfo::lblA},
    {"lblP", "P", "T", &PlayerInfo::lblP},
    {"lblPIM", "PIM", "GA", &PlayerInfo::lblPIM},
    {"lblPlus", "+/-", "GAA", &PlayerInfo::lblPlus},
    {"lblPP", "PPG", "PIM", &PlayerInfo::lblPP},
    {"lblSH", "SHG", "As", &PlayerInfo::lblSH},
    {"lblGW", "GW", "SO", &PlayerInfo::lblGW},
    {"lblGT", "GT", "", &PlayerInfo::lblGT},
    {"lblShots", "Shots", "Shots", &PlayerInfo::lblShots},
    {"lblShoot", "Sh%", "Sv%", &PlayerInfo::lblShoot},
}};

constexpr std::uint8_t kNoSkill = 255;
constexpr int kShortestHeight = 66;  // inches; anything shorter shows as 5 ft 6
constexpr float kCentimetresPerInch = 2.5f;

std::string IndexedName(const char* name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

// A record text for display: Windows-1252 to UTF-8, ending at a code-0 byte as a label does.
std::string Shown(std::string_view bytes) {
    return Windows1252ToUtf8(bytes.substr(0, bytes.find('\0')));
}

std::string StatusText(const Variables& vars, const Player& player) {
    const int injury = InjuryOf(player.Status);
    if (injury > 0) {
        // A code without an entry in the table shows its number rather than reading past it.
        const bool known = injury < static_cast<int>(vars.InjuryCode.size());
        return "Injured " + (known ? vars.InjuryCode[injury] : std::to_string(injury));
    }
    if (player.Suspension > 0) {
        return "Suspended " + std::to_string(player.Suspension) + " games";
    }
    return "Healthy";
}

std::int64_t SalaryShown(const Variables& vars, const Player& player) {
    const bool paidAsFarmhand = player.Status == 0 && player.GamesPlayed < vars.League.FarmPayGames;
    if (!paidAsFarmhand) return player.Salary;
    return static_cast<std::int64_t>(std::floor(player.Salary / 10.0));
}

std::string SkillText(std::uint8_t skill) {
    return skill == kNoSkill ? "n/a" : std::to_string(skill);
}

}  // namespace

PlayerInfo::PlayerInfo(Variables& vars) : Window(kCaption), vars_(vars) {
    for (std::size_t i = 0; i < kStatisticFields.size(); ++i) {
        lblStatCaption[i].Caption = kStatisticFields[i].SkaterCaption;
    }
}

const Player& PlayerInfo::SlotPlayer() const {
    if (vars_.CurrentPlayerIndex >= kRosterPlaces) {
        throw std::out_of_range("There is no roster place " +
                                std::to_string(vars_.CurrentPlayerIndex) + ".");
    }
    return vars_.Players[0][vars_.CurrentPlayerIndex];
}

void PlayerInfo::Form_Load() {
    const Player& slotPlayer = SlotPlayer();
    vars_.CardPlayer = slotPlayer;
    const Player& player = vars_.CardPlayer;

    Label1.Caption = Shown(Condense(slotPlayer.Name.Str())) + " (" +
                     Shown(Condense(vars_.CurrentTeamRecord().Name.Str())) + ")";
    // A position code without an abbreviation shows nothing.
    lblPos.Caption = player.Position < vars_.PositionAbbrev.size()
                         ? vars_.PositionAbbrev[player.Position]
                         : std::string();
    lblCon.Caption = std::to_string(player.Condition);
    lblBirthplace.Caption = Shown(player.Birthplace.Str());
    if (player.Condition == 0) lblCon.Caption = "100";
    lblNum.Caption = std::to_string(player.Number);
    lblAge.Caption = std::to_string(player.Age);
    HgtValue.Caption = std::to_string(player.Height);
    ShowFeetAndInches();
    lblWgt.Caption = std::to_string(player.Weight);
    lblContract.Caption = std::to_string(player.Contract);
    lblHD.Caption = std::string(1, player.Hand == 0 ? 'L' : 'R');
    lblSalary.Caption = FormatThousands(SalaryShown(vars_, player));
    lblSts.Caption = StatusText(vars_, player);
    lblExp.Caption = player.Rookie != 0 ? "Rookie" : "Veteran";
    for (int i = 0; i < kSkillLabels - 1; ++i) lblSkill[i].Caption = SkillText(player.Skills[i]);

    const bool goalie = player.Position == Goalie;
    if (goalie) {
        ShowGoalieStatistics(player);
    } else {
        ShowSkaterStatistics(player);
    }
    const auto overall = Overall(vars_, 0, vars_.CurrentPlayerIndex);
    lblSkill[kSkillLabels - 1].Caption = overall ? std::to_string(*overall) : std::string();
    if (goalie) {
        lblSkill[Defence].Caption = "N/A";
        lblSkill[Scoring].Caption = "N/A";
    }
}

void PlayerInfo::ShowSkaterStatistics(const Player& player) {
    lblGP.Caption = std::to_string(player.GamesPlayed);
    lblG.Caption = std::to_string(player.Goals);
    lblA.Caption = std::to_string(player.Assists);
    lblP.Caption = std::to_string(player.Goals + player.Assists);
    lblPIM.Caption = std::to_string(player.PenaltyMin);
    lblPlus.Caption = std::to_string(player.PlusMinus);
    lblPP.Caption = std::to_string(player.PPGoals);
    lblSH.Caption = std::to_string(player.SHGoals);
    lblGW.Caption = std::to_string(player.GWGoals);
    lblGT.Caption = std::to_string(player.GTGoals);
    lblShots.Caption = std::to_string(player.Shots);
    lblShoot.Caption =
        player.Shots > 0
            ? FormatFixed(
                  static_cast<float>(player.Goals) / static_cast<float>(player.Shots) * 100.0f, 1)
            : FormatFixed(0.0, 1);
}

// A goalie's record holds wins, losses, ties, goals against, penalty minutes, assists and
// shutouts in the skater fields named in each line.
void PlayerInfo::ShowGoalieStatistics(const Player& player) {
    for (std::size_t i = 0; i < kStatisticFields.size(); ++i) {
        lblStatCaption[i].Caption = kStatisticFields[i].GoalieCaption;
    }
    lblGP.Caption = std::to_string(player.GamesPlayed);
    lblG.Caption = std::to_string(player.SHGoals);
    lblA.Caption = std::to_string(player.GWGoals);
    lblP.Caption = std::to_string(player.GTGoals);
    lblPIM.Caption = std::to_string(player.PenaltyMin);
    lblPP.Caption = std::to_string(player.Goals);
    lblSH.Caption = std::to_string(player.Assists);
    lblGW.Caption = std::to_string(player.PPGoals);
    lblGT.Visible = false;
    lblShots.Caption = std::to_string(player.Shots);
    if (player.GamesPlayed > 0) {
        const float goalsAgainst = player.PenaltyMin;
        lblPlus.Caption = FormatFixed(goalsAgainst / static_cast<float>(player.GamesPlayed), 2);
        lblShoot.Caption = player.Shots > 0
                               ? FormatFixed((static_cast<float>(player.Shots) - goalsAgainst) /
                                                 static_cast<float>(player.Shots),
                                             3)
                               : FormatFixed(1.0f, 3);
    }
}

void PlayerInfo::ShowFeetAndInches() {
    const int height = std::stoi(HgtValue.Caption);
    HgtValue.Caption = std::to_string(height);
    lblHgt.Caption = height < kShortestHeight
                         ? "5 ft 6"
                         : std::to_string(height / 12) + " ft " + std::to_string(height % 12);
    InchesShown = true;
}

void PlayerInfo::ShowCentimetres() {
    const int height = std::stoi(HgtValue.Caption);
    lblHgt.Caption = FormatGeneral(static_cast<float>(height) * kCentimetresPerInch) + " cm";
    InchesShown = false;
}

void PlayerInfo::lblHgt_Click() {
    if (InchesShown) {
        ShowCentimetres();
    } else {
        ShowFeetAndInches();
    }
}

void PlayerInfo::Command1_Click() {
    Unload();
}

namespace {

// Calls visit(name, caption, label, isStatistic) for every field of the card in order; `Card` is
// PlayerInfo or const PlayerInfo.
template <class Card, class Visit>
void ForEachField(Card& card, Visit visit) {
    for (const auto& field : kIdentityFields) {
        visit(field.Name, field.Caption, card.*field.Value, false);
    }
    for (int i = 0; i < PlayerInfo::kSkillLabels; ++i) {
        visit(IndexedName("lblSkill", i), kSkillCaptions[i], card.lblSkill[i], false);
    }
    visit("HgtValue", "", card.HgtValue, false);
    for (std::size_t i = 0; i < kStatisticFields.size(); ++i) {
        const auto& field = kStatisticFields[i];
        visit(field.Name, card.lblStatCaption[i].Caption, card.*field.Value, true);
    }
}

}  // namespace

std::vector<PlayerInfo::Field> PlayerInfo::Fields() const {
    std::vector<Field> fields;
    ForEachField(*this, [&](const std::string& name, const std::string& caption, const Label& value,
                            bool isStatistic) {
        fields.push_back({name, caption, &value, isStatistic});
    });
    return fields;
}

Label* PlayerInfo::Control(std::string_view name) {
    for (int i = 0; i < kStatistics; ++i) {
        if (name == IndexedName("lblStatCaption", i)) return &lblStatCaption[i];
    }
    Label* found = nullptr;
    ForEachField(*this, [&](const std::string& fieldName, const std::string&, Label& value, bool) {
        if (fieldName == name) found = &value;
    });
    return found;
}

bool ShowPlayerCard(Variables& vars, Ui& ui, int index) {
    if (index < 0 || index >= kRosterPlaces || vars.Players[0][index].IsEmptyPlace()) return false;
    vars.CurrentPlayerIndex = static_cast<std::uint8_t>(index);
    PlayerInfo card(vars);
    ui.ShowModal(card);
    return true;
}

}  // namespace korvel
