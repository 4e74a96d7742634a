#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "session/TeamSession.h"
#include "support/ScriptedUi.h"
#include "windows/roster/Roster.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;

class RosterCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "6", "--seed", "5"});
    }
    std::vector<std::string> Roster(int team, std::vector<std::string> args) const {
        args.insert(args.begin(), {"roster", "--team", std::to_string(team)});
        return folders.With(base, args);
    }
    Bytes WorkingRoster() const { return ReadWholeFile(folders.Start() / "swp.r"); }
    // Byte `offset` of player `index` of `team` in the league's roster file.
    std::uint8_t& RosterByte(Bytes& roster, int team, int index, std::size_t offset) const {
        return roster[(static_cast<std::size_t>(team) * kRosterPlaces + index) * kPlayerSize +
                      offset];
    }

    CliFixtureFolders folders;
    fs::path base;
};

std::vector<int> IndexesAt(const std::vector<Player>& roster, int place) {
    std::vector<int> indexes;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = roster[i];
        if (player.IsEmptyPlace() || player.WaiverMark != 0) continue;
        const int working = InjuryOf(player.Status) > 0 ? Scratch : PlaceOf(player.Status);
        if (working == place) indexes.push_back(i);
    }
    return indexes;
}

TEST_F(RosterCommand, AutoKeepStoresExactlyWhatTheWindowStores) {
    const int team = 3;
    // Two undressed players go on waivers; one of them already stands in the waiver list.
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    const auto players = LeagueOnDisk::Read(base).Roster(team);
    std::vector<int> waived;
    for (int i = 0; i < kRosterPlaces && waived.size() < 2; ++i) {
        if (!players[i].IsEmptyPlace() && players[i].Status < 200) waived.push_back(i);
    }
    ASSERT_EQ(waived.size(), 2u);
    for (int i : waived) RosterByte(roster, team, i, 75) = 1;
    WriteWholeFile(WithExt(base, ".ros"), roster);
    WaiverEntry listed;
    listed.Player = players[waived[0]];
    listed.Player.Age = 99;
    const auto entry = EncodeRecord(listed);
    const Bytes waivers(entry.begin(), entry.end());
    WriteWholeFile(WithExt(base, ".wvr"), waivers);

    // The same presses in the window itself, on a copy of the league.
    const fs::path copyBase = folders.LeagueBase("copy") / "demo";
    fs::create_directories(copyBase.parent_path());
    for (const char* extension : {".lge", ".tms", ".ros", ".wvr"}) {
        fs::copy_file(WithExt(base, extension), WithExt(copyBase, extension));
    }
    const fs::path copyStart = copyBase.parent_path() / "start";
    fs::create_directories(copyStart);
    Variables vars;
    InitialiseVariables(vars, copyStart);
    InstallLeague(vars, ReadLeagueFiles(copyBase));
    vars.CurrentTeam = team;
    LoadTeam(vars, team, 0);
    ScriptedUi ui;
    TeamSession session(vars);
    korvel::Roster window(session, ui);
    window.Form_Load();
    window.cmdAuto_Click();
    ui.ExpectQuestion("Keep Roster Changes?", Answer::Yes);
    window.cmdExit_Click();
    ASSERT_TRUE(window.IsUnloaded());

    const RunResult run = RunCli(Roster(team, {"--auto", "--keep", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(WorkingRoster(), ReadWholeFile(copyStart / "swp.r"));
    EXPECT_EQ(ReadWholeFile(WithExt(base, ".wvr")), ReadWholeFile(WithExt(copyBase, ".wvr")));
    EXPECT_EQ(ReadWholeFile(WithExt(base, ".wvr")).size(), 2 * RecordLayout<WaiverEntry>::Size);

    const json result = run.Json();
    EXPECT_EQ(result["Kept"], true);
    EXPECT_EQ(result["Dressed"], 20);
    EXPECT_EQ(result["RosterComplete"], true);
    EXPECT_EQ(result["TeamIndex"], team);
    const auto stored = LeagueOnDisk{{}, {}, WorkingRoster()}.Roster(team);
    EXPECT_EQ(result["GameRoster"], json(IndexesAt(stored, Dressed)));
    EXPECT_EQ(result["Scratches"], json(IndexesAt(stored, Scratch)));
    EXPECT_EQ(result["Farm"], json(IndexesAt(stored, Farm)));
    for (int i : waived) EXPECT_TRUE(stored[i].IsEmptyPlace()) << i;
}

TEST_F(RosterCommand, WithoutKeepPrintsTheListsAndStoresNothing) {
    const int team = 2;
    const auto players = LeagueOnDisk::Read(base).Roster(team);
    const RunResult shown = RunCli(Roster(team, {"--json"}));
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    const Bytes before = WorkingRoster();
    const json result = shown.Json();
    EXPECT_EQ(result["Team"], Printed(LeagueOnDisk::Read(base).Teams[team].Name));
    EXPECT_EQ(result["GameRoster"], json(IndexesAt(players, Dressed)));
    EXPECT_EQ(result["Scratches"], json(IndexesAt(players, Scratch)));
    EXPECT_EQ(result["Farm"], json(IndexesAt(players, Farm)));
    // Each list's names stand beside its indexes, in the same order.
    for (const char* list : {"GameRoster", "Scratches", "Farm"}) {
        ASSERT_EQ(result[std::string(list) + "Names"].size(), result[list].size()) << list;
        for (std::size_t n = 0; n < result[list].size(); ++n) {
            EXPECT_EQ(result[std::string(list) + "Names"][n],
                      Printed(players[result[list][n].get<int>()].Name));
        }
    }
    EXPECT_EQ(result["Dressed"], 20);
    EXPECT_EQ(result["RosterComplete"], true);
    EXPECT_EQ(result["Kept"], false);
    EXPECT_EQ(result["PositionCount"]["G"], 2);
    EXPECT_EQ(result["Missing"], json::array());

    const RunResult automatic = RunCli(Roster(team, {"--auto"}));
    ASSERT_EQ(automatic.ExitCode, 0) << automatic.Err;
    EXPECT_NE(automatic.Err.find("Edit Roster: Changes were not saved"), std::string::npos);
    EXPECT_NE(automatic.Out.find("Game Roster (20)\n"), std::string::npos) << automatic.Out;
    EXPECT_NE(automatic.Out.find("\n20 Total Players, Roster Complete\n"), std::string::npos);
    const int first = IndexesAt(players, Farm).front();
    EXPECT_NE(automatic.Out.find(std::to_string(first) + "  " + Printed(players[first].Name)),
              std::string::npos);
    EXPECT_EQ(WorkingRoster(), before);
}

TEST_F(RosterCommand, ShowsWhatTheGameRosterLacks) {
    // A dressed defenceman of team 1 becomes a scratch, a scratched goalie is dressed.
    const int team = 1;
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    const auto players = LeagueOnDisk::Read(base).Roster(team);
    const auto findAt = [&](int place, std::uint8_t position) {
        for (int i = 0; i < kRosterPlaces; ++i) {
            const Player& player = players[i];
            if (!player.IsEmptyPlace() && player.WaiverMark == 0 &&
                player.Status == MakeStatus(place, 0) && player.Position == position)
                return i;
        }
        return -1;
    };
    const int defenceman = findAt(Dressed, Defenceman);
    const int goalie = findAt(Scratch, Goalie);
    ASSERT_GE(defenceman, 0);
    ASSERT_GE(goalie, 0);
    RosterByte(roster, team, defenceman, 30) = MakeStatus(Scratch, 0);
    RosterByte(roster, team, goalie, 30) = MakeStatus(Dressed, 0);
    WriteWholeFile(WithExt(base, ".ros"), roster);

    const RunResult run = RunCli(Roster(team, {"--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json result = run.Json();
    EXPECT_EQ(result["PositionCount"]["D"], 5);
    EXPECT_EQ(result["PositionCount"]["G"], 3);
    EXPECT_EQ(result["Missing"], json({"1 D", "1 G too many"}));
    EXPECT_EQ(result["RosterComplete"], false);

    const RunResult text = RunCli(Roster(team, {}));
    EXPECT_NE(text.Out.find("  D 5 of at least 6 - not met\n"), std::string::npos) << text.Out;
    EXPECT_NE(text.Out.find("  G 3 of exactly 2 - not met\n"), std::string::npos);
    EXPECT_NE(text.Out.find("Missing: 1 D, 1 G too many\n"), std::string::npos);
}

TEST_F(RosterCommand, RefusalsExitOneAndStoreNothing) {
    // Team 0 keeps only 12 players: too few for Auto.
    Bytes roster = ReadWholeFile(WithExt(base, ".ros"));
    int kept = 0;
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (RosterByte(roster, 0, i, 0) == 0) continue;
        if (++kept <= 12) continue;
        for (std::size_t b = 0; b < kPlayerSize; ++b) RosterByte(roster, 0, i, b) = 0;
    }
    WriteWholeFile(WithExt(base, ".ros"), roster);
    const RunResult run = RunCli(Roster(0, {"--auto", "--keep", "--json"}));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("Auto Roster: Not enough players"), std::string::npos) << run.Err;
    EXPECT_FALSE(FileExists(folders.Start() / "swp.r")) << "a refused run saves no copy";
}

}  // namespace
}  // namespace korvel::test
