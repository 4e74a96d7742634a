#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "league/RosterStatus.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

constexpr int kUsedColumns[kLineRows] = {5, 5, 5, 5, 5, 5, 4, 4, 4, 4, 3, 3, 3};

json LineUpAsJson(const std::array<std::uint8_t, kLineRows * kLineColumns>& slots) {
    json rows = json::array();
    for (int row = 0; row < kLineRows; ++row) {
        json entries = json::array();
        for (int c = 0; c < kLineColumns; ++c) entries.push_back(slots[LineIndex(row, c)]);
        rows.push_back(entries);
    }
    return rows;
}

class LinesCommand : public ::testing::Test {
  protected:
    void Generate(const std::vector<std::string>& options) {
        base = folders.LeagueBase("demo");
        MakeLeague(base, options);
        league = LeagueOnDisk::Read(base);
        originalTeams = LeagueTeams();
    }
    std::vector<std::string> Lines(int team, std::vector<std::string> args) const {
        args.insert(args.begin(), {"lines", "--team", std::to_string(team)});
        return folders.With(base, args);
    }
    Bytes WorkingTeams() const { return ReadWholeFile(folders.Start() / "swp.t"); }
    Bytes LeagueTeams() const { return ReadWholeFile(WithExt(base, ".tms")); }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
    Bytes originalTeams;  // the league's team file as generated
};

TEST_F(LinesCommand, AutoKeepStoresThePrintedLineUp) {
    Generate({"--teams", "10", "--seed", "21"});
    // Team 4 has no stored line-up, team 3 has one.
    for (int team : {4, 3}) {
        SCOPED_TRACE(team);
        const RunResult run = RunCli(Lines(team, {"--auto", "--keep", "--json"}));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_NE(run.Err.find("Keep Changes: Keep Line Changes? [Yes]"), std::string::npos)
            << run.Err;
        const json result = run.Json();
        EXPECT_EQ(result["Kept"], true);
        EXPECT_EQ(result["TeamIndex"], team);
        EXPECT_EQ(result["Team"], Printed(league.Teams[team].Name));

        const Team stored = ReadTeamRecord(folders.Start() / "swp.t", team);
        EXPECT_EQ(stored.LinesSet, -1);
        EXPECT_EQ(result["LineBuffer"], LineUpAsJson(stored.LineSlots));
        const auto roster = league.Roster(team);
        for (int row = 0; row < kLineRows; ++row) {
            for (int c = 0; c < kLineColumns; ++c) {
                const int entry = stored.LineSlots[LineIndex(row, c)];
                if (c >= kUsedColumns[row]) {
                    EXPECT_EQ(entry, 255) << "spare column, row " << row << " column " << c;
                } else {
                    ASSERT_LT(entry, kRosterPlaces) << "row " << row << " column " << c;
                    EXPECT_EQ(roster[entry].Status, 200) << "row " << row << " column " << c;
                    EXPECT_EQ(roster[entry].Position == Goalie, row == 12 && c == 0);
                }
            }
        }
        // Only that team's record changed, and only in its line-up; the league's own team file
        // did not change at all.
        Team expected = league.Teams[team];
        expected.LineSlots = stored.LineSlots;
        expected.LinesSet = -1;
        Bytes working = originalTeams;
        const auto record = EncodeRecord(expected);
        std::copy(record.begin(), record.end(),
                  working.begin() + static_cast<std::ptrdiff_t>(team * record.size()));
        EXPECT_EQ(WorkingTeams(), working);
        EXPECT_EQ(LeagueTeams(), originalTeams);
    }
}

TEST_F(LinesCommand, AutoWithoutKeepStoresNothing) {
    Generate({"--teams", "6"});
    const RunResult run = RunCli(Lines(4, {"--auto", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Json()["Kept"], false);
    EXPECT_NE(run.Err.find("Edit Lines: Changes were not saved"), std::string::npos) << run.Err;
    EXPECT_EQ(WorkingTeams(), originalTeams);
    // The printed working line-up is the automatic one, not the stored (empty) one.
    const json rows = run.Json()["LineBuffer"];
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_NE(rows, LineUpAsJson(league.Teams[4].LineSlots));
    EXPECT_LT(rows[12][0].get<int>(), kRosterPlaces);
    // Each entry's name stands beside it: null for an empty entry.
    const auto players = league.Roster(4);
    const json names = run.Json()["LineNames"];
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t c = 0; c < rows[row].size(); ++c) {
            const int entry = rows[row][c];
            EXPECT_EQ(names[row][c],
                      entry < kRosterPlaces ? json(Printed(players[entry].Name)) : json());
        }
    }
}

