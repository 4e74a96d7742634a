#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <sstream>

#include "app/cli/Output.h"
#include "cli/CliRun.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "ratings/Ratings.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

constexpr int kTeam = 0;

// A generated league whose files are edited between loads as the simulation changes them.
class SeasonCommand : public testing::Test {
  public:
    void SetUp() override {
        base = folders.LeagueBase("season");
        MakeLeague(base, {"--teams", "6", "--seed", "17"});
    }
    RunResult Season(std::vector<std::string> args) {
        args.insert(args.begin(), {"--team", "0", "season"});
        return RunCliInProcess(folders.With(base, args));
    }
    void EditTeam(int team, const std::function<void(Team&)>& edit) {
        Bytes file = ReadWholeFile(WithExt(base, ".tms"));
        const std::size_t at = static_cast<std::size_t>(team) * RecordLayout<Team>::Size;
        Team record = DecodeRecord<Team>(std::span(file).subspan(at, RecordLayout<Team>::Size));
        edit(record);
        EncodeValue(record, file.data() + at);
        WriteWholeFile(WithExt(base, ".tms"), file);
    }
    void EditPlayer(int index, const std::function<void(Player&)>& edit) {
        Bytes file = ReadWholeFile(WithExt(base, ".ros"));
        const std::size_t at = (PlayerRecordNumber(kTeam, index) - 1) * RecordLayout<Player>::Size;
        Player player =
            DecodeRecord<Player>(std::span(file).subspan(at, RecordLayout<Player>::Size));
        edit(player);
        EncodeValue(player, file.data() + at);
        WriteWholeFile(WithExt(base, ".ros"), file);
    }
    void Waive(Player player) {
        WaiverEntry entry;
        entry.Player = player;
        const auto bytes = EncodeRecord(entry);
        Bytes list = fs::exists(WithExt(base, ".wvr")) ? ReadWholeFile(WithExt(base, ".wvr"))
                                                       : Bytes{};
        list.insert(list.end(), bytes.begin(), bytes.end());
        WriteWholeFile(WithExt(base, ".wvr"), list);
    }
    // The team's dressed centre of the lowest overall.
    int WeakestDressedCentre() const {
        const auto roster = LeagueOnDisk::Read(base).Roster(kTeam);
        int weakest = -1;
        for (int i = 0; i < kRosterPlaces; ++i) {
            const Player& p = roster[static_cast<std::size_t>(i)];
            if (p.IsEmptyPlace() || p.Position != Centre || PlaceOf(p.Status) != Dressed) continue;
            if (weakest < 0 || OverallOrZero(OverallOf(p)) <
                                   OverallOrZero(OverallOf(roster[static_cast<std::size_t>(weakest)]))) {
                weakest = i;
            }
        }
        return weakest;
    }
    std::vector<int> DressedSkaters(int count) const {
        const auto roster = LeagueOnDisk::Read(base).Roster(kTeam);
        std::vector<int> places;
        for (int i = 0; i < kRosterPlaces && static_cast<int>(places.size()) < count; ++i) {
            const Player& p = roster[static_cast<std::size_t>(i)];
            if (!p.IsEmptyPlace() && p.Position != Goalie && PlaceOf(p.Status) == Dressed) {
                places.push_back(i);
            }
        }
        return places;
    }

    CliFixtureFolders folders;
    fs::path base;
};

