#include <string>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "platform/WrapText.h"
#include "session/Briefing.h"
#include "session/BriefingReadiness.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Output: the game-day briefing of the team (--team, else the first team listed): what "
    "changed since the previous game day Korvel saw of the league, and whether the team is ready "
    "for the next game. Each load of a league keeps its team, roster and waiver files in "
    "korvel.days of the start folder when they changed since the last kept (two game days per "
    "league), so the same league gives the same briefing until its files change. It shows the "
    "record (W-L-T, PTS, GF, GA) and the rank in the division before and now; injuries newly "
    "hurt, healed or changed (code and its meaning); suspensions begun or ended; players who "
    "arrived on or left the team's 50 places; the entries of the league's waiver list that are "
    "new since the previous game day (all of them on a first visit), best overall first; and "
    "whether the team is ready for the next game as it stands (working copies, stored line-up "
    "and the lines file saved in the start folder), as the lines command says it. A section "
    "with nothing in it says so on one line. A first visit shows the record, waivers and "
    "readiness.\n"
    "JSON: {\"TeamIndex\", \"Team\", \"Previous\": true|false, \"Record\": {\"Before\": "
    "{\"W\", \"L\", \"T\", \"PTS\", \"GF\", \"GA\"} or null, \"Now\": {...}}, \"DivisionRank\": "
    "{\"Before\", \"Now\"}, \"Injuries\": [{\"Index\", \"Name\", \"Before\", \"Now\", \"Change\": "
    "\"new\"|\"healed\"|\"changed\"}], \"Suspensions\": [{\"Index\", \"Name\", \"Before\", "
    "\"Now\"}], \"Arrived\": [{\"Index\", \"Name\"}], \"Left\": [{\"Index\", \"Name\"}], "
    "\"Waivers\": [{\"Name\", \"Position\", \"OV\", \"OF\", \"DF\"}], \"Ready\": true|false, "
    "\"Problems\": [{\"Code\", \"Text\"}]}. Injury codes are the short codes (\"1W\"), null when "
    "healthy; a rank is null for a team in no division.";

constexpr std::size_t kWidth = 80;

template <class T>
nlohmann::json OrNull(const std::optional<T>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json();
}

nlohmann::json RecordJson(const TeamRecordLine& r) {
    return {{"W", r.W}, {"L", r.L}, {"T", r.T}, {"PTS", r.PTS}, {"GF", r.GF}, {"GA", r.GA}};
}

nlohmann::json ToJson(const Variables& vars, const Briefing& b) {
    const auto injury = [&](int code) {
        return code == 0 ? nlohmann::json() : nlohmann::json(InjuryName(vars, code));
    };
    nlohmann::json injuries = nlohmann::json::array(), suspensions = nlohmann::json::array(),
                   arrived = nlohmann::json::array(), left = nlohmann::json::array(),
                   waivers = nlohmann::json::array(), problems = nlohmann::json::array();
    for (const InjuryChange& c : b.Injuries) {
        injuries.push_back({{"Index", c.Player.Index},
                            {"Name", c.Player.Name},
                            {"Before", injury(c.Before)},
                            {"Now", injury(c.Now)},
                            {"Change", ChangeName(c.Change)}});
    }
    for (const SuspensionChange& c : b.Suspensions) {
        suspensions.push_back({{"Index", c.Player.Index},
                               {"Name", c.Player.Name},
                               {"Before", c.Before},
                               {"Now", c.Now}});
    }
    for (const BriefedPlayer& p : b.Arrived)
        arrived.push_back({{"Index", p.Index}, {"Name", p.Name}});
    for (const BriefedPlayer& p : b.Left) left.push_back({{"Index", p.Index}, {"Name", p.Name}});
    for (const WaivedPlayer& w : b.Waivers) {
        waivers.push_back(
            {{"Name", w.Name}, {"Position", w.Position}, {"OV", w.OV}, {"OF", w.OF}, {"DF", w.DF}});
    }
    for (const LinesProblem& p : b.Problems)
        problems.push_back({{"Code", p.Code}, {"Text", p.Text}});
    return {{"TeamIndex", b.TeamIndex},
            {"Team", b.Team},
            {"Previous", b.Previous},
            {"Record",
             {{"Before", b.RecordBefore ? RecordJson(*b.RecordBefore) : nlohmann::json()},
              {"Now", RecordJson(b.RecordNow)}}},
            {"DivisionRank", {{"Before", OrNull(b.RankBefore)}, {"Now", OrNull(b.RankNow)}}},
            {"Injuries", injuries},
            {"Suspensions", suspensions},
            {"Arrived", arrived},
            {"Left", left},
            {"Waivers", waivers},
            {"Ready", b.Ready()},
            {"Problems", problems}};
}

