#include "generator/TeamRoster.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

#include "generator/Names.h"
#include "league/RosterStatus.h"
#include "platform/Text1252.h"
#include "ratings/Ratings.h"

namespace korvel::gen {
namespace {

constexpr int kFarm = RosterPlace::Farm;
constexpr int kScratch = RosterPlace::Scratch;
constexpr int kDressed = RosterPlace::Dressed;
constexpr std::size_t kNameWidth = 22;

// Dressed players per position code (C, LW, RW, D, G); each mix is a complete game roster.
constexpr std::array<std::array<int, 5>, 5> kDressedMixes{{
    {4, 4, 4, 6, 2},
    {3, 4, 4, 7, 2},
    {4, 3, 4, 7, 2},
    {4, 4, 3, 7, 2},
    {3, 3, 4, 8, 2},
}};

struct Role {
    PositionCode Position;
    int Place;  // kFarm, kScratch or kDressed
};

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

PositionCode RandomSkaterPosition(Random& rng) {
    const int draw = rng.Between(0, 12);  // defencemen a little more often than each forward
    if (draw < 3) return Centre;
    if (draw < 6) return LeftWing;
    if (draw < 9) return RightWing;
    return Defenceman;
}

std::vector<Role> PlanRoles(Random& rng) {
    std::vector<Role> roles;
    const auto& mix = rng.Chance(60) ? kDressedMixes[0]
                                     : kDressedMixes[static_cast<std::size_t>(rng.Between(1, 4))];
    for (int position = 0; position < 5; ++position) {
        for (int k = 0; k < mix[static_cast<std::size_t>(position)]; ++k) {
            roles.push_back({static_cast<PositionCode>(position), kDressed});
        }
    }
    const int players = rng.Between(30, 40);
    const int scratches = rng.Between(3, 6);
    const int farm = players - 20 - scratches;
    for (int k = 0; k < scratches; ++k) {
        const bool thirdGoalie = k == 0 && rng.Chance(50);
        roles.push_back({thirdGoalie ? Goalie : RandomSkaterPosition(rng), kScratch});
    }
    const int farmGoalies = rng.Between(1, 2);
    for (int k = 0; k < farm; ++k) {
        roles.push_back({k < farmGoalies ? Goalie : RandomSkaterPosition(rng), kFarm});
    }
    return roles;
}

const Nation& PickNation(Random& rng) {
    int total = 0;
    for (const Nation& nation : Nations()) total += nation.Weight;
    int draw = rng.Between(0, total - 1);
    for (const Nation& nation : Nations()) {
        if (draw < nation.Weight) return nation;
        draw -= nation.Weight;
    }
    return Nations().front();
}

// A first and last name, in Windows-1252, not used before in the league, with the nation it
// comes from. The tables hold some 2,800 names for at most 2,000 players.
std::pair<std::string, const Nation*> UniqueName(Random& rng, std::set<std::string>& usedNames) {
    for (int attempt = 0; attempt < 100'000; ++attempt) {
        const Nation& nation = PickNation(rng);
        std::string name = Utf8ToWindows1252(std::string(rng.Pick(nation.FirstNames)) + " " +
                                             std::string(rng.Pick(nation.LastNames)));
        if (name.size() <= kNameWidth && usedNames.insert(name).second) {
            return {std::move(name), &nation};
        }
    }
    throw std::logic_error("the generator's name tables hold too few names");
}

int Age(Random& rng, int place) {
    switch (place) {
        case kDressed:
            return 20 + rng.Between(0, 13) + rng.Between(0, 5);  // 20 to 38
        case kScratch:
            return rng.Between(19, 36);
        default:
            return 18 + rng.Between(0, 5) + rng.Between(0, 4);  // 18 to 27
    }
}

int Quality(Random& rng, int place) {
    switch (place) {
        case kDressed:
            return rng.Between(58, 82);
        case kScratch:
            return rng.Between(48, 70);
        default:
            return rng.Between(35, 62);
    }
}

std::array<std::uint8_t, 14> Skills(Random& rng, PositionCode position, int quality, int age) {
    auto around = [&](int centre, int spread) {
        return Byte(std::clamp(centre + rng.Between(-spread, spread), 20, 99));
    };
    // Offsets from the player's quality for skills 0 to 10, by position.
    static constexpr std::array<std::array<int, 11>, 5> kOffsets{{
        // INT SPD STR END DUR DIS SKA PAS STK DEF SCO
        {0, 2, -3, 3, 0, 0, 2, 9, 6, -6, 6},       // centre
        {0, 4, -2, 0, 0, 0, 4, 4, 5, -9, 8},       // left wing
        {0, 4, -2, 0, 0, 0, 4, 4, 5, -9, 8},       // right wing
        {3, -3, 7, 2, 0, 0, -1, -2, -6, 10, -14},  // defence
        {2, 6, -6, 0, 0, 0, -4, -18, 3, 0, 0},     // goalie (defence and scoring set below)
    }};
    std::array<std::uint8_t, 14> skills{};
    const auto& offsets = kOffsets[position];
    for (int skill = Intensity; skill <= Scoring; ++skill) {
        skills[static_cast<std::size_t>(skill)] =
            around(quality + offsets[static_cast<std::size_t>(skill)], 10);
    }
    skills[Durability] = around(72, 22);
    skills[Discipline] = around(68, 25);
    if (position == Goalie) {
        skills[Defence] = Byte(rng.Between(5, 25));
        skills[Scoring] = Byte(rng.Between(1, 15));
    }
    skills[Experience] = around(25 + (age - 18) * 3, 8);
    skills[Leadership] = around(25 + (age - 18) * 2 + rng.Between(0, 20), 10);
    skills[13] = Byte(rng.Between(1, 99));
    return skills;
}

int RoundedSalary(int dollars) {
    return dollars / 5000 * 5000;
}

int GamesPlayed(Random& rng, const Role& role, int teamGames) {
    if (teamGames == 0) return 0;
    if (role.Position == Goalie) {
        return role.Place == kDressed ? teamGames * rng.Between(25, 75) / 100
                                      : rng.Between(0, teamGames / 5);
    }
    switch (role.Place) {
        case kDressed:
            return teamGames - rng.Between(0, std::min(teamGames, 8));
        case kScratch:
            return rng.Between(0, teamGames * 2 / 3);
        default:
            return rng.Between(0, teamGames / 2);
    }
}

void SkaterStatistics(Random& rng, Player& player, int quality) {
    const int games = player.GamesPlayed;
    const int perThousandGames = player.Position == Defenceman
                                     ? (quality - 30) * rng.Between(2, 5)
                                     : (quality - 30) * rng.Between(7, 13);
    const int goals = games * std::max(perThousandGames, 0) / 1000;
    const int assists = goals * rng.Between(100, 180) / 100 + rng.Between(0, games / 5);
    player.Goals = Byte(goals);
    player.Assists = Byte(assists);
    player.PlusMinus = static_cast<std::int16_t>(rng.Between(-games / 3, games / 3) +
                                                 (games > 0 ? (quality - 62) / 4 : 0));
    player.PenaltyMin = static_cast<std::int16_t>(games * rng.Between(0, 25) / 10);
    player.Shots = static_cast<std::int16_t>(goals * rng.Between(5, 9) + games * rng.Between(0, 2));
    player.PPGoals = Byte(rng.Between(0, goals / 3));
    player.SHGoals = Byte(rng.Between(0, goals / 12));
    player.GWGoals = Byte(rng.Between(0, goals / 4));
    player.GTGoals = Byte(rng.Between(0, goals / 8));
}

// A goalie's record fields carry his own statistics: see Player.
void GoalieStatistics(Random& rng, Player& player) {
    const int games = player.GamesPlayed;
    const int wins = games * rng.Between(35, 60) / 100;
    const int ties = rng.Between(0, (games - wins) / 5);
    const int losses = std::max(0, games - wins - ties - rng.Between(0, games / 10));
    player.Goals = Byte(rng.Between(0, games / 6));  // penalty minutes
    player.Assists = Byte(rng.Between(0, games / 12));
    player.PlusMinus = 0;
    player.PenaltyMin = static_cast<std::int16_t>(games * rng.Between(220, 360) / 100);  // GA
    player.Shots = static_cast<std::int16_t>(games * rng.Between(26, 34));  // shots against
    player.PPGoals = Byte(rng.Between(0, wins / 6));                        // shutouts
    player.SHGoals = Byte(wins);
    player.GWGoals = Byte(losses);
    player.GTGoals = Byte(ties);
}

Player MakePlayer(Random& rng, const Role& role, int teamGames, std::vector<bool>& usedNumbers,
                  std::set<std::string>& usedNames) {
    Player p;
    for (auto& byte : p.Raw) byte = Byte(rng.Between(1, 254));  // the bytes no field covers
    const auto [name, nation] = UniqueName(rng, usedNames);
    p.Name = FixedText<22>::FromString(name);
    p.Birthplace = FixedText<3>::FromString(nation->Birthplace);
    p.Position = role.Position;
    int number = rng.Between(1, 98);
    while (usedNumbers[static_cast<std::size_t>(number)]) number = number % 98 + 1;
    usedNumbers[static_cast<std::size_t>(number)] = true;
    p.Number = Byte(number);
    const int age = Age(rng, role.Place);
    const int quality = Quality(rng, role.Place);
    p.Age = Byte(age);
    p.Rookie = (age <= 21 || (age <= 23 && rng.Chance(40))) ? kTrue : kFalse;
    p.Hand = rng.Chance(62) ? 0 : 1;
    p.Height = Byte(rng.Between(68, 78));
    p.Weight = Byte(150 + (p.Height - 68) * 5 + rng.Between(0, 40));

    int injury = 0;
    if (role.Place == kScratch && rng.Chance(30)) injury = rng.Between(1, 6);
    if (role.Place == kFarm && rng.Chance(8)) injury = rng.Between(1, 6);
    p.Status = MakeStatus(role.Place, injury);
    p.Condition = Byte(injury > 0 ? rng.Between(40, 85) : rng.Between(75, 100));
    if (role.Place == kFarm && injury == 0 && rng.Chance(4)) p.Condition = 0;  // shown as 100
    p.Skills = Skills(rng, role.Position, quality, age);

    p.Salary = role.Place == kFarm
                   ? RoundedSalary(rng.Between(150'000, 600'000))
                   : RoundedSalary(350'000 + (quality - 45) * rng.Between(60'000, 140'000));
    p.Contract = Byte(rng.Between(1, 5));
    if (role.Place != kDressed && rng.Chance(6)) p.Suspension = Byte(rng.Between(1, 5));

    p.GamesPlayed = Byte(GamesPlayed(rng, role, teamGames));
    if (role.Position == Goalie) {
        GoalieStatistics(rng, p);
    } else {
        SkaterStatistics(rng, p, quality);
    }
    p.Protected = kFalse;
    p.WaiverMark = 0;
    return p;
}

int PlaceOf(const Player& player) {
    return korvel::PlaceOf(player.Status);
}
bool IsHealthy(const Player& player) {
    return korvel::IsHealthy(player.Status);
}

// One player of those matching `wanted`, or none.
template <class Test>
Player* PickWhere(Random& rng, std::vector<Player>& players, Test wanted) {
    std::vector<Player*> matching;
    for (Player& player : players) {
        if (wanted(player)) matching.push_back(&player);
    }
    if (matching.empty()) return nullptr;
    return rng.Pick(std::span<Player* const>(matching));
}

void ApplyFault(Random& rng, std::vector<Player>& players, RosterFault fault) {
    auto dressedSkater = [](const Player& p) {
        return PlaceOf(p) == kDressed && p.Position != Goalie;
    };
    switch (fault) {
        case RosterFault::None:
            break;
        case RosterFault::NineteenDressed:
            PickWhere(rng, players, dressedSkater)->Status = MakeStatus(kScratch, 0);
            break;
        case RosterFault::InjuredDressed:
            PickWhere(rng, players, dressedSkater)->Status =
                MakeStatus(kDressed, rng.Between(1, 6));
            break;
        case RosterFault::TwentyOneDressed: {
            Player* extra = PickWhere(rng, players, [](const Player& p) {
                return PlaceOf(p) != kDressed && p.Position != Goalie && IsHealthy(p) &&
                       p.Suspension == 0;
            });
            if (extra == nullptr) {
                extra = PickWhere(rng, players, [](const Player& p) {
                    return PlaceOf(p) != kDressed && p.Position != Goalie;
                });
            }
            extra->Status = kDressedHealthy;
            extra->Suspension = 0;
            extra->Condition = std::max<std::uint8_t>(extra->Condition, 75);
            break;
        }
    }
}

// Half of the teams keep a protection list: their best pro goalie, 3 defencemen and 6 forwards.
void MarkProtected(Random& rng, std::vector<Player>& players) {
    if (!rng.Chance(50)) return;
    std::vector<Player*> pros;
    for (Player& player : players) {
        if (PlaceOf(player) >= kScratch) pros.push_back(&player);
    }
    std::stable_sort(pros.begin(), pros.end(), [](const Player* a, const Player* b) {
        return OverallOrZero(OverallOf(*a)) > OverallOrZero(OverallOf(*b));
    });
    int goalies = 1, defence = 3, forwards = 6;
    for (Player* p : pros) {
        int& left = p->Position == Goalie       ? goalies
                    : p->Position == Defenceman ? defence
                                                : forwards;
        if (left > 0) {
            --left;
            p->Protected = kTrue;
        }
    }
}

// Places the players in a shuffled order, with two to four empty places between them.
RosterSlot Place(Random& rng, std::vector<Player>& players) {
    rng.Shuffle(std::span<Player>(players));
    const int count = static_cast<int>(players.size());
    const int gaps = rng.Between(2, 4);
    std::vector<bool> isGap(static_cast<std::size_t>(count + gaps), false);
    for (int made = 0; made < gaps;) {
        const auto at = static_cast<std::size_t>(rng.Between(1, count + gaps - 2));
        if (!isGap[at]) {
            isGap[at] = true;
            ++made;
        }
    }
    RosterSlot slot{};
    std::size_t next = 0;
    for (std::size_t place = 0; place < isGap.size(); ++place) {
        if (!isGap[place]) slot[place] = players[next++];
    }
    return slot;
}

}  // namespace

RosterSlot MakeRoster(Random& rng, const RosterRequest& request, std::set<std::string>& usedNames) {
    std::vector<bool> usedNumbers(100, false);
    std::vector<Player> players;
    for (const Role& role : PlanRoles(rng)) {
        players.push_back(MakePlayer(rng, role, request.TeamGames, usedNumbers, usedNames));
    }
    ApplyFault(rng, players, request.Fault);
    MarkProtected(rng, players);
    return Place(rng, players);
}

}  // namespace korvel::gen
