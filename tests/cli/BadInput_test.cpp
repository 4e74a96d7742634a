// Hostile and broken input, one row each: what is done to a league or to the start folder, the
// program run, and what must come out: its exit code, a message naming the file and the cause,
// and nothing lost (the league's files unchanged, the earlier working copies whole, no stray
// temporary files).

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

#include "cli/CliRun.h"
#include "league/LeagueFiles.h"
#include "platform/FileLock.h"
#include "platform/FolderLock.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kTeam = 254;
constexpr std::size_t kPlayer = 86;

// A start folder that has loaded the league "good", and a copy of it, "bad", to spoil.
class Scene {
  public:
    Scene(const fs::path& templateFolder) {
        fs::copy(templateFolder, root_.Path(), fs::copy_options::recursive);
        fs::create_directory(Gone());
        const std::string def = "\"" + Good().string() + "\"\n";
        WriteWholeFile(Start() / "korvel.def", Bytes(def.begin(), def.end()));
    }
    fs::path Gone() const { return root_ / "gone"; }
    ~Scene() {
        std::error_code ignored;
        if (fs::exists(Start(), ignored)) fs::permissions(Start(), fs::perms::owner_all, ignored);
    }

    fs::path Root() const { return root_.Path(); }
    fs::path Start() const { return root_ / "start"; }
    fs::path Good() const { return root_ / "leagues" / "good"; }
    fs::path Bad() const { return root_ / "leagues" / "bad"; }
    fs::path BadFile(const char* extension) const { return WithExt(Bad(), extension); }

    void Patch(const char* extension, std::size_t offset, Bytes bytes) {
        Bytes file = ReadWholeFile(BadFile(extension));
        std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
        WriteWholeFile(BadFile(extension), file);
    }
    void Resize(const char* extension, std::size_t size) {
        fs::resize_file(BadFile(extension), size);
    }
    void Replace(const char* extension, const std::function<void(const fs::path&)>& make) {
        fs::remove(BadFile(extension));
        make(BadFile(extension));
    }
    void CopyBadTo(const std::string& folder) {
        fs::create_directory(root_ / "leagues" / folder);
        for (const char* ext : {".lge", ".tms", ".ros", ".wvr"}) {
            fs::copy(BadFile(ext), root_ / "leagues" / folder / (std::string("bad") + ext));
        }
    }
    void WriteDefaults(const std::string& content) {
        WriteWholeFile(Start() / "korvel.def", Bytes(content.begin(), content.end()));
    }
    // Everything a run must leave as it was: the leagues' files, byte for byte. (Not the lock
    // file that a save of the waiver list leaves beside it, which stays empty, nor the temporary
    // file a killed save left, which the next save removes.)
    std::map<fs::path, Bytes> LeagueFiles() const {
        std::map<fs::path, Bytes> files;
        for (const auto& entry : fs::recursive_directory_iterator(root_ / "leagues")) {
            std::error_code error;
            if (!entry.is_regular_file(error) || fs::file_size(entry.path()) > (1 << 20)) continue;
            if (entry.path().extension() == ".lock" && fs::file_size(entry.path()) == 0) continue;
            if (entry.path().filename().string().starts_with(".")) continue;
            try {
                files[entry.path()] = ReadWholeFile(entry.path());
            } catch (const FileError&) {
                files[entry.path()] = {};  // unreadable on purpose
            }
        }
        return files;
    }

  private:
    TempFolder root_;
};

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

enum class Program { Cli, Gui };
enum class Outcome { KeepsGood, LoadsBad, NoWorkingCopies, SavesRoster };

struct BadInput {
    const char* Name;
    std::function<void(Scene&)> Spoil;
    int ExitCode;
    std::vector<std::string> Says;  // on stderr; {bad}, {start} stand for those paths
    Outcome After = Outcome::KeepsGood;
    std::vector<std::string> Args = {"-C", "{start}", "--league", "{bad}", "players"};
    Program Run = Program::Cli;
    RunOptions Options = {};
    long MaxMemoryMb = 0;  // when set, the program's peak memory stays below
    std::function<void(const Scene&)> Check = {};  // what else must hold afterwards
};

void PrintTo(const BadInput& row, std::ostream* out) {
    *out << row.Name;
}

