#pragma once

// The season so far of one team, from every game day kept: its run (record and division rank by
// game day), each player's form over the last few game days, who has been out and for how long,
// and the league's waiver wire against the weakest player the team dresses at each position.

#include <optional>
#include <string>
#include <vector>

#include "league/GameDayHistory.h"
#include "league/Variables.h"

namespace korvel {

struct SeasonGameDay {
    int Day = 0;  // 1 for the oldest game day kept
    int W = 0, L = 0, T = 0, PTS = 0, GF = 0, GA = 0;
    std::optional<int> DivisionRank;  // none for a team in no division
};

// A player's change over the last game days. Skaters use G to PIM, goalies W to SO (as a
// goalie's record keeps them).
struct FormLine {
    int Index = 0;
    std::string Name, Position;
    bool Goalie = false;
    int GP = 0;
    int G = 0, A = 0, PTS = 0, PlusMinus = 0, PIM = 0;
    int W = 0, L = 0, T = 0, GA = 0, SO = 0;
    // The best and the worst points of the span among skaters who played: hot and cold.
    bool Hot = false, Cold = false;
};

struct Absence {
    enum class Kind { Injury, Suspension };
    int Index = 0;  // his roster place when last seen out
    std::string Name;
    Kind What = Kind::Injury;
    int FromDay = 0;
    std::optional<int> ToDay;  // the first game day he was back (or gone); none while it lasts
    std::string Code;          // an injury's short code ("1W")
    int Games = 0;             // a suspension's games when it began
};

struct WaiverChoice {
    std::string Name, Position;
    int OV = 0, OF = 0, DF = 0;
    int Entry = 0;  // his place among the waiver list's players, from 0
    struct Weakest {
        int Index = 0;
        std::string Name;
        int OV = 0;
    };
    // The team's lowest-rated dressed player of his position, when the waived player is better.
    std::optional<Weakest> BetterThan;
};

struct Season {
    int TeamIndex = 0;
    std::string Team;
    int FormDays = 5;
    std::vector<SeasonGameDay> GameDays;  // oldest first, the current last
    std::vector<FormLine> Form;           // skaters by PTS then G, best first; then goalies
    std::vector<Absence> Absences;        // by the day they began
    std::vector<WaiverChoice> WaiverWire;  // best overall first
    std::string Note;  // a word for the manager when the kept days say little
    int GameDaysKept() const { return static_cast<int>(GameDays.size()); }
};

// The season of team `team` of the loaded league over `days`; form over the last `formDays`.
Season MakeSeason(const Variables& vars, const SeasonDays& days, int team, int formDays);

const char* AbsenceKindName(Absence::Kind kind);  // "injury", "suspension"

}  // namespace korvel
