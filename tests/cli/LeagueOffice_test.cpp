#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

// check-lines and prepare --all-teams on generated leagues.
class LeagueOffice : public ::testing::Test {
  protected:
    void Generate(const std::vector<std::string>& options) {
        base = folders.LeagueBase("office");
        MakeLeague(base, options);
        league = LeagueOnDisk::Read(base);
    }
    std::vector<std::string> In(const fs::path& start, std::vector<std::string> args) const {
        args.insert(args.begin(), {"-C", start.string(), "--league", base.string()});
        return args;
    }
    fs::path NewStart(const std::string& name) const {
        const fs::path start = folders.Start().parent_path() / name;
        fs::create_directories(start);
        return start;
    }
    fs::path LinesFile(const fs::path& start, int team) const {
        return start / (Printed(league.Teams[team].Name) + ".lns");
    }
    static std::set<std::string> Codes(const json& check) {
        std::set<std::string> codes;
        for (const json& problem : check["Problems"]) codes.insert(problem["Code"]);
        return codes;
    }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

// Byte offsets of the lines file: line-up entries from 11, roster places from 76.
constexpr std::size_t kEntry = 11, kPlace = 76;

struct BrokenFile {
    const char* Name;
    std::function<void(Bytes& file, const LeagueOnDisk& league, Bytes& roster)> Break;
    std::set<std::string> Codes;
};

// The index of a player the file dresses but who is in no used line-up entry, or the reverse.
int DressedOutsideTheLines(const Bytes& file) {
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (file[kPlace + i] != 200) continue;
        bool inLines = false;
        for (int row = 0; row < kLineRows; ++row) {
            for (int c = 0; c < UsedLineColumns(row); ++c)
                inLines = inLines || file[kEntry + LineIndex(row, c)] == i;
        }
        if (!inLines) return i;
    }
    return -1;
}

