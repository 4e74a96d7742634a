// korvel-make-league: writes a generated league (BASE.lge, .tms, .ros and an empty .wvr) and the
// teams' lines passwords (PASSWORDS.txt beside it).

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/Version.h"
#include "generator/LeagueGenerator.h"
#include "league/Condense.h"
#include "league/Records.h"
#include "platform/Console.h"
#include "platform/Files.h"
#include "platform/PeopleText.h"
#include "platform/Text1252.h"
#include "platform/Utf8Paths.h"

namespace {

using namespace korvel;
namespace fs = std::filesystem;

constexpr int kBadUse = 2;
constexpr std::size_t kTeamSize = RecordLayout<Team>::Size;
constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;

// "demo.lge" names the same league as "demo".
fs::path BaseOf(fs::path path) {
    for (const char* extension : {".lge", ".tms", ".ros", ".wvr"}) {
        if (path.extension() == extension) return path.replace_extension();
    }
    return path;
}

std::string Shown(std::string_view windows1252) {
    return Condense(Windows1252ToUtf8(windows1252));
}

template <std::size_t N>
std::string Shown(const FixedText<N>& text) {
    return Shown(std::string_view(text.Bytes.data(), N));
}

std::string Summary(const fs::path& base, const gen::GeneratedLeague& files,
                    const gen::GeneratorOptions& options) {
    const auto league = DecodeRecord<League>(files.LeagueFile);
    const int teams = league.LastTeam + 1;
    std::array<std::array<int, 2>, 2> perDivision{};
    for (int t = 0; t < teams; ++t) {
        const auto team = DecodeRecord<Team>(
            std::span(files.TeamFile).subspan(static_cast<std::size_t>(t) * kTeamSize, kTeamSize));
        ++perDivision[team.Conference % 2][team.Division % 2];
    }
    int players = 0;
    for (std::size_t at = 0; at < files.RosterFile.size(); at += kPlayerSize) {
        if (files.RosterFile[at] != 0) ++players;
    }

    std::string text = "Wrote the league \"" + Shown(league.LeagueName) + "\" to " + Utf8Of(base) +
                       ".lge, .tms, .ros and an empty .wvr: " + std::to_string(teams) +
                       (teams == 1 ? " team" : " teams");
    for (std::size_t c = 0; c < 2; ++c) {
        const Conference& conference = league.Conferences[c];
        text += std::string(c == 0 ? " (" : "; ") + Shown(conference.ConfName) + " conference " +
                std::to_string(perDivision[c][0] + perDivision[c][1]) + ": " +
                Shown(conference.Divisions[0].DivName) + " " + std::to_string(perDivision[c][0]) +
                ", " + Shown(conference.Divisions[1].DivName) + " " +
                std::to_string(perDivision[c][1]);
    }
    text += "), " + std::to_string(players) + " players. Seed " + std::to_string(options.Seed) +
            (options.AllTeamsReady ? ", every team ready for its next game."
                                   : ", some teams not ready for their next game.");
    return text;
}

struct TeamPassword {
    int TeamIndex;
    std::string Team;
    std::string Password;
};

std::vector<TeamPassword> Passwords(const gen::GeneratedLeague& files) {
    const auto league = DecodeRecord<League>(files.LeagueFile);
    std::vector<TeamPassword> passwords;
    for (int t = 0; t <= league.LastTeam; ++t) {
        const auto team = DecodeRecord<Team>(
            std::span(files.TeamFile).subspan(static_cast<std::size_t>(t) * kTeamSize, kTeamSize));
        passwords.push_back({t, Shown(team.Name), Shown(team.Password)});
    }
    return passwords;
}

// Each team's lines password, one team a line: what a manager types for Save Lines.
fs::path WritePasswords(const fs::path& base, const std::vector<TeamPassword>& passwords) {
    std::string text = "# Lines password of each team of " + Utf8Of(base.filename()) +
                       ": index, team, password (what Save Lines asks for)\n";
    for (const TeamPassword& entry : passwords) {
        text += std::to_string(entry.TeamIndex) + "\t" + entry.Team + "\t" + entry.Password + "\n";
    }
    const fs::path file = base.parent_path() / "PASSWORDS.txt";
    const std::string forPeople = TextForPeople(text);
    WriteWholeFile(file, Bytes(forPeople.begin(), forPeople.end()));
    return file;
}

nlohmann::json ToJson(const fs::path& base, const fs::path& passwordsFile,
                      const std::vector<TeamPassword>& passwords) {
    nlohmann::json teams = nlohmann::json::array();
    for (const TeamPassword& entry : passwords) {
        teams.push_back(
            {{"TeamIndex", entry.TeamIndex}, {"Team", entry.Team}, {"Password", entry.Password}});
    }
    return {{"League", Utf8Of(base)}, {"PasswordsFile", Utf8Of(passwordsFile)}, {"Teams", teams}};
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Writes a generated ice-hockey league: BASE.lge, BASE.tms, BASE.ros and an empty "
        "BASE.wvr. The same options always give the same files.",
        "korvel-make-league"};
    app.set_help_flag("-h,--help", "Print this help and exit.");
    app.set_version_flag("--version", std::string("korvel-make-league ") + kVersion,
                         "Print the version and exit.");
    gen::GeneratorOptions options;
    bool notReady = false;
    std::string base;
    // The descriptions are sentences, and the names short, so that each option reads as one
    // entry in the help and the man page made from it.
    app.add_option(
           "--seed", options.Seed,
           "Seed of the generator, 0 to 4294967295 (default " + std::to_string(options.Seed) + ").")
        ->type_name("N");
    app.add_option("--teams", options.Teams,
                   "Number of teams, 1 to 50 (default " + std::to_string(options.Teams) + ").")
        ->check(CLI::Range(1, kMaxTeams).description(""))
        ->type_name("N");
    app.add_option("--games", options.GamesPlayed,
                   "Games each team has played, 0 to 82 (0: the season has not started); by "
                   "default the seed chooses 20 to 50.")
        ->check(CLI::Range(0, 82).description(""))
        ->type_name("N");
    app.add_flag("--not-ready", notReady,
                 "Leave every third team (from the second) without a valid game roster: 19 or "
                 "21 dressed players, or an injured dressed player.");
    bool json = false;
    app.add_flag("--json", json,
                 "Print {\"League\", \"PasswordsFile\", \"Teams\": [{\"TeamIndex\", \"Team\", "
                 "\"Password\"}]} instead of the summary.");
    app.add_option("BASE", base,
                   "Base path of the league files, without extension, in a folder that exists.")
        ->required()
        ->type_name("");

    UseUtf8Output();
    const std::vector<std::string> args = Utf8Arguments(argc, argv);
    std::vector<const char*> argvUtf8;
    for (const std::string& arg : args) argvUtf8.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(argvUtf8.size()), argvUtf8.data());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : kBadUse;
    }
    options.AllTeamsReady = !notReady;

    const fs::path basePath = BaseOf(PathFromUtf8(base));
    if (basePath.filename().empty()) {
        std::cerr << "korvel-make-league: BASE must end in a file name, not a folder: " << base
                  << "\n";
        return kBadUse;
    }
    try {
        const gen::GeneratedLeague files = gen::GenerateLeague(options);
        gen::WriteLeague(basePath, files);
        const auto passwords = Passwords(files);
        const fs::path passwordsFile = WritePasswords(basePath, passwords);
        if (json) {
            std::cout << ToJson(basePath, passwordsFile, passwords).dump(2) << "\n";
        } else {
            std::cout << Summary(basePath, files, options)
                      << " Lines passwords: " << Utf8Of(passwordsFile) << "\n";
        }
    } catch (const std::exception& error) {
        std::cerr << "korvel-make-league: the league was not written: " << error.what() << "\n";
        return kBadUse;
    }
    return 0;
}