std::string Expand(std::string text, const Scene& scene) {
    for (const auto& [key, value] : {std::pair{std::string("{bad}"), scene.Bad().string()},
                                     std::pair{std::string("{start}"), scene.Start().string()},
                                     std::pair{std::string("{gone}"), scene.Gone().string()}}) {
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key)) {
            text.replace(at, key.size(), value);
        }
    }
    return text;
}

// Runs the program with the start folder as current folder that `chdir` deletes first.
std::vector<std::string> InDeletedFolder(const std::vector<std::string>& command) {
    std::vector<std::string> args{"-c", "cd \"$0\" && rmdir \"$0\" && exec \"$@\"", "{gone}"};
    args.insert(args.end(), command.begin(), command.end());
    return args;
}

// C0 controls but the line end, DEL, bidirectional controls and (unless JSON, which only has to
// parse) C1 controls in their UTF-8 form.
bool HasTerminalControls(const std::string& out, bool withC1) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7f) return true;
        const auto next = i + 1 < out.size() ? static_cast<unsigned char>(out[i + 1]) : 0;
        const auto third = i + 2 < out.size() ? static_cast<unsigned char>(out[i + 2]) : 0;
        if (withC1 && c == 0xc2 && next >= 0x80 && next <= 0x9f) return true;
        if (c == 0xe2 && ((next == 0x80 && third >= 0xaa && third <= 0xae) ||
                          (next == 0x81 && third >= 0xa6 && third <= 0xa9))) {
            return true;
        }
    }
    return false;
}

fs::path WriteEmpty(const fs::path& file) {
    WriteWholeFile(file, {});
    return file;
}

void MakeFolder(const fs::path& folder) {
    fs::create_directory(folder);
}

void MakeFifo(const fs::path& file) {
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
}

