#include "platform/qt/DataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "league/LeagueFiles.h"
#include "platform/CommitJournal.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// What an earlier version kept moves to the new folder; a name the new folder already holds is
// never overwritten and stays behind, and the user is told.
TEST(DataFolder, TheEarlierFolderMovesWithoutOverwritingAnything) {
    TempFolder home;
    const fs::path earlier = home / "Korvel" / "Korvel";
    const fs::path now = home / "korvel";
    fs::create_directories(earlier / "league");
    WriteWholeFile(earlier / "league" / "DEMO.lge", Text("league"));
    WriteWholeFile(earlier / "swp.t", Text("teams"));
    WriteWholeFile(DefaultsFileIn(earlier), DefaultsFileContent(earlier / "league" / "DEMO"));

    EXPECT_EQ(qt::MoveEarlierData(earlier, now), "");
    EXPECT_EQ(ReadWholeFile(now / "league" / "DEMO.lge"), Text("league"));
    EXPECT_EQ(ReadWholeFile(now / "swp.t"), Text("teams"));
    EXPECT_EQ(ReadDefaultsFile(DefaultsFileIn(now)), now / "league" / "DEMO");
    EXPECT_FALSE(fs::exists(home / "Korvel"));

    fs::create_directories(earlier);
    WriteWholeFile(earlier / "swp.t", Text("older teams"));
    WriteWholeFile(earlier / "Quebec.lns", Text("lines"));
    const std::string said = qt::MoveEarlierData(earlier, now);
    EXPECT_NE(said.find("swp.t: the new folder already holds"), std::string::npos) << said;
    EXPECT_EQ(ReadWholeFile(now / "swp.t"), Text("teams"));
    EXPECT_EQ(ReadWholeFile(earlier / "swp.t"), Text("older teams"));
    EXPECT_EQ(ReadWholeFile(now / "Quebec.lns"), Text("lines"));
}

// A save left unfinished in the earlier folder names its files there: it is finished before
// anything moves or, while it cannot be, nothing moves and it waits with all it names.
TEST(DataFolder, AnUnfinishedSaveIsFinishedBeforeAnythingMoves) {
    TempFolder home;
    const fs::path earlier = home / "Korvel" / "Korvel";
    const fs::path now = home / "korvel";
    fs::create_directories(earlier);
    WriteWholeFile(earlier / "swp.t", Text("old t"));
    WriteWholeFile(earlier / "swp.r", Text("old r"));
    const auto save = [&] {
        FileCommit commit(earlier);
        commit.Add(StagedFile(earlier / "swp.t", Text("new t")));
        commit.Add(StagedFile(earlier / "swp.r", Text("new r")));
        commit.Commit();
    };
    testing::FailCommitStep(0);
    save();
    const auto steps = testing::CommitStepFiles();
    const auto placing = std::find(steps.begin(), steps.end(), earlier / "swp.t") - steps.begin();
    WriteWholeFile(earlier / "swp.t", Text("old t"));
    WriteWholeFile(earlier / "swp.r", Text("old r"));
    testing::FailCommitStep(static_cast<int>(placing) + 1, testing::StepFailure::FromThen);
    EXPECT_THROW(save(), CommitUnfinished);
    ASSERT_TRUE(CommitInterrupted(earlier));

    EXPECT_THROW(qt::MoveEarlierData(earlier, now), std::runtime_error);
    EXPECT_TRUE(CommitInterrupted(earlier));
    EXPECT_EQ(ReadWholeFile(earlier / "swp.t"), Text("old t"));
    EXPECT_FALSE(fs::exists(now / "swp.t"));

    testing::FailCommitStep(0);
    EXPECT_EQ(qt::MoveEarlierData(earlier, now), "");
    EXPECT_EQ(ReadWholeFile(now / "swp.t"), Text("new t"));
    EXPECT_EQ(ReadWholeFile(now / "swp.r"), Text("new r"));
    EXPECT_FALSE(CommitInterrupted(now));
}

}  // namespace
}  // namespace korvel::test
