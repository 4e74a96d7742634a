#include <memory>
#include <string>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "session/Briefing.h"
#include "session/Season.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Output: the season so far of the team (--team, else the first team listed), from every "
    "distinct game day of the current season that loads of the league kept in korvel.days of "
    "the start folder (a new season, when the league's season flag is cleared or a team's games "
    "played go back, starts again). GameDays: the team's record and rank in the division at each "
    "game day kept, oldest first, the league as it stands last; PTS = 2 x W + T. Form: every "
    "player on the team now, with the change over the last N game days (--last, the newest "
    "minus N game days earlier, or the oldest kept), skaters by PTS then G, best first, then "
    "the goalies (W, L, T, GA, SO). Absences: each injury or suspension seen this season, from "
    "the game day it was first seen to the first game day without it (null while it lasts). "
    "WaiverWire: every player on the league's waiver list, best overall first, with the team's "
    "lowest-rated dressed player of his position when the waived player rates higher. The text "
    "form fits 80 columns; --csv writes the Form table only, for a spreadsheet.\n"
    "JSON: {\"TeamIndex\", \"Team\", \"GameDaysKept\", \"GameDays\": [{\"Day\", \"W\", \"L\", "
    "\"T\", \"PTS\", \"GF\", \"GA\", \"DivisionRank\"}], \"Form\": [{\"Index\", \"Name\", "
    "\"Position\", \"GP\", \"G\", \"A\", \"PTS\", \"PlusMinus\", \"PIM\"} or for a goalie "
    "{\"Index\", \"Name\", \"Position\", \"GP\", \"W\", \"L\", \"T\", \"GA\", \"SO\"}], "
    "\"Absences\": [{\"Index\", \"Name\", \"Kind\": \"injury\"|\"suspension\", \"FromDay\", "
    "\"ToDay\", \"Code\" (injury) or \"Games\" (suspension)}], \"WaiverWire\": [{\"Name\", "
    "\"Position\", \"OV\", \"OF\", \"DF\", \"BetterThan\": {\"Index\", \"Name\", \"OV\"} or "
    "null}]}. A rank is null for a team in no division.";

struct SeasonOptions {
    int Last = 5;
    bool Csv = false;
};

nlohmann::json OrNull(const std::optional<int>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json();
}

nlohmann::json ToJson(const Season& s) {
    nlohmann::json days = nlohmann::json::array(), form = nlohmann::json::array(),
                   absences = nlohmann::json::array(), wire = nlohmann::json::array();
    for (const SeasonGameDay& d : s.GameDays) {
        days.push_back({{"Day", d.Day},
                        {"W", d.W},
                        {"L", d.L},
                        {"T", d.T},
                        {"PTS", d.PTS},
                        {"GF", d.GF},
                        {"GA", d.GA},
                        {"DivisionRank", OrNull(d.DivisionRank)}});
    }
    for (const FormLine& f : s.Form) {
        nlohmann::json line = {
            {"Index", f.Index}, {"Name", f.Name}, {"Position", f.Position}, {"GP", f.GP}};
        if (f.Goalie) {
            line.update({{"W", f.W}, {"L", f.L}, {"T", f.T}, {"GA", f.GA}, {"SO", f.SO}});
        } else {
            line.update({{"G", f.G},
                         {"A", f.A},
                         {"PTS", f.PTS},
                         {"PlusMinus", f.PlusMinus},
                         {"PIM", f.PIM}});
        }
        form.push_back(std::move(line));
    }
    for (const Absence& a : s.Absences) {
        nlohmann::json line = {{"Index", a.Index},
                               {"Name", a.Name},
                               {"Kind", AbsenceKindName(a.What)},
                               {"FromDay", a.FromDay},
                               {"ToDay", OrNull(a.ToDay)}};
        if (a.What == Absence::Kind::Injury) {
            line["Code"] = a.Code;
        } else {
            line["Games"] = a.Games;
        }
        absences.push_back(std::move(line));
    }
    for (const WaiverChoice& w : s.WaiverWire) {
        nlohmann::json better;
        if (w.BetterThan) {
            better = {{"Index", w.BetterThan->Index},
                      {"Name", w.BetterThan->Name},
                      {"OV", w.BetterThan->OV}};
        }
        wire.push_back({{"Name", w.Name},
                        {"Position", w.Position},
                        {"OV", w.OV},
                        {"OF", w.OF},
                        {"DF", w.DF},
                        {"BetterThan", better}});
    }
    return {{"TeamIndex", s.TeamIndex}, {"Team", s.Team},         {"GameDaysKept", s.GameDaysKept()},
            {"GameDays", days},         {"Form", form},           {"Absences", absences},
            {"WaiverWire", wire}};
}

std::string Signed(int value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}

