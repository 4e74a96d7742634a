#pragma once

// The game-day briefing of one team: what changed since the previous game day, and whether the
// team is ready for the next game.

#include <optional>
#include <string>
#include <vector>

#include "league/GameDayHistory.h"
#include "league/LinesCheck.h"
#include "league/Variables.h"

namespace korvel {

struct TeamRecordLine {
    int W = 0, L = 0, T = 0, PTS = 0, GF = 0, GA = 0;
    bool operator==(const TeamRecordLine&) const = default;
};

struct BriefedPlayer {
    int Index = 0;     // his roster place; for one who left, the place he left
    std::string Name;  // without trailing blanks, UTF-8
};

struct InjuryChange {
    enum class Kind { New, Healed, Changed };
    BriefedPlayer Player;
    int Before = 0, Now = 0;  // injury codes; 0 healthy
    Kind Change = Kind::New;
};

struct SuspensionChange {
    BriefedPlayer Player;
    int Before = 0, Now = 0;  // games of suspension
};

struct WaivedPlayer {
    std::string Name;
    std::string Position;
    int OV = 0, OF = 0, DF = 0;
    int Entry = 0;  // his place in the league's waiver list, from 0
};

struct Briefing {
    int TeamIndex = 0;
    std::string Team;
    bool Previous = false;  // false on a first visit: only the record, waivers and readiness
    std::optional<TeamRecordLine> RecordBefore;
    TeamRecordLine RecordNow;
    std::optional<int> RankBefore, RankNow;  // 1 first in the division; none outside a division
    std::vector<InjuryChange> Injuries;
    std::vector<SuspensionChange> Suspensions;
    std::vector<BriefedPlayer> Arrived, Left;
    std::vector<WaivedPlayer> Waivers;   // new since the previous game day, best overall first
    std::vector<LinesProblem> Problems;  // readiness: none when ready
    bool Ready() const { return Problems.empty(); }
};

// Compares the two looks of the visit for team `team` of the loaded league; `readiness` is what
// ReadinessProblems found for the team as it stands.
Briefing MakeBriefing(const Variables& vars, const GameDayVisit& visit, int team,
                      std::vector<LinesProblem> readiness);

// The team whose roster held `player` (by his name as stored) at the previous game day, or now
// when there is none before: the team that waived him, as the league's files say. None when no
// roster held him.
std::optional<std::string> WaivedFrom(const GameDayVisit& visit, const Player& player);

// The injury table: "1W" for code 2 (a code without a name shows as "#7"), and its meaning
// ("1-2 weeks"; empty for an unnamed code).
std::string InjuryName(const Variables& vars, int code);
std::string InjuryMeaning(int code);
const char* ChangeName(InjuryChange::Kind kind);  // "new", "healed", "changed"

}  // namespace korvel

namespace korvel {

// One line for people about each item, as the briefing window and korvel-cli show them.
std::string DescribeRecord(const TeamRecordLine& record);  // "10-5-2, 22 PTS, GF 50, GA 40"
std::string DescribeRank(const std::optional<int>& rank);  // "2nd in the division"
std::string DescribeInjury(const Variables& vars, const InjuryChange& change);
std::string DescribeSuspension(const SuspensionChange& change);
std::string DescribeWaiver(const WaivedPlayer& player);

}  // namespace korvel
