#include "league/LeagueFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include <sys/stat.h>

#include "league/LeagueTestFiles.h"
#include "league/RosterSlots.h"
#include "support/Checks.h"
#include "support/TempFolder.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using test::FolderEntries;
using test::Slice;
using test::TempFolder;
using test::ToBytes;
using Names = std::set<std::string>;

// The bytes of a league's three files, made record by record.
struct LeagueBytes {
    Bytes League, Teams, Roster;
};

// A league of `teamCount` teams; every byte not set here is random, every place occupied.
LeagueBytes MakeLeague(int teamCount, std::uint32_t seed = 1) {
    League league = DecodeRecord<League>(test::RandomBytes(RecordLayout<League>::Size, seed));
    league.LeagueName = FixedText<25>::FromString("Hand Made League " + std::to_string(seed));
    league.LastTeam = static_cast<std::uint8_t>(teamCount - 1);
    LeagueBytes bytes;
    bytes.League = ToBytes(EncodeRecord(league));
    for (int t = 0; t < teamCount; ++t) {
        Team team = test::RandomTeam(seed * 100 + static_cast<std::uint32_t>(t));
        team.Name = FixedText<10>::FromString("Team " + std::to_string(t));
        test::AppendRecord(bytes.Teams, team);
        for (int i = 0; i < kRosterPlaces; ++i) {
            test::AppendRecord(
                bytes.Roster,
                test::OccupiedPlayer(seed * 10000 + static_cast<std::uint32_t>(t * 50 + i)));
        }
    }
    return bytes;
}

fs::path WriteLeague(const fs::path& folder, const std::string& name, const LeagueBytes& bytes) {
    fs::create_directories(folder);
    const fs::path base = folder / name;
    WriteWholeFile(WithExtension(base, ".lge"), bytes.League);
    WriteWholeFile(WithExtension(base, ".tms"), bytes.Teams);
    WriteWholeFile(WithExtension(base, ".ros"), bytes.Roster);
    return base;
}

// ---- Start-up state -----------------------------------------------------------------------

TEST(InitialiseVariables, SetsDefaultNamesTablesAndWorkingCopyPaths) {
    Variables vars;
    const fs::path start = "/somewhere/start";
    InitialiseVariables(vars, start);

    EXPECT_EQ(vars.StartFolder, start);
    EXPECT_EQ(vars.League.Conferences[0].ConfName.Str(), "CONF 1      ");
    EXPECT_EQ(vars.League.Conferences[1].ConfName.Str(), "CONF 2      ");
    for (int c = 0; c < 2; ++c) {
        EXPECT_EQ(vars.League.Conferences[c].Divisions[0].DivName.Str(), "DIV 1     ");
        EXPECT_EQ(vars.League.Conferences[c].Divisions[1].DivName.Str(), "DIV 2     ");
    }
    EXPECT_EQ(vars.PositionAbbrev, (std::array<std::string, 5>{"C", "LW", "RW", "D", "G"}));
    EXPECT_EQ(vars.InjuryCode,
              (std::array<std::string, 8>{"", "DD", "1W", "3W", "1M", "3M", "IN", ""}));
    EXPECT_EQ(vars.SwapTeamFile, start / "swp.t");
    EXPECT_EQ(vars.SwapRosterFile, start / "swp.r");
    EXPECT_EQ(vars.SwapLeagueFile, start / "swp.l");
    EXPECT_EQ(DefaultsFileIn(start), start / "korvel.def");
    EXPECT_FALSE(vars.LeagueLoaded());
    EXPECT_EQ(PositionName(vars, 4), "G");
    EXPECT_EQ(PositionName(vars, 5), "?");
}

// ---- Defaults file ------------------------------------------------------------------------

class DefaultsFile : public ::testing::Test {
  protected:
    std::optional<fs::path> ReadBack(const std::string& content) {
        WriteWholeFile(file, test::BytesOf(content));
        return ReadDefaultsFile(file);
    }
    TempFolder folder;
    fs::path file = folder / "korvel.def";
};

TEST_F(DefaultsFile, MissingFileOrAFolderGivesNoValue) {
    EXPECT_EQ(ReadDefaultsFile(file), std::nullopt);
    fs::create_directory(file);
    EXPECT_EQ(ReadDefaultsFile(file), std::nullopt);
}

