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
    // Everything a run must leave as it was: the leagues' files, byte for byte.
    std::map<fs::path, Bytes> LeagueFiles() const {
        std::map<fs::path, Bytes> files;
        for (const auto& entry : fs::recursive_directory_iterator(root_ / "leagues")) {
            std::error_code error;
            if (!entry.is_regular_file(error) || fs::file_size(entry.path()) > (1 << 20)) continue;
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
enum class Outcome { KeepsGood, LoadsBad, NoWorkingCopies };

struct BadInput {
    const char* Name;
    std::function<void(Scene&)> Spoil;
    int ExitCode;
    std::vector<std::string> Says;  // on stderr; {bad}, {start} stand for those paths
    Outcome After = Outcome::KeepsGood;
    std::vector<std::string> Args = {"-C", "{start}", "--league", "{bad}", "players"};
    Program Run = Program::Cli;
    RunOptions Options = {};
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

// C0 controls but the line end, DEL, and (unless JSON, which only has to parse) C1 controls in
// their UTF-8 form.
bool HasTerminalControls(const std::string& out, bool withC1) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7f) return true;
        const auto next = i + 1 < out.size() ? static_cast<unsigned char>(out[i + 1]) : 0;
        if (withC1 && c == 0xc2 && next >= 0x80 && next <= 0x9f) return true;
    }
    return false;
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

// Holds the start folder as another Korvel program would, for one case.
std::optional<FolderLock> otherProgram;

RunOptions With(bool unprivileged, long fileSizeLimit = -1) {
    RunOptions options;
    options.Unprivileged = unprivileged;
    options.FileSizeLimit = fileSizeLimit;
    return options;
}
const RunOptions kAsNobody = With(true);
const std::vector<std::string> kGui{"--screenshot", "shot.png"};
const std::vector<std::string> kStartUpOnly{"-C", "{start}", "league"};

const BadInput kCases[] = {
    // The league's three files: missing, empty, cut short, too long, not files at all.
    {"LgeMissing",
     [](Scene& s) { fs::remove(s.BadFile(".lge")); },
     2,
     {"{bad}.lge: file not found"}},
    {"TmsMissing",
     [](Scene& s) { fs::remove(s.BadFile(".tms")); },
     2,
     {"{bad}.tms: file not found"}},
    {"RosMissing",
     [](Scene& s) { fs::remove(s.BadFile(".ros")); },
     2,
     {"{bad}.ros: file not found"}},
    {"LgeEmpty", [](Scene& s) { s.Resize(".lge", 0); }, 2, {"{bad}.lge: too short"}},
    {"TmsEmpty", [](Scene& s) { s.Resize(".tms", 0); }, 2, {"{bad}.tms: too short"}},
    {"RosEmptyShowsNoPlayers", [](Scene& s) { s.Resize(".ros", 0); }, 0, {}, Outcome::LoadsBad},
    {"LgeOneByteShort", [](Scene& s) { s.Resize(".lge", 458); }, 2, {"{bad}.lge: too short"}},
    {"TmsCutInATeam", [](Scene& s) { s.Resize(".tms", kTeam + 100); }, 0, {}, Outcome::LoadsBad},
    {"RosCutInAPlayer",
     [](Scene& s) { s.Resize(".ros", 7 * kPlayer + 5); },
     0,
     {},
     Outcome::LoadsBad},
    {"LgeTooLong", [](Scene& s) { s.Resize(".lge", 5000); }, 0, {}, Outcome::LoadsBad},
    {"TmsTooLong", [](Scene& s) { s.Resize(".tms", 100 * kTeam + 3); }, 0, {}, Outcome::LoadsBad},
    {"RosHugeSparse", [](Scene& s) { s.Resize(".ros", 50 << 20); }, 0, {}, Outcome::LoadsBad},
    {"LgeIsAFolder",
     [](Scene& s) { s.Replace(".lge", MakeFolder); },
     2,
     {"{bad}.lge: is a folder"}},
    {"RosIsAFolder",
     [](Scene& s) { s.Replace(".ros", MakeFolder); },
     2,
     {"{bad}.ros: is a folder"}},
    {"TmsIsAFifo",
     [](Scene& s) { s.Replace(".tms", MakeFifo); },
     2,
     {"{bad}.tms: is a pipe, not a file"}},
    {"RosIsAFifo",
     [](Scene& s) { s.Replace(".ros", MakeFifo); },
     2,
     {"{bad}.ros: is a pipe, not a file"}},
    {"RosLinksToDevZero",
     [](Scene& s) {
         s.Replace(".ros", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); });
     },
     2,
     {"{bad}.ros: is a device, not a file"}},
    {"LgeLinkLoop",
     [](Scene& s) { s.Replace(".lge", [](const fs::path& f) { fs::create_symlink(f, f); }); },
     2,
     {"{bad}.lge: cannot be read (Too many levels of symbolic links)"}},
    {"LgeUnreadable",
     [](Scene& s) {
         GiveToNobody(s.Root());
         fs::permissions(s.BadFile(".lge"), fs::perms::none);
     },
     2,
     {"{bad}.lge: cannot be read (Permission denied)"},
     Outcome::KeepsGood,
     {"-C", "{start}", "--league", "{bad}", "players"},
     Program::Cli,
     kAsNobody},
    {"RosUnreadable",
     [](Scene& s) {
         GiveToNobody(s.Root());
         fs::permissions(s.BadFile(".ros"), fs::perms::none);
     },
     2,
     {"{bad}.ros: cannot be read (Permission denied)"},
     Outcome::KeepsGood,
     {"-C", "{start}", "--league", "{bad}", "players"},
     Program::Cli,
     kAsNobody},

    // Counts, codes and indexes out of range.
    {"LastTeam0", [](Scene& s) { s.Patch(".lge", 25, {0}); }, 0, {}, Outcome::LoadsBad},
    {"LastTeam49PastTheTeamFile",
     [](Scene& s) { s.Patch(".lge", 25, {49}); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "49", "lines"}},
    {"LastTeam50",
     [](Scene& s) { s.Patch(".lge", 25, {50}); },
     2,
     {"{bad}.lge: names 51 teams; a league holds at most 50"}},
    {"LastTeam255", [](Scene& s) { s.Patch(".lge", 25, {255}); }, 2, {"{bad}.lge: names 256"}},
    {"ConferenceOutOfRange",
     [](Scene& s) { s.Patch(".tms", 97, {2}); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "league"}},
    {"Conference255",
     [](Scene& s) { s.Patch(".tms", kTeam + 97, {255}); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "1", "lines"}},
    {"DivisionOutOfRange",
     [](Scene& s) { s.Patch(".tms", 98, {9}); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "lines", "--auto"}},
    {"PositionOutOfRange",
     [](Scene& s) { s.Patch(".ros", 22, {9}); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "lines", "--auto"}},
    {"Status255", [](Scene& s) { s.Patch(".ros", kPlayer + 30, {255}); }, 0, {}, Outcome::LoadsBad},
    {"InjuryCode99",
     [](Scene& s) { s.Patch(".ros", 2 * kPlayer + 30, {199}); },
     1,
     {"Auto Lines: Set roster first"},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "lines", "--auto"}},
    {"LineUpIndexesOutOfRange",
     [](Scene& s) {
         s.Patch(".tms", 174, {50, 77, 254, 49, 0});
     },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "lines"}},
    {"LineUpNamesEmptyPlaces",
     [](Scene& s) {
         s.Patch(".ros", 0, Bytes(kPlayer, 0));
         s.Patch(".tms", 174, {0, 0, 0});
     },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "lines"}},

    // Names: path separators, control bytes, bytes Windows-1252 leaves undefined.
    {"TeamNameWithPathSeparators",
     [](Scene& s) { s.Patch(".tms", 0, Text("../..\\a/b")); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "league"}},
    {"TeamNameWithEscapeSequence",
     [](Scene& s) { s.Patch(".tms", 0, Text("\x1b[2J\x07\x1b]0;x")); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--team", "0", "league"}},
    {"PlayerNameWithControlBytes",
     [](Scene& s) {
         s.Patch(".ros", 0,
                 Text("A\r\n\b\x9b"
                      "1m"));
     },
     0,
     {},
     Outcome::LoadsBad},
    {"LeagueNameWithUndefinedBytes",
     [](Scene& s) {
         s.Patch(".lge", 0, {'L', 0x81, 0x8d, 0x8f, 0x90, 0x9d, 0xff});
     },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{bad}", "--json", "league"}},

    // The defaults file.
    {"DefaultsEmpty",
     [](Scene& s) { s.WriteDefaults(""); },
     2,
     {"no league is loaded"},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsBinary",
     [](Scene& s) { s.WriteDefaults(std::string("\0\x01\xff\n", 4)); },
     2,
     {"{start}/korvel.def: holds no league path"},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsHuge",
     [](Scene& s) { s.WriteDefaults(std::string(10 << 20, 'x')); },
     2,
     {"{start}/korvel.def: holds no league path"},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsQuotedWithComma",
     [](Scene& s) { s.WriteDefaults("  \"" + s.Good().string() + "\",\"other\"\r\n"); },
     0,
     {},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsRelativeToTheStartFolder",
     [](Scene& s) { s.WriteDefaults("../leagues/good\n"); },
     0,
     {},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsPointingNowhere",
     [](Scene& s) { s.WriteDefaults("/nowhere/at/all\n"); },
     2,
     {"{start}/korvel.def names none that can be loaded"},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsIsAFolder",
     [](Scene& s) {
         fs::remove(s.Start() / "korvel.def");
         fs::create_directory(s.Start() / "korvel.def");
     },
     2,
     {"korvel.def names none"},
     Outcome::KeepsGood,
     kStartUpOnly},
    {"DefaultsUnreadable",
     [](Scene& s) {
         GiveToNobody(s.Root());
         fs::permissions(s.Start() / "korvel.def", fs::perms::none);
     },
     2,
     {"{start}/korvel.def: cannot be read (Permission denied)"},
     Outcome::KeepsGood,
     kStartUpOnly,
     Program::Cli,
     kAsNobody},
    {"LeaguePathWithALineBreak",
     [](Scene& s) { s.CopyBadTo("line\nbreak"); },
     2,
     {"korvel.def cannot remember"},
     Outcome::KeepsGood,
     {"-C", "{start}", "--league", "{start}/../leagues/line\nbreak/bad", "league"}},
    {"LeagueFolderNotUtf8",
     [](Scene& s) { s.CopyBadTo("caf\xe9"); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{start}/../leagues/caf\xe9/bad", "--json", "league"}},
    {"LeagueFolderNotUtf8AsText",
     [](Scene& s) { s.CopyBadTo("caf\xe9"); },
     0,
     {},
     Outcome::LoadsBad,
     {"-C", "{start}", "--league", "{start}/../leagues/caf\xe9/bad", "league"}},

    // The start folder.
    {"StartFolderReadOnly",
     [](Scene& s) {
         GiveToNobody(s.Root());
         fs::permissions(s.Start(), fs::perms::owner_read | fs::perms::owner_exec);
     },
     2,
     {"{start}/swp.t: cannot be written (Permission denied)"},
     Outcome::KeepsGood,
     {"-C", "{start}", "--league", "{bad}", "players"},
     Program::Cli,
     kAsNobody},
    {"StartFolderDeletedCli",
     [](Scene&) {},
     2,
     {"it may have been deleted"},
     Outcome::KeepsGood,
     InDeletedFolder({KORVEL_CLI, "league"})},
    {"StartFolderDeletedGui",
     [](Scene&) {},
     1,
     {"it may have been deleted"},
     Outcome::KeepsGood,
     InDeletedFolder({KORVEL_GUI, "--screenshot", "shot.png"})},
    {"StartFolderInUseCli",
     [](Scene& s) { otherProgram.emplace(s.Start()); },
     2,
     {"The folder {start} is in use by another Korvel program"},
     Outcome::KeepsGood},
    {"StartFolderInUseGui",
     [](Scene& s) { otherProgram.emplace(s.Start()); },
     1,
     {"The folder {start} is in use by another Korvel program"},
     Outcome::KeepsGood,
     kGui,
     Program::Gui},
    {"LeftoverOfAKilledSave",
     [](Scene& s) { WriteWholeFile(s.Start() / ".swp.r.tmp99999999-3", Text("half")); },
     0,
     {},
     Outcome::LoadsBad},
    {"DiskFullWhileCopying",
     [](Scene&) {},
     2,
     {"{start}/swp.r: cannot be written (File too large)"},
     Outcome::KeepsGood,
     {"-C", "{start}", "--league", "{bad}", "players"},
     Program::Cli,
     With(false, 10000)},
};

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

    EXPECT_EQ(run.ExitCode, row.ExitCode) << run.Err;
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
    // The working copies hold the loaded league's records (and no bytes past the last one).
    const fs::path loaded = row.After == Outcome::LoadsBad ? scene.Bad() : scene.Good();
    for (const auto& [copy, extension, limit] :
         {std::tuple{"swp.t", ".tms", 50 * kTeam}, std::tuple{"swp.r", ".ros", 2500 * kPlayer},
          std::tuple{"swp.l", ".lge", std::size_t{459}}}) {
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
