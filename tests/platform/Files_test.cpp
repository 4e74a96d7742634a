#include "platform/Files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "league/LeagueTestFiles.h"
#include "support/Checks.h"
#include "support/TempFolder.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using test::FolderEntries;
using test::TempFolder;
using Names = std::set<std::string>;

TEST(FileExists, IsTrueOnlyForNormalFiles) {
    TempFolder folder;
    WriteWholeFile(folder / "a.tms", test::BytesOf("x"));
    fs::create_directory(folder / "sub.tms");
    EXPECT_TRUE(FileExists(folder / "a.tms"));
    EXPECT_FALSE(FileExists(folder / "sub.tms"));
    EXPECT_FALSE(FileExists(folder / "missing.tms"));
    EXPECT_FALSE(FileExists(folder.Path()));
}

TEST(ReadWholeFile, ReadsEveryByteAndNamesAMissingFileOrFolder) {
    TempFolder folder;
    Bytes all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    WriteWholeFile(folder / "all.bin", all);
    EXPECT_EQ(ReadWholeFile(folder / "all.bin"), all);

    const fs::path missing = folder / "missing.ros";
    try {
        ReadWholeFile(missing);
        FAIL() << "a missing file was read";
    } catch (const FileError& error) {
        EXPECT_EQ(error.File(), missing);
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos);
    }
    EXPECT_NE(test::MessageOf([&] { ReadWholeFile(folder.Path()); }).find(folder.Path().string()),
              std::string::npos);
}

TEST(ReadWholeFile, ReadsNoMoreThanTheLimit) {
    TempFolder folder;
    WriteWholeFile(folder / "a.ros", test::BytesOf("0123456789"));
    EXPECT_EQ(ReadWholeFile(folder / "a.ros", 4), test::BytesOf("0123"));
    EXPECT_EQ(ReadWholeFile(folder / "a.ros", 20), test::BytesOf("0123456789"));
    const Bytes pastTheEnd{'4', '5', '6', '7', '8', '9', 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(ReadRecords(folder / "a.ros", 4, 2, 3), pastTheEnd);
    EXPECT_THROW(ReadRecords(folder / "a.ros", 4, 0, 1), std::out_of_range);
}

// Each makes something other than a normal file at the path it is given.
struct NotAFile {
    const char* Name;
    void (*Make)(const fs::path&);
    const char* Cause;
};

class ReadingNotAFile : public ::testing::TestWithParam<NotAFile> {};

// A pipe would block a reader until a writer comes; a device could be read for ever.
TEST_P(ReadingNotAFile, IsRefusedAtOnceNamingTheFile) {
    TempFolder folder;
    const fs::path path = folder / "L.ros";
    GetParam().Make(path);
    const std::string message = test::MessageOf([&] { ReadWholeFile(path); });
    EXPECT_EQ(message, path.string() + ": " + GetParam().Cause);
    EXPECT_THROW(ReadRecords(path, 86, 1, 50), FileError);
    EXPECT_FALSE(FileHolds(path, Bytes{}));
    EXPECT_FALSE(IsCopyOf(path, path));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReadingNotAFile,
    ::testing::Values(NotAFile{"Pipe",
                               [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
                               "is a pipe, not a file"},
                      NotAFile{"LinkToDevZero",
                               [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
                               "is a device, not a file"},
                      NotAFile{"Folder", [](const fs::path& p) { fs::create_directory(p); },
                               "is a folder, not a file"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FileHolds, ComparesSizeAndEveryByte) {
    TempFolder folder;
    Bytes big(100'000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    WriteWholeFile(folder / "swp.r", big);
    EXPECT_TRUE(FileHolds(folder / "swp.r", big));
    WriteWholeFile(folder / "L.ros", big);
    EXPECT_TRUE(IsCopyOf(folder / "swp.r", folder / "L.ros"));
    EXPECT_FALSE(IsCopyOf(folder / "swp.r", folder / "L.ros", 99'999));
    EXPECT_FALSE(IsCopyOf(folder / "swp.r", folder / "missing.ros"));

    Bytes changed = big;
    changed[70'000] ^= 1;  // in the third chunk compared
    EXPECT_FALSE(FileHolds(folder / "swp.r", changed));
    WriteWholeFile(folder / "L.ros", changed);
    EXPECT_FALSE(IsCopyOf(folder / "swp.r", folder / "L.ros"));
    changed.push_back(0);
    EXPECT_FALSE(FileHolds(folder / "swp.r", changed));
    EXPECT_FALSE(FileHolds(folder / "missing", Bytes{}));
}

TEST(WriteWholeFile, CreatesAndReplacesLeavingNoTemporaryFile) {
    TempFolder folder;
    const fs::path file = folder / "swp.t";
    WriteWholeFile(file, test::BytesOf("first, longer content"));
    WriteWholeFile(file, test::BytesOf("second"));
    EXPECT_EQ(ReadWholeFile(file), test::BytesOf("second"));
    WriteWholeFile(file, Bytes{});
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"swp.t"});
}

TEST(WriteWholeFile, ReplacesByRenameSoAReaderKeepsTheOldContent) {
    TempFolder folder;
    const fs::path file = folder / "swp.r";
    WriteWholeFile(file, test::BytesOf("old content"));
    std::ifstream reader(file, std::ios::binary);
    WriteWholeFile(file, test::BytesOf("new"));
    const std::string seen((std::istreambuf_iterator<char>(reader)),
                           std::istreambuf_iterator<char>());
    EXPECT_EQ(seen, "old content");
    EXPECT_EQ(ReadWholeFile(file), test::BytesOf("new"));
}

TEST(WriteWholeFile, FailsNamingTheFileWhenItsParentIsAFile) {
    TempFolder folder;
    WriteWholeFile(folder / "plain", test::BytesOf("not a folder"));
    const fs::path target = folder / "plain" / "korvel.def";
    const std::string message =
        test::MessageOf([&] { WriteWholeFile(target, test::BytesOf("x")); });
    EXPECT_NE(message.find(target.string()), std::string::npos) << message;
    EXPECT_EQ(ReadWholeFile(folder / "plain"), test::BytesOf("not a folder"));
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"plain"});
}

TEST(WriteWholeFile, FailureToReplaceLeavesTheTargetAndNoTemporaryFile) {
    // The temporary file is written, but a file cannot be renamed over a folder.
    TempFolder folder;
    fs::create_directory(folder / "swp.l");
    WriteWholeFile(folder / "swp.l" / "inside", test::BytesOf("kept"));
    const std::string message =
        test::MessageOf([&] { WriteWholeFile(folder / "swp.l", test::BytesOf("x")); });
    EXPECT_NE(message.find((folder / "swp.l").string()), std::string::npos) << message;
    EXPECT_TRUE(fs::is_directory(folder / "swp.l"));
    EXPECT_EQ(ReadWholeFile(folder / "swp.l" / "inside"), test::BytesOf("kept"));
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"swp.l"});
}

TEST(WriteWholeFile, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: folder permissions do not stop writes";
    }
    TempFolder folder;
    const fs::path file = folder / "korvel.def";
    WriteWholeFile(file, test::BytesOf("old\n"));
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string message =
        test::MessageOf([&] { WriteWholeFile(file, test::BytesOf("new\n")); });
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_EQ(ReadWholeFile(file), test::BytesOf("old\n"));
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"korvel.def"});
}

