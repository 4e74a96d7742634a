#pragma once

// The records of the league's files: league (.lge), team (.tms) and player (.ros). Each struct
// carries the fields this program reads or writes; its byte layout follows it as a table.

#include <array>
#include <cstdint>

#include "league/FixedText.h"
#include "league/RecordCodec.h"

namespace korvel {

constexpr int kMaxTeams = 50;
constexpr int kRosterPlaces = 50;
constexpr int kLineRows = 13;
constexpr int kLineColumns = 5;
constexpr std::uint8_t kNoPlayer = 255;
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

struct Division {
    FixedText<10> DivName;
};
template <>
struct RecordLayout<Division> {
    static constexpr std::size_t Size = 21;
    static constexpr auto Fields = std::tuple{At(0, &Division::DivName)};
};

struct Conference {
    FixedText<12> ConfName;
    std::array<Division, 4> Divisions{};
};
template <>
struct RecordLayout<Conference> {
    static constexpr std::size_t Size = 97;
    static constexpr auto Fields =
        std::tuple{At(0, &Conference::ConfName), At(13, &Conference::Divisions)};
};

struct League {
    std::array<std::uint8_t, 459> Raw{};
    FixedText<25> LeagueName;
    std::uint8_t LastTeam = 0;
    std::array<Conference, 2> Conferences{};
    std::int16_t SeasonStarted = 0;
    std::int16_t WaiverSwitch = 0;
    std::int16_t ScheduledGames = 0;
    std::uint8_t WaiverGames = 0;
    std::uint8_t WaiverAge = 0;
    std::uint8_t FarmPayGames = 0;
    std::int16_t WaiverBlock = 0;
};
template <>
struct RecordLayout<League> {
    static constexpr std::size_t Size = 459;
    static constexpr auto Fields = std::tuple{
        At(0, &League::LeagueName),     At(25, &League::LastTeam),
        At(26, &League::Conferences),   At(220, &League::SeasonStarted),
        At(231, &League::WaiverSwitch), At(274, &League::ScheduledGames),
        At(394, &League::WaiverGames),  At(395, &League::WaiverAge),
        At(396, &League::FarmPayGames), At(419, &League::WaiverBlock),
    };
};

struct Coach {
    FixedText<22> Name;
    std::int32_t Salary = 0;
};
template <>
struct RecordLayout<Coach> {
    static constexpr std::size_t Size = 27;
    static constexpr auto Fields = std::tuple{At(0, &Coach::Name), At(22, &Coach::Salary)};
};

struct Team {
    std::array<std::uint8_t, 254> Raw{};
    FixedText<10> Name;
    FixedText<25> Owner;
    FixedText<12> ICQ;
    FixedText<10> Password;
    FixedText<3> Abbrev;
    FixedText<30> Arena;
    std::int16_t Seats = 0;
    std::uint8_t TicketPrice = 0;
    std::uint8_t Conference = 0;
    std::uint8_t Division = 0;
    std::int32_t Finances = 0;
    korvel::Coach Coach;
    std::array<std::uint8_t, 3> Wins{};
    std::array<std::uint8_t, 3> Losses{};
    std::array<std::uint8_t, 3> Ties{};
    std::int16_t GoalsAgainst = 0;
    std::int16_t GoalsFor = 0;
    std::int16_t PPOpportunities = 0;
    std::uint8_t PPGoals = 0;
    std::int16_t TimesShorthanded = 0;
    std::uint8_t PPGoalsAgainst = 0;
    float ShotsFor = 0;
    float ShotsAgainst = 0;
    float PenaltyMinutes = 0;
    // Line-up, row r column c at r + 13 * c: see LineEntry.
    std::array<std::uint8_t, kLineRows * kLineColumns> LineSlots{};
    std::uint8_t HomeGamesPlayed = 0;
    std::int32_t RevenuePerGame = 0;
    std::int16_t LinesSet = 0;
};
template <>
struct RecordLayout<Team> {
    static constexpr std::size_t Size = 254;
    static constexpr auto Fields = std::tuple{
        At(0, &Team::Name),
        At(10, &Team::Owner),
        At(36, &Team::ICQ),
        At(48, &Team::Password),
        At(61, &Team::Abbrev),
        At(64, &Team::Arena),
        At(94, &Team::Seats),
        At(96, &Team::TicketPrice),
        At(97, &Team::Conference),
        At(98, &Team::Division),
        At(99, &Team::Finances),
        At(103, &Team::Coach),
        At(132, &Team::Wins),
        At(135, &Team::Losses),
        At(138, &Team::Ties),
        At(141, &Team::GoalsAgainst),
        At(143, &Team::GoalsFor),
        At(156, &Team::PPOpportunities),
        At(158, &Team::PPGoals),
        At(159, &Team::TimesShorthanded),
        At(161, &Team::PPGoalsAgainst),
        At(162, &Team::ShotsFor),
        At(166, &Team::ShotsAgainst),
        At(170, &Team::PenaltyMinutes),
        At(174, &Team::LineSlots),
        At(241, &Team::HomeGamesPlayed),
        At(242, &Team::RevenuePerGame),
        At(252, &Team::LinesSet),
    };
};

struct Player {
    std::array<std::uint8_t, 86> Raw{};
    FixedText<22> Name;
    std::uint8_t Position = 0;
    std::uint8_t Number = 0;
    std::int16_t Rookie = 0;
    std::uint8_t Hand = 0;
    std::uint8_t Height = 0;
    std::uint8_t Weight = 0;
    std::uint8_t Age = 0;
    std::uint8_t Status = 0;
    std::uint8_t Condition = 0;
    std::array<std::uint8_t, 14> Skills{};
    std::int32_t Salary = 0;
    std::uint8_t Contract = 0;
    std::uint8_t Suspension = 0;
    std::uint8_t GamesPlayed = 0;
    std::uint8_t Goals = 0;
    std::uint8_t Assists = 0;
    std::int16_t PlusMinus = 0;
    std::int16_t PenaltyMin = 0;
    std::int16_t Shots = 0;
    std::uint8_t PPGoals = 0;
    std::uint8_t SHGoals = 0;
    std::uint8_t GWGoals = 0;
    std::uint8_t GTGoals = 0;
    std::int16_t Protected = 0;
    std::uint8_t WaiverMark = 0;
    FixedText<3> Birthplace;

