// Commits of several files: all or nothing at every failing step, and after a kill at every step.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "platform/CommitJournal.h"
#include "platform/SharedFileChange.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using testing::FailCommitStep;
using testing::StepFailure;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A start folder with two files and a third to be made, and a shared list in a league folder.
class CommitScene {
  public:
    CommitScene() {
        fs::create_directories(Start());
        fs::create_directories(League());
        WriteWholeFile(Start() / "swp.t", Text("old t"));
        WriteWholeFile(Start() / "korvel.def", Text("old def"));
        WriteWholeFile(List(), Text("old list"));
    }
    fs::path Start() const { return folder_ / "start"; }
    fs::path League() const { return folder_ / "league"; }
    fs::path List() const { return League() / "L.wvr"; }
    // Lets every user into the folders.
    void OpenToAll() const {
        for (const fs::path& each : {folder_.Path(), Start(), League()}) {
            fs::permissions(each, fs::perms::all);
        }
    }

    FileCommit Staged() const {
        FileCommit commit(Start());
        commit.Add(StagedFile(Start() / "swp.t", Text("new t"), Flush::Never));
        commit.Add(StagedFile(Start() / "korvel.def", Text("new def"), Flush::WhenReplacing));
        commit.Add(StagedFile(Start() / "A.lns", Text("new lines"), Flush::WithTheSet));
        auto lock = LockSharedFile(List());
        commit.AddShared(StagedFile(List(), Text("new list")), std::move(lock));
        return commit;
    }

    // "old", "new", or "mixed"; "leftovers" when a temporary file or the journal stayed.
    std::string State() const {
        int newer = 0;
        newer += ReadWholeFile(Start() / "swp.t") == Text("new t");
        newer += ReadWholeFile(Start() / "korvel.def") == Text("new def");
        newer += FileExists(Start() / "A.lns");
        newer += ReadWholeFile(List()) == Text("new list");
        for (const fs::path& folder : {Start(), League()}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                const std::string name = entry.path().filename().string();
                if (name.starts_with(".") || name == "korvel.commit") return "leftovers " + name;
            }
        }
        return newer == 0 ? "old" : newer == 4 ? "new" : "mixed";
    }

  private:
    TempFolder folder_;
};

int StepsOfAWholeCommit() {
    CommitScene scene;
    FailCommitStep(0);
    scene.Staged().Commit();
    return testing::CommitStepsTaken();
}

// The steps before the journal is in place: one flush per file system folder and the journal's
// write and rename. A failure there leaves every file as it was; later, the commit goes on from
// the journal, at once or at the next start.
TEST(CommitJournal, EveryFailingStepLeavesAllOldOrAllNew) {
    const int steps = StepsOfAWholeCommit();
    ASSERT_GT(steps, 8);
    const int beforeJournal = 3;  // the flush of the lines file's set, the journal's two
    for (const StepFailure how : {StepFailure::Once, StepFailure::FromThen}) {
        for (int n = 1; n <= steps; ++n) {
            SCOPED_TRACE("step " + std::to_string(n) +
                         (how == StepFailure::Once ? " once" : " from then on"));
            CommitScene scene;
            FileCommit commit = scene.Staged();
            FailCommitStep(n, how);
            std::string failure = "none";
            try {
                commit.Commit();
            } catch (const CommitUnfinished&) {
                failure = "unfinished";
            } catch (const FileError&) {
                failure = "failed";
            }
            commit = FileCommit(scene.Start());  // locks and temporary files of a failure go
            FailCommitStep(0);
            if (n <= beforeJournal) {
                EXPECT_EQ(failure, "failed");
                EXPECT_EQ(scene.State(), "old");
                continue;
            }
            EXPECT_EQ(failure, how == StepFailure::Once ? "none" : "unfinished");
            // What the next start does first.
            FinishInterruptedCommit(scene.Start());
            EXPECT_EQ(scene.State(), "new");
        }
    }
}

TEST(CommitJournal, AKilledCommitIsFinishedOrUndoneByTheNextStart) {
    const int steps = StepsOfAWholeCommit();
    int old = 0, committed = 0;
    for (int n = 1; n <= steps; ++n) {
        SCOPED_TRACE("killed at step " + std::to_string(n));
        CommitScene scene;
        EXPECT_EXIT(
            {
                FailCommitStep(n, StepFailure::Exit);
                scene.Staged().Commit();
            },
            ::testing::ExitedWithCode(137), "");
        FinishInterruptedCommit(scene.Start());
        RemoveLeftoverTemporaryFiles(scene.Start());
        LockSharedFile(scene.List());  // the next save of the list clears its leftovers
        const std::string state = scene.State();
        EXPECT_TRUE(state == "old" || state == "new") << state;
        old += state == "old";
        committed += state == "new";
    }
    EXPECT_GT(old, 0);
    EXPECT_GT(committed, 0);
}

TEST(CommitJournal, AJournalNamingOtherFilesIsRefused) {
    CommitScene scene;
    const std::string journal = "korvel commit 1\nR " +
                                std::to_string(scene.List().native().size()) + ":" +
                                scene.List().native() + " 5:/etc/x\nend\n";
    WriteWholeFile(scene.Start() / "korvel.commit", Text(journal));
    EXPECT_THROW(FinishInterruptedCommit(scene.Start()), FileError);
    EXPECT_EQ(ReadWholeFile(scene.List()), Text("old list"));
}

// A shared list keeps its owner, group and mode; where they cannot be given to a new file, the
// list is written over in place and stays the same file.
TEST(CommitJournal, ASharedListStaysItsUsersFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to own files of other users";
    struct BackToRoot {
        ~BackToRoot() { (void)::seteuid(0); }
    } backToRoot;
    for (const bool asOtherUser : {false, true}) {
        SCOPED_TRACE(asOtherUser ? "saved by another user" : "saved by root");
        CommitScene scene;
        scene.OpenToAll();
        ASSERT_EQ(::chown(scene.List().c_str(), 1234, 1234), 0);
        fs::permissions(scene.List(), fs::perms(0666));
        struct stat before {};
        ASSERT_EQ(::stat(scene.List().c_str(), &before), 0);
        if (asOtherUser) {
            ASSERT_EQ(::seteuid(65534), 0);
        }
        {
            FileCommit commit(scene.Start());
            StagedFile list(scene.List(), Text("new list"));
            list.KeepOwnerOfTarget();
            EXPECT_EQ(list.RewritesInPlace(), asOtherUser);
            commit.AddShared(std::move(list), LockSharedFile(scene.List()));
            commit.Commit();
        }
        if (asOtherUser) {
            ASSERT_EQ(::seteuid(0), 0);
        }
        struct stat after {};
        ASSERT_EQ(::stat(scene.List().c_str(), &after), 0);
        EXPECT_EQ(ReadWholeFile(scene.List()), Text("new list"));
        EXPECT_EQ(after.st_uid, 1234u);
        EXPECT_EQ(after.st_gid, 1234u);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino == before.st_ino, asOtherUser);
    }
}

}  // namespace
}  // namespace korvel::test