TEST_F(DefaultsFile, ReadsTheFirstFieldOfTheFirstLine) {
    EXPECT_EQ(ReadBack("/leagues/ABC\n"), fs::path("/leagues/ABC"));
    EXPECT_EQ(ReadBack("C:\\LG\\ABC\r\n"), fs::path("C:\\LG\\ABC"));
    EXPECT_EQ(ReadBack("/first\r\n/second\r\n"), fs::path("/first"));
    EXPECT_EQ(ReadBack("/no/line/end"), fs::path("/no/line/end"));
    EXPECT_EQ(ReadBack("   /leading/spaces\n"), fs::path("/leading/spaces"));
    EXPECT_EQ(ReadBack("/my leagues/north\n"), fs::path("/my leagues/north"));
}

TEST_F(DefaultsFile, CommaEndsTheFieldUnlessItIsQuoted) {
    EXPECT_EQ(ReadBack("/x,y/league\n"), fs::path("/x"));
    EXPECT_EQ(ReadBack("\"/x,y/league\",more\n"), fs::path("/x,y/league"));
    EXPECT_EQ(ReadBack("  \"/quoted path\"\r\n"), fs::path("/quoted path"));
    EXPECT_EQ(ReadBack("\n"), fs::path());
    EXPECT_EQ(ReadBack(""), fs::path());
}

TEST_F(DefaultsFile, ContentIsTheQuotedPathAndReadsBackAsWritten) {
    EXPECT_EQ(DefaultsFileContent("/leagues/North"), test::BytesOf("\"/leagues/North\"\n"));
    for (const char* path : {"/leagues/My League", "/x,y/lg", " leading space", "/caf\xe9/\x01"}) {
        WriteWholeFile(file, DefaultsFileContent(path));
        EXPECT_EQ(ReadDefaultsFile(file), fs::path(path)) << path;
    }
}

TEST_F(DefaultsFile, RefusesPathsItCannotRememberAndFilesHoldingNoPath) {
    for (const char* path : {"/a\"b/lg", "/line\nbreak/lg", "/cr\r/lg"}) {
        const std::string message =
            test::MessageOf<LeagueError>([&] { DefaultsFileContent(path); });
        EXPECT_NE(message.find("korvel.def cannot remember"), std::string::npos) << message;
    }
    for (const std::string& content :
         {std::string("/bin\0ary\n", 9), std::string(5000, 'x'), "\"" + std::string(5000, 'x')}) {
        WriteWholeFile(file, test::BytesOf(content));
        const std::string message = test::MessageOf<FileError>([&] { ReadDefaultsFile(file); });
        EXPECT_NE(message.find(file.string() + ": holds no league path"), std::string::npos)
            << message;
    }
}

// ---- Reading a league ---------------------------------------------------------------------

TEST(ReadLeagueFiles, ReadsTheLeagueRecordAndLastTeamPlusOneTeamRecords) {
    TempFolder folder;
    LeagueBytes bytes = MakeLeague(12);
    bytes.League[25] = 9;  // LastTeam: ten teams of the twelve records
    const fs::path base = WriteLeague(folder.Path(), "ABC", bytes);

    const LeagueFileSet set = ReadLeagueFiles(base);
    EXPECT_EQ(set.Base, base);
    EXPECT_EQ(set.League.LastTeam, 9);
    EXPECT_EQ(ToBytes(EncodeRecord(set.League)), bytes.League);
    ASSERT_EQ(set.Teams.size(), 10u);
    for (std::size_t t = 0; t < set.Teams.size(); ++t) {
        EXPECT_EQ(ToBytes(EncodeRecord(set.Teams[t])), Slice(bytes.Teams, t * 254, 254)) << t;
    }
    EXPECT_EQ(set.TeamFile, bytes.Teams);
    EXPECT_EQ(set.RosterPath, WithExtension(base, ".ros"));
    EXPECT_EQ(set.LeagueFile, bytes.League);
}

TEST(ReadLeagueFiles, RefusesATeamFileWithFewerRecordsThanTheLeagueNamesNamingIt) {
    TempFolder folder;
    LeagueBytes bytes = MakeLeague(4);
    bytes.Teams.resize(3 * 254 + 100);  // the fourth team cut in the middle
    const fs::path base = WriteLeague(folder.Path(), "short", bytes);
    const std::string message = test::MessageOf<LeagueError>([&] { ReadLeagueFiles(base); });
    EXPECT_EQ(message, WithExtension(base, ".tms").string() +
                           ": too short for the 4 teams of the league (862 bytes, one team "
                           "record is 254)");
}

