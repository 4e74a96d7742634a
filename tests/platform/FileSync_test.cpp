// How a replaced file reaches the disk. The test program puts its own fsync, close and statvfs in
// front of the C library's, to see which files and folders are flushed in which order, to make a
// close fail on purpose and to show a disk with little room.

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "league/LeagueFiles.h"
#include "league/LeagueLoad.h"
#include "league/LeagueTestFiles.h"
#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/Files.h"
#include "support/LeagueBuilder.h"
#include "support/TempFolder.h"

namespace {

struct FileCallWatch {
    bool On = false;
    std::vector<std::string> Synced;  // paths, in order
    std::string FailCloseOf;          // a close of a file whose path holds this fails
    int CloseError = EIO;             // with this error
    std::optional<std::uint64_t> FreeBytes;  // what statvfs says is free, when set
} watch;

std::string PathOf(int fd) {
    char target[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

template <class Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    if (watch.On) watch.Synced.push_back(PathOf(fd));
    return real(fd);
}

extern "C" int syncfs(int fd) {
    static const auto real = Real<int (*)(int)>("syncfs");
    if (watch.On) watch.Synced.push_back("file system of " + PathOf(fd));
    return real(fd);
}

extern "C" int close(int fd) {
    static const auto real = Real<int (*)(int)>("close");
    const bool fail = watch.On && !watch.FailCloseOf.empty() &&
                      PathOf(fd).find(watch.FailCloseOf) != std::string::npos;
    const int result = real(fd);
    if (!fail) return result;
    errno = watch.CloseError;
    return -1;
}

extern "C" int statvfs(const char* path, struct statvfs* buffer) {
    static const auto real = Real<int (*)(const char*, struct statvfs*)>("statvfs");
    const int result = real(path, buffer);
    if (result == 0 && watch.On && watch.FreeBytes) {
        buffer->f_bavail = *watch.FreeBytes / buffer->f_frsize;
        buffer->f_bfree = buffer->f_bavail;
    }
    return result;
}

namespace korvel {
namespace {

using test::FolderEntries;

struct Watching {
    Watching() { watch = {true, {}, {}, EIO, std::nullopt}; }
    ~Watching() { watch.On = false; }
};

TEST(FileReplacement, FlushesTheNewFileBeforeItsRenameAndTheFolderAfterIt) {
    test::TempFolder folder;
    const Bytes old{1, 2, 3};
    WriteWholeFile(folder / "swp.r", old);
    std::vector<std::string> synced;
    {
        Watching watching;
        WriteWholeFile(folder / "swp.r", Bytes{4, 5});
        synced = watch.Synced;
    }
    ASSERT_EQ(synced.size(), 2u);
    // Flushed while it still had its temporary name, so before the rename.
    EXPECT_EQ(synced[0].rfind((folder / ".swp.r.tmp").string(), 0), 0u) << synced[0];
    EXPECT_EQ(synced[1], folder.Path().string());
}

// The working copies are rebuilt from the league's own files by every load, so only korvel.def,
// which outlives the program, is flushed, and only when it replaces one naming another league.
TEST(FileReplacement, ALeagueLoadAndATeamSaveFlushOnlyARememberedLeagueReplaced) {
    test::TempFolder folder;
    const auto first = folder / "one" / "L";
    const auto second = folder / "two" / "L";
    for (const auto& base : {first, second}) {
        std::filesystem::create_directories(base.parent_path());
        test::LeagueBuilder builder;
        builder.AddTeam("Wolves", 0, 0);
        builder.Write(base);
    }
    Variables vars;
    InitialiseVariables(vars, folder.Path());

    std::vector<std::vector<std::string>> synced;  // first load, team save, second load
    {
        Watching watching;
        const auto step = [&](auto action) {
            watch.Synced.clear();
            action();
            synced.push_back(watch.Synced);
        };
        step([&] { InstallLeague(vars, ReadLeagueFiles(first)); });
        step([&] {
            LoadTeam(vars, 0, 0);
            SaveTeam(vars, 0, 0);
        });
        step([&] { InstallLeague(vars, ReadLeagueFiles(second)); });
    }
    EXPECT_TRUE(synced[0].empty());
    EXPECT_TRUE(synced[1].empty());
    ASSERT_EQ(synced[2].size(), 2u);
    EXPECT_EQ(synced[2][0].rfind((folder / ".korvel.def.tmp").string(), 0), 0u) << synced[2][0];
    EXPECT_EQ(synced[2][1], folder.Path().string());
    EXPECT_TRUE(FileHolds(vars.SwapTeamFile, ReadWholeFile(WithExtension(second, ".tms"))));
}

TEST(FileReplacement, AFailedCloseFailsTheWriteAndKeepsTheOldFile) {
    test::TempFolder folder;
    WriteWholeFile(folder / "swp.t", Bytes{1, 2, 3});
    std::string message;
    {
        Watching watching;
        watch.FailCloseOf = ".swp.t.tmp";
        try {
            WriteWholeFile(folder / "swp.t", Bytes{9});
        } catch (const FileError& error) {
            message = error.what();
        }
    }
    EXPECT_EQ(message, (folder / "swp.t").string() + ": cannot be written (Input/output error)");
    EXPECT_EQ(ReadWholeFile(folder / "swp.t"), (Bytes{1, 2, 3}));
    EXPECT_EQ(FolderEntries(folder.Path()), std::set<std::string>{"swp.t"});
}

// A load whose working copy cannot be written says why in its first words: a full disk when the
// disk holding the start folder has less room than the working copies need, whatever error the
// system gave, else a start folder that must be writable. The cause line follows either way.
TEST(FileReplacement, ALoadThatFailsOnAFullDiskSaysTheDiskIsFull) {
    const struct {
        int Error;
        std::optional<std::uint64_t> Free;
        std::string Beginning;
    } cases[] = {
        {ENOSPC, 4096, "The disk of the start folder "},
        {EIO, 0, "The disk of the start folder "},
        {ENOSPC, std::nullopt, "The start folder "},  // the disk has room again
        {EACCES, std::nullopt, "The start folder "},
    };
    for (const auto& failing : cases) {
        test::TempFolder folder;
        const auto base = folder / "league" / "L";
        std::filesystem::create_directories(base.parent_path());
        test::LeagueBuilder builder;
        builder.AddTeam("Wolves", 0, 0);
        builder.Write(base);
        Variables vars;
        InitialiseVariables(vars, folder.Path());
        std::string message;
        {
            Watching watching;
            watch.FailCloseOf = ".swp.t.tmp";
            watch.CloseError = failing.Error;
            watch.FreeBytes = failing.Free;
            try {
                LoadLeague(vars, base);
            } catch (const std::exception& failure) {
                message = LoadFailureText(base, folder.Path(), failure);
            }
        }
        const std::string cause = std::strerror(failing.Error);
        SCOPED_TRACE(cause);
        EXPECT_EQ(message.rfind(failing.Beginning + folder.Path().string(), 0), 0u) << message;
        EXPECT_EQ(message.find("is full"), failing.Free ? failing.Beginning.size() +
                                                               folder.Path().string().size() + 1
                                                         : std::string::npos)
            << message;
        EXPECT_NE(message.find("\n\n" + (folder / "swp.t").string() + ": cannot be written (" +
                               cause + ")"),
                  std::string::npos)
            << message;
        EXPECT_FALSE(FileExists(vars.SwapTeamFile));
    }
}

// Files committed as one set are flushed by one flush of their file system before any is renamed,
// and their folder once after.
TEST(FileReplacement, ASetIsFlushedOnceBeforeItsRenames) {
    test::TempFolder folder;
    const std::vector<std::string> names{"a.lns", "b.lns", "c.lns"};
    for (const auto& name : names) WriteWholeFile(folder / name, Bytes{1});
    std::vector<std::string> synced;
    {
        Watching watching;
        std::vector<StagedFile> set;
        for (const auto& name : names) set.emplace_back(folder / name, Bytes{2}, Flush::WithTheSet);
        for (const auto& name : names) EXPECT_EQ(ReadWholeFile(folder / name), Bytes{1}) << name;
        CommitAll(set);
        synced = watch.Synced;
    }
    EXPECT_EQ(synced, (std::vector<std::string>{"file system of " + folder.Path().string(),
                                                folder.Path().string()}));
    for (const auto& name : names) EXPECT_EQ(ReadWholeFile(folder / name), Bytes{2}) << name;
    EXPECT_EQ(FolderEntries(folder.Path()), std::set<std::string>(names.begin(), names.end()));
}

}  // namespace
}  // namespace korvel