TEST(WriteWholeFile, AReplacedFileKeepsItsPermissions) {
    TempFolder folder;
    const fs::path file = folder / "DEMO.wvr";
    WriteWholeFile(file, test::BytesOf("old"));
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write;
    fs::permissions(file, shared);
    WriteWholeFile(file, test::BytesOf("new"));
    EXPECT_EQ(fs::status(file).permissions(), shared);
}

TEST(RemoveLeftoverTemporaryFiles, RemovesOnlyOurTemporaryFilesOfProgramsNoLongerRunning) {
    TempFolder folder;
    const std::string mine = ".swp.r.tmp" + std::to_string(::getpid()) + "-7";
    const std::vector<std::string> names{".swp.t.tmp99999999-0",
                                         ".korvel.def.tmp99999999-12",
                                         mine,
                                         "swp.t",
                                         ".notes.tmp",
                                         ".x.tmp12-ab",
                                         "a.tmp99999999-0"};
    for (const auto& name : names) WriteWholeFile(folder / name, test::BytesOf("x"));
    RemoveLeftoverTemporaryFiles(folder.Path());
    EXPECT_EQ(FolderEntries(folder.Path()),
              (Names{mine, "swp.t", ".notes.tmp", ".x.tmp12-ab", "a.tmp99999999-0"}));
}

TEST(ReadWholeFile, NamesTheRealCauseOfAFailedOpen) {
    TempFolder folder;
    fs::create_symlink(folder / "loop.ros", folder / "loop.ros");
    EXPECT_NE(test::MessageOf([&] {
                  ReadWholeFile(folder / "loop.ros");
              }).find("loop.ros: cannot be read (Too many levels of symbolic links)"),
              std::string::npos);
}

