#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "cli/CliRun.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

constexpr int kTeam = 0;

Player Renamed(Player player, const char* name) {
    player.Name = FixedText<22>::FromString(name);
    return player;
}

// The demo league of a start folder, edited as the simulation would between two game days.
class BriefingCommand : public testing::Test {
  public:
    void SetUp() override {
        base = folders.LeagueBase("day");
        MakeLeague(base, {"--teams", "6", "--seed", "11"});
    }
    json Briefing() {
        const RunResult run =
            RunCliInProcess(folders.With(base, {"--team", "0", "briefing", "--json"}));
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        return run.Json();
    }
    void EditTeam(const std::function<void(Team&)>& edit) {
        Bytes file = ReadWholeFile(WithExt(base, ".tms"));
        Team team = DecodeRecord<Team>(std::span(file).subspan(0, RecordLayout<Team>::Size));
        edit(team);
        EncodeValue(team, file.data());
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
    int EmptyPlace() const {
        const auto roster = LeagueOnDisk::Read(base).Roster(kTeam);
        for (int i = 0; i < kRosterPlaces; ++i) {
            if (roster[static_cast<std::size_t>(i)].IsEmptyPlace()) return i;
        }
        return -1;
    }
    void Waive(Player player, const char* name) {
        WaiverEntry entry;
        entry.Player = Renamed(player, name);
        const auto bytes = EncodeRecord(entry);
        Bytes list = ReadWholeFile(WithExt(base, ".wvr"));
        list.insert(list.end(), bytes.begin(), bytes.end());
        WriteWholeFile(WithExt(base, ".wvr"), list);
    }
    Player PlayerAt(int index) const { return LeagueOnDisk::Read(base).Roster(kTeam)[index]; }

    CliFixtureFolders folders;
    fs::path base;
};

// One game day per row: what the league's files got, and what the briefing says of it.
struct GameDayCase {
    const char* Name;
    std::function<void(BriefingCommand&)> Before;  // the state of the previous game day
    std::function<void(BriefingCommand&)> Day;
    std::function<json(BriefingCommand&, const json& first)> Expected;  // key -> value
};

const GameDayCase kCases[] = {
    {"Win",
     {},
     [](BriefingCommand& t) {
         t.EditTeam([](Team& team) {
             ++team.Wins[0];
             team.GoalsFor += 3;
         });
     },
     [](BriefingCommand&, const json& first) {
         json now = first["Record"]["Now"];
         now["W"] = now["W"].get<int>() + 1;
         now["PTS"] = now["PTS"].get<int>() + 2;
         now["GF"] = now["GF"].get<int>() + 3;
         return json{{"/Record/Now", now}, {"/Record/Before", first["Record"]["Now"]}};
     }},
    {"Loss",
     {},
     [](BriefingCommand& t) {
         t.EditTeam([](Team& team) {
             ++team.Losses[0];
             team.GoalsAgainst += 4;
         });
     },
     [](BriefingCommand&, const json& first) {
         json now = first["Record"]["Now"];
         now["L"] = now["L"].get<int>() + 1;
         now["GA"] = now["GA"].get<int>() + 4;
         return json{{"/Record/Now", now}};
     }},
    {"NewInjury",
     {},
     [](BriefingCommand& t) {
         t.EditPlayer(
             2, [](Player& p) { p.Status = static_cast<std::uint8_t>(p.Status / 100 * 100 + 2); });
     },
     [](BriefingCommand& t, const json&) {
         return json{{"/Injuries", json::array({{{"Index", 2},
                                                 {"Name", Printed(t.PlayerAt(2).Name)},
                                                 {"Before", nullptr},
                                                 {"Now", "1W"},
                                                 {"Change", "new"}}})}};
     }},
    {"Healed", [](BriefingCommand& t) { t.EditPlayer(3, [](Player& p) { p.Status = 105; }); },
     [](BriefingCommand& t) { t.EditPlayer(3, [](Player& p) { p.Status = 100; }); },
     [](BriefingCommand& t, const json&) {
         return json{{"/Injuries", json::array({{{"Index", 3},
                                                 {"Name", Printed(t.PlayerAt(3).Name)},
                                                 {"Before", "3M"},
                                                 {"Now", nullptr},
                                                 {"Change", "healed"}}})}};
     }},
    {"Suspension",
     {},
     [](BriefingCommand& t) { t.EditPlayer(4, [](Player& p) { p.Suspension = 3; }); },
     [](BriefingCommand& t, const json&) {
         return json{{"/Suspensions", json::array({{{"Index", 4},
                                                    {"Name", Printed(t.PlayerAt(4).Name)},
                                                    {"Before", 0},
                                                    {"Now", 3}}})}};
     }},
    {"Arrives",
     {},
     [](BriefingCommand& t) {
         const int place = t.EmptyPlace();
         const Player signed_ = Renamed(t.PlayerAt(0), "Newly Arrived");
         t.EditPlayer(place, [&](Player& p) { p = signed_; });
     },
     [](BriefingCommand& t, const json&) {
         const int place = t.EmptyPlace();  // the place the day fills
         return json{{"/Arrived", json::array({{{"Index", place}, {"Name", "Newly Arrived"}}})},
                     {"/Left", json::array()}};
     }},
    {"Leaves",
     {},
     [](BriefingCommand& t) { t.EditPlayer(5, [](Player& p) { p = Player{}; }); },
     [](BriefingCommand& t, const json&) {
         return json{
             {"/Left", json::array({{{"Index", 5}, {"Name", Printed(t.PlayerAt(5).Name)}}})},
             {"/Arrived", json::array()}};
     }},
    // A waiver list changes whenever a manager waives someone; only the simulation's files make a
    // game day, so this one is played too.
    {"NewWaiverEntry", [](BriefingCommand& t) { t.Waive(t.PlayerAt(7), "Waived Earlier"); },
     [](BriefingCommand& t) {
         Player best = t.PlayerAt(6);
         for (auto& skill : best.Skills) skill = 99;
         t.Waive(best, "Waived Today");
         t.EditTeam([](Team& team) { ++team.Ties[0]; });
     },
     [](BriefingCommand& t, const json&) {
         const char* position[] = {"C", "LW", "RW", "D", "G"};
         return json{{"/Waivers", json::array({{{"Name", "Waived Today"},
                                                {"Position", position[t.PlayerAt(6).Position]},
                                                {"OV", 99},
                                                {"OF", 99},
                                                {"DF", 99}}})}};
     }},
};

TEST_F(BriefingCommand, EachGameDayChangeIsReported) {
    for (const GameDayCase& row : kCases) {
        SCOPED_TRACE(row.Name);
        fs::remove_all(folders.Start());
        fs::create_directories(folders.Start());
        SetUp();
        if (row.Before) row.Before(*this);
        const json first = Briefing();
        EXPECT_FALSE(first["Previous"].get<bool>());
        EXPECT_TRUE(first["Record"]["Before"].is_null());
        const json expected = row.Expected(*this, first);  // read before the day changes places
        row.Day(*this);
        const json day = Briefing();
        EXPECT_TRUE(day["Previous"].get<bool>());
        for (const auto& [pointer, value] : expected.items()) {
            EXPECT_EQ(day[json::json_pointer(pointer)], value) << pointer;
        }
        // Asked again without a new game day: the same answer, the baseline did not move.
        EXPECT_EQ(Briefing(), day);
    }
}

TEST_F(BriefingCommand, AnUnusableHistoryIsSetAsideAndTheBriefingStartsAfresh) {
    const fs::path history = folders.Start() / "korvel.days";
    Briefing();
    EditTeam([](Team& team) { ++team.Wins[0]; });
    ASSERT_TRUE(Briefing()["Previous"].get<bool>());
    const Bytes whole = ReadWholeFile(history);
    struct Damage {
        const char* Said;
        Bytes Content;
    };
    Bytes newer = whole;
    newer[17] = 9;  // the format version, after the magic line
    const Damage damages[] = {{"cut short", Bytes(whole.begin(), whole.begin() + whole.size() / 2)},
                              {"newer Korvel", newer},
                              {"not a game-day history", Bytes{'x', 'y'}}};
    int n = 0;
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.Said);
        WriteWholeFile(history, damage.Content);
        const RunResult run =
            RunCliInProcess(folders.With(base, {"--team", "0", "briefing", "--json"}));
        EXPECT_EQ(run.ExitCode, 0);
        const fs::path aside = history.native() + ".bad-" + std::to_string(++n);
        EXPECT_NE(run.Err.find(damage.Said), std::string::npos) << run.Err;
        EXPECT_NE(run.Err.find(aside.string()), std::string::npos) << run.Err;
        EXPECT_TRUE(FileHolds(aside, damage.Content));
        EXPECT_FALSE(run.Json()["Previous"].get<bool>());
        // The fresh history holds this game day: the next look compares with it.
        EXPECT_TRUE(FileExists(history));
    }
    // Another league made under the same base path: its days are not compared with the old ones.
    MakeLeague(base, {"--teams", "8", "--seed", "11"});
    const RunResult other =
        RunCliInProcess(folders.With(base, {"--team", "0", "briefing", "--json"}));
    EXPECT_NE(other.Err.find("another league"), std::string::npos) << other.Err;
    EXPECT_TRUE(FileExists(history.native() + ".bad-" + std::to_string(++n)));
    EXPECT_FALSE(other.Json()["Previous"].get<bool>());
}

