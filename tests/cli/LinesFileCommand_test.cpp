#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

// korvel-cli prepare and lines --import/--save-lines on generated leagues.
class LinesFileCommand : public ::testing::Test {
  protected:
    void Generate(const std::vector<std::string>& options) {
        base = folders.LeagueBase("demo");
        MakeLeague(base, options);
        league = LeagueOnDisk::Read(base);
    }
    std::vector<std::string> In(const fs::path& start, std::vector<std::string> args) const {
        args.insert(args.begin(), {"-C", start.string(), "--league", base.string()});
        return args;
    }
    std::string Password(int team) const { return Printed(league.Teams[team].Password); }
    fs::path LinesFile(const fs::path& start, int team) const {
        return start / (Printed(league.Teams[team].Name) + ".lns");
    }

    // The lines file as it must be: built here from the working copies of `start`.
    Bytes ExpectedLinesFile(const fs::path& start, int team) const {
        Bytes expected(226, 0);
        expected[0] = static_cast<std::uint8_t>(team);
        const auto password = FixedText<10>::FromString(Password(team)).Bytes;
        std::copy(password.begin(), password.end(), expected.begin() + 1);
        const Team stored = ReadTeamRecord(start / "swp.t", team);
        std::copy(stored.LineSlots.begin(), stored.LineSlots.end(), expected.begin() + 11);
        const Bytes roster = ReadWholeFile(start / "swp.r");
        for (std::size_t i = 0; i < kRosterPlaces; ++i) {
            const std::size_t at = (team * kRosterPlaces + i) * RecordLayout<Player>::Size;
            expected[76 + i] = roster[at + 30];           // Status
            expected[126 + 2 * i] = roster[at + 67];      // Protected, low byte
            expected[126 + 2 * i + 1] = roster[at + 68];  // high byte
        }
        return expected;
    }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

TEST_F(LinesFileCommand, PrepareSavesTheKeptLinesAndTheFileImportsIntoAFreshStartFolder) {
    for (const char* seed : {"3", "8"}) {
        Generate({"--teams", "10", "--seed", seed});
        for (int team : {4, 7}) {  // team 4 starts without a line-up
            SCOPED_TRACE(std::string("seed ") + seed + ", team " + std::to_string(team));
            const fs::path start = folders.Start() / ("s" + std::string(seed));
            fs::create_directories(start);
            const RunResult run =
                RunCli(In(start, {"prepare", "--team", std::to_string(team), "--password",
                                  Password(team), "--yes", "--json"}));
            ASSERT_EQ(run.ExitCode, 0) << run.Err;
            EXPECT_EQ(run.Json()["LinesFile"], LinesFile(start, team).string());
            EXPECT_EQ(run.Json()["TeamIndex"], team);
            EXPECT_EQ(ReadTeamRecord(start / "swp.t", team).LinesSet, -1);
            const Bytes saved = ReadWholeFile(LinesFile(start, team));
            EXPECT_EQ(saved, ExpectedLinesFile(start, team));

            const fs::path fresh = start / "fresh";
            fs::create_directories(fresh);
            const RunResult imported =
                RunCli(In(fresh, {"lines", "--team", std::to_string(team), "--import",
                                  LinesFile(start, team).string(), "--keep", "--yes", "--json"}));
            ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
            EXPECT_EQ(imported.Json()["Kept"], true);
            EXPECT_EQ(ReadTeamRecord(fresh / "swp.t", team).LineSlots,
                      ReadTeamRecord(start / "swp.t", team).LineSlots);
        }
    }
}

TEST_F(LinesFileCommand, PrepareStopsAtTheFirstRefusalWithoutALinesFile) {
    Generate({"--teams", "6"});
    // Team 0 without any goalie: the automatic roster has not enough players.
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    for (int index = 0; index < kRosterPlaces; ++index) {
        const std::size_t at = static_cast<std::size_t>(index) * RecordLayout<Player>::Size;
        if (roster[at] != 0 && roster[at + 22] == Goalie) roster[at + 22] = Defenceman;
    }
    WriteWholeFile(WithExt(base, ".ros"), roster);

    const RunResult run =
        RunCli(In(folders.Start(), {"prepare", "--team", "0", "--password", "pw", "--yes"}));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("Auto Roster: Not enough players"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(LinesFile(folders.Start(), 0)));

    const RunResult refused = RunCli(In(folders.Start(), {"prepare", "--password", "Ω"}));
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_NE(refused.Err.find("\"Ω\""), std::string::npos) << refused.Err;
    const RunResult missing = RunCli(In(folders.Start(), {"prepare"}));
    EXPECT_EQ(missing.ExitCode, 2);
}

TEST_F(LinesFileCommand, LinesImportsAutoSavesAndKeepsInThatOrder) {
    Generate({"--teams", "6"});
    const int team = 2;
    const fs::path start = folders.Start();
    const RunResult first =
        RunCli(In(start, {"lines", "--team", "2", "--save-lines", Password(team)}));
    ASSERT_EQ(first.ExitCode, 0) << first.Err;
    EXPECT_NE(first.Out.find("Lines saved as " + LinesFile(start, team).string()),
              std::string::npos)
        << first.Out;
    const Bytes stored = ReadWholeFile(LinesFile(start, team));
    ASSERT_EQ(stored.size(), 226u);
    fs::rename(LinesFile(start, team), start / "stored.lns");

    const RunResult run =
        RunCli(In(start, {"lines", "--team", "2", "--keep", "--save-lines", "new", "--auto",
                          "--import", "stored.lns", "--yes", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json result = run.Json();
    EXPECT_EQ(result["Kept"], true);
    EXPECT_EQ(result["LinesFile"], LinesFile(start, team).string());
    const Bytes saved = ReadWholeFile(LinesFile(start, team));
    const Team kept = ReadTeamRecord(start / "swp.t", team);
    EXPECT_EQ(std::string(saved.begin() + 1, saved.begin() + 11), "new       ");
    EXPECT_TRUE(std::equal(kept.LineSlots.begin(), kept.LineSlots.end(), saved.begin() + 11));
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < kLineColumns; ++c) {
            EXPECT_EQ(result["LineBuffer"][row][c], kept.LineSlots[LineIndex(row, c)]);
        }
    }
}

TEST_F(LinesFileCommand, AnImportThatIsRefusedExitsOneWithTheMessage) {
    Generate({"--teams", "6"});
    const fs::path start = folders.Start();
    // A password other than the team's is saved only when the question is answered Yes.
    const RunResult unanswered = RunCli(In(start, {"lines", "--team", "1", "--save-lines", "wrong"}));
    EXPECT_EQ(unanswered.ExitCode, 2);
    EXPECT_NE(unanswered.Err.find("does not match the lines password"), std::string::npos)
        << unanswered.Err;
    EXPECT_FALSE(fs::exists(LinesFile(start, 1)));
    ASSERT_EQ(RunCli(In(start, {"lines", "--team", "1", "--save-lines", "wrong", "--yes"})).ExitCode,
              0);
    const fs::path saved = LinesFile(start, 1);
    Bytes shorter = ReadWholeFile(saved);
    shorter.pop_back();
    WriteWholeFile(start / "short.lns", shorter);

    struct Case {
        std::string File, Message;
    };
    for (const Case& c : {Case{saved.string(), "Import Lines: Password Incorrect"},
                          Case{"short.lns", "Invalid File: Errors in File"},
                          Case{"missing.lns", "Invalid File: Errors in File"}}) {
        SCOPED_TRACE(c.File);
        const RunResult run = RunCli(In(start, {"lines", "--team", "1", "--import", c.File}));
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    }
}

}  // namespace
}  // namespace korvel::test
