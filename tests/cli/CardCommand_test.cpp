#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;
using testing::HasSubstr;
using testing::StartsWith;

constexpr int kTeam = 2;

class CardCommand : public testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "4", "--seed", "11"});
        roster = LeagueOnDisk::Read(base).Roster(kTeam);
    }

    // The first place of the team holding a goalie (or, with goalie false, a skater).
    int FirstPlace(bool goalie) const {
        for (int index = 0; index < kRosterPlaces; ++index) {
            const Player& player = roster[index];
            if (player.Name.FirstCode() != 0 && (player.Position == Goalie) == goalie) return index;
        }
        ADD_FAILURE() << "no such player in the generated team";
        return 0;
    }

    RunResult Card(std::vector<std::string> args) const {
        args.insert(args.begin(), {"card", "--team", std::to_string(kTeam)});
        return RunCli(folders.With(base, args));
    }

    CliFixtureFolders folders;
    fs::path base;
    std::vector<Player> roster;
};

std::vector<std::string> KeysOf(const json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) keys.push_back(key);
    return keys;
}

TEST_F(CardCommand, JsonHoldsEveryFieldOfASkatersCard) {
    const int index = FirstPlace(false);
    const Player& player = roster[index];
    const RunResult run = Card({std::to_string(index), "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json card = run.Json();
    EXPECT_THAT(KeysOf(card),
                testing::UnorderedElementsAre("Team", "TeamIndex", "Index", "Fields", "Captions"));
    EXPECT_EQ(card["TeamIndex"], kTeam);
    EXPECT_EQ(card["Index"], index);

    const json& fields = card["Fields"];
    EXPECT_EQ(fields.size(), 13u + 14u + 1u + 12u);
    EXPECT_EQ(fields["Label1"],
              Printed(player.Name) + " (" + card["Team"].get<std::string>() + ")");
    EXPECT_EQ(fields["HgtValue"], std::to_string(player.Height));
    EXPECT_EQ(fields["lblSkill(9)"], std::to_string(player.Skills[Defence]));
    EXPECT_EQ(fields["lblGT"], std::to_string(player.GTGoals));
    EXPECT_EQ(card["Captions"]["lblShoot"], "Sh%");
    EXPECT_EQ(KeysOf(card["Captions"]).size(), 12u);
    for (const auto& [name, text] : fields.items()) EXPECT_TRUE(text.is_string()) << name;
}

TEST_F(CardCommand, JsonOfAGoalieLeavesOutTheHiddenField) {
    const RunResult run = Card({std::to_string(FirstPlace(true)), "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json card = run.Json();
    EXPECT_FALSE(card["Fields"].contains("lblGT"));
    EXPECT_FALSE(card["Captions"].contains("lblGT"));
    EXPECT_EQ(card["Fields"]["lblSkill(10)"], "N/A");
    EXPECT_EQ(card["Captions"]["lblG"], "W");
    EXPECT_EQ(card["Captions"]["lblShoot"], "Sv%");
}

TEST_F(CardCommand, HeightClicksToggleTheHeight) {
    const int index = FirstPlace(false);
    const std::string centimetres = std::to_string(roster[index].Height * 5 / 2);
    EXPECT_THAT(Card({std::to_string(index), "--json", "--height-clicks", "1"})
                    .Json()["Fields"]["lblHgt"]
                    .get<std::string>(),
                StartsWith(centimetres));
    EXPECT_THAT(Card({std::to_string(index), "--json", "--height-clicks", "2"})
                    .Json()["Fields"]["lblHgt"]
                    .get<std::string>(),
                HasSubstr(" ft "));
}

TEST_F(CardCommand, TextShowsOneLinePerVisibleField) {
    const int index = FirstPlace(true);
    const RunResult run = Card({std::to_string(index)});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_THAT(run.Out, StartsWith(Printed(roster[index].Name) + " ("));
    EXPECT_THAT(run.Out,
                HasSubstr("\nPOS: G\nNUM: " + std::to_string(roster[index].Number) + "\n"));
    EXPECT_THAT(run.Out, HasSubstr("\nDefence: N/A\n"));
    EXPECT_EQ(run.Out.find("HgtValue"), std::string::npos);
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 13 + 14 + 11);
}

TEST_F(CardCommand, RefusesPlacesWithoutAPlayerAndBadArguments) {
    int empty = -1;
    for (int index = 0; index < kRosterPlaces && empty < 0; ++index) {
        if (roster[index].Name.FirstCode() == 0) empty = index;
    }
    ASSERT_GE(empty, 0) << "the generated team has no empty place";
    struct Row {
        std::vector<std::string> Args;
        int ExitCode;
        std::string Message;
    };
    const std::vector<Row> rows{
        {{"50"}, 1, "Player Info: There is no roster place 50"},
        {{"--", "-1"}, 1, "Player Info: There is no roster place -1"},
        {{std::to_string(empty)}, 1, "Player Info: Roster place " + std::to_string(empty)},
        {{"abc"}, 2, "INDEX"},
        {{}, 2, "INDEX is required"},
        {{"3", "--height-clicks", "-1"}, 2, "--height-clicks"},
    };
    for (const auto& row : rows) {
        const RunResult run = Card(row.Args);
        SCOPED_TRACE(testing::PrintToString(row.Args));
        EXPECT_EQ(run.ExitCode, row.ExitCode);
        EXPECT_THAT(run.Err, HasSubstr(row.Message));
        EXPECT_EQ(run.Out, "");
    }
}

}  // namespace
}  // namespace korvel::test