// `text` after `indent`, broken at spaces so that no line passes kWidth columns; a line after
// the first is indented two more.
void Wrapped(std::ostream& out, const std::string& indent, const std::string& text) {
    for (const std::string& line : WrapWords(text, kWidth - indent.size(), "  ")) {
        out << indent << line << '\n';
    }
}

// A heading and its items; a section with none says so on the heading's line.
void Section(std::ostream& out, const std::string& heading, const std::vector<std::string>& items,
             const char* none) {
    out << '\n';
    if (items.empty()) {
        Wrapped(out, "", heading + ": " + none);
        return;
    }
    out << heading << ":\n";
    for (const std::string& item : items) Wrapped(out, "  ", item);
}

void PrintText(std::ostream& out, const Variables& vars, const Briefing& b) {
    Wrapped(out, "", "Briefing of " + b.Team + " (team " + std::to_string(b.TeamIndex) + ")");
    if (!b.Previous) {
        Wrapped(out, "", "First visit: no earlier game day of this league to compare with.");
    }
    std::string record = "Record: " + DescribeRecord(b.RecordNow);
    if (b.RecordBefore) record += " (was " + DescribeRecord(*b.RecordBefore) + ")";
    Wrapped(out, "", record);
    std::string rank = "Rank: " + DescribeRank(b.RankNow);
    if (b.Previous) rank += " (was " + DescribeRank(b.RankBefore) + ")";
    Wrapped(out, "", rank);
    if (b.Previous) {
        std::vector<std::string> injuries, suspensions, arrived, left;
        for (const InjuryChange& c : b.Injuries) injuries.push_back(DescribeInjury(vars, c));
        for (const SuspensionChange& c : b.Suspensions)
            suspensions.push_back(DescribeSuspension(c));
        for (const BriefedPlayer& p : b.Arrived) {
            arrived.push_back(p.Name + " (" + std::to_string(p.Index) + ")");
        }
        for (const BriefedPlayer& p : b.Left) left.push_back(p.Name);
        Section(out, "Injuries", injuries, "no change");
        Section(out, "Suspensions", suspensions, "no change");
        Section(out, "Arrived", arrived, "nobody");
        Section(out, "Left", left, "nobody");
    }
    std::vector<std::string> waivers, problems;
    for (const WaivedPlayer& w : b.Waivers) waivers.push_back(DescribeWaiver(w));
    for (const LinesProblem& p : b.Problems) problems.push_back(p.Text);
    Section(out, b.Previous ? "New on waivers" : "On waivers", waivers, "nobody");
    Section(out, "Ready for the next game", problems, "yes, ready for the league");
}

int RunBriefing(Session& session) {
    const Variables& vars = session.Vars();
    const auto& visit = session.GameDays();
    if (!visit) {
        throw std::runtime_error("no briefing: " + session.GameDayNotice());
    }
    const Briefing briefing =
        MakeBriefing(vars, *visit, vars.CurrentTeam, ReadinessProblems(vars, vars.CurrentTeam));
    return PrintResult(
        session, [&] { return ToJson(vars, briefing); },
        [&](std::ostream& out) { PrintText(out, vars, briefing); });
}

}  // namespace

Command AddBriefingCommand(CLI::App& app) {
    auto* parser =
        AddCommand(app, "briefing",
                   "Show what changed since the last game day and what the team needs.", kHelp);
    return {parser, RunBriefing};
}

}  // namespace korvel::cli
