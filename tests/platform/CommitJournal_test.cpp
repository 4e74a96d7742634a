// Commits of several files and a shared list: all or nothing at every failing step and after a
// kill at every step; a list change applied to the list as it is found, once.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
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

std::string TextOf(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The shared list of these tests: 8-byte records whose first 4 bytes are the key.
constexpr ListLayout kLayout{8, 0, 4};

ListChange Putting(const fs::path& list, std::vector<std::string> records) {
    std::vector<Bytes> added;
    for (const std::string& record : records) added.push_back(Text(record));
    return ChangeOfList(list, kLayout, added);
}

// A start folder with two files and a third to be made, and a shared list in a league folder. The
// save replaces bob's entry and puts cat on the list.
class CommitScene {
  public:
    CommitScene() {
        fs::create_directories(Start());
        fs::create_directories(League());
        WriteWholeFile(Start() / "swp.t", Text("old t"));
        WriteWholeFile(Start() / "korvel.def", Text("old def"));
        WriteWholeFile(List(), Text("ann 0001bob 0001"));
    }
    fs::path Start() const { return folder_ / "start"; }
    fs::path Other() const { return folder_ / "other"; }
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
        commit.AddListChange(List(), Putting(List(), {"bob 0002", "cat 0001"}), std::move(lock));
        return commit;
    }

    // A save of another start folder that puts `records` on the list.
    void OtherSave(std::vector<std::string> records) const {
        fs::create_directories(Other());
        FileCommit commit(Other());
        commit.Add(StagedFile(Other() / "B.lns", Text("other lines")));
        auto lock = LockSharedFile(List());
        commit.AddListChange(List(), Putting(List(), std::move(records)), std::move(lock));
        commit.Commit();
    }

    std::string ListText() const { return TextOf(ReadWholeFile(List())); }

    // "old", "new", or "mixed"; "leftovers" when a temporary file or the journal stayed.
    std::string State() const {
        int newer = 0;
        newer += ReadWholeFile(Start() / "swp.t") == Text("new t");
        newer += ReadWholeFile(Start() / "korvel.def") == Text("new def");
        newer += FileExists(Start() / "A.lns");
        newer += ListText() == "ann 0001bob 0002cat 0001";
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

// The steps of a whole commit and the file each is about.
std::vector<fs::path> StepsOfAWholeCommit() {
    CommitScene scene;
    FailCommitStep(0);
    scene.Staged().Commit();
    return testing::CommitStepFiles();
}

// The first step about a file whose name starts with `prefix`, from 1.
int FirstStepOf(const std::vector<fs::path>& steps, const std::string& prefix) {
    const auto found = std::find_if(steps.begin(), steps.end(), [&](const fs::path& file) {
        return file.filename().string().starts_with(prefix);
    });
    return found == steps.end() ? 0 : static_cast<int>(found - steps.begin()) + 1;
}

// Before the journal is in place (its two steps come last): a failure leaves every file as it
// was. Later, the commit goes on from the journal, at once or at the next start.
TEST(CommitJournal, EveryFailingStepLeavesAllOldOrAllNew) {
    const std::vector<fs::path> steps = StepsOfAWholeCommit();
    const int journalPlaced = FirstStepOf(steps, "korvel.commit") + 1;
    ASSERT_GT(journalPlaced, 2);
    for (const StepFailure how : {StepFailure::Once, StepFailure::FromThen}) {
        for (int n = 1; n <= static_cast<int>(steps.size()); ++n) {
            SCOPED_TRACE("step " + std::to_string(n) + " (" + steps[n - 1].filename().string() +
                         (how == StepFailure::Once ? ") once" : ") from then on"));
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
            if (n <= journalPlaced) {
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
    const int steps = static_cast<int>(StepsOfAWholeCommit().size());
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
        RecoverStartFolder(scene.Start());
        LockSharedFile(scene.List());  // the next save of the list settles what it finds
        const std::string state = scene.State();
        EXPECT_TRUE(state == "old" || state == "new") << state;
        old += state == "old";
        committed += state == "new";
    }
    EXPECT_GT(old, 0);
    EXPECT_GT(committed, 0);
}

// A save killed at a step, then what happens to the list before its start folder starts again,
// then that start: the list and the lines file it ends with.
struct RollForward {
    const char* Label;
    const char* KilledBefore;  // the first step about a file of this name prefix
    std::function<void(const CommitScene&)> Meanwhile;
    const char* List;
    bool Lines;
};

class RollForwardCase : public ::testing::TestWithParam<RollForward> {};

TEST_P(RollForwardCase, AppliesTheRecordedChangeOnceToTheListAsItIsNow) {
    const RollForward& row = GetParam();
    const std::vector<fs::path> steps = StepsOfAWholeCommit();
    const int step = FirstStepOf(steps, row.KilledBefore);
    ASSERT_GT(step, 0) << row.KilledBefore;
    CommitScene scene;
    EXPECT_EXIT(
        {
            FailCommitStep(step, StepFailure::Exit);
            scene.Staged().Commit();
        },
        ::testing::ExitedWithCode(137), "");
    FailCommitStep(0);
    row.Meanwhile(scene);
    RecoverStartFolder(scene.Start());
    EXPECT_EQ(scene.ListText(), row.List);
    EXPECT_EQ(FileExists(scene.Start() / "A.lns"), row.Lines);
    if (row.Lines) {
        EXPECT_EQ(ReadWholeFile(scene.Start() / "A.lns"), Text("new lines"));
    }
    EXPECT_FALSE(CommitInterrupted(scene.Start()));
    // Every later start and save finds nothing more to do.
    LockSharedFile(scene.List());
    RecoverStartFolder(scene.Start());
    EXPECT_EQ(scene.ListText(), row.List);
}

void Nothing(const CommitScene&) {}

INSTANTIATE_TEST_SUITE_P(
    CommitJournal, RollForwardCase,
    ::testing::Values(
        // Killed before its journal: nothing of the save, though its change file was written.
        RollForward{"NotCommitted", "korvel.commit", Nothing, "ann 0001bob 0001", false},
        RollForward{"CommittedNotApplied", "L.wvr", Nothing, "ann 0001bob 0002cat 0001", true},
        // Another manager saves first: his save applies the committed change before his own.
        RollForward{"ListChangedByAnotherSave", "L.wvr",
                    [](const CommitScene& s) { s.OtherSave({"dan 0001"}); },
                    "ann 0001bob 0002cat 0001dan 0001", true},
        // A program that keeps no journal (the league's simulation) changed the list.
        RollForward{"ListChangedByAnotherProgram", "L.wvr",
                    [](const CommitScene& s) {
                        WriteWholeFile(s.List(), Text("ann 0001bob 0001eve 0001"));
                    },
                    "ann 0001bob 0002eve 0001cat 0001", true},
        // The list was replaced, the change file not yet removed.
        RollForward{"EntryAlreadyPresent", ".L.wvr.change-", Nothing, "ann 0001bob 0002cat 0001",
                    true},
        // ...and a later save put another cat in the place of this one: it stays.
        RollForward{"EntryReplacedByALaterSave", ".L.wvr.change-",
                    [](const CommitScene& s) { s.OtherSave({"cat 0009"}); },
                    "ann 0001bob 0002cat 0009", true},
        RollForward{"EntryReplacedByAnotherProgram", ".L.wvr.change-",
                    [](const CommitScene& s) {
                        WriteWholeFile(s.List(), Text("ann 0001bob 0003cat 0009"));
                    },
                    "ann 0001bob 0003cat 0009", true},
        RollForward{"SomeFilesPlaced", "korvel.def", Nothing,
                    "ann 0001bob 0002cat 0001", true}),
    [](const auto& info) { return std::string(info.param.Label); });

// A roll forward killed at each of its steps, then another start: the same list and files as a
// roll forward left alone.
TEST(CommitJournal, ARollForwardKilledAtAnyStepEndsTheSame) {
    const std::vector<fs::path> steps = StepsOfAWholeCommit();
    const int committed = FirstStepOf(steps, "L.wvr");
    int rollSteps = 0;
    {
        CommitScene scene;
        EXPECT_EXIT(
            {
                FailCommitStep(committed, StepFailure::Exit);
                scene.Staged().Commit();
            },
            ::testing::ExitedWithCode(137), "");
        FailCommitStep(0);
        RecoverStartFolder(scene.Start());
        rollSteps = testing::CommitStepsTaken();
        ASSERT_EQ(scene.State(), "new");
    }
    ASSERT_GT(rollSteps, 3);
    for (int n = 1; n <= rollSteps; ++n) {
        SCOPED_TRACE("roll forward killed at step " + std::to_string(n));
        CommitScene scene;
        EXPECT_EXIT(
            {
                FailCommitStep(committed, StepFailure::Exit);
                scene.Staged().Commit();
            },
            ::testing::ExitedWithCode(137), "");
        EXPECT_EXIT(
            {
                FailCommitStep(n, StepFailure::Exit);
                RecoverStartFolder(scene.Start());
            },
            ::testing::ExitedWithCode(137), "");
        FailCommitStep(0);
        RecoverStartFolder(scene.Start());
        EXPECT_EQ(scene.State(), "new");
    }
}

// A start that cannot finish a journal (the list's lock held elsewhere) keeps it and every file it
// names; a later start finishes it.
TEST(CommitJournal, AJournalThatCannotBeFinishedWaitsWithEverythingItNames) {
    const std::vector<fs::path> steps = StepsOfAWholeCommit();
    CommitScene scene;
    EXPECT_EXIT(
        {
            FailCommitStep(FirstStepOf(steps, "L.wvr"), StepFailure::Exit);
            scene.Staged().Commit();
        },
        ::testing::ExitedWithCode(137), "");
    FailCommitStep(0);
    std::vector<fs::path> before;
    for (const fs::path& folder : {scene.Start(), scene.League()}) {
        for (const auto& entry : fs::directory_iterator(folder)) before.push_back(entry.path());
    }
    {
        const FileLock held(LockFileOf(scene.List()), std::chrono::milliseconds(0));
        try {
            RecoverStartFolder(scene.Start());
            ADD_FAILURE() << "finished under a held lock";
        } catch (const CommitPending& pending) {
            EXPECT_NE(std::string(pending.what()).find("finished the next time"), std::string::npos)
                << pending.what();
            EXPECT_NE(std::string(pending.what()).find("L.wvr"), std::string::npos);
        }
    }
    for (const fs::path& file : before) EXPECT_TRUE(fs::exists(file)) << file;
    RecoverStartFolder(scene.Start());
    EXPECT_EQ(scene.State(), "new");
}

TEST(CommitJournal, AJournalNamingOtherFilesIsRefused) {
    CommitScene scene;
    const std::string journal = "korvel commit 1\nR " +
                                std::to_string(scene.List().native().size()) + ":" +
                                scene.List().native() + " 5:/etc/x\nend\n";
    WriteWholeFile(scene.Start() / "korvel.commit", Text(journal));
    EXPECT_THROW(FinishInterruptedCommit(scene.Start()), FileError);
    EXPECT_EQ(scene.ListText(), "ann 0001bob 0001");
}

// New files only: nothing to roll back, so no flush but one per file system at the end; a kill
// still leaves all or none of them.
TEST(CommitJournal, NewFilesOnlyAreCommittedWithOneFlushAndAllOrNone) {
    TempFolder folder;
    const auto stage = [&](FileCommit& commit) {
        commit.Add(StagedFile(folder / "swp.t", Text("t"), Flush::Never));
        commit.Add(StagedFile(folder / "A.lns", Text("lines"), Flush::WithTheSet));
    };
    FailCommitStep(0);
    {
        FileCommit commit(folder.Path());
        stage(commit);
        commit.Commit();
    }
    const std::vector<fs::path> steps = testing::CommitStepFiles();
    EXPECT_EQ(std::count(steps.begin(), steps.end(), folder.Path()), 1) << "flushes";
    for (int n = 1; n <= static_cast<int>(steps.size()); ++n) {
        SCOPED_TRACE("killed at step " + std::to_string(n));
        fs::remove(folder / "swp.t");
        fs::remove(folder / "A.lns");
        EXPECT_EXIT(
            {
                FileCommit commit(folder.Path());
                stage(commit);
                FailCommitStep(n, StepFailure::Exit);
                commit.Commit();
            },
            ::testing::ExitedWithCode(137), "");
        FailCommitStep(0);
        RecoverStartFolder(folder.Path());
        EXPECT_EQ(FileExists(folder / "swp.t"), FileExists(folder / "A.lns"));
    }
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
        scene.Staged().Commit();
        if (asOtherUser) {
            ASSERT_EQ(::seteuid(0), 0);
        }
        struct stat after {};
        ASSERT_EQ(::stat(scene.List().c_str(), &after), 0);
        EXPECT_EQ(scene.ListText(), "ann 0001bob 0002cat 0001");
        EXPECT_EQ(after.st_uid, 1234u);
        EXPECT_EQ(after.st_gid, 1234u);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino == before.st_ino, asOtherUser);
    }
}

// A list that is a link to a list in another folder is changed there; the link stays a link.
TEST(CommitJournal, ALinkedListIsChangedWhereItLivesAndStaysLinked) {
    CommitScene scene;
    const fs::path link = scene.Start() / "L.wvr";
    fs::create_symlink(scene.List(), link);
    const fs::path list = SharedFileTarget(link);
    EXPECT_EQ(list, fs::canonical(scene.List()));
    FileCommit commit(scene.Start());
    commit.Add(StagedFile(scene.Start() / "A.lns", Text("new lines")));
    commit.AddListChange(list, Putting(list, {"cat 0001"}), LockSharedFile(list));
    commit.Commit();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(scene.ListText(), "ann 0001bob 0001cat 0001");
    EXPECT_TRUE(fs::exists(LockFileOf(scene.List())));
    fs::remove(link);
    fs::create_symlink(scene.League() / "gone.wvr", link);
    EXPECT_THROW(SharedFileTarget(link), FileError);
}

}  // namespace
}  // namespace korvel::test
