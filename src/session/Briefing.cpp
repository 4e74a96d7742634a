#include "session/Briefing.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <unordered_map>

#include "league/Condense.h"
#include "league/RecordCodec.h"
#include "league/RosterStatus.h"
#include "league/Standings.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"
#include "ratings/Ratings.h"

namespace korvel {
namespace {

constexpr std::array<const char*, 7> kAbsence = {
    KORVEL_TEXT("GameDayBriefing", "not injured"), KORVEL_TEXT("GameDayBriefing", "day-to-day"),
    KORVEL_TEXT("GameDayBriefing", "1-2 weeks"),   KORVEL_TEXT("GameDayBriefing", "2-4 weeks"),
    KORVEL_TEXT("GameDayBriefing", "4-6 weeks"),   KORVEL_TEXT("GameDayBriefing", "2-4 months"),
    KORVEL_TEXT("GameDayBriefing", "indefinitely")};

std::string NameOf(const Player& player) {
    return Windows1252ToUtf8(Condense(player.Name.Str()));
}

TeamRecordLine RecordOf(const Team& team) {
    TeamRecordLine line{team.Wins[0],  team.Losses[0],   team.Ties[0], 0,
                        team.GoalsFor, team.GoalsAgainst};
    line.PTS = 2 * line.W + line.T;
    return line;
}

std::optional<int> RankOf(const League& league, const std::array<Team, kMaxTeams>& teams,
                          int team) {
    for (const DivisionStandings& division : ComputeStandings(league, teams).Divisions) {
        for (std::size_t row = 0; row < division.Teams.size(); ++row) {
            if (division.Teams[row].TeamIndex == team) return static_cast<int>(row) + 1;
        }
    }
    return std::nullopt;
}

// The occupied places of a roster by name; players of one name are told apart by their order.
std::multimap<std::string, int> ByName(const RosterSlot& players) {
    std::multimap<std::string, int> names;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = players[static_cast<std::size_t>(i)];
        if (!player.IsEmptyPlace()) names.emplace(player.Name.Str(), i);
    }
    return names;
}

void CompareRosters(const RosterSlot& before, const RosterSlot& now, Briefing& briefing) {
    auto earlier = ByName(before);
    for (const auto& [name, index] : ByName(now)) {
        const Player& player = now[static_cast<std::size_t>(index)];
        const auto match = earlier.find(name);
        if (match == earlier.end()) {
            briefing.Arrived.push_back({index, NameOf(player)});
            continue;
        }
        const Player& was = before[static_cast<std::size_t>(match->second)];
        earlier.erase(match);
        const BriefedPlayer who{index, NameOf(player)};
        const int hurtBefore = InjuryOf(was.Status), hurtNow = InjuryOf(player.Status);
        if (hurtBefore != hurtNow) {
            const auto kind = hurtBefore == 0 ? InjuryChange::Kind::New
                              : hurtNow == 0  ? InjuryChange::Kind::Healed
                                              : InjuryChange::Kind::Changed;
            briefing.Injuries.push_back({who, hurtBefore, hurtNow, kind});
        }
        if ((was.Suspension == 0) != (player.Suspension == 0)) {
            briefing.Suspensions.push_back({who, was.Suspension, player.Suspension});
        }
    }
    for (const auto& [name, index] : earlier) {
        briefing.Left.push_back({index, NameOf(before[static_cast<std::size_t>(index)])});
    }
    const auto byIndex = [](const auto& a, const auto& b) { return a.Index < b.Index; };
    std::sort(briefing.Arrived.begin(), briefing.Arrived.end(), byIndex);
    std::sort(briefing.Left.begin(), briefing.Left.end(), byIndex);
    const auto byPlayer = [](const auto& a, const auto& b) {
        return a.Player.Index < b.Player.Index;
    };
    std::sort(briefing.Injuries.begin(), briefing.Injuries.end(), byPlayer);
    std::sort(briefing.Suspensions.begin(), briefing.Suspensions.end(), byPlayer);
}

// A waiver list's whole entries by their stored name bytes, read without decoding the records.
constexpr std::size_t kEntryLength = RecordLayout<WaiverEntry>::Size;
constexpr std::size_t kNameAt = FieldOffset<&WaiverEntry::Player>() + FieldOffset<&Player::Name>();
constexpr std::size_t kNameLength = 22;

template <class Visit>
void ForEachEntry(const SharedBytes& list, Visit&& visit) {
    const std::span<const std::uint8_t> bytes = list.Span();
    int entry = 0;  // among the entries that hold a player, as LeagueState::Waived counts them
    for (std::size_t start = 0; start + kEntryLength <= bytes.size(); start += kEntryLength) {
        const std::uint8_t* name = bytes.data() + start + kNameAt;
        if (name[0] == 0) continue;  // an empty place
        visit(std::string_view(reinterpret_cast<const char*>(name), kNameLength),
              bytes.subspan(start, kEntryLength), entry++);
    }
}

// The waiver entries whose names the earlier list did not hold (each name counted as often as it
// stood there), best overall first. The earlier names are counted in a hash index, so each entry
// is looked up once; only the new entries are decoded.
std::vector<WaivedPlayer> NewWaivers(const Variables& vars, const SharedBytes& now,
                                     const SharedBytes* before) {
    std::unordered_map<std::string_view, int> earlier;
    if (before) {
        earlier.reserve(before->Size() / kEntryLength);
        ForEachEntry(*before, [&](std::string_view name, auto, int) { ++earlier[name]; });
    }
    std::vector<WaivedPlayer> waivers;
    ForEachEntry(now, [&](std::string_view name, std::span<const std::uint8_t> record, int entry) {
        if (const auto seen = earlier.find(name); seen != earlier.end() && seen->second > 0) {
            --seen->second;
            return;
        }
        const Player player = DecodeRecord<WaiverEntry>(record).Player;
        waivers.push_back({NameOf(player), PositionName(vars, player.Position),
                           OverallOrZero(OverallOf(player)), OffenseRatingOf(player),
                           DefenseRatingOf(player), entry});
    });
    // Best overall first, list order among equals: the order is sorted, then the entries moved
    // once into it.
    std::vector<std::size_t> order(waivers.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return waivers[a].OV > waivers[b].OV; });
    std::vector<WaivedPlayer> sorted;
    sorted.reserve(waivers.size());
    for (const std::size_t i : order) sorted.push_back(std::move(waivers[i]));
    return sorted;
}

}  // namespace