TEST_F(LeagueOffice, CheckLinesReportsEachProblemAndChangesNothing) {
    Generate({"--teams", "4", "--seed", "3"});
    const int team = 1;
    const fs::path source = NewStart("source");
    ASSERT_EQ(RunCli(In(source, {"--team", "1", "prepare", "--league-password"})).ExitCode, 0);
    const Bytes valid = ReadWholeFile(LinesFile(source, team));
    const std::vector<BrokenFile> cases{
        {"valid", [](Bytes&, const LeagueOnDisk&, Bytes&) {}, {}},
        {"short", [](Bytes& f, const LeagueOnDisk&, Bytes&) { f.pop_back(); }, {"size"}},
        {"team", [](Bytes& f, const LeagueOnDisk&, Bytes&) { f[0] = 9; }, {"team"}},
        {"password", [](Bytes& f, const LeagueOnDisk&, Bytes&) { f[1] ^= 0x20; }, {"password"}},
        {"entry", [](Bytes& f, const LeagueOnDisk&, Bytes&) { f[kEntry] = 60; }, {"entry"}},
        {"incomplete",
         [](Bytes& f, const LeagueOnDisk&, Bytes&) { f[kEntry + 1] = 255; },
         {"incomplete"}},
        {"dressed",
         [team](Bytes& f, const LeagueOnDisk& l, Bytes&) {
             const auto players = l.Roster(team);
             for (int i = 0; i < kRosterPlaces; ++i) {
                 if (!players[i].IsEmptyPlace() && (f[kPlace + i] == 100 || f[kPlace + i] == 0)) {
                     f[kPlace + i] = 200;
                     return;
                 }
             }
         },
         {"dressed"}},
        {"undressed",
         [](Bytes& f, const LeagueOnDisk&, Bytes&) { f[kPlace + f[kEntry]] = 100; },
         {"undressed in lines", "dressed"}},
    };
    Bytes roster;
    const fs::path files = NewStart("files");
    std::vector<std::string> args{"check-lines"};
    for (const BrokenFile& c : cases) {
        Bytes file = valid;
        c.Break(file, league, roster);
        WriteWholeFile(files / (std::string(c.Name) + ".lns"), file);
        args.push_back((files / (std::string(c.Name) + ".lns")).string());
    }
    args.push_back(files.string());  // a folder is refused, not read
    args.push_back("--json");
    const fs::path start = NewStart("check");
    const RunResult run = RunCli(In(start, args));
    EXPECT_EQ(run.ExitCode, 1) << run.Err;
    const json checks = run.Json();
    ASSERT_EQ(checks.size(), cases.size() + 1);
    for (std::size_t n = 0; n < cases.size(); ++n) {
        SCOPED_TRACE(cases[n].Name);
        EXPECT_EQ(Codes(checks[n]), cases[n].Codes) << checks[n].dump();
        EXPECT_EQ(checks[n]["Valid"], cases[n].Codes.empty());
        EXPECT_EQ(checks[n]["File"], args[n + 1]);
    }
    EXPECT_EQ(checks[2]["Team"], nullptr);
    EXPECT_EQ(checks[2]["TeamIndex"], 9);
    EXPECT_EQ(checks[0]["Team"], Printed(league.Teams[team].Name));
    EXPECT_EQ(Codes(checks.back()), std::set<std::string>{"read"});
    EXPECT_TRUE(fs::is_empty(start)) << "check-lines writes nothing";

    const RunResult alone = RunCli(In(start, {"check-lines", args[1]}));
    EXPECT_EQ(alone.ExitCode, 0) << alone.Err;
    EXPECT_NE(alone.Out.find(": valid (team 1, "), std::string::npos) << alone.Out;

    // A player the file dresses but the lines leave out is injured now in the league's roster.
    const int p = DressedOutsideTheLines(valid);
    ASSERT_GE(p, 0);
    roster = ReadWholeFile(WithExt(base, ".ros"));
    roster[(team * kRosterPlaces + p) * RecordLayout<Player>::Size + 30] = 203;  // Status
    WriteWholeFile(WithExt(base, ".ros"), roster);
    const RunResult injured = RunCli(In(start, {"check-lines", args[1], "--json"}));
    EXPECT_EQ(injured.ExitCode, 1);
    EXPECT_EQ(Codes(injured.Json()[0]), std::set<std::string>{"injured dressed"});
}

