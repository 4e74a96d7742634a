#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "league/WaiverList.h"
#include "platform/CommitJournal.h"

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;
constexpr std::size_t kTeamSize = RecordLayout<Team>::Size;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A run that is refused or cannot save leaves every file of the start folder and the league's
// waiver list as they were before it.
class SaveAllOrNothing : public ::testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "4", "--seed", "3"});
        ASSERT_EQ(RunCli(folders.With(base, {"--team", "0", "players"})).ExitCode, 0);
        // Team 0 puts one player on the waiver list when its roster is kept.
        Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
        const auto players = LeagueOnDisk::Read(base).Roster(0);
        for (std::size_t i = 0; i < players.size(); ++i) {
            if (players[i].IsEmptyPlace() || players[i].Status >= 200) continue;
            roster[i * kPlayerSize + 75] = 1;
            break;
        }
        WriteWholeFile(WithExt(base, ".ros"), roster);
    }
    // Every file of the start folder and the waiver list, by name.
    std::map<std::string, Bytes> Files() const {
        std::map<std::string, Bytes> files;
        for (const auto& entry : fs::directory_iterator(folders.Start())) {
            files[entry.path().filename().string()] = ReadWholeFile(entry.path());
        }
        if (FileExists(WithExt(base, ".wvr"))) files["wvr"] = ReadWholeFile(WithExt(base, ".wvr"));
        return files;
    }
    void ExpectNothingSaved(const RunResult& run, const std::map<std::string, Bytes>& before) {
        EXPECT_EQ(run.ExitCode, 1) << run.Err;
        EXPECT_EQ(run.Err.find("Lines saved as"), std::string::npos) << run.Err;
        const auto after = Files();
        EXPECT_EQ(after.size(), before.size());
        for (const auto& [name, content] : before) {
            EXPECT_TRUE(after.contains(name) && after.at(name) == content) << name;
        }
    }

    CliFixtureFolders folders;
    fs::path base;
};

TEST_F(SaveAllOrNothing, ARefusedCommandSavesNothingOfTheRun) {
    const auto before = Files();
    // The roster is kept (and its waived player) before the password is refused.
    ExpectNothingSaved(
        RunCli(folders.With(base, {"--team", "0", "prepare", "--password", "WRONG", "--yes"})),
        before);
    const RunResult run = RunCli(folders.With(
        base, {"--team", "0", "roster", "--auto", "--keep", "lines", "--save-lines", "WRONG"}));
    ExpectNothingSaved(run, before);
    EXPECT_NE(run.Err.find("the run stopped at command 2 (lines); nothing was saved"),
              std::string::npos)
        << run.Err;
}

TEST_F(SaveAllOrNothing, AllTeamsSavesNothingWhenTheDiskIsFull) {
    // A waiver list longer than a file may grow: its new copy cannot be written, as on a full
    // disk, after every team is prepared.
    const auto limit = static_cast<long>(fs::file_size(folders.Start() / "swp.r")) + 4096;
    fs::resize_file(WithExt(base, ".wvr"), static_cast<std::uintmax_t>(limit) + 88);
    const auto before = Files();
    RunOptions options;
    options.FileSizeLimit = limit;
    const RunResult run = RunProgram(
        KORVEL_CLI, folders.With(base, {"prepare", "--all-teams", "--league-password", "--yes"}),
        options);
    ExpectNothingSaved(run, before);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("nothing was saved: " + WithExt(base, ".wvr").string()),
              std::string::npos)
        << run.Err;
}

TEST_F(SaveAllOrNothing, TwoTeamsOfOneLinesFileAreRefusedBeforeAnythingIsDone) {
    Bytes teams = ReadWholeFile(WithExt(base, ".tms"));
    const auto league = LeagueOnDisk::Read(base);
    Team second = league.Teams[2];
    second.Name = league.Teams[1].Name;
    const auto record = EncodeRecord(second);
    std::copy(record.begin(), record.end(), teams.begin() + 2 * kTeamSize);
    WriteWholeFile(WithExt(base, ".tms"), teams);
    const auto before = Files();
    const RunResult run =
        RunCli(folders.With(base, {"prepare", "--all-teams", "--league-password", "--yes"}));
    const std::string name = Printed(league.Teams[1].Name);
    EXPECT_NE(
        run.Err.find("teams 1 " + name + " and 2 " + name + " would both save " + name + ".lns"),
        std::string::npos)
        << run.Err;
    ExpectNothingSaved(run, before);
}