// A history Korvel wrote in its first format: the league's files whole, eight bytes at a time
// into one checksum.
TEST_F(BriefingCommand, AHistoryOfTheFirstFormatStillGivesThePreviousDay) {
    const fs::path history = folders.Start() / "korvel.days";
    Briefing();
    const std::string magic = "KORVEL GAME DAYS\n";
    Bytes first(magic.begin(), magic.end());
    const auto put = [&](std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) first.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto block = [&](const Bytes& bytes, int width) {
        put(bytes.size(), width);
        first.insert(first.end(), bytes.begin(), bytes.end());
    };
    put(1, 2);  // the format
    put(1, 2);  // one league
    const std::string key = base.lexically_normal().string();
    block(Bytes(key.begin(), key.end()), 2);
    const Bytes league = ReadWholeFile(WithExt(base, ".lge"));
    first.insert(first.end(), league.begin(), league.begin() + 26);  // its name and LastTeam
    put(1, 1);  // one game day
    block(ReadWholeFile(WithExt(base, ".tms")), 4);
    block(ReadWholeFile(WithExt(base, ".ros")), 4);
    block(fs::exists(WithExt(base, ".wvr")) ? ReadWholeFile(WithExt(base, ".wvr")) : Bytes{}, 4);
    std::uint64_t sum = 0xcbf29ce484222325ULL;
    std::size_t at = 0;
    for (; at + 8 <= first.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, first.data() + at, 8);
        sum = (sum ^ word) * 0x100000001b3ULL;
        sum ^= sum >> 29;
    }
    for (; at < first.size(); ++at) sum = (sum ^ first[at]) * 0x100000001b3ULL;
    for (int i = 0; i < 8; ++i) first.push_back(static_cast<std::uint8_t>(sum >> (8 * i)));
    WriteWholeFile(history, first);
    EditTeam([](Team& team) { ++team.Wins[0]; });
    EXPECT_TRUE(Briefing()["Previous"].get<bool>());
    EXPECT_FALSE(FileExists(history.native() + ".bad-1"));
}

}  // namespace
}  // namespace korvel::test
