// Writes the seed corpus of each fuzz target, from generated leagues, into FOLDER/<target>/.
// Usage: korvel-fuzz-seeds FOLDER

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "generator/LeagueGenerator.h"

namespace {

namespace fs = std::filesystem;
using korvel::Bytes;

void WriteSeed(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes Part(const Bytes& file, std::size_t start, std::size_t length) {
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(start),
                 file.begin() + static_cast<std::ptrdiff_t>(start + length));
}

void AppendLength(Bytes& out, std::size_t length) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
}

// A lines file as Save Lines writes it for team 0: its index, password, line-up and the roster
// places of its players (protection marks left clear).
Bytes LinesFileOfTeam0(const korvel::gen::GeneratedLeague& league) {
    Bytes file(226, 0);
    std::copy_n(league.TeamFile.begin() + 48, 10, file.begin() + 1);
    std::copy_n(league.TeamFile.begin() + 174, 65, file.begin() + 11);
    for (std::size_t i = 0; i < 50; ++i) file[76 + i] = league.RosterFile[i * 86 + 30];
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvel-fuzz-seeds FOLDER\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    for (const int teams : {1, 2, 4}) {
        for (const std::uint32_t seed : {1u, 2u}) {
            const auto league = korvel::gen::GenerateLeague(
                {.Seed = seed, .Teams = teams, .AllTeamsReady = seed == 1, .GamesPlayed = -1});
            const std::string name = std::to_string(teams) + "-" + std::to_string(seed);

            WriteSeed(corpus / "FuzzRecords", "league-" + name, league.LeagueFile);
            WriteSeed(corpus / "FuzzRecords", "team-" + name, Part(league.TeamFile, 0, 254));
            WriteSeed(corpus / "FuzzRecords", "player-" + name, Part(league.RosterFile, 0, 86));

            // The league, and a script of clicks: every kind of click in turn, with the roster and
            // lines windows' clicks inside them.
            Bytes framed;
            AppendLength(framed, league.LeagueFile.size());
            AppendLength(framed, league.TeamFile.size());
            AppendLength(framed, league.RosterFile.size());
            AppendLength(framed, 0);  // an empty waiver list
            const Bytes linesFile = LinesFileOfTeam0(league);
            AppendLength(framed, linesFile.size());
            for (const Bytes* file :
                 {&league.LeagueFile, &league.TeamFile, &league.RosterFile, &linesFile}) {
                framed.insert(framed.end(), file->begin(), file->end());
            }
            for (std::uint8_t click = 0; click < 9; ++click) {
                framed.insert(framed.end(), {static_cast<std::uint8_t>(click % 2), click, click});
                if (click == 4) {
                    for (std::uint8_t inner = 0; inner < 9; ++inner) {
                        framed.insert(framed.end(),
                                      {inner, static_cast<std::uint8_t>(inner + 1), 0, 1});
                    }
                }
                if (click == 5) {
                    for (std::uint8_t inner = 0; inner < 12; ++inner) {
                        framed.insert(framed.end(),
                                      {inner, static_cast<std::uint8_t>(inner + 3), 1});
                    }
                }
            }
            WriteSeed(corpus / "FuzzLeague", "league-" + name, framed);

            // A lines file of the right password over the roster's statuses.
            Bytes import;
            for (std::size_t i = 0; i < 50; ++i) import.push_back(league.RosterFile[i * 86 + 30]);
            import.push_back(static_cast<std::uint8_t>(seed == 1 ? 0x55 : 0xFF));
            Bytes lines = LinesFileOfTeam0(league);
            std::copy_n("secret    ", 10, lines.begin() + 1);
            import.insert(import.end(), lines.begin(), lines.end());
            WriteSeed(corpus / "FuzzLinesImport", "lines-" + name, import);

            // Bob and Cy waived onto a list of the league's first players and Bob, cut short.
            Bytes waivers{2, 1, 30, 2, 31};
            for (std::size_t i = 0; i < static_cast<std::size_t>(teams); ++i) {
                waivers.push_back(static_cast<std::uint8_t>(seed));
                waivers.push_back(0);
                const Bytes player = Part(league.RosterFile, i * 86, 86);
                waivers.insert(waivers.end(), player.begin(), player.end());
            }
            Bytes listed(88, 0);
            std::copy_n("Bob                   ", 22, listed.begin() + 2);
            waivers.insert(waivers.end(), listed.begin(), listed.end());
            waivers.resize(waivers.size() - 20);
            WriteSeed(corpus / "FuzzWaiverList", "waivers-" + name, waivers);
        }
    }
    const char* defaults[] = {"/leagues/DEMO\n",        "\"/x,y/ lg\"\r\n", "C:\\LG\\ABC\r\n",
                              "  /spaces,more\n",       "\"unclosed",       "",
                              "relative/league\nnext\n"};
    int n = 0;
    for (const std::string text : defaults) {
        WriteSeed(corpus / "FuzzDefaultsFile", "def-" + std::to_string(n++),
                  Bytes(text.begin(), text.end()));
    }
    return 0;
}
