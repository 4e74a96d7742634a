// The file layer where the systems differ, run on each of them.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/CommitJournal.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/FolderLock.h"
#include "platform/PeopleText.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SystemFiles.h"
#include "platform/Utf8Paths.h"
#include "support/TempFolder.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TEST(SystemFiles, AReplacementLeavesAnOpenReaderTheOldBytes) {
    test::TempFolder folder;
    const fs::path file = folder / "L.tms";
    WriteWholeFile(file, BytesOf("old team"));
    const ReadOnlyFile reader(file);
    WriteWholeFile(file, BytesOf("new team!"));
    Bytes held(reader.Size());
    held.resize(reader.ReadAt(0, held.size(), held.data()));
    EXPECT_EQ(held, BytesOf("old team"));
    EXPECT_EQ(ReadWholeFile(file), BytesOf("new team!"));
}

TEST(SystemFiles, ALockHeldElsewhereWaitsThenSaysSo) {
    test::TempFolder folder;
    const fs::path file = folder / "korvel.lock";
    const FileLock holder(file, std::chrono::milliseconds(0));
    int toldBusy = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        FileLock second(file, std::chrono::milliseconds(200), [&] { ++toldBusy; });
        FAIL() << "a held lock was taken again";
    } catch (const FileBusy& busy) {
        EXPECT_EQ(std::string(busy.what()), Utf8Of(file) + ": is held by another Korvel program");
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(toldBusy, 1);
}

TEST(SystemFiles, AWaiterOnARemovedLockFileLocksTheOneInItsPlace) {
    test::TempFolder folder;
    const fs::path file = folder / "korvel.lock";
    std::optional<FileLock> holder(std::in_place, file, std::chrono::milliseconds(0));
    std::atomic<bool> waiting = false;
    std::optional<FileLock> waiter;
    std::thread second(
        [&] { waiter.emplace(file, std::chrono::seconds(5), [&] { waiting = true; }); });
    while (!waiting) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    holder->RemoveFile();
    holder.reset();
    second.join();
    EXPECT_TRUE(FileExists(file));
    EXPECT_THROW(FileLock(file, std::chrono::milliseconds(0)), FileBusy);
    waiter.reset();

    test::TempFolder fresh;
    FolderLock made(fresh.Path());
    EXPECT_TRUE(FileExists(fresh / "korvel.lock"));
    made.ReleaseLeavingNoTrace();
    EXPECT_FALSE(FileExists(fresh / "korvel.lock"));
}

bool Writable(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
}

// Makes files read-only, and writable again when it goes, failed test or not, so that their
// folder can be removed on every system.
class ReadOnlyWhileHeld {
  public:
    explicit ReadOnlyWhileHeld(std::vector<fs::path> files) : files_(std::move(files)) {
        for (const fs::path& file : files_) {
            fs::permissions(file,
                            fs::perms::owner_write | fs::perms::group_write |
                                fs::perms::others_write,
                            fs::perm_options::remove);
        }
    }
    ~ReadOnlyWhileHeld() {
        for (const fs::path& file : files_) {
            std::error_code ignored;
            fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ignored);
        }
    }

  private:
    std::vector<fs::path> files_;
};

// A file a user made read-only (a league's history he keeps as it is, a working copy of a shared
// folder) is replaced as any other, and comes back read-only; the others stay writable.
TEST(SystemFiles, AReplacedReadOnlyFileStaysReadOnly) {
    test::TempFolder folder;
    const fs::path history = folder / "korvel.days";
    const fs::path teams = folder / "swp.t";
    const fs::path roster = folder / "swp.r";
    for (const fs::path& file : {history, teams, roster}) WriteWholeFile(file, BytesOf("old"));
    const ReadOnlyWhileHeld readOnly({history, teams});

    WriteWholeFile(history, BytesOf("new history"));
    std::vector<StagedFile> set;
    set.emplace_back(teams, BytesOf("new teams"), Flush::Never);
    set.emplace_back(roster, BytesOf("new roster"), Flush::Never);
    CommitTogether(std::move(set), folder.Path());

    const struct {
        fs::path File;
        std::string Content;
        bool Writable;
    } expected[] = {{history, "new history", false}, {teams, "new teams", false},
                    {roster, "new roster", true}};
    for (const auto& file : expected) {
        EXPECT_EQ(ReadWholeFile(file.File), BytesOf(file.Content)) << Utf8Of(file.File);
        EXPECT_EQ(Writable(file.File), file.Writable) << Utf8Of(file.File);
    }
}

// A file for people ends each line as the system's editors do; a line ended so already is kept,
// and a text without a line end gains none.
TEST(SystemFiles, TextForPeopleEndsEveryLineAsTheSystemDoes) {
    const std::string end(SystemLineEnd());
    ASSERT_TRUE(end == "\n" || end == "\r\n") << end;
    const struct {
        std::string Text;
        std::string Written;
    } cases[] = {
        {"", ""},
        {"no end", "no end"},
        {"\n", end},
        {"# header\n0\tWolves\tSECRET\n", "# header" + end + "0\tWolves\tSECRET" + end},
        {"kept\r\nnext\n", "kept\r\nnext" + end},
        {"\n\n", end + end},
    };
    for (const auto& each : cases) EXPECT_EQ(TextForPeople(each.Text), each.Written) << each.Text;
}

TEST(SystemFiles, NamesOutsideWindows1252AreKeptAndShownInUtf8) {
    test::TempFolder folder;
    const std::string name =
        "\xCE\xA9mega \xC5\x81\xC3\xB3"
        "d\xC5\xBA \xE6\x97\xA5";  // Ωmega Łódź 日
    const fs::path file = folder / PathFromUtf8(name + ".lns");
    WriteWholeFile(file, BytesOf("lines"));
    EXPECT_EQ(Utf8Of(file.filename()), name + ".lns");
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ReadWholeFile(file), BytesOf("lines"));
    const fs::path missing = folder / PathFromUtf8(name + ".ros");
    try {
        ReadWholeFile(missing);
        FAIL() << "a missing file was read";
    } catch (const FileError& failure) {
        EXPECT_EQ(std::string(failure.what()), Utf8Of(missing) + ": file not found");
        EXPECT_NE(std::string(failure.what()).find(name + ".ros"), std::string::npos);
    }
}

TEST(SystemFiles, PathsLongerThan260CharactersAreWrittenAndRead) {
    test::TempFolder folder;
    fs::path deep = folder.Path();
    while (deep.native().size() < 300) deep /= std::string(60, 'd');
    fs::create_directories(deep);
    const fs::path file = deep / "league.lge";
    WriteWholeFile(file, BytesOf("league"));
    WriteWholeFile(file, BytesOf("league again"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ReadWholeFile(file), BytesOf("league again"));
    { const FileLock lock(deep / "korvel.lock", std::chrono::milliseconds(0)); }
    // Removed here: the standard library's calls of some systems stop at 260 characters.
    EXPECT_TRUE(system::RemoveFile(file));
    EXPECT_TRUE(system::RemoveFile(deep / "korvel.lock"));
    for (; deep != folder.Path(); deep = deep.parent_path()) {
        EXPECT_TRUE(system::RemoveEmptyFolder(deep)) << Utf8Of(deep);
    }
}

}  // namespace
}  // namespace korvel