std::optional<std::string> WaivedFrom(const GameDayVisit& visit, const Player& player) {
    const LeagueState& look = visit.Previous ? *visit.Previous : visit.Now;
    const auto teams = look.Teams();
    for (int team = 0; team < kMaxTeams; ++team) {
        for (const Player& held : look.Players(team)) {
            if (!held.IsEmptyPlace() && held.Name == player.Name) {
                return Windows1252ToUtf8(
                    Condense(teams[static_cast<std::size_t>(team)].Name.Str()));
            }
        }
    }
    return std::nullopt;
}

std::string InjuryName(const Variables& vars, int code) {
    if (code > 0 && code < static_cast<int>(vars.InjuryCode.size()) &&
        !vars.InjuryCode[static_cast<std::size_t>(code)].empty()) {
        return vars.InjuryCode[static_cast<std::size_t>(code)];
    }
    std::string name = "#";  // appended, not "#" + ...: GCC 12 bug 105329 (-Wrestrict)
    return name.append(std::to_string(code));
}

std::string InjuryMeaning(int code) {
    return code >= 0 && code < static_cast<int>(kAbsence.size())
               ? kAbsence[static_cast<std::size_t>(code)]
               : "";
}

const char* ChangeName(InjuryChange::Kind kind) {
    switch (kind) {
        case InjuryChange::Kind::New:
            return "new";
        case InjuryChange::Kind::Healed:
            return "healed";
        case InjuryChange::Kind::Changed:
            return "changed";
    }
    return "";
}