TEST(ReadLeagueFiles, RefusesFilesTooShortForOneRecordNamingThem) {
    TempFolder folder;
    LeagueBytes bytes = MakeLeague(1);
    bytes.League.resize(458);
    const fs::path base = WriteLeague(folder.Path(), "cut", bytes);
    const std::string league = test::MessageOf<LeagueError>([&] { ReadLeagueFiles(base); });
    EXPECT_NE(league.find(WithExtension(base, ".lge").string()), std::string::npos) << league;

    bytes = MakeLeague(1);
    bytes.Teams.resize(253);
    WriteLeague(folder.Path(), "cut", bytes);
    const std::string team = test::MessageOf<LeagueError>([&] { ReadLeagueFiles(base); });
    EXPECT_NE(team.find(WithExtension(base, ".tms").string()), std::string::npos) << team;

    bytes.Teams.resize(254);
    WriteLeague(folder.Path(), "cut", bytes);
    EXPECT_EQ(ReadLeagueFiles(base).Teams.size(), 1u);
}

TEST(ReadLeagueFiles, RefusesMoreThanFiftyTeamsNamingTheLeagueFile) {
    TempFolder folder;
    LeagueBytes bytes = MakeLeague(50);
    const fs::path base = WriteLeague(folder.Path(), "big", bytes);
    EXPECT_EQ(ReadLeagueFiles(base).Teams.size(), 50u);  // LastTeam 49

    for (std::uint8_t lastTeam : {50, 255}) {
        bytes.League[25] = lastTeam;
        WriteLeague(folder.Path(), "big", bytes);
        const std::string message = test::MessageOf<LeagueError>([&] { ReadLeagueFiles(base); });
        EXPECT_NE(message.find(WithExtension(base, ".lge").string()), std::string::npos) << message;
    }
}

TEST(ReadLeagueFiles, AMissingFileFailsNamingIt) {
    for (const char* missing : {".tms", ".ros", ".lge"}) {
        TempFolder folder;
        const fs::path base = WriteLeague(folder.Path(), "ABC", MakeLeague(2));
        fs::remove(WithExtension(base, missing));
        try {
            ReadLeagueFiles(base);
            ADD_FAILURE() << "read a league without its " << missing << " file";
        } catch (const FileError& error) {
            EXPECT_EQ(error.File(), WithExtension(base, missing));
            EXPECT_NE(std::string(error.what()).find(WithExtension(base, missing).string()),
                      std::string::npos);
        }
    }
}

// ---- Installing a league ------------------------------------------------------------------

class InstallLeagueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(start);
        InitialiseVariables(vars, start);
    }
    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
};

TEST_F(InstallLeagueTest, WritesExactWorkingCopiesAndTheDefaultsFile) {
    WriteWholeFile(vars.SwapRosterFile, test::BytesOf("left over from an earlier league"));
    const LeagueBytes bytes = MakeLeague(3);
    const fs::path base = WriteLeague(folder / "leagues", "ABC", bytes);

    InstallLeague(vars, ReadLeagueFiles(base));

    EXPECT_EQ(ReadWholeFile(start / "swp.t"), bytes.Teams);
    EXPECT_EQ(ReadWholeFile(start / "swp.r"), bytes.Roster);
    EXPECT_EQ(ReadWholeFile(start / "swp.l"), bytes.League);
    EXPECT_EQ(ReadWholeFile(start / "korvel.def"), test::BytesOf("\"" + base.string() + "\"\n"));
    EXPECT_EQ(ReadDefaultsFile(DefaultsFileIn(start)), base);
    EXPECT_EQ(FolderEntries(start), (Names{"korvel.def", "swp.l", "swp.r", "swp.t"}));
    EXPECT_EQ(FolderEntries(folder / "leagues"), (Names{"ABC.lge", "ABC.ros", "ABC.tms"}));
}