void PrintText(std::ostream& out, const Season& s) {
    using Align = TextTable::Align;
    const auto n = [](int value) { return std::to_string(value); };
    out << "Season of " << s.Team << " (team " << s.TeamIndex << "): " << s.GameDaysKept()
        << (s.GameDaysKept() == 1 ? " game day kept\n" : " game days kept\n");
    if (!s.Note.empty()) out << s.Note << '\n';

    out << "\nGame days:\n";
    TextTable days({{"Day", Align::Right},
                    {"W", Align::Right},
                    {"L", Align::Right},
                    {"T", Align::Right},
                    {"PTS", Align::Right},
                    {"GF", Align::Right},
                    {"GA", Align::Right},
                    {"DIFF", Align::Right},
                    {"Rank", Align::Right}});
    for (const SeasonGameDay& d : s.GameDays) {
        days.AddRow({n(d.Day), n(d.W), n(d.L), n(d.T), n(d.PTS), n(d.GF), n(d.GA),
                     Signed(d.GF - d.GA), d.DivisionRank ? n(*d.DivisionRank) : "-"});
    }
    days.Print(out, "  ");

    out << "\nForm over the last " << s.FormDays << (s.FormDays == 1 ? " game day" : " game days")
        << " (hot +, cold -):\n";
    TextTable skaters({{"#", Align::Right},
                       {""},
                       {"Name"},
                       {"Pos"},
                       {"GP", Align::Right},
                       {"G", Align::Right},
                       {"A", Align::Right},
                       {"PTS", Align::Right},
                       {"+/-", Align::Right},
                       {"PIM", Align::Right}});
    TextTable goalies({{"#", Align::Right},
                       {""},
                       {"Goalie"},
                       {"Pos"},
                       {"GP", Align::Right},
                       {"W", Align::Right},
                       {"L", Align::Right},
                       {"T", Align::Right},
                       {"GA", Align::Right},
                       {"SO", Align::Right}});
    bool anyGoalie = false;
    for (const FormLine& f : s.Form) {
        const std::string mark = f.Hot ? "+" : f.Cold ? "-" : "";
        if (f.Goalie) {
            anyGoalie = true;
            goalies.AddRow({n(f.Index), mark, f.Name, f.Position, n(f.GP), n(f.W), n(f.L),
                            n(f.T), n(f.GA), n(f.SO)});
        } else {
            skaters.AddRow({n(f.Index), mark, f.Name, f.Position, n(f.GP), n(f.G), n(f.A),
                            n(f.PTS), Signed(f.PlusMinus), n(f.PIM)});
        }
    }
    skaters.Print(out, "  ");
    if (anyGoalie) {
        out << '\n';
        goalies.Print(out, "  ");
    }

    out << "\nAbsences:\n";
    if (s.Absences.empty()) out << "  Nobody\n";
    TextTable absences({{"#", Align::Right},
                        {"Name"},
                        {"Kind"},
                        {"What"},
                        {"From", Align::Right},
                        {"To", Align::Right}});
    for (const Absence& a : s.Absences) {
        absences.AddRow({n(a.Index), a.Name, AbsenceKindName(a.What),
                         a.What == Absence::Kind::Injury ? a.Code : n(a.Games) + " games",
                         n(a.FromDay), a.ToDay ? n(*a.ToDay) : "now"});
    }
    if (!s.Absences.empty()) absences.Print(out, "  ");

    out << "\nWaiver wire:\n";
    if (s.WaiverWire.empty()) out << "  Nobody\n";
    TextTable wire({{"Name"},
                    {"Pos"},
                    {"OV", Align::Right},
                    {"OF", Align::Right},
                    {"DF", Align::Right},
                    {"Better than"}});
    for (const WaiverChoice& w : s.WaiverWire) {
        wire.AddRow({w.Name, w.Position, n(w.OV), n(w.OF), n(w.DF),
                     w.BetterThan ? w.BetterThan->Name + " (" + n(w.BetterThan->Index) + ", OV " +
                                        n(w.BetterThan->OV) + ")"
                                  : ""});
    }
    if (!s.WaiverWire.empty()) wire.Print(out, "  ");
}

// A spreadsheet cell: quoted when it holds a comma, a quote or a line break.
std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void PrintCsv(std::ostream& out, const Season& s) {
    out << "Index,Name,Position,GP,G,A,PTS,PlusMinus,PIM,W,L,T,GA,SO\n";
    const auto n = [](int value) { return std::to_string(value); };
    for (const FormLine& f : s.Form) {
        out << f.Index << ',' << CsvCell(f.Name) << ',' << CsvCell(f.Position) << ',' << f.GP;
        if (f.Goalie) {
            out << ",,,,,," << n(f.W) << ',' << n(f.L) << ',' << n(f.T) << ',' << n(f.GA) << ','
                << n(f.SO);
        } else {
            out << ',' << n(f.G) << ',' << n(f.A) << ',' << n(f.PTS) << ',' << n(f.PlusMinus)
                << ',' << n(f.PIM) << ",,,,,";
        }
        out << '\n';
    }
}

int RunSeason(Session& session, const SeasonOptions& options) {
    const Variables& vars = session.Vars();
    const auto& visit = session.GameDays();
    LeagueState now = visit ? visit->Now : ReadLeagueState(vars.LeaguePath);
    const SeasonDays days =
        ReadSeasonDays(vars.StartFolder, vars.LeaguePath, vars.League, std::move(now));
    const Season season = MakeSeason(vars, days, vars.CurrentTeam, options.Last);
    if (options.Csv) {
        PrintCsv(session.Out(), season);
        return kDone;
    }
    return PrintResult(
        session, [&] { return ToJson(season); },
        [&](std::ostream& out) { PrintText(out, season); });
}

}  // namespace

Command AddSeasonCommand(CLI::App& app) {
    auto options = std::make_shared<SeasonOptions>();
    auto* parser = AddCommand(app, "season",
                              "Show the season so far: the run, form, absences and waiver wire.",
                              kHelp);
    parser->add_option("--last", options->Last, "The game days the form covers (default 5).")
        ->check(CLI::Range(1, 1000));
    parser->add_flag("--csv", options->Csv, "Write the Form table as CSV for a spreadsheet.");
    return {parser, [options](Session& session) { return RunSeason(session, *options); }};
}

}  // namespace korvel::cli