Briefing MakeBriefing(const Variables& vars, const GameDayVisit& visit, int team,
                      std::vector<LinesProblem> readiness) {
    Briefing briefing;
    briefing.TeamIndex = team;
    const auto teamsNow = visit.Now.Teams();
    const Team& now = teamsNow[static_cast<std::size_t>(team)];
    briefing.Team = Windows1252ToUtf8(Condense(now.Name.Str()));
    briefing.RecordNow = RecordOf(now);
    briefing.RankNow = RankOf(vars.League, teamsNow, team);
    briefing.Previous = visit.Previous.has_value();
    if (visit.Previous) {
        const auto teamsBefore = visit.Previous->Teams();
        briefing.RecordBefore = RecordOf(teamsBefore[static_cast<std::size_t>(team)]);
        briefing.RankBefore = RankOf(vars.League, teamsBefore, team);
        CompareRosters(visit.Previous->Players(team), visit.Now.Players(team), briefing);
    }
    briefing.Waivers = NewWaivers(vars, visit.Now.WaiverFile,
                                  visit.Previous ? &visit.Previous->WaiverFile : nullptr);
    briefing.Problems = std::move(readiness);
    return briefing;
}

}  // namespace korvel

namespace korvel {
namespace {
std::string WithMeaning(const Variables& vars, int code) {
    const std::string meaning = InjuryMeaning(code);
    return meaning.empty() ? InjuryName(vars, code)
                           : KORVEL_PHRASE("GameDayBriefing", "%1 (%2)")
                                 .With({InjuryName(vars, code), meaning})
                                 .English();
}
std::string Games(int games) {
    return KORVEL_PLURAL("GameDayBriefing", "%n game(s)").Counting(games).English();
}
}  // namespace

std::string DescribeRecord(const TeamRecordLine& record) {
    return KORVEL_PHRASE("GameDayBriefing", "%1-%2-%3, %4 PTS, GF %5, GA %6")
        .With({std::to_string(record.W), std::to_string(record.L), std::to_string(record.T),
               std::to_string(record.PTS), std::to_string(record.GF), std::to_string(record.GA)})
        .English();
}

std::string DescribeRank(const std::optional<int>& rank) {
    if (!rank) return KORVEL_TEXT("GameDayBriefing", "in no division");
    const int n = *rank;
    const Phrase ordinal = (n % 100 >= 11 && n % 100 <= 13)
                               ? KORVEL_PHRASE("GameDayBriefing", "%1th in the division")
                           : n % 10 == 1 ? KORVEL_PHRASE("GameDayBriefing", "%1st in the division")
                           : n % 10 == 2 ? KORVEL_PHRASE("GameDayBriefing", "%1nd in the division")
                           : n % 10 == 3 ? KORVEL_PHRASE("GameDayBriefing", "%1rd in the division")
                                         : KORVEL_PHRASE("GameDayBriefing", "%1th in the division");
    return ordinal.With({std::to_string(n)}).English();
}

std::string DescribeInjury(const Variables& vars, const InjuryChange& change) {
    const std::string who = KORVEL_PHRASE("GameDayBriefing", "%1 (%2)")
                                .With({change.Player.Name, std::to_string(change.Player.Index)})
                                .English();
    switch (change.Change) {
        case InjuryChange::Kind::New:
            return KORVEL_PHRASE("GameDayBriefing", "Hurt: %1, %2")
                .With({who, WithMeaning(vars, change.Now)})
                .English();
        case InjuryChange::Kind::Healed:
            return KORVEL_PHRASE("GameDayBriefing", "Healed: %1, was %2")
                .With({who, WithMeaning(vars, change.Before)})
                .English();
        case InjuryChange::Kind::Changed:
            return KORVEL_PHRASE("GameDayBriefing", "Changed: %1, %2, was %3")
                .With({who, WithMeaning(vars, change.Now), WithMeaning(vars, change.Before)})
                .English();
    }
    return who;
}

std::string DescribeSuspension(const SuspensionChange& change) {
    const std::string who = KORVEL_PHRASE("GameDayBriefing", "%1 (%2)")
                                .With({change.Player.Name, std::to_string(change.Player.Index)})
                                .English();
    if (change.Now > 0) {
        return KORVEL_PHRASE("GameDayBriefing", "Suspended: %1, %2")
            .With({who, Games(change.Now)})
            .English();
    }
    return KORVEL_PHRASE("GameDayBriefing", "Back from suspension: %1, was %2")
        .With({who, Games(change.Before)})
        .English();
}

std::string DescribeWaiver(const WaivedPlayer& player) {
    return KORVEL_PHRASE("GameDayBriefing", "%1, %2, OV %3 OF %4 DF %5")
        .With({player.Name, player.Position, std::to_string(player.OV), std::to_string(player.OF),
               std::to_string(player.DF)})
        .English();
}

}  // namespace korvel