// Held working copies, and swp.l and korvel.def of their load, wait as temporary files until their
// holder commits them, then hold what an install without them writes; a folder that holds them
// already gets nothing written.
TEST_F(InstallLeagueTest, HeldWorkingCopiesAreWrittenOnceWhenCommitted) {
    const LeagueBytes bytes = MakeLeague(3);
    const fs::path base = WriteLeague(folder / "leagues", "ABC", bytes);
    for (const bool copiesOnDisk : {false, true}) {
        WorkingCopies held(vars, WorkingCopies::AwaitingLeague{});
        InstallLeague(vars, ReadLeagueFiles(base));
        EXPECT_EQ(FileExists(start / "swp.r"), copiesOnDisk);
        EXPECT_EQ(FileExists(start / "korvel.def"), copiesOnDisk);
        std::vector<StagedFile> set;
        held.Stage(set);
        EXPECT_EQ(set.size(), copiesOnDisk ? 0u : 4u);
        CommitAll(set);
        held.Written();
        EXPECT_EQ(ReadWholeFile(start / "swp.t"), bytes.Teams);
        EXPECT_EQ(ReadWholeFile(start / "swp.r"), bytes.Roster);
        EXPECT_EQ(FolderEntries(start), (Names{"korvel.def", "swp.l", "swp.r", "swp.t"}));
    }
    // A copy the disk held is read when a team is saved into it, and written whole.
    WorkingCopies held(vars, WorkingCopies::AwaitingLeague{});
    InstallLeague(vars, ReadLeagueFiles(base));
    LoadTeam(vars, 2, 0);
    SaveTeam(vars, 2, 0);
    std::vector<StagedFile> set;
    held.Stage(set);
    EXPECT_EQ(set.size(), 2u);
    CommitAll(set);
    EXPECT_EQ(ReadWholeFile(start / "swp.r"), bytes.Roster);
}

TEST_F(InstallLeagueTest, TakesTheLeagueIntoTheVariables) {
    vars.Teams[3].Name = FixedText<10>::FromString("Old team 3");
    const LeagueBytes bytes = MakeLeague(3);
    const fs::path base = WriteLeague(folder / "leagues", "ABC", bytes);

    InstallLeague(vars, ReadLeagueFiles(base));

    EXPECT_EQ(ToBytes(EncodeRecord(vars.League)), bytes.League);
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(ToBytes(EncodeRecord(vars.Teams[t])), Slice(bytes.Teams, t * 254, 254)) << t;
    }
    EXPECT_EQ(vars.Teams[3].Name.Str(), "Old team 3");  // beyond LastTeam: kept
    EXPECT_EQ(vars.LeaguePath, base);
    EXPECT_EQ(vars.WaiverFile, WithExtension(base, ".wvr"));
    EXPECT_TRUE(vars.LeagueLoaded());

    LoadTeam(vars, 2, 0);
    EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[0][49])),
              Slice(bytes.Roster, (2 * 50 + 49) * 86, 86));
}

TEST_F(InstallLeagueTest, APathWithACommaIsReadBackWhole) {
    const fs::path base = WriteLeague(folder / "x,y", "ABC", MakeLeague(1));
    InstallLeague(vars, ReadLeagueFiles(base));
    EXPECT_EQ(ReadDefaultsFile(DefaultsFileIn(start)), base);
}

// The identity of a file on disk: a file replaced by a rename gets a new one.
ino_t InodeOf(const fs::path& file) {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
    return status.st_ino;
}

TEST_F(InstallLeagueTest, ReloadingWritesOnlyTheFilesThatChanged) {
    const LeagueBytes bytes = MakeLeague(3);
    const fs::path base = WriteLeague(folder / "leagues", "ABC", bytes);
    InstallLeague(vars, ReadLeagueFiles(base));
    const Names files{"korvel.def", "swp.l", "swp.r", "swp.t"};
    std::map<std::string, ino_t> before;
    for (const auto& name : files) before[name] = InodeOf(start / name);

    InstallLeague(vars, ReadLeagueFiles(base));
    for (const auto& name : files) EXPECT_EQ(InodeOf(start / name), before[name]) << name;

    Bytes roster = bytes.Roster;
    roster.back() ^= 0xFF;
    WriteWholeFile(WithExtension(base, ".ros"), roster);
    InstallLeague(vars, ReadLeagueFiles(base));
    EXPECT_NE(InodeOf(start / "swp.r"), before["swp.r"]);
    EXPECT_EQ(ReadWholeFile(start / "swp.r"), roster);
    EXPECT_EQ(InodeOf(start / "swp.t"), before["swp.t"]);
}