// Each run prepares one team, yet both would write one file on a disk that ignores case: refused
// before anything is written, naming both teams, whichever team the run is for.
TEST_F(SaveAllOrNothing, ATeamWhoseLinesFileIsAnotherTeamsIsRefused) {
    Bytes teams = ReadWholeFile(WithExt(base, ".tms"));
    const auto league = LeagueOnDisk::Read(base);
    for (const auto& [index, name] : {std::pair{1, "Caf\xE9"}, std::pair{2, "CAF\xC9"}}) {
        Team team = league.Teams[index];
        team.Name = FixedText<10>::FromString(name);
        const auto record = EncodeRecord(team);
        std::copy(record.begin(), record.end(), teams.begin() + index * kTeamSize);
    }
    WriteWholeFile(WithExt(base, ".tms"), teams);
    const auto before = Files();
    for (const char* team : {"1", "2"}) {
        SCOPED_TRACE(std::string("team ") + team);
        const RunResult run =
            RunCli(folders.With(base, {"--team", team, "prepare", "--league-password", "--yes"}));
        EXPECT_NE(run.Err.find("Café"), std::string::npos) << run.Err;
        EXPECT_NE(run.Err.find("CAFÉ"), std::string::npos) << run.Err;
        ExpectNothingSaved(run, before);
    }
}

// A save that only the next start can finish, and another program holding the waiver list's lock
// at that start: the start says so, exits 2 and keeps the journal and all it names; the start
// after it finishes the save.
TEST_F(SaveAllOrNothing, AStartThatCannotFinishASaveKeepsItForTheNext) {
    const fs::path list = WithExt(base, ".wvr");
    const fs::path lines = folders.Start() / "Pending.lns";
    const Player waived = LeagueOnDisk::Read(base).Roster(3)[0];
    {
        FileCommit commit(folders.Start());
        commit.Add(StagedFile(lines, Text("pending lines")));
        commit.Add(StagedFile(folders.Start() / "korvel.def",
                              ReadWholeFile(folders.Start() / "korvel.def")));
        commit.AddListChange(list, WaiverListChange(list, {waived}), LockSharedFile(list));
        testing::FailCommitStep(5, testing::StepFailure::FromThen);  // the list, after the journal
        EXPECT_THROW(commit.Commit(), CommitUnfinished);
        testing::FailCommitStep(0);
    }
    ASSERT_TRUE(CommitInterrupted(folders.Start()));
    const auto before = Files();
    {
        const FileLock held(LockFileOf(list), std::chrono::milliseconds(0));
        const RunResult run = RunCli({"-C", folders.Start().string(), "players"});
        EXPECT_EQ(run.ExitCode, 2) << run.Err;
        EXPECT_NE(run.Err.find("is being saved by another Korvel program"), std::string::npos)
            << run.Err;
        EXPECT_NE(run.Err.find("waits in " + (folders.Start() / "korvel.commit").string()),
                  std::string::npos)
            << run.Err;
    }
    EXPECT_EQ(Files(), before);
    const RunResult run = RunCli({"-C", folders.Start().string(), "players"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_FALSE(CommitInterrupted(folders.Start()));
    EXPECT_EQ(ReadWholeFile(lines), Text("pending lines"));
    const Bytes after = ReadWholeFile(list);
    const auto entry = EncodeRecord(WaiverEntry{{}, 0, waived});
    EXPECT_NE(std::search(after.begin(), after.end(), entry.begin() + 2, entry.begin() + 24),
              after.end());
}

}  // namespace
}  // namespace korvel::test