// Six game days after the first look: a point a day for the first of three skaters, two goals
// every other day for the second, nothing for the third; the team wins three, loses two, ties
// one; a centre better than the weakest dressed one is waived on the fifth.
TEST_F(SeasonCommand, SixGameDaysGiveSevenStatesFormAndTheWaiverWire) {
    ASSERT_EQ(Season({"--json"}).ExitCode, 0);  // the first look
    const std::vector<int> three = DressedSkaters(3);
    ASSERT_EQ(three.size(), 3u);
    const int centre = WeakestDressedCentre();
    ASSERT_GE(centre, 0);
    const char results[] = {'W', 'L', 'W', 'T', 'L', 'W'};
    for (int day = 1; day <= 6; ++day) {
        EditTeam(kTeam, [&](Team& t) {
            const char r = results[day - 1];
            (r == 'W' ? t.Wins : r == 'L' ? t.Losses : t.Ties)[0]++;
            t.GoalsFor = static_cast<std::int16_t>(t.GoalsFor + (r == 'W' ? 4 : 2));
            t.GoalsAgainst = static_cast<std::int16_t>(t.GoalsAgainst + (r == 'L' ? 4 : 2));
        });
        EditPlayer(three[0], [](Player& p) {
            ++p.GamesPlayed;
            ++p.Assists;
        });
        EditPlayer(three[1], [&](Player& p) {
            ++p.GamesPlayed;
            if (day % 2 == 0) p.Goals = static_cast<std::uint8_t>(p.Goals + 2);
        });
        EditPlayer(three[2], [](Player& p) {
            ++p.GamesPlayed;
            p.PlusMinus = static_cast<std::int16_t>(p.PlusMinus - 1);
        });
        if (day == 5) {
            Player better = LeagueOnDisk::Read(base).Roster(kTeam)[centre];
            better.Name = FixedText<22>::FromString("Waived Centre");
            better.Skills.fill(99);
            Waive(better);
        }
        const RunResult run = Season({"--json", "--last", "3"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        if (day < 6) continue;

        const json season = run.Json();
        std::cout << season.dump(1) << '\n';  // for people reading the test log
        EXPECT_EQ(season["TeamIndex"], 0);
        EXPECT_EQ(season["GameDaysKept"], 7);
        ASSERT_EQ(season["GameDays"].size(), 7u);
        const json& last = season["GameDays"][6];
        EXPECT_EQ(season["GameDays"][0]["Day"], 1);
        EXPECT_EQ(last["Day"], 7);
        EXPECT_EQ(last["W"].get<int>() - season["GameDays"][0]["W"].get<int>(), 3);
        EXPECT_EQ(last["L"].get<int>() - season["GameDays"][0]["L"].get<int>(), 2);
        EXPECT_EQ(last["T"].get<int>() - season["GameDays"][0]["T"].get<int>(), 1);
        EXPECT_EQ(last["PTS"], 2 * last["W"].get<int>() + last["T"].get<int>());
        std::vector<std::string> keys;
        for (const auto& item : last.items()) keys.push_back(item.key());
        EXPECT_EQ(keys.size(), 8u);
        for (const char* key :
             {"TeamIndex", "Team", "GameDaysKept", "GameDays", "Form", "Absences", "WaiverWire"}) {
            EXPECT_TRUE(season.contains(key)) << key;
        }

        // Over the last three game days (days 4 to 6 of the edits).
        const auto form = [&](int index) {
            for (const json& line : season["Form"]) {
                if (line["Index"] == index) return line;
            }
            return json();
        };
        EXPECT_EQ(form(three[0])["GP"], 3);
        EXPECT_EQ(form(three[0])["A"], 3);
        EXPECT_EQ(form(three[0])["PTS"], 3);
        EXPECT_EQ(form(three[1])["G"], 4) << "two goals on days 4 and 6";
        EXPECT_EQ(form(three[1])["PTS"], 4);
        EXPECT_EQ(form(three[2])["PTS"], 0);
        EXPECT_EQ(form(three[2])["PlusMinus"], -3);
        EXPECT_EQ(season["Form"][0]["Index"], three[1]) << "PTS then G, best first";

        ASSERT_FALSE(season["WaiverWire"].empty());
        const json& waived = season["WaiverWire"][0];
        EXPECT_EQ(waived["Name"], "Waived Centre");
        ASSERT_TRUE(waived["BetterThan"].is_object()) << waived.dump();
        EXPECT_EQ(waived["BetterThan"]["Index"], centre);
        EXPECT_LT(waived["BetterThan"]["OV"].get<int>(), waived["OV"].get<int>());
    }

    const RunResult text = Season({"--last", "3"});
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    std::istringstream lines(text.Out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(cli::Utf8Length(line), 80u) << line;
    }
    EXPECT_NE(text.Out.find("7 game days kept"), std::string::npos) << text.Out;
    EXPECT_NE(text.Out.find("Waived Centre"), std::string::npos);

    const RunResult csv = Season({"--csv"});
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    EXPECT_EQ(csv.Out.substr(0, csv.Out.find('\n')),
              "Index,Name,Position,GP,G,A,PTS,PlusMinus,PIM,W,L,T,GA,SO");
}

TEST_F(SeasonCommand, OneGameDayKeptSaysSoWithEveryKey) {
    const RunResult run = Season({"--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json season = run.Json();
    EXPECT_EQ(season["GameDaysKept"], 1);
    EXPECT_EQ(season["GameDays"].size(), 1u);
    EXPECT_TRUE(season["Absences"].is_array());
    EXPECT_TRUE(season["WaiverWire"].is_array());
    EXPECT_FALSE(season["Form"].empty());
    const RunResult text = Season({});
    EXPECT_NE(text.Out.find("one game day kept: the season view starts here"), std::string::npos)
        << text.Out;
}

// A run that commits nothing changes nothing: a damaged history stays where it is, and no
// ".bad-N" appears, until a run commits.
TEST_F(SeasonCommand, ARefusedRunLeavesADamagedHistoryAndEverythingElseAsItWas) {
    ASSERT_EQ(Season({}).ExitCode, 0);  // working copies and korvel.days in place
    const fs::path history = folders.Start() / "korvel.days";
    ASSERT_TRUE(fs::exists(history));
    Bytes damaged = ReadWholeFile(history);
    damaged[damaged.size() / 2] ^= 0x5a;
    WriteWholeFile(history, damaged);
    const auto snapshot = [&] {
        std::map<std::string, Bytes> files;
        for (const auto& entry : fs::directory_iterator(folders.Start())) {
            if (entry.is_regular_file()) {
                files[entry.path().filename().string()] = ReadWholeFile(entry.path());
            }
        }
        return files;
    };
    const auto before = snapshot();
    const RunResult refused =
        RunCliInProcess(folders.With(base, {"--team", "1", "prepare", "--password", "WRONG"}));
    EXPECT_EQ(refused.ExitCode, 1) << refused.Err;
    EXPECT_EQ(snapshot(), before) << "nothing changed, no .bad-N";

    const RunResult committed = Season({});
    EXPECT_EQ(committed.ExitCode, 0) << committed.Err;
    EXPECT_TRUE(fs::exists(folders.Start() / "korvel.days.bad-1"));
    EXPECT_EQ(ReadWholeFile(folders.Start() / "korvel.days.bad-1"), damaged);
}

}  // namespace
}  // namespace korvel::test