TEST_F(InstallLeagueTest, BytesPastTheLastRecordOfFiftyTeamsAreNotCopied) {
    LeagueBytes bytes = MakeLeague(2);
    Bytes roster = bytes.Roster;
    roster.resize(kRosterFileLimit + 5'000'000, 0xAB);
    bytes.Teams.resize(kTeamFileLimit + 1, 0xCD);
    bytes.League.resize(kLeagueFileLimit + 10, 0xEF);
    const fs::path base =
        WriteLeague(folder / "leagues", "BIG", {bytes.League, bytes.Teams, roster});

    InstallLeague(vars, ReadLeagueFiles(base));
    EXPECT_EQ(ReadWholeFile(start / "swp.r"), Slice(roster, 0, kRosterFileLimit));
    EXPECT_EQ(ReadWholeFile(start / "swp.t"), Slice(bytes.Teams, 0, kTeamFileLimit));
    EXPECT_EQ(ReadWholeFile(start / "swp.l"), Slice(bytes.League, 0, kLeagueFileLimit));
}

// The variables as a league load could change them, to compare before and after.
struct LoadedState {
    Bytes League;
    std::vector<Bytes> Teams;
    fs::path LeaguePath, WaiverFile;
    bool operator==(const LoadedState&) const = default;
};

LoadedState StateOf(const Variables& vars) {
    LoadedState state{ToBytes(EncodeRecord(vars.League)), {}, vars.LeaguePath, vars.WaiverFile};
    for (const Team& team : vars.Teams) state.Teams.push_back(ToBytes(EncodeRecord(team)));
    return state;
}

TEST_F(InstallLeagueTest, AStartFolderThatCannotBeWrittenLeavesTheVariablesAlone) {
    InstallLeague(vars, ReadLeagueFiles(WriteLeague(folder / "old", "OLD", MakeLeague(4, 2))));
    WriteWholeFile(folder / "plain", test::BytesOf("a file, not a folder"));
    InitialiseVariables(vars, folder / "plain" / "start");
    const LoadedState before = StateOf(vars);
    const fs::path base = WriteLeague(folder / "new", "NEW", MakeLeague(3, 3));
    EXPECT_THROW(InstallLeague(vars, ReadLeagueFiles(base)), FileError);

    EXPECT_TRUE(StateOf(vars) == before);
    EXPECT_EQ(vars.LeaguePath, folder / "old" / "OLD");
    EXPECT_EQ(ReadWholeFile(folder / "plain"), test::BytesOf("a file, not a folder"));
}

TEST_F(InstallLeagueTest, ADefaultsFileThatCannotBeReplacedLeavesTheVariablesAndNoTemporaryFile) {
    InstallLeague(vars, ReadLeagueFiles(WriteLeague(folder / "old", "OLD", MakeLeague(4, 2))));
    const LoadedState before = StateOf(vars);
    fs::remove(start / "korvel.def");
    fs::create_directory(start / "korvel.def");

    const fs::path base = WriteLeague(folder / "new", "NEW", MakeLeague(3, 3));
    const std::string message =
        test::MessageOf<FileError>([&] { InstallLeague(vars, ReadLeagueFiles(base)); });
    EXPECT_NE(message.find((start / "korvel.def").string()), std::string::npos) << message;

    EXPECT_TRUE(StateOf(vars) == before);
    EXPECT_EQ(FolderEntries(start), (Names{"korvel.def", "swp.l", "swp.r", "swp.t"}));
}

TEST_F(InstallLeagueTest, AGeneratedLeagueLoadsAndEveryTeamSavesBackUnchanged) {
    const fs::path base =
        test::WriteGeneratedLeague(folder.Path(), "GEN", {.Seed = 5, .Teams = 12});
    InstallLeague(vars, ReadLeagueFiles(base));
    ASSERT_EQ(vars.League.LastTeam, 11);
    const Bytes roster = ReadWholeFile(vars.SwapRosterFile);
    const Bytes teams = ReadWholeFile(vars.SwapTeamFile);
    for (int t = 0; t <= vars.League.LastTeam; ++t) {
        LoadTeam(vars, t, 0);
        SaveTeam(vars, t, 0);
    }
    EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), roster);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teams);
}

}  // namespace
}  // namespace korvel