void GiveToNobody(const fs::path& root) {
    if (::geteuid() != 0) return;
    const std::string command = "chown -R nobody:nogroup '" + root.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

// Holds the start folder, or the waiver list, as another Korvel program would, for one case.
std::optional<FolderLock> otherProgram;
std::optional<FileLock> otherSave;

RunOptions With(bool unprivileged, long fileSizeLimit = -1) {
    RunOptions options;
    options.Unprivileged = unprivileged;
    options.FileSizeLimit = fileSizeLimit;
    return options;
}
const RunOptions kAsNobody = With(true);
const std::vector<std::string> kGui{"--screenshot", "shot.png"};
const std::vector<std::string> kStartUpOnly{"-C", "{start}", "league"};

// Spoilers of the league "bad" and of the start folder.
using Spoiler = std::function<void(Scene&)>;
Spoiler Remove(const char* ext) {
    return [=](Scene& s) { fs::remove(s.BadFile(ext)); };
}
Spoiler Resize(const char* ext, std::size_t size) {
    return [=](Scene& s) { s.Resize(ext, size); };
}
Spoiler Patch(const char* ext, std::size_t at, Bytes bytes) {
    return [=](Scene& s) { s.Patch(ext, at, bytes); };
}
Spoiler Put(const char* ext, void (*make)(const fs::path&)) {
    return [=](Scene& s) { s.Replace(ext, make); };
}
Spoiler Defaults(std::string content) {
    return [=](Scene& s) { s.WriteDefaults(content); };
}
// Makes `file` unreadable for the program, which then runs as nobody when the test runs as root.
Spoiler Unreadable(std::function<fs::path(const Scene&)> file) {
    return [=](Scene& s) {
        GiveToNobody(s.Root());
        fs::permissions(file(s), fs::perms::none);
    };
}
void LinkToDevZero(const fs::path& file) {
    fs::create_symlink("/dev/zero", file);
}
void LinkToItself(const fs::path& file) {
    fs::create_symlink(file, file);
}
void Nothing(Scene&) {}
void ReadOnlyStart(Scene& s) {
    GiveToNobody(s.Root());
    fs::permissions(s.Start(), fs::perms::owner_read | fs::perms::owner_exec);
}

void EmptyStart(Scene& s) {
    for (const auto& entry : fs::directory_iterator(s.Start())) fs::remove_all(entry.path());
}
void NoLockFile(const Scene& s) {
    EXPECT_FALSE(fs::exists(fs::symlink_status(s.Start() / "korvel.lock")));
}

constexpr std::size_t k256Mb = 256 << 20;

// Marks the first player of team 0 who is not on the farm for waivers: keeping the roster then
// puts him on the league's waiver list.
void WaiveOne(Scene& s) {
    const auto roster = LeagueOnDisk::Read(s.Bad()).Roster(0);
    for (std::size_t i = 0; i < roster.size(); ++i) {
        if (roster[i].IsEmptyPlace() || roster[i].Status >= 200) continue;
        s.Patch(".ros", i * kPlayer + 75, {1});
        return;
    }
    FAIL() << "no player to waive";
}
void HugeWaiverListAndLeftover(Scene& s) {
    WaiveOne(s);
    s.Resize(".wvr", k256Mb);
    WriteWholeFile(s.Bad().parent_path() / ".bad.wvr.tmp99999999-1", Text("half"));
}
// One entry more at the end, the rest still a hole, and the killed save's leftover gone.
void WaiverAppendedSparseNoLeftover(const Scene& s) {
    struct stat status {};
    ASSERT_EQ(::stat(s.BadFile(".wvr").c_str(), &status), 0);
    EXPECT_EQ(static_cast<std::size_t>(status.st_size),
              (k256Mb / 88 + 1) * 88);  // over the cut end
    EXPECT_LT(status.st_blocks * 512, 1 << 20) << "the waiver list was written out in full";
    EXPECT_FALSE(fs::exists(s.Bad().parent_path() / ".bad.wvr.tmp99999999-1"));
}
void HoldWaiverList(Scene& s) {
    WaiveOne(s);
    otherSave.emplace(s.BadFile(".wvr.lock"), std::chrono::milliseconds(0));
}
void LockFileIsAFolder(Scene& s) {
    fs::remove(s.Start() / "korvel.lock");
    fs::create_directory(s.Start() / "korvel.lock");
}
void LockFileDangling(Scene& s) {
    fs::remove(s.Start() / "korvel.lock");
    fs::create_symlink(s.Start() / "elsewhere", s.Start() / "korvel.lock");
}
// A league whose folder name holds an escape sequence and a bidirectional control, and whose
// league file is too short: start-up names it in a message.
void EscapeInLeaguePath(Scene& s) {
    const std::string folder = "esc\x1b[2J\xe2\x80\xae";
    s.CopyBadTo(folder);
    const fs::path base = s.Bad().parent_path() / folder / "bad";
    fs::resize_file(WithExt(base, ".lge"), 0);
    s.WriteDefaults("\"" + base.string() + "\"\n");
}
void LockFileOfAnotherUser(Scene& s) {
    WriteWholeFile(s.Start() / "korvel.lock", {});
    GiveToNobody(s.Root());
    fs::permissions(s.Start() / "korvel.lock", fs::perms::none);
}

std::vector<std::string> Cli(std::vector<std::string> args) {
    std::vector<std::string> all{"-C", "{start}", "--league", "{bad}"};
    all.insert(all.end(), args.begin(), args.end());
    return all;
}
const auto kPlayers = Cli({"players"});
const auto kLines = Cli({"--team", "0", "lines"});
const auto kAutoLines = Cli({"--team", "0", "lines", "--auto"});
const auto kLeague = Cli({"--team", "0", "league"});
constexpr auto Good = Outcome::KeepsGood;
constexpr auto Bad = Outcome::LoadsBad;

// clang-format off
const BadInput kCases[] = {
    // The league's three files: missing, empty, cut short, too long, not normal files at all.
    {"LgeMissing", Remove(".lge"), 2, {"{bad}.lge: file not found"}},
    {"TmsMissing", Remove(".tms"), 2, {"{bad}.tms: file not found"}},
    {"RosMissing", Remove(".ros"), 2, {"{bad}.ros: file not found"}},
    {"LgeEmpty", Resize(".lge", 0), 2, {"{bad}.lge: too short"}},
    {"TmsEmpty", Resize(".tms", 0), 2, {"{bad}.tms: too short"}},
    {"RosEmptyShowsNoPlayers", Resize(".ros", 0), 0, {}, Bad},
    {"LgeOneByteShort", Resize(".lge", 458), 2, {"{bad}.lge: too short"}},
    {"TmsCutInATeam", Resize(".tms", kTeam + 100), 2, {"{bad}.tms: too short for the "}},
    {"RosCutInAPlayer", Resize(".ros", 7 * kPlayer + 5), 0, {}, Bad},
    {"LgeTooLong", Resize(".lge", 5000), 0, {}, Bad},
    {"TmsTooLong", Resize(".tms", 100 * kTeam + 3), 0, {}, Bad},
    {"RosHugeSparse", Resize(".ros", 50 << 20), 0, {}, Bad},
    {"LgeIsAFolder", Put(".lge", MakeFolder), 2, {"{bad}.lge: is a folder"}},
    {"RosIsAFolder", Put(".ros", MakeFolder), 2, {"{bad}.ros: is a folder"}},
    {"TmsIsAFifo", Put(".tms", MakeFifo), 2, {"{bad}.tms: is a pipe, not a file"}},
    {"RosIsAFifo", Put(".ros", MakeFifo), 2, {"{bad}.ros: is a pipe, not a file"}},
    {"RosLinksToDevZero", Put(".ros", LinkToDevZero), 2, {"{bad}.ros: is a device, not a file"}},
    {"LgeLinkLoop", Put(".lge", LinkToItself), 2,
     {"{bad}.lge: cannot be read (Too many levels of symbolic links)"}},
    {"LgeUnreadable", Unreadable([](const Scene& s) { return s.BadFile(".lge"); }), 2,
     {"{bad}.lge: cannot be read (Permission denied)"}, Good, kPlayers, Program::Cli, kAsNobody},
    {"RosUnreadable", Unreadable([](const Scene& s) { return s.BadFile(".ros"); }), 2,
     {"{bad}.ros: cannot be read (Permission denied)"}, Good, kPlayers, Program::Cli, kAsNobody},

    // Counts, codes and indexes out of range.
    {"LastTeam0", Patch(".lge", 25, {0}), 0, {}, Bad},
    {"LastTeam49PastTheTeamFile", Patch(".lge", 25, {49}), 2, {"{bad}.tms: too short for the 50 teams"},
     Good, Cli({"--team", "49", "lines"})},
    {"LastTeam50", Patch(".lge", 25, {50}), 2, {"{bad}.lge: names 51 teams; a league holds at most 50"}},
    {"LastTeam255", Patch(".lge", 25, {255}), 2, {"{bad}.lge: names 256"}},
    {"ConferenceOutOfRange", Patch(".tms", 97, {2}), 0, {}, Bad, kLeague},
    {"Conference255", Patch(".tms", kTeam + 97, {255}), 0, {}, Bad, Cli({"--team", "1", "lines"})},
    {"DivisionOutOfRange", Patch(".tms", 98, {9}), 0, {}, Bad, kAutoLines},
    {"PositionOutOfRange", Patch(".ros", 22, {9}), 0, {}, Bad, kAutoLines},
    {"Status255", Patch(".ros", kPlayer + 30, {255}), 0, {}, Bad},
    {"InjuryCode99", Patch(".ros", 2 * kPlayer + 30, {199}), 1, {"Auto Lines: Set roster first"}, Bad, kAutoLines},
    {"ShotsForNaNAndPenaltyMinutesInfinite", Patch(".tms", 162, {0, 0, 0xc0, 0x7f, 0, 0, 0x80, 0xff, 0, 0, 0x80, 0x7f}),
     0, {}, Bad, Cli({"--team", "0", "team"})},
    {"LineUpIndexesOutOfRange", Patch(".tms", 174, {50, 77, 254, 49, 0}), 0, {}, Bad, kLines},
    {"LineUpNamesAnEmptyPlace", [](Scene& s) { s.Patch(".ros", 0, Bytes(kPlayer, 0)); s.Patch(".tms", 174, {0, 0}); },
     0, {}, Bad, kLines},

    // Names: path separators, control bytes, bytes Windows-1252 leaves undefined.
    {"TeamNameWithPathSeparators", Patch(".tms", 0, Text("../..\\a/b")), 0, {}, Bad, kLeague},
    {"TeamNameWithEscapeSequence", Patch(".tms", 0, Text("\x1b[2J\x07\x1b]0;x")), 0, {}, Bad, kLeague},
    {"PlayerNameWithControlBytes", Patch(".ros", 0, Text("A\r\n\b\x9b" "1m")), 0, {}, Bad},
    {"LeagueNameWithUndefinedBytes", Patch(".lge", 0, {'L', 0x81, 0x8d, 0x8f, 0x90, 0x9d, 0xff}), 0,
     {}, Bad, Cli({"--json", "league"})},

    // The defaults file, read at start-up.
    {"DefaultsEmpty", Defaults(""), 2, {"no league is loaded"}, Good, kStartUpOnly},
    {"DefaultsBinary", Defaults(std::string("\0\x01\xff\n", 4)), 2,
     {"{start}/korvel.def: holds no league path"}, Good, kStartUpOnly},
    {"DefaultsHuge", Defaults(std::string(10 << 20, 'x')), 2,
     {"{start}/korvel.def: holds no league path"}, Good, kStartUpOnly},
    {"DefaultsQuotedWithComma", [](Scene& s) { s.WriteDefaults("  \"" + s.Good().string() + "\",\"x\"\r\n"); },
     0, {}, Good, kStartUpOnly},
    {"DefaultsRelativeToTheStartFolder", Defaults("../leagues/good\n"), 0, {}, Good, kStartUpOnly},
    {"DefaultsPointingNowhere", Defaults("/nowhere/at/all\n"), 2,
     {"{start}/korvel.def names none that can be loaded"}, Good, kStartUpOnly},
    {"DefaultsIsAFolder", [](Scene& s) { fs::remove(s.Start() / "korvel.def"); fs::create_directory(s.Start() / "korvel.def"); },
     2, {"korvel.def names none"}, Good, kStartUpOnly},
    {"DefaultsUnreadable", Unreadable([](const Scene& s) { return s.Start() / "korvel.def"; }), 2,
     {"{start}/korvel.def: cannot be read (Permission denied)"}, Good, kStartUpOnly, Program::Cli, kAsNobody},
    {"LeaguePathWithALineBreak", [](Scene& s) { s.CopyBadTo("line\nbreak"); }, 2,
     {"korvel.def cannot remember"}, Good, {"-C", "{start}", "--league", "{start}/../leagues/line\nbreak/bad", "league"}},
    {"LeagueFolderNotUtf8", [](Scene& s) { s.CopyBadTo("caf\xe9"); }, 0, {}, Bad,
     {"-C", "{start}", "--league", "{start}/../leagues/caf\xe9/bad", "--json", "league"}},
    {"LeagueFolderNotUtf8AsText", [](Scene& s) { s.CopyBadTo("caf\xe9"); }, 0, {}, Bad,
     {"-C", "{start}", "--league", "{start}/../leagues/caf\xe9/bad", "league"}},

    // The start folder: read-only, deleted, in use, left untidy by a killed save, on a full disk.
    {"StartFolderReadOnly", ReadOnlyStart, 2,
     {"{start}/swp.t: cannot be written (Permission denied)"}, Good, kPlayers, Program::Cli, kAsNobody},
    {"StartFolderReadOnlyGui",
     [](Scene& s) {
         WriteWholeFile(DefaultsFileIn(s.Start()), DefaultsFileContent(s.Bad()));
         ReadOnlyStart(s);
     },
     1,
     {"The start folder {start} must be writable", "{start}/swp.t: cannot be written"}, Good, kGui,
     Program::Gui, kAsNobody},
    // A start folder that holds nothing, or that cannot be written: the cause, and no trace.
    {"StartFolderEmpty", EmptyStart, 2, {"no league was given", "--league BASE gives one"},
     Outcome::NoWorkingCopies, {"-C", "{start}", "team"}, Program::Cli, {}, 0, NoLockFile},
    {"StartFolderEmptyLeagueMissing", EmptyStart, 2, {"--league was not loaded"}, Outcome::NoWorkingCopies,
     {"-C", "{start}", "--league", "{start}/nowhere", "team"}, Program::Cli, {}, 0, NoLockFile},
    {"StartFolderEmptyReadOnly", [](Scene& s) { EmptyStart(s); ReadOnlyStart(s); }, 2,
     {"the start folder {start} cannot be written (Permission denied)"}, Outcome::NoWorkingCopies,
     {"-C", "{start}", "--league", "{bad}", "team"}, Program::Cli, kAsNobody, 0, NoLockFile},
    {"GuiUnknownOptionWithoutDisplay", Nothing, 2, {"korvel: Unknown option 'bogus'"}, Outcome::NoWorkingCopies,
     {"-c", "unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; exec \"$0\" --bogus", KORVEL_GUI}},
    {"StartFolderDeletedCli", Nothing, 2, {"it may have been deleted"}, Good, InDeletedFolder({KORVEL_CLI, "league"})},
    {"StartFolderDeletedGui", Nothing, 1, {"it may have been deleted"}, Good,
     InDeletedFolder({KORVEL_GUI, "--screenshot", "shot.png"})},
    {"StartFolderInUseCli", [](Scene& s) { otherProgram.emplace(s.Start()); }, 2,
     {"The folder {start} is in use by another Korvel program"}},
    {"StartFolderInUseGui", [](Scene& s) { otherProgram.emplace(s.Start()); }, 1,
     {"The folder {start} is in use by another Korvel program"}, Good, kGui, Program::Gui},
    {"LeftoverOfAKilledSave", [](Scene& s) { WriteWholeFile(s.Start() / ".swp.r.tmp99999999-3", Text("half")); },
     0, {}, Bad},
    {"DiskFullWhileCopying", Nothing, 2, {"{start}/swp.r: cannot be written (File too large)"}, Good, kPlayers,
     Program::Cli, With(false, 10000)},
    // A command that keeps teams holds the working copies in memory; a load must still fail whole.
    {"StartFolderReadOnlyKeepingTeams", ReadOnlyStart, 2,
     {"{start}/swp.t: cannot be written (Permission denied)"}, Good, kAutoLines, Program::Cli, kAsNobody},
    {"DiskFullWhileCopyingKeepingTeams", Nothing, 2, {"{start}/swp.r: cannot be written (File too large)"}, Good,
     kAutoLines, Program::Cli, With(false, 10000)},
    {"LockFileIsAFolderCli", LockFileIsAFolder, 2, {"{start}/korvel.lock: is a folder, not a file"}, Good, kStartUpOnly},
    {"LockFileIsAFolderGui", LockFileIsAFolder, 1, {"{start}/korvel.lock: is a folder, not a file"}, Good, kGui,
     Program::Gui},
    {"LockFileIsADanglingLink", LockFileDangling, 2, {"{start}/korvel.lock: is a symbolic link"}, Good, kStartUpOnly,
     Program::Cli, {}, 0, [](const Scene& s) { EXPECT_FALSE(fs::exists(s.Start() / "elsewhere")); }},
    {"LockFileOfAnotherUser", LockFileOfAnotherUser, 2, {"{start}/korvel.lock: cannot be opened (Permission denied)"},
     Good, kStartUpOnly, Program::Cli, kAsNobody},

    // Sizes nobody set: read a block at a time or refused before reading.
    {"WaiverListHugeSparse", HugeWaiverListAndLeftover, 0, {}, Outcome::SavesRoster,
     Cli({"--team", "0", "--yes", "roster", "--auto", "--keep"}), Program::Cli, {}, 100, WaiverAppendedSparseNoLeftover},
    {"LinesFileHugeSparse", [](Scene& s) { fs::resize_file(WriteEmpty(s.Start() / "big.lns"), k256Mb); }, 1,
     {"Invalid File: Errors in File"}, Bad, Cli({"--team", "0", "lines", "--import", "big.lns"}),
     Program::Cli, {}, 100},

    // The waiver list is shared with other start folders: a save waits for theirs, then says so.
    {"WaiverListBeingSaved", HoldWaiverList, 1, {"{bad}.wvr: is being saved by another Korvel program"}, Bad,
     Cli({"--team", "0", "--yes", "roster", "--auto", "--keep"})},

    // Output and text that reach a terminal.
    {"OutputToAFullDisk", Nothing, 1, {"standard output could not be written (No space left on device)"}, Good,
     {"-c", "exec \"$0\" \"$@\" >/dev/full", KORVEL_CLI, "-C", "{start}", "--json", "league"}},
    {"TeamEmpty", Nothing, 2, {"--team", "not an empty text"}, Good, {"-C", "{start}", "--team", "", "league"}},
    {"LeagueFolderWithBidiControls", [](Scene& s) { s.CopyBadTo("\xe2\x80\xae" "evil\xe2\x81\xa6"); }, 0, {}, Bad,
     {"-C", "{start}", "--league", "{start}/../leagues/\xe2\x80\xae" "evil\xe2\x81\xa6/bad", "league"}},
    {"GuiMessageWithEscapeInPath", EscapeInLeaguePath, 0, {"esc\\u001b[2J\\u202e/bad.lge: too short"},
     Good, kGui, Program::Gui},
};
// clang-format on

// What the address sanitizer alone adds to a program's memory (its shadow memory), measured on a
// run that reads nothing; 0 in a build without it.
long SanitizerKb() {
#if defined(__SANITIZE_ADDRESS__)
    static const long measured = RunCli({"--version"}).PeakMemoryKb;
    return measured;
#else
    return 0;
#endif
}

class BadInputTable : public testing::TestWithParam<BadInput> {
  protected:
    static void SetUpTestSuite() {
        templateFolder_ = new TempFolder;
        const fs::path start = *templateFolder_ / "start";
        const fs::path leagues = *templateFolder_ / "leagues";
        fs::create_directories(start);
        fs::create_directories(leagues);
        MakeLeague(leagues / "good", {"--teams", "4", "--seed", "7"});
        MakeLeague(leagues / "bad", {"--teams", "4", "--seed", "8"});
        ASSERT_EQ(RunCli({"-C", start.string(), "--league", (leagues / "good").string(), "league"})
                      .ExitCode,
                  0);
    }
    static void TearDownTestSuite() { delete templateFolder_; }

    static TempFolder* templateFolder_;
};
TempFolder* BadInputTable::templateFolder_ = nullptr;

TEST_P(BadInputTable, ClearMessageRightExitCodeNothingLost) {
    const BadInput& row = GetParam();
    Scene scene(templateFolder_->Path());
    if (row.Options.Unprivileged && ::geteuid() == 0 && !OthersCanReach(scene.Root())) {
        GTEST_SKIP() << "the user nobody cannot reach " << scene.Root()
                     << ": the temporary folder is closed to other users";
    }
    row.Spoil(scene);
    const auto leagueFilesBefore = scene.LeagueFiles();

    std::vector<std::string> args;
    for (const auto& arg : row.Args) args.push_back(Expand(arg, scene));
    RunOptions options = row.Options;
    if (options.Cwd.empty()) options.Cwd = scene.Start();
    options.TimeoutSeconds = 30;
    const std::string program = row.Run == Program::Gui ? KORVEL_GUI
                                : args.front() == "-c"  ? "/bin/sh"
                                                        : KORVEL_CLI;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const RunResult run = RunProgram(program, args, options);
    otherProgram.reset();
    otherSave.reset();

    EXPECT_EQ(run.ExitCode, row.ExitCode) << run.Err;
    EXPECT_FALSE(HasTerminalControls(run.Err, true)) << run.Err;
    if (row.MaxMemoryMb > 0) {
        EXPECT_LT(run.PeakMemoryKb, row.MaxMemoryMb * 1024 + SanitizerKb());
    }
    if (row.Check) row.Check(scene);
    for (const auto& words : row.Says) {
        EXPECT_NE(run.Err.find(Expand(words, scene)), std::string::npos)
            << "missing: " << Expand(words, scene) << "\nstderr: " << run.Err;
    }
    if (row.ExitCode == 0) {
        // Shown as text or JSON, but never a control character that the terminal would obey.
        const bool json = std::find(args.begin(), args.end(), "--json") != args.end();
        EXPECT_FALSE(HasTerminalControls(run.Out, !json)) << run.Out;
        if (json) run.Json();
    }

    EXPECT_TRUE(scene.LeagueFiles() == leagueFilesBefore) << "a league file was changed";
    if (row.After == Outcome::NoWorkingCopies) return;
    // The working copies hold the loaded league's records (and no bytes past the last one). A
    // run of korvel-cli that ends refused saves nothing, its load's working copies neither.
    const bool loadSaved =
        row.After == Outcome::LoadsBad && (row.Run == Program::Gui || run.ExitCode == 0);
    const fs::path loaded = loadSaved ? scene.Bad() : scene.Good();
    for (const auto& [copy, extension, limit] :
         {std::tuple{"swp.t", ".tms", 50 * kTeam}, std::tuple{"swp.r", ".ros", 2500 * kPlayer},
          std::tuple{"swp.l", ".lge", std::size_t{459}}}) {
        if (row.After == Outcome::SavesRoster) break;
        EXPECT_EQ(ReadWholeFile(scene.Start() / copy),
                  ReadWholeFile(WithExt(loaded, extension), limit))
            << copy;
    }
    for (const auto& entry : fs::directory_iterator(scene.Start())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.find(".tmp") == std::string::npos) << "left behind: " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputTable, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace korvel::test
