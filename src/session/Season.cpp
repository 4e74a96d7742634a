#include "session/Season.h"

#include <algorithm>
#include <map>

#include "league/Condense.h"
#include "league/RosterStatus.h"
#include "league/Standings.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"
#include "ratings/Ratings.h"
#include "session/Briefing.h"

namespace korvel {
namespace {

std::string NameOf(const Player& player) {
    return Windows1252ToUtf8(Condense(player.Name.Str()));
}

std::optional<int> RankIn(const League& league, const std::array<Team, kMaxTeams>& teams,
                          int team) {
    for (const DivisionStandings& division : ComputeStandings(league, teams).Divisions) {
        for (std::size_t row = 0; row < division.Teams.size(); ++row) {
            if (division.Teams[row].TeamIndex == team) return static_cast<int>(row) + 1;
        }
    }
    return std::nullopt;
}

SeasonGameDay DayOf(const League& league, const LeagueState& state, int team, int day) {
    const auto teams = state.Teams();
    const Team& record = teams[static_cast<std::size_t>(team)];
    SeasonGameDay line{day, record.Wins[0], record.Losses[0], record.Ties[0], 0,
                       record.GoalsFor, record.GoalsAgainst, RankIn(league, teams, team)};
    line.PTS = 2 * line.W + line.T;
    return line;
}

// The player of `name` in the game day `state`: on the team first, else anywhere in the league
// (he came in a trade). None when the league did not have him then.
std::optional<Player> Find(const LeagueState& state, int team, const FixedText<22>& name) {
    for (const Player& player : state.Players(team)) {
        if (!player.IsEmptyPlace() && player.Name == name) return player;
    }
    for (int other = 0; other < kMaxTeams; ++other) {
        if (other == team) continue;
        for (const Player& player : state.Players(other)) {
            if (!player.IsEmptyPlace() && player.Name == name) return player;
        }
    }
    return std::nullopt;
}

FormLine FormOf(const Variables& vars, const Player& now, const std::optional<Player>& before,
                int index) {
    const Player zero{};
    const Player& was = before ? *before : zero;
    FormLine line;
    line.Index = index;
    line.Name = NameOf(now);
    line.Position = PositionName(vars, now.Position);
    line.Goalie = now.Position == Goalie;
    line.GP = now.GamesPlayed - was.GamesPlayed;
    if (line.Goalie) {
        // A goalie's record keeps wins, losses and ties in the short-handed, game-winning and
        // game-tying goals, goals against in the penalty minutes, shutouts in power-play goals.
        line.W = now.SHGoals - was.SHGoals;
        line.L = now.GWGoals - was.GWGoals;
        line.T = now.GTGoals - was.GTGoals;
        line.GA = now.PenaltyMin - was.PenaltyMin;
        line.SO = now.PPGoals - was.PPGoals;
    } else {
        line.G = now.Goals - was.Goals;
        line.A = now.Assists - was.Assists;
        line.PTS = line.G + line.A;
        line.PlusMinus = now.PlusMinus - was.PlusMinus;
        line.PIM = now.PenaltyMin - was.PenaltyMin;
    }
    return line;
}

std::vector<FormLine> FormOver(const Variables& vars, const std::vector<LeagueState>& days,
                               int team, int formDays) {
    const LeagueState& now = days.back();
    const std::size_t back =
        std::min(static_cast<std::size_t>(std::max(formDays, 0)), days.size() - 1);
    const LeagueState& then = days[days.size() - 1 - back];
    std::vector<FormLine> skaters, goalies;
    const RosterSlot players = now.Players(team);
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = players[static_cast<std::size_t>(i)];
        if (player.IsEmptyPlace()) continue;
        FormLine line = FormOf(vars, player, Find(then, team, player.Name), i);
        (line.Goalie ? goalies : skaters).push_back(std::move(line));
    }
    std::stable_sort(skaters.begin(), skaters.end(), [](const FormLine& a, const FormLine& b) {
        return a.PTS != b.PTS ? a.PTS > b.PTS : a.G > b.G;
    });
    // Hot and cold: the best and the worst points among the skaters who played.
    int best = -1, worst = -1;
    for (const FormLine& line : skaters) {
        if (line.GP <= 0) continue;
        best = best < 0 ? line.PTS : std::max(best, line.PTS);
        worst = worst < 0 ? line.PTS : std::min(worst, line.PTS);
    }
    if (best > worst) {
        for (FormLine& line : skaters) {
            if (line.GP <= 0) continue;
            line.Hot = line.PTS == best;
            line.Cold = line.PTS == worst;
        }
    }
    skaters.insert(skaters.end(), goalies.begin(), goalies.end());
    return skaters;
}

std::vector<Absence> AbsencesOver(const Variables& vars, const std::vector<LeagueState>& days,
                                  int team) {
    std::vector<Absence> absences;
    // The absences still open, by player name and kind: their place in `absences`.
    std::map<std::pair<std::string, int>, std::size_t> open;
    for (std::size_t d = 0; d < days.size(); ++d) {
        const int day = static_cast<int>(d) + 1;
        std::map<std::pair<std::string, int>, std::size_t> still;
        const RosterSlot players = days[d].Players(team);
        for (int i = 0; i < kRosterPlaces; ++i) {
            const Player& player = players[static_cast<std::size_t>(i)];
            if (player.IsEmptyPlace()) continue;
            const int injury = InjuryOf(player.Status);
            for (const auto kind : {Absence::Kind::Injury, Absence::Kind::Suspension}) {
                const bool out =
                    kind == Absence::Kind::Injury ? injury != 0 : player.Suspension != 0;
                if (!out) continue;
                const auto key = std::make_pair(player.Name.Str(), static_cast<int>(kind));
                auto found = open.find(key);
                if (found == open.end()) {
                    Absence absence;
                    absence.Name = NameOf(player);
                    absence.What = kind;
                    absence.FromDay = day;
                    if (kind == Absence::Kind::Injury) {
                        absence.Code = InjuryName(vars, injury);
                    } else {
                        absence.Games = player.Suspension;
                    }
                    absences.push_back(std::move(absence));
                    found = open.emplace(key, absences.size() - 1).first;
                }
                absences[found->second].Index = i;
                still.insert(*found);
            }
        }
        for (const auto& [key, at] : open) {
            if (!still.contains(key)) absences[at].ToDay = day;
        }
        open = std::move(still);
    }
    return absences;
}

std::vector<WaiverChoice> WaiverWireOf(const Variables& vars, const LeagueState& now, int team) {
    // The team's weakest dressed player of each position.
    std::map<int, WaiverChoice::Weakest> weakest;
    const RosterSlot players = now.Players(team);
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = players[static_cast<std::size_t>(i)];
        if (player.IsEmptyPlace() || PlaceOf(player.Status) != Dressed) continue;
        const int ov = OverallOrZero(OverallOf(player));
        const auto found = weakest.find(player.Position);
        if (found == weakest.end() || ov < found->second.OV) {
            weakest[player.Position] = {i, NameOf(player), ov};
        }
    }
    std::vector<WaiverChoice> wire;
    const std::vector<Player> waived = now.Waived();
    for (std::size_t entry = 0; entry < waived.size(); ++entry) {
        const Player& player = waived[entry];
        WaiverChoice choice{NameOf(player),          PositionName(vars, player.Position),
                            OverallOrZero(OverallOf(player)), OffenseRatingOf(player),
                            DefenseRatingOf(player), static_cast<int>(entry),
                            std::nullopt};
        if (const auto found = weakest.find(player.Position);
            found != weakest.end() && choice.OV > found->second.OV) {
            choice.BetterThan = found->second;
        }
        wire.push_back(std::move(choice));
    }
    std::stable_sort(wire.begin(), wire.end(),
                     [](const WaiverChoice& a, const WaiverChoice& b) { return a.OV > b.OV; });
    return wire;
}

}  // namespace

const char* AbsenceKindName(Absence::Kind kind) {
    return kind == Absence::Kind::Injury ? "injury" : "suspension";
}

Season MakeSeason(const Variables& vars, const SeasonDays& days, int team, int formDays) {
    Season season;
    season.TeamIndex = team;
    season.FormDays = formDays;
    if (days.Days.empty()) return season;
    const LeagueState& now = days.Days.back();
    season.Team = Windows1252ToUtf8(Condense(now.TeamRecord(team).Name.Str()));
    for (std::size_t d = 0; d < days.Days.size(); ++d) {
        season.GameDays.push_back(
            DayOf(vars.League, days.Days[d], team, static_cast<int>(d) + 1));
    }
    season.Form = FormOver(vars, days.Days, team, formDays);
    season.Absences = AbsencesOver(vars, days.Days, team);
    season.WaiverWire = WaiverWireOf(vars, now, team);
    season.Note = days.Notice;
    if (days.Days.size() == 1) {
        if (!season.Note.empty()) season.Note += "\n";
        season.Note += KORVEL_TEXT("Season", "one game day kept: the season view starts here");
    }
    return season;
}

}  // namespace korvel
