#include "windows/roster/AddPlayer.h"

#include <algorithm>
#include <cctype>

#include "league/Condense.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"

namespace korvel {

namespace {

constexpr std::array<const char*, AddPlayer::kSkills> kSkillNames{
    KORVEL_TEXT("AddPlayer", "Intensity"),   KORVEL_TEXT("AddPlayer", "Speed"),
    KORVEL_TEXT("AddPlayer", "Strength"),    KORVEL_TEXT("AddPlayer", "Endurance"),
    KORVEL_TEXT("AddPlayer", "Durability"),  KORVEL_TEXT("AddPlayer", "Discipline"),
    KORVEL_TEXT("AddPlayer", "Skating"),     KORVEL_TEXT("AddPlayer", "Passing"),
    KORVEL_TEXT("AddPlayer", "Stickhandle"), KORVEL_TEXT("AddPlayer", "Defence"),
    KORVEL_TEXT("AddPlayer", "Scoring"),     KORVEL_TEXT("AddPlayer", "Experience"),
    KORVEL_TEXT("AddPlayer", "Leadership")};
constexpr int kDefaultSkill = 50;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

AddPlayer::AddPlayer(const Variables& vars, Ui& ui) : Window(kCaption), vars_(vars), ui_(ui) {
    for (const char* position : {"C", "LW", "RW", "D", "G"}) cboPosition.AddItem(position);
    cboPosition.ListIndex = 0;
    cboHand.AddItem(KORVEL_TEXT("AddPlayer", "Left"));
    cboHand.AddItem(KORVEL_TEXT("AddPlayer", "Right"));
    cboHand.ListIndex = 0;
    for (int s = 0; s < kSkills; ++s) txtSkill[s] = NumberBox{kSkillNames[s], 0, 99, kDefaultSkill};
}

void AddPlayer::Form_Load() {
    txtNumber.Value = FreeNumber();
}

int AddPlayer::FreeNumber() const {
    for (int number = 1; number <= 99; ++number) {
        const bool worn = std::any_of(vars_.Players[0].begin(), vars_.Players[0].end(),
                                      [&](const Player& player) {
                                          return !player.IsEmptyPlace() && player.Number == number;
                                      });
        if (!worn) return number;
    }
    return 1;
}

void AddPlayer::cmdOK_Click() {
    auto refuse = [&](const std::string& text) {
        ui_.MsgBox(text, Buttons::OK, Icon::Information, kCaption);
    };
    if (Trimmed(txtName.Text).empty())
        return refuse(KORVEL_TEXT("AddPlayer", "Enter the player's name."));
    if (FirstEmptyPlace(vars_.Players[0]) < 0) {
        return refuse(
            KORVEL_PHRASE("AddPlayer", "The roster of %1 is full: all 50 places are taken.")
                .With({Condense(vars_.CurrentTeamRecord().Name.Utf8())})
                .English());
    }
    if (cboPosition.ListIndex < 0 || cboPosition.ListIndex > Goalie)
        return refuse(KORVEL_TEXT("AddPlayer", "Choose the player's position."));
    std::vector<const NumberBox*> numbers{&txtNumber, &txtHeight, &txtWeight,
                                          &txtAge,    &txtSalary, &txtContract};
    for (const NumberBox& skill : txtSkill) numbers.push_back(&skill);
    for (const NumberBox* box : numbers) {
        if (box->Value < box->Min || box->Value > box->Max) {
            return refuse(
                KORVEL_PHRASE("AddPlayer", "%1 must be from %2 to %3.")
                    .With({box->Caption, std::to_string(box->Min), std::to_string(box->Max)})
                    .English());
        }
    }
    NewPlayer = MakePlayer();
    Unload();
}

void AddPlayer::cmdCancel_Click() {
    Unload();
}

Player AddPlayer::MakePlayer() const {
    Player player;  // every byte zero: farm club, healthy, not protected, not on waivers
    player.Name = FixedText<22>::FromString(Utf8ToWindows1252(Trimmed(txtName.Text)));
    player.Position = static_cast<std::uint8_t>(cboPosition.ListIndex);
    player.Number = static_cast<std::uint8_t>(txtNumber.Value);
    player.Rookie = chkRookie.Value ? kTrue : kFalse;
    player.Hand = static_cast<std::uint8_t>(cboHand.ListIndex == 1 ? 1 : 0);
    player.Height = static_cast<std::uint8_t>(txtHeight.Value);
    player.Weight = static_cast<std::uint8_t>(txtWeight.Value);
    player.Age = static_cast<std::uint8_t>(txtAge.Value);
    for (int s = 0; s < kSkills; ++s)
        player.Skills[s] = static_cast<std::uint8_t>(txtSkill[s].Value);
    player.Salary = txtSalary.Value;
    player.Contract = static_cast<std::uint8_t>(txtContract.Value);
    std::string birthplace = Utf8ToWindows1252(Trimmed(txtBirthplace.Text));
    std::transform(birthplace.begin(), birthplace.end(), birthplace.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (!birthplace.empty()) player.Birthplace = FixedText<3>::FromString(birthplace);
    return player;
}

}  // namespace korvel
