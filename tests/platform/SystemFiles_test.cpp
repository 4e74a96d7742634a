// The file layer where the systems differ, run on each of them.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/FolderLock.h"
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
