#include "windows/player/PlayerInfo.h"

#include <cmath>
#include <stdexcept>

#include "league/Condense.h"
#include "league/RosterStatus.h"
#include "platform/NumberFormat.h"
#include "platform/Phrase.h"
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
    {"lblPos", KORVEL_TEXT("PlayerInfo", "POS"), &PlayerInfo::lblPos},
    {"lblNum", KORVEL_TEXT("PlayerInfo", "NUM"), &PlayerInfo::lblNum},
    {"lblHD", KORVEL_TEXT("PlayerInfo", "HD"), &PlayerInfo::lblHD},
    {"lblHgt", KORVEL_TEXT("PlayerInfo", "HGT"), &PlayerInfo::lblHgt},
    {"lblWgt", KORVEL_TEXT("PlayerInfo", "WGT"), &PlayerInfo::lblWgt},
    {"lblAge", KORVEL_TEXT("PlayerInfo", "AGE"), &PlayerInfo::lblAge},
    {"lblSts", KORVEL_TEXT("PlayerInfo", "STS"), &PlayerInfo::lblSts},
    {"lblCon", KORVEL_TEXT("PlayerInfo", "CON"), &PlayerInfo::lblCon},
    {"lblBirthplace", KORVEL_TEXT("PlayerInfo", "Birthplace"), &PlayerInfo::lblBirthplace},
    {"lblContract", KORVEL_TEXT("PlayerInfo", "Contract"), &PlayerInfo::lblContract},
    {"lblSalary", KORVEL_TEXT("PlayerInfo", "Salary $"), &PlayerInfo::lblSalary},
    {"lblExp", "", &PlayerInfo::lblExp},
}};

constexpr std::array<const char*, PlayerInfo::kSkillLabels> kSkillCaptions{
    KORVEL_TEXT("PlayerInfo", "Intensity"),   KORVEL_TEXT("PlayerInfo", "Speed"),
    KORVEL_TEXT("PlayerInfo", "Strength"),    KORVEL_TEXT("PlayerInfo", "Endurance"),
    KORVEL_TEXT("PlayerInfo", "Durability"),  KORVEL_TEXT("PlayerInfo", "Discipline"),
    KORVEL_TEXT("PlayerInfo", "Skating"),     KORVEL_TEXT("PlayerInfo", "Passing"),
    KORVEL_TEXT("PlayerInfo", "Stickhandle"), KORVEL_TEXT("PlayerInfo", "Defence"),
    KORVEL_TEXT("PlayerInfo", "Scoring"),     KORVEL_TEXT("PlayerInfo", "Experience"),
    KORVEL_TEXT("PlayerInfo", "Leadership"),  KORVEL_TEXT("PlayerInfo", "Overall")};

struct StatisticField {
    const char* Name;
    const char* SkaterCaption;
    const char* GoalieCaption;
    Label PlayerInfo::*Value;
};

constexpr std::array<StatisticField, PlayerInfo::kStatistics> kStatisticFields{{
    {"lblGP", KORVEL_TEXT("PlayerInfo", "GP"), KORVEL_TEXT("PlayerInfo", "GP"), &PlayerInfo::lblGP},
    {"lblG", "G", "W", &PlayerInfo::lblG},
    {"lblA", "A", "L", &PlayerInfo::lblA},
    {"lblP", "P", "T", &PlayerInfo::lblP},
    {"lblPIM", KORVEL_TEXT("PlayerInfo", "PIM"), "GA", &PlayerInfo::lblPIM},
    {"lblPlus", "+/-", KORVEL_TEXT("PlayerInfo", "GAA"), &PlayerInfo::lblPlus},
    {"lblPP", KORVEL_TEXT("PlayerInfo", "PPG"), KORVEL_TEXT("PlayerInfo", "PIM"),
     &PlayerInfo::lblPP},
    {"lblSH", KORVEL_TEXT("PlayerInfo", "SHG"), "As", &PlayerInfo::lblSH},
    {"lblGW", KORVEL_TEXT("PlayerInfo", "GW"), "SO", &PlayerInfo::lblGW},
    {"lblGT", KORVEL_TEXT("PlayerInfo", "GT"), "", &PlayerInfo::lblGT},
    {"lblShots", KORVEL_TEXT("PlayerInfo", "Shots"), KORVEL_TEXT("PlayerInfo", "Shots"),
     &PlayerInfo::lblShots},
    {"lblShoot", KORVEL_TEXT("PlayerInfo", "Sh%"), KORVEL_TEXT("PlayerInfo", "Sv%"),
     &PlayerInfo::lblShoot},
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
        return KORVEL_PHRASE("PlayerInfo", "Injured %1")
            .With({known ? vars.InjuryCode[injury] : std::to_string(injury)})
            .English();
    }
    if (player.Suspension > 0) {
        return KORVEL_PLURAL("PlayerInfo", "Suspended %n games")
            .Counting(player.Suspension)
            .English();
    }
    return KORVEL_TEXT("PlayerInfo", "Healthy");
}

std::int64_t SalaryShown(const Variables& vars, const Player& player) {
    const bool paidAsFarmhand = player.Status == 0 && player.GamesPlayed < vars.League.FarmPayGames;
    if (!paidAsFarmhand) return player.Salary;
    return static_cast<std::int64_t>(std::floor(player.Salary / 10.0));
}

std::string SkillText(std::uint8_t skill) {
    return skill == kNoSkill ? KORVEL_TEXT("PlayerInfo", "n/a") : std::to_string(skill);
}

}  // namespace

PlayerInfo::PlayerInfo(Variables& vars) : Window(kCaption), vars_(vars) {
    for (std::size_t i = 0; i < kStatisticFields.size(); ++i) {
        lblStatCaption[i].Caption = kStatisticFields[i].SkaterCaption;
    }
}

PlayerInfo::PlayerInfo(Variables& vars, const Player& player, std::string team) : PlayerInfo(vars) {
    lent_ = player;
    lentTeam_ = std::move(team);
}

const Player& PlayerInfo::SlotPlayer() const {
    if (lent_) return *lent_;
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
                     (lent_ ? lentTeam_ : Shown(Condense(vars_.CurrentTeamRecord().Name.Str()))) +
                     ")";
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
    lblExp.Caption = player.Rookie != 0 ? KORVEL_TEXT("PlayerInfo", "Rookie")
                                        : KORVEL_TEXT("PlayerInfo", "Veteran");
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
        lblSkill[Defence].Caption = KORVEL_TEXT("PlayerInfo", "N/A");
        lblSkill[Scoring].Caption = KORVEL_TEXT("PlayerInfo", "N/A");
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
                         ? KORVEL_PHRASE("PlayerInfo", "%1 ft %2").With({"5", "6"}).English()
                         : KORVEL_PHRASE("PlayerInfo", "%1 ft %2")
                               .With({std::to_string(height / 12), std::to_string(height % 12)})
                               .English();
    InchesShown = true;
}

void PlayerInfo::ShowCentimetres() {
    const int height = std::stoi(HgtValue.Caption);
    lblHgt.Caption = KORVEL_PHRASE("PlayerInfo", "%1 cm")
                         .With({FormatGeneral(static_cast<float>(height) * kCentimetresPerInch)})
                         .English();
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

bool ShowPlayerCard(Variables& vars, Ui& ui, const Player& player, const std::string& team) {
    if (player.IsEmptyPlace()) return false;
    PlayerInfo card(vars, player, team);
    ui.ShowModal(card);
    return true;
}

}  // namespace korvel