    // A place whose name starts with code 0 holds no player.
    bool IsEmptyPlace() const { return Name.FirstCode() == 0; }
};
template <>
struct RecordLayout<Player> {
    static constexpr std::size_t Size = 86;
    static constexpr auto Fields = std::tuple{
        At(0, &Player::Name),        At(22, &Player::Position),   At(23, &Player::Number),
        At(24, &Player::Rookie),     At(26, &Player::Hand),       At(27, &Player::Height),
        At(28, &Player::Weight),     At(29, &Player::Age),        At(30, &Player::Status),
        At(31, &Player::Condition),  At(32, &Player::Skills),     At(46, &Player::Salary),
        At(50, &Player::Contract),   At(51, &Player::Suspension), At(52, &Player::GamesPlayed),
        At(53, &Player::Goals),      At(54, &Player::Assists),    At(55, &Player::PlusMinus),
        At(57, &Player::PenaltyMin), At(59, &Player::Shots),      At(61, &Player::PPGoals),
        At(62, &Player::SHGoals),    At(63, &Player::GWGoals),    At(64, &Player::GTGoals),
        At(67, &Player::Protected),  At(75, &Player::WaiverMark), At(76, &Player::Birthplace),
    };
};

// One record of the league's waiver list file (.wvr): a waived player's whole record.
struct WaiverEntry {
    std::array<std::uint8_t, 88> Raw{};
    std::int16_t WaiverState = 0;
    korvel::Player Player;
};
template <>
struct RecordLayout<WaiverEntry> {
    static constexpr std::size_t Size = 88;
    static constexpr auto Fields =
        std::tuple{At(0, &WaiverEntry::WaiverState), At(2, &WaiverEntry::Player)};
};

static_assert(FieldsFit<Division>() && FieldsFit<Conference>() && FieldsFit<League>());
static_assert(FieldsFit<Coach>() && FieldsFit<Team>() && FieldsFit<Player>());
static_assert(FieldsFit<WaiverEntry>());

// Line-up entries are stored column by column: row r, column c lies at r + 13 * c.
constexpr std::size_t LineIndex(int row, int column) {
    return static_cast<std::size_t>(row + kLineRows * column);
}

// The columns a line-up row uses: rows 0 to 5 five, rows 6 to 9 four, rows 10 to 12 three. The
// others are spare.
constexpr int UsedLineColumns(int row) {
    return row <= 5 ? 5 : row <= 9 ? 4 : 3;
}

// Skill indexes of Player::Skills.
enum Skill : int {
    Intensity,
    Speed,
    Strength,
    Endurance,
    Durability,
    Discipline,
    Skating,
    Passing,
    Stickhandle,
    Defence,
    Scoring,
    Experience,
    Leadership,
};

// Position codes of Player::Position.
enum PositionCode : std::uint8_t {
    Centre = 0,
    LeftWing = 1,
    RightWing = 2,
    Defenceman = 3,
    Goalie = 4
};

}  // namespace korvel
