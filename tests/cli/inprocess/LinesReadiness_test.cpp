// korvel-cli commands run in this process: their output, and the keys of their JSON.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/cli/Cli.h"
#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "platform/Files.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

struct Ran {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

Ran Exec(std::vector<std::string> args) {
    args.insert(args.begin(), "korvel-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    Ran ran;
    ran.ExitCode = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    ran.Out = out.str();
    ran.Err = err.str();
    return ran;
}

// A key of a JSON object; a missing key fails the test that asked, and reads as null.
json Key(const json& object, const std::string& name) {
    if (!object.is_object() || !object.contains(name)) {
        ADD_FAILURE() << "no key \"" << name << "\" in " << object.dump();
        return json();
    }
    return object.at(name);
}

std::vector<std::string> Codes(const json& problems) {
    std::vector<std::string> codes;
    for (const json& problem : problems) codes.push_back(Key(problem, "Code").get<std::string>());
    return codes;
}

class LinesReadinessCli : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        base = WriteGeneratedLeague(folder.Path(), "READY", {.Seed = 5, .Teams = 4});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    }
    Ran Lines(std::vector<std::string> args) {
        args.insert(args.begin(), {"-C", start.string(), "--team", "1", "lines", "--json"});
        return Exec(args);
    }

    TempFolder folder;
    fs::path start = folder / "start";
    fs::path base;
};

TEST_F(LinesReadinessCli, SaveLinesSaysWhatTheLeagueWouldFind) {
    struct Case {
        const char* Name;
        std::vector<std::string> Args;
        std::vector<std::string> Codes;
    };
    const std::vector<Case> cases{
        {"AutoLines", {"--auto", "--league-password"}, {}},
        {"OtherPassword", {"--auto", "--save-lines", "nobody", "--force"}, {"password"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Ran ran = Lines(c.Args);
        ASSERT_EQ(ran.ExitCode, 0) << ran.Err;
        const json result = json::parse(ran.Out);
        EXPECT_EQ(Key(result, "Ready"), c.Codes.empty());
        EXPECT_EQ(Codes(Key(result, "Problems")), c.Codes);
        EXPECT_FALSE(Key(result, "LinesFile").is_null());
        for (const std::string& code : c.Codes) {
            EXPECT_NE(ran.Err.find("  " + code + ": "), std::string::npos) << ran.Err;
        }
        EXPECT_EQ(ran.Err.find("not ready for the league") != std::string::npos, !c.Codes.empty())
            << ran.Err;
    }
}

// A player of Line 1 C hurt and one of Line 2 C suspended by the simulation: briefing, lines and
// roster all say not ready, and name both.
TEST_F(LinesReadinessCli, EveryCommandNamesTheDressedPlayersWhoAreOut) {
    const Bytes teams = ReadWholeFile(WithExtension(base, ".tms"));
    const Team team = DecodeRecord<Team>(std::span<const std::uint8_t>(teams).subspan(
        RecordLayout<Team>::Size, RecordLayout<Team>::Size));
    Bytes roster = ReadWholeFile(WithExtension(base, ".ros"));
    const auto edit = [&](std::uint8_t index, const std::function<void(Player&)>& change) {
        std::uint8_t* at =
            roster.data() + (PlayerRecordNumber(1, index) - 1) * RecordLayout<Player>::Size;
        Player player =
            DecodeRecord<Player>(std::span<const std::uint8_t>(at, RecordLayout<Player>::Size));
        change(player);
        EncodeValue(player, at);
    };
    const std::uint8_t hurt = team.LineSlots[LineIndex(0, 0)];
    const std::uint8_t suspended = team.LineSlots[LineIndex(1, 0)];
    ASSERT_TRUE(hurt < kRosterPlaces && suspended < kRosterPlaces && hurt != suspended);
    edit(hurt, [](Player& p) { p.Status = 204; });
    edit(suspended, [](Player& p) { p.Suspension = 3; });
    WriteWholeFile(WithExtension(base, ".ros"), roster);

    for (const char* command : {"briefing", "lines", "roster"}) {
        SCOPED_TRACE(command);
        const Ran ran = Exec({"-C", start.string(), "--team", "1", command, "--json"});
        ASSERT_EQ(ran.ExitCode, 0) << ran.Err;
        const json result = json::parse(ran.Out);
        EXPECT_EQ(Key(result, "Ready"), false);
        const std::vector<std::string> codes = Codes(Key(result, "Problems"));
        // The roster window starts a hurt player among the scratches, so only the lines and the
        // briefing see him dressed.
        if (std::string(command) != "roster") {
            ASSERT_GE(codes.size(), 2u);
            EXPECT_EQ(codes[0], "injured dressed");
            EXPECT_EQ(codes[1], "suspended dressed");
        } else {
            EXPECT_NE(std::find(codes.begin(), codes.end(), "suspended dressed"), codes.end());
        }
    }
}

TEST(JsonKeys, AMissingKeyFailsTheTestThatAsked) {
    EXPECT_NONFATAL_FAILURE(Key(json{{"Ready", true}}, "Problems"), "no key \"Problems\"");
}

}  // namespace
}  // namespace korvel::test