TEST_F(LeagueOffice, CheckLinesKeepsAFileNameOnItsOwnLine) {
    Generate({"--teams", "2", "--seed", "3"});
    const fs::path start = NewStart("names");
    const fs::path forged = start / "x.lns\nforged.lns: valid";
    WriteWholeFile(forged, Bytes(3, 0));
    const RunResult run = RunCli(In(start, {"check-lines", forged.string()}));
    EXPECT_EQ(run.ExitCode, 1) << run.Err;
    EXPECT_EQ(run.Out.find("\nforged.lns: valid"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("x.lns\\u000aforged.lns: valid: not valid"), std::string::npos)
        << run.Out;
}

TEST_F(LeagueOffice, ShortRosterFileLoadsWarningOnceOfTheTeamsItLacks) {
    Generate({"--teams", "4", "--seed", "3"});
    const std::size_t team = kRosterPlaces * RecordLayout<Player>::Size;
    const fs::path roster = WithExt(base, ".ros");
    fs::resize_file(roster, 4 * team - 2 * team - 86);  // two teams gone, one in part
    const RunResult run = RunCli(In(NewStart("short"), {"--team", "0", "players"}));
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const std::string warning = roster.string() + ": shorter than the league needs";
    const std::size_t at = run.Err.find(warning);
    ASSERT_NE(at, std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.find(warning, at + 1), std::string::npos) << "warned twice: " << run.Err;
    EXPECT_NE(run.Err.find("the players of 3 teams are missing"), std::string::npos) << run.Err;
}

TEST_F(LeagueOffice, AllTeamsPreparesEachTeamAsPrepareDoesAndReportsRefusals) {
    Generate({"--teams", "5", "--seed", "4"});
    // Team 2 keeps only 12 players: too few for the automatic roster.
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    constexpr std::size_t kSize = RecordLayout<Player>::Size;
    for (int i = 12; i < kRosterPlaces; ++i) {
        std::fill_n(roster.begin() + (2 * kRosterPlaces + i) * kSize, kSize, 0);
    }
    WriteWholeFile(WithExt(base, ".ros"), roster);
    const fs::path start = NewStart("all");
    const RunResult run =
        RunCli(In(start, {"prepare", "--all-teams", "--league-password", "--yes", "--json"}));
    const json results = run.Json();
    ASSERT_EQ(results.size(), 5u);
    bool anyRefused = false;
    std::vector<std::string> written{"check-lines"};
    for (int t = 0; t < 5; ++t) {
        SCOPED_TRACE(t);
        const json& result = results[t];
        EXPECT_EQ(result["TeamIndex"], t);
        EXPECT_EQ(result["Team"], Printed(league.Teams[t].Name));
        const fs::path alone = NewStart("alone" + std::to_string(t));
        const RunResult one = RunCli(
            In(alone, {"--team", std::to_string(t), "prepare", "--league-password", "--yes"}));
        if (result["LinesFile"].is_null()) {
            anyRefused = true;
            EXPECT_FALSE(result["Refused"]["Title"].get<std::string>().empty());
            EXPECT_FALSE(result["Refused"]["Text"].get<std::string>().empty());
            EXPECT_EQ(one.ExitCode, 1);
            EXPECT_FALSE(fs::exists(LinesFile(start, t)));
            continue;
        }
        EXPECT_EQ(result["Refused"], nullptr);
        ASSERT_EQ(one.ExitCode, 0) << one.Err;
        EXPECT_EQ(ReadWholeFile(result["LinesFile"].get<std::string>()),
                  ReadWholeFile(LinesFile(alone, t)));
        written.push_back(result["LinesFile"]);
    }
    EXPECT_TRUE(anyRefused) << "team 2 has too few players";
    EXPECT_EQ(results[2]["Refused"]["Text"], "Not enough players");
    EXPECT_EQ(run.ExitCode, 1);
    ASSERT_GT(written.size(), 1u);
    const RunResult checked = RunCli(In(NewStart("checked"), written));
    EXPECT_EQ(checked.ExitCode, 0) << checked.Out;
}

// A script's prepare answers its own questions and those --yes answers without printing them
// back; --show-answers prints each with its answer.
TEST_F(LeagueOffice, PrepareAnswersQuietlyUnlessAskedToShowTheAnswers) {
    Generate({"--teams", "4", "--seed", "4"});
    const auto answered = [](const std::string& err) {
        std::size_t count = 0;
        for (std::size_t at = err.find("[Yes]"); at != std::string::npos;
             at = err.find("[Yes]", at + 1)) {
            ++count;
        }
        return count;
    };
    const RunResult quiet =
        RunCli(In(NewStart("quiet"), {"prepare", "--all-teams", "--league-password", "--yes"}));
    ASSERT_EQ(quiet.ExitCode, 0) << quiet.Err;
    EXPECT_EQ(answered(quiet.Err), 0u) << quiet.Err;
    const RunResult one = RunCli(
        In(NewStart("one"), {"--team", "1", "prepare", "--league-password", "--yes"}));
    ASSERT_EQ(one.ExitCode, 0) << one.Err;
    EXPECT_EQ(answered(one.Err), 0u) << one.Err;

    const RunResult shown = RunCli(In(NewStart("shown"), {"prepare", "--all-teams",
                                                          "--league-password", "--yes",
                                                          "--show-answers"}));
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    EXPECT_NE(shown.Err.find("Keep Changes: Keep Roster Changes? [Yes]"), std::string::npos);
    EXPECT_NE(shown.Err.find("Keep Changes: Keep Line Changes? [Yes]"), std::string::npos);
    EXPECT_GE(answered(shown.Err), 8u) << shown.Err;  // two a team
}

}  // namespace
}  // namespace korvel::test
