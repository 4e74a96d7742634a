#include "cli/CliRun.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <map>

#include <gtest/gtest.h>

namespace korvel::test {
namespace fs = std::filesystem;

nlohmann::json RunResult::Json() const {
    try {
        return nlohmann::json::parse(Out);
    } catch (const nlohmann::json::exception& error) {
        ADD_FAILURE() << "no JSON on stdout (" << error.what() << "):\n"
                      << Out << "\nstderr:\n"
                      << Err;
        return nlohmann::json::object();
    }
}

namespace {

std::string ReadText(const fs::path& file) {
    const Bytes bytes = ReadWholeFile(file);
    return std::string(bytes.begin(), bytes.end());
}

bool RunsAsNobody(const RunOptions& options) {
    return options.Unprivileged && ::geteuid() == 0;
}

// A copy of `program` that nobody may run, for checkouts nobody may enter (a root's home folder,
// a mktemp -d folder): made once per program, in a folder of its own under the temporary folder.
std::string ProgramNobodyCanRun(const std::string& program) {
    struct stat info {};
    const bool othersMayRun = ::stat(program.c_str(), &info) == 0 && (info.st_mode & S_IXOTH) != 0;
    if (othersMayRun && OthersCanReach(program)) return program;
    static TempFolder copies;
    static std::map<std::string, std::string> copied;
    if (const auto found = copied.find(program); found != copied.end()) return found->second;
    const fs::path folder = copies / std::to_string(copied.size());
    fs::create_directory(folder);
    const fs::path copy = folder / fs::path(program).filename();
    fs::copy_file(program, copy);
    constexpr auto kReadAndRun = fs::perms::owner_all | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec;
    for (const fs::path& made : {copies.Path(), folder, copy}) fs::permissions(made, kReadAndRun);
    return copied[program] = copy.string();
}

}  // namespace

bool OthersCanReach(const fs::path& path) {
    const fs::path absolute = fs::absolute(path);
    for (fs::path folder = absolute.parent_path();; folder = folder.parent_path()) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0 || (info.st_mode & S_IXOTH) == 0) return false;
        if (folder == folder.root_path()) return true;
    }
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const fs::path& cwd) {
    RunOptions options;
    options.Cwd = cwd;
    return RunProgram(program, args, options);
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const RunOptions& options) {
    TempFolder capture;
    const fs::path outFile = capture / "stdout";
    const fs::path errFile = capture / "stderr";
    std::vector<std::string> argvText{program};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : argvText) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const passwd* nobody = RunsAsNobody(options) ? ::getpwnam("nobody") : nullptr;
    if (RunsAsNobody(options) && nobody == nullptr) {
        ADD_FAILURE() << "no user nobody to run " << program << " as";
    }
    const std::string runnable = nobody ? ProgramNobodyCanRun(program) : program;
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
        if (!options.Cwd.empty() && ::chdir(options.Cwd.c_str()) != 0) ::_exit(126);
        if (options.FileSizeLimit >= 0) {
            const rlimit limit{static_cast<rlim_t>(options.FileSizeLimit),
                               static_cast<rlim_t>(options.FileSizeLimit)};
            // A write past the limit then fails with EFBIG instead of ending the program.
            if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                ::_exit(126);
            }
        }
        if (nobody && (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                       ::setuid(nobody->pw_uid) != 0)) {
            ::_exit(126);
        }
        ::alarm(options.TimeoutSeconds);
        ::execv(runnable.c_str(), argv.data());
        ::_exit(127);
    }
    RunResult result;
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) {
        ADD_FAILURE() << "could not run " << program;
        return result;
    }
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.PeakMemoryKb = usage.ru_maxrss;
    result.Out = ReadText(outFile);
    result.Err = ReadText(errFile);
    return result;
}

RunResult RunCli(const std::vector<std::string>& args, const fs::path& cwd) {
    return RunProgram(KORVEL_CLI, args, cwd);
}

void MakeLeague(const fs::path& base, const std::vector<std::string>& args) {
    std::vector<std::string> all = args;
    all.push_back(base.string());
    const RunResult made = RunProgram(KORVEL_MAKE_LEAGUE, all);
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
}

fs::path WithExt(const fs::path& base, const char* extension) {
    return fs::path(base.native() + extension);
}

LeagueOnDisk LeagueOnDisk::Read(const fs::path& base) {
    LeagueOnDisk league;
    league.LeagueRecord = DecodeRecord<League>(ReadWholeFile(WithExt(base, ".lge")));
    const Bytes teams = ReadWholeFile(WithExt(base, ".tms"));
    constexpr std::size_t teamSize = RecordLayout<Team>::Size;
    for (std::size_t at = 0; at + teamSize <= teams.size(); at += teamSize) {
        league.Teams.push_back(DecodeRecord<Team>(std::span(teams).subspan(at, teamSize)));
    }
    league.RosterFile = ReadWholeFile(WithExt(base, ".ros"));
    return league;
}

std::vector<Player> LeagueOnDisk::Roster(int team) const {
    constexpr std::size_t playerSize = RecordLayout<Player>::Size;
    std::vector<Player> players;
    for (int index = 0; index < kRosterPlaces; ++index) {
        const std::size_t at =
            (static_cast<std::size_t>(team) * kRosterPlaces + index) * playerSize;
        players.push_back(at + playerSize <= RosterFile.size()
                              ? DecodeRecord<Player>(std::span(RosterFile).subspan(at, playerSize))
                              : Player{});
    }
    return players;
}

Team ReadTeamRecord(const fs::path& teamFile, int team) {
    const Bytes bytes = ReadWholeFile(teamFile);
    constexpr std::size_t teamSize = RecordLayout<Team>::Size;
    const std::size_t at = static_cast<std::size_t>(team) * teamSize;
    EXPECT_LE(at + teamSize, bytes.size()) << teamFile;
    if (at + teamSize > bytes.size()) return Team{};
    return DecodeRecord<Team>(std::span(bytes).subspan(at, teamSize));
}

CliFixtureFolders::CliFixtureFolders() : start_(folder_ / "start"), leagues_(folder_ / "league") {
    fs::create_directories(start_);
    fs::create_directories(leagues_);
}

std::vector<std::string> CliFixtureFolders::With(const fs::path& base,
                                                 std::vector<std::string> args) const {
    std::vector<std::string> all{"-C", start_.string(), "--league", base.string()};
    all.insert(all.end(), args.begin(), args.end());
    return all;
}

}  // namespace korvel::test
