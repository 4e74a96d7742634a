#pragma once

// Runs the built executables the way a shell would and decodes generated leagues independently of
// korvel-cli, for the end-to-end tests.

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "league/Records.h"
#include "platform/Files.h"
#include "support/TempFolder.h"

namespace korvel::test {

struct RunResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
    long PeakMemoryKb = 0;        // the program's largest resident size
    nlohmann::json Json() const;  // stdout parsed; fails the test when it is no JSON
};

// How a program is run besides its arguments.
struct RunOptions {
    std::filesystem::path Cwd;     // the test's current folder when empty
    unsigned TimeoutSeconds = 60;  // then the program is killed (exit code 128 + SIGALRM)
    long FileSizeLimit = -1;       // bytes a file may grow to, as on a full disk; -1: no limit
    bool Unprivileged = false;     // as the user nobody when the test runs as root (from a copy
                                   // nobody may run when the checkout is closed to others)
};

// Whether every folder above `path` lets other users through, so that a program run as nobody
// reaches it.
bool OthersCanReach(const std::filesystem::path& path);

// Runs `program` with `args`, capturing standard output, standard error and the exit code.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const RunOptions& options);
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::filesystem::path& cwd = {});
RunResult RunCli(const std::vector<std::string>& args, const std::filesystem::path& cwd = {});

// korvel-make-league BASE with the extra arguments (--teams N, --not-ready...); fails the test
// when the generator fails.
void MakeLeague(const std::filesystem::path& base, const std::vector<std::string>& args = {});

// A league read straight from its files.
struct LeagueOnDisk {
    League LeagueRecord;
    std::vector<Team> Teams;
    Bytes RosterFile;

    static LeagueOnDisk Read(const std::filesystem::path& base);
    // The 50 places of team t (empty places are all-zero records).
    std::vector<Player> Roster(int team) const;
};

std::filesystem::path WithExt(const std::filesystem::path& base, const char* extension);

// Team record t of a team file (such as the working copy swp.t).
Team ReadTeamRecord(const std::filesystem::path& teamFile, int team);

// A record's text as korvel-cli prints it: without trailing blanks, in UTF-8.
template <std::size_t N>
std::string Printed(const FixedText<N>& text);

// A temporary folder holding a league folder "league" and a separate start folder "start".
class CliFixtureFolders {
  public:
    CliFixtureFolders();
    const std::filesystem::path& Start() const { return start_; }
    std::filesystem::path LeagueBase(const std::string& name) const { return leagues_ / name; }
    // -C START --league BASE, then the given arguments.
    std::vector<std::string> With(const std::filesystem::path& base,
                                  std::vector<std::string> args) const;

  private:
    TempFolder folder_;
    std::filesystem::path start_;
    std::filesystem::path leagues_;
};

}  // namespace korvel::test

#include "league/Condense.h"
#include "platform/Text1252.h"

template <std::size_t N>
std::string korvel::test::Printed(const FixedText<N>& text) {
    return Windows1252ToUtf8(Condense(text.Str()));
}

namespace korvel::test {
// korvel-cli ARGS run in this process, as the program would run them.
RunResult RunCliInProcess(const std::vector<std::string>& args);
}  // namespace korvel::test
