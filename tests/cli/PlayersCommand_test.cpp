#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/CliRun.h"
#include "ratings/Ratings.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

const char* const kPositions[] = {"C", "LW", "RW", "D", "G"};

json ExpectedPlayers(const LeagueOnDisk& league, int team) {
    json players = json::array();
    const auto roster = league.Roster(team);
    for (int index = 0; index < kRosterPlaces; ++index) {
        const Player& player = roster[index];
        if (player.Name.FirstCode() == 0) continue;
        const auto overall = OverallOf(player);
        players.push_back({{"Index", index},
                           {"Name", Printed(player.Name)},
                           {"Position", player.Position < 5 ? kPositions[player.Position] : "?"},
                           {"Status", player.Status},
                           {"Suspension", player.Suspension},
                           {"Overall", overall ? json(*overall) : json(nullptr)},
                           {"OffenseRating", OffenseRatingOf(player)},
                           {"DefenseRating", DefenseRatingOf(player)}});
    }
    return players;
}

class PlayersCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "10", "--seed", "5"});
        league = LeagueOnDisk::Read(base);
    }
    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

TEST_F(PlayersCommand, JsonListsEveryOccupiedPlaceOfTheTeam) {
    for (int team : {0, 7, 9}) {
        SCOPED_TRACE(team);
        const RunResult run =
            RunCli(folders.With(base, {"players", "--json", "--team", std::to_string(team)}));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const json result = run.Json();
        EXPECT_EQ(result["Team"], Printed(league.Teams[team].Name));
        EXPECT_EQ(result["TeamIndex"], team);
        const json expected = ExpectedPlayers(league, team);
        ASSERT_GE(expected.size(), 30u);
        ASSERT_LT(expected.size(), 50u) << "the generated team has empty places to skip";
        EXPECT_EQ(result["Players"], expected);
    }
}

TEST_F(PlayersCommand, DefaultTeamIsTheCurrentTeamAfterLoading) {
    const RunResult league = RunCli(folders.With(base, {"league", "--json"}));
    ASSERT_EQ(league.ExitCode, 0) << league.Err;
    const int current = league.Json()["CurrentTeam"];
    const RunResult players = RunCli(folders.With(base, {"players", "--json"}));
    ASSERT_EQ(players.ExitCode, 0) << players.Err;
    EXPECT_EQ(players.Json()["TeamIndex"], current);
}

TEST_F(PlayersCommand, UnknownPositionHasNoOverall) {
    // Give the first player of team 2 a position code outside 0 to 4, in the league's own file.
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    const std::size_t first = 2 * kRosterPlaces * RecordLayout<Player>::Size;
    roster[first + 22] = 9;
    WriteWholeFile(WithExt(base, ".ros"), roster);

    const RunResult run = RunCli(folders.With(base, {"players", "--json", "--team", "2"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json result = run.Json();
    const json& player = result["Players"][0];
    EXPECT_EQ(player["Index"], 0);
    EXPECT_TRUE(player["Overall"].is_null()) << player;
    EXPECT_EQ(player["Position"], "?");

    const RunResult text = RunCli(folders.With(base, {"players", "--team", "2"}));
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    EXPECT_NE(text.Out.find(Printed(LeagueOnDisk::Read(base).Roster(2)[0].Name)),
              std::string::npos);
}

std::size_t Utf8Length(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The character column at which `piece` starts in `line`, searching from byte `from`.
std::size_t ColumnOf(const std::string& line, const std::string& piece, std::size_t from = 0) {
    const std::size_t at = line.find(piece, from);
    if (at == std::string::npos) return std::string::npos;
    return Utf8Length(line.substr(0, at));
}

TEST_F(PlayersCommand, TextHasOneAlignedLinePerPlayer) {
    const int team = 1;
    const RunResult run = RunCli(folders.With(base, {"players", "--team", std::to_string(team)}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("Team 1: " + Printed(league.Teams[team].Name) + "\n", 0), 0u)
        << run.Out;

    std::vector<std::string> lines;
    std::istringstream stream(run.Out);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    const auto header = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.find("Index") == 0; });
    ASSERT_NE(header, lines.end()) << run.Out;
    const std::size_t nameColumn = ColumnOf(*header, "Name");
    const std::size_t statusEnd = ColumnOf(*header, "Status") + 6;

    const json expected = ExpectedPlayers(league, team);
    ASSERT_LT(static_cast<std::size_t>(header - lines.begin()) + expected.size(), lines.size());
    bool sawAccentedName = false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::string& line = *(header + 1 + static_cast<std::ptrdiff_t>(i));
        const std::string name = expected[i]["Name"];
        const std::string status = std::to_string(expected[i]["Status"].get<int>());
        SCOPED_TRACE(line);
        std::istringstream fields(line);
        int index = -1;
        fields >> index;
        EXPECT_EQ(index, expected[i]["Index"]);
        EXPECT_EQ(ColumnOf(line, name), nameColumn);
        // Status is the first number after the name, right-aligned under its header.
        const std::size_t afterName = line.find(name) + name.size();
        EXPECT_EQ(ColumnOf(line, " " + status + " ", afterName) + 1 + status.size(), statusEnd);
        sawAccentedName = sawAccentedName || Utf8Length(name) != name.size();
    }
    EXPECT_TRUE(sawAccentedName) << "no accented name checked for alignment";
}

}  // namespace
}  // namespace korvel::test