TEST_F(LinesCommand, KeepWithoutChangesLeavesTheTeamAsItWas) {
    Generate({"--teams", "6"});
    for (int team : {3, 4}) {
        SCOPED_TRACE(team);
        const RunResult run = RunCli(Lines(team, {"--keep", "--json"}));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Json()["Kept"], false);
        EXPECT_EQ(run.Json()["LineBuffer"], LineUpAsJson(league.Teams[team].LineSlots));
        EXPECT_EQ(run.Err, "") << "no question for an untouched line-up";
        EXPECT_EQ(WorkingTeams(), originalTeams);
    }
}

TEST_F(LinesCommand, TeamNotReadyIsRefused) {
    Generate({"--teams", "6", "--not-ready"});
    for (int team : {1, 4}) {  // 19 dressed players; 21 dressed healthy players
        SCOPED_TRACE(team);
        const RunResult run = RunCli(Lines(team, {"--auto", "--keep", "--json"}));
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("Auto Lines: Set roster first"), std::string::npos) << run.Err;
        EXPECT_FALSE(FileExists(folders.Start() / "swp.t")) << "a refused run saves no copy";
    }
}

TEST_F(LinesCommand, IncompleteLinesAreRefusedAndNotStored) {
    Generate({"--teams", "6"});
    // Team 0 without any goalie: automatic lines leave the goalie entry empty.
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    for (int index = 0; index < kRosterPlaces; ++index) {
        const std::size_t at = static_cast<std::size_t>(index) * RecordLayout<Player>::Size;
        if (roster[at] != 0 && roster[at + 22] == Goalie) roster[at + 22] = Defenceman;
    }
    WriteWholeFile(WithExt(base, ".ros"), roster);

    const RunResult run = RunCli(Lines(0, {"--auto", "--keep"}));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("Edit Lines: Lines are not complete"), std::string::npos) << run.Err;
    EXPECT_FALSE(FileExists(folders.Start() / "swp.t")) << "a refused run saves no copy";
}

TEST_F(LinesCommand, TextShowsEveryRowWithItsCaptionAndPlayers) {
    Generate({"--teams", "6"});
    const int team = 2;
    const RunResult run = RunCli(Lines(team, {}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const auto& slots = league.Teams[team].LineSlots;
    const auto roster = league.Roster(team);
    const char* captions[kLineRows] = {"Line 1",
                                       "Line 2",
                                       "Line 3",
                                       "Line 4",
                                       "PP Line 1 (5 on 4)",
                                       "PP Line 2 (5 on 4)",
                                       "PP Line 1 (4 on 3)",
                                       "PP Line 2 (4 on 3)",
                                       "PK Line 1 (4 on 5)",
                                       "PK Line 2 (4 on 5)",
                                       "PK Line 1 (3 on 5)",
                                       "PK Line 2 (3 on 5)",
                                       "Goalie / Extra Skaters"};
    std::istringstream lines(run.Out);
    std::string line;
    int row = 0;
    while (std::getline(lines, line) && row < kLineRows) {
        if (line.rfind(captions[row], 0) != 0) continue;
        SCOPED_TRACE(line);
        std::size_t at = 0;
        for (int c = 0; c < kUsedColumns[row]; ++c) {
            const int entry = slots[LineIndex(row, c)];
            const std::string shown =
                std::to_string(entry) + " " + Printed(roster[static_cast<std::size_t>(entry)].Name);
            at = line.find(shown, at);
            ASSERT_NE(at, std::string::npos) << shown;
        }
        ++row;
    }
    EXPECT_EQ(row, kLineRows) << run.Out;
}

TEST_F(LinesCommand, EmptyEntriesShowAsDashes) {
    Generate({"--teams", "6"});
    const RunResult run = RunCli(Lines(4, {}));  // team 4 has no stored line-up
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Out.find("Goalie / Extra Skaters  -  -  -\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("Line 1                  -  -  -  -  -\n"), std::string::npos);
    EXPECT_NE(run.Out.find("\nDressed but in no line: "), std::string::npos);
    // Every dressed player is unused.
    const RunResult json = RunCli(Lines(4, {"--json"}));
    ASSERT_EQ(json.ExitCode, 0) << json.Err;
    std::vector<int> dressed;
    const auto roster = league.Roster(4);
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (!roster[i].IsEmptyPlace() && PlaceOf(roster[i].Status) == Dressed) dressed.push_back(i);
    }
    EXPECT_EQ(dressed.size(), 20u);
    EXPECT_EQ(json.Json()["Unused"], nlohmann::json(dressed));
}

}  // namespace
}  // namespace korvel::test