TEST(CopyReplace, CopiesOverTheTargetAndKeepsItWhenTheSourceIsMissing) {
    TempFolder folder;
    WriteWholeFile(folder / "a.ros", test::BytesOf("league roster"));
    WriteWholeFile(folder / "swp.r", test::BytesOf("old working copy, longer"));
    CopyReplace(folder / "a.ros", folder / "swp.r");
    EXPECT_EQ(ReadWholeFile(folder / "swp.r"), test::BytesOf("league roster"));

    const std::string message =
        test::MessageOf([&] { CopyReplace(folder / "b.ros", folder / "swp.r"); });
    EXPECT_NE(message.find((folder / "b.ros").string()), std::string::npos) << message;
    EXPECT_EQ(ReadWholeFile(folder / "swp.r"), test::BytesOf("league roster"));
    EXPECT_EQ(FolderEntries(folder.Path()), (Names{"a.ros", "swp.r"}));
}

TEST(StagedFile, ReplacesOnlyOnCommitAndRemovesAnUncommittedTemporaryFile) {
    TempFolder folder;
    const fs::path target = folder / "swp.t";
    WriteWholeFile(target, test::BytesOf("old"));
    {
        StagedFile staged(target, test::BytesOf("never used"));
        EXPECT_EQ(FolderEntries(folder.Path()).size(), 2u);  // the target and the staged bytes
        EXPECT_EQ(ReadWholeFile(target), test::BytesOf("old"));
    }
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"swp.t"});
    EXPECT_EQ(ReadWholeFile(target), test::BytesOf("old"));

    std::vector<StagedFile> files;
    files.emplace_back(target, test::BytesOf("new team file"));
    files.emplace_back(folder / "swp.r", test::BytesOf("new roster file"));  // moves the first one
    EXPECT_EQ(ReadWholeFile(target), test::BytesOf("old"));
    for (auto& file : files) file.Commit();
    files.clear();
    EXPECT_EQ(ReadWholeFile(target), test::BytesOf("new team file"));
    EXPECT_EQ(ReadWholeFile(folder / "swp.r"), test::BytesOf("new roster file"));
    EXPECT_EQ(FolderEntries(folder.Path()), (Names{"swp.r", "swp.t"}));
}

TEST(StagedFile, FailureToStageNamesTheTargetAndLeavesNothing) {
    TempFolder folder;
    WriteWholeFile(folder / "plain", test::BytesOf("x"));
    const fs::path target = folder / "plain" / "swp.t";
    const std::string message =
        test::MessageOf([&] { StagedFile staged(target, test::BytesOf("bytes")); });
    EXPECT_NE(message.find(target.string()), std::string::npos) << message;
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"plain"});
}

TEST(RecordFile, ReadsZeroBytesPastTheEnd) {
    TempFolder folder;
    const fs::path file = folder / "swp.r";
    WriteWholeFile(file,
                   test::BytesOf("AAAABB"));  // one whole record of 4 bytes and half of another
    const RecordFile records(file, 4);
    EXPECT_EQ(records.RecordCount(), 1u);
    EXPECT_EQ(records.Read(1), test::BytesOf("AAAA"));
    EXPECT_EQ(records.Read(2), (Bytes{'B', 'B', 0, 0}));
    EXPECT_EQ(records.Read(3), Bytes(4, 0));
    EXPECT_EQ(records.Read(1000), Bytes(4, 0));
    EXPECT_THROW(records.Read(0), std::out_of_range);
}

TEST(RecordFile, WritingPastTheEndFillsTheGapWithZerosOnSave) {
    TempFolder folder;
    const fs::path file = folder / "swp.t";
    WriteWholeFile(file, test::BytesOf("AAAABBBB"));
    RecordFile records(file, 4);
    records.Write(2, test::BytesOf("bbbb").data());
    records.Write(4, test::BytesOf("DDDD").data());
    EXPECT_THROW(records.Write(0, test::BytesOf("0000").data()), std::out_of_range);
    EXPECT_EQ(ReadWholeFile(file), test::BytesOf("AAAABBBB"));  // nothing written before Save
    EXPECT_EQ(records.Read(4), test::BytesOf("DDDD"));
    records.Save();
    EXPECT_EQ(ReadWholeFile(file),
              (Bytes{'A', 'A', 'A', 'A', 'b', 'b', 'b', 'b', 0, 0, 0, 0, 'D', 'D', 'D', 'D'}));
    EXPECT_EQ(FolderEntries(folder.Path()), Names{"swp.t"});
}

TEST(RecordFile, AMissingFileFailsUnlessItMayStartEmpty) {
    TempFolder folder;
    const fs::path file = folder / "list.wvr";
    const std::string message = test::MessageOf([&] { RecordFile records(file, 88); });
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;

    RecordFile records(file, 3, false);
    EXPECT_EQ(records.RecordCount(), 0u);
    EXPECT_EQ(records.Read(1), Bytes(3, 0));
    records.Write(1, test::BytesOf("abc").data());
    records.Save();
    EXPECT_EQ(ReadWholeFile(file), test::BytesOf("abc"));
}

}  // namespace
}  // namespace korvel
