#include "league/RosterSlots.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "league/LeagueTestFiles.h"
#include "support/TempFolder.h"

namespace korvel {
namespace {

using test::OccupiedPlayer;
using test::RandomBytes;
using test::RandomTeam;
using test::Slice;
using test::ToBytes;

constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;
constexpr std::size_t kTeamSize = RecordLayout<Team>::Size;
constexpr int kTeamsInFiles = 5;

std::size_t PlayerOffset(int team, int index) {
    return (PlayerRecordNumber(team, index) - 1) * kPlayerSize;
}

// Working copies of five teams in which every place is occupied and every byte distinctive.
class RosterSlotsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vars.SwapRosterFile = folder / "swp.r";
        vars.SwapTeamFile = folder / "swp.t";
        for (int t = 0; t < kTeamsInFiles; ++t) {
            for (int i = 0; i < kRosterPlaces; ++i) {
                test::AppendRecord(roster, OccupiedPlayer(static_cast<std::uint32_t>(t * 50 + i)));
            }
            const Team team = RandomTeam(static_cast<std::uint32_t>(1000 + t));
            test::AppendRecord(teams, team);
            vars.Teams[t] = team;
        }
        WriteWholeFile(vars.SwapRosterFile, roster);
        WriteWholeFile(vars.SwapTeamFile, teams);
    }

    Bytes RosterOnDisk() const { return ReadWholeFile(vars.SwapRosterFile); }
    Bytes TeamsOnDisk() const { return ReadWholeFile(vars.SwapTeamFile); }

    test::TempFolder folder;
    Variables vars;
    Bytes roster;
    Bytes teams;
};

TEST_F(RosterSlotsTest, LoadFillsThePlacesFromTheTeamsRecords) {
    LoadTeam(vars, 3, 0);
    for (int i = 0; i < kRosterPlaces; ++i) {
        EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[0][i])),
                  Slice(roster, PlayerOffset(3, i), kPlayerSize))
            << "place " << i;
    }
    EXPECT_EQ(PlayerRecordNumber(3, 0), 151u);
    EXPECT_EQ(PlayerRecordNumber(3, 49), 200u);
    EXPECT_EQ(TeamRecordNumber(3), 4u);
}

TEST_F(RosterSlotsTest, LoadThenSaveLeavesBothFilesUnchanged) {
    for (int team : {0, 3, 4}) {
        for (int slot : {0, 1}) {
            LoadTeam(vars, team, slot);
            SaveTeam(vars, team, slot);
            EXPECT_EQ(RosterOnDisk(), roster) << "team " << team << " slot " << slot;
            EXPECT_EQ(TeamsOnDisk(), teams) << "team " << team << " slot " << slot;
        }
    }
    EXPECT_EQ(test::FolderEntries(folder.Path()), (std::set<std::string>{"swp.r", "swp.t"}));
}

TEST_F(RosterSlotsTest, SaveOfTeamThreeWritesOnlyRosterRecords151To200AndTeamRecord4) {
    for (int t = 0; t < kMaxTeams; ++t)
        vars.Teams[t] = RandomTeam(static_cast<std::uint32_t>(5000 + t));
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[0][i] = OccupiedPlayer(9000u + i);
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[1][i] = OccupiedPlayer(7000u + i);

    SaveTeam(vars, 3, 0);

    const Bytes rosterAfter = RosterOnDisk();
    ASSERT_EQ(rosterAfter.size(), roster.size());
    const std::size_t first = PlayerOffset(3, 0);
    const std::size_t end = PlayerOffset(4, 0);
    EXPECT_EQ(Slice(rosterAfter, 0, first), Slice(roster, 0, first));
    EXPECT_EQ(Slice(rosterAfter, end, roster.size() - end),
              Slice(roster, end, roster.size() - end));
    for (int i = 0; i < kRosterPlaces; ++i) {
        EXPECT_EQ(Slice(rosterAfter, PlayerOffset(3, i), kPlayerSize),
                  ToBytes(EncodeRecord(vars.Players[0][i])))
            << "place " << i;
    }

    const Bytes teamsAfter = TeamsOnDisk();
    ASSERT_EQ(teamsAfter.size(), teams.size());
    EXPECT_EQ(Slice(teamsAfter, 0, 3 * kTeamSize), Slice(teams, 0, 3 * kTeamSize));
    EXPECT_EQ(Slice(teamsAfter, 3 * kTeamSize, kTeamSize), ToBytes(EncodeRecord(vars.Teams[3])));
    EXPECT_EQ(Slice(teamsAfter, 4 * kTeamSize, kTeamSize), Slice(teams, 4 * kTeamSize, kTeamSize));
}

TEST_F(RosterSlotsTest, SaveLeavesEveryOtherByteOfTheFilesUnchanged) {
    // Both files end in a part of a record that no team owns.
    roster.insert(roster.end(), {1, 2, 3});
    teams.insert(teams.end(), {4, 5});
    WriteWholeFile(vars.SwapRosterFile, roster);
    WriteWholeFile(vars.SwapTeamFile, teams);
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[0][i] = OccupiedPlayer(600u + i);
    vars.Teams[2] = RandomTeam(601);

    SaveTeam(vars, 2, 0);

    Bytes expectedRoster = roster;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const auto record = EncodeRecord(vars.Players[0][i]);
        std::copy(record.begin(), record.end(), expectedRoster.begin() + PlayerOffset(2, i));
    }
    Bytes expectedTeams = teams;
    const auto team = EncodeRecord(vars.Teams[2]);
    std::copy(team.begin(), team.end(), expectedTeams.begin() + 2 * kTeamSize);
    EXPECT_EQ(RosterOnDisk(), expectedRoster);
    EXPECT_EQ(TeamsOnDisk(), expectedTeams);
    EXPECT_EQ(test::FolderEntries(folder.Path()), (std::set<std::string>{"swp.r", "swp.t"}));
}

TEST_F(RosterSlotsTest, SaveBeyondTheEndOfTheFilesFillsTheGapWithZeros) {
    WriteWholeFile(vars.SwapRosterFile, Slice(roster, 0, 50 * kPlayerSize));
    WriteWholeFile(vars.SwapTeamFile, Slice(teams, 0, kTeamSize));
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[1][i] = OccupiedPlayer(300u + i);

    SaveTeam(vars, 3, 1);

    const Bytes rosterAfter = RosterOnDisk();
    ASSERT_EQ(rosterAfter.size(), 200 * kPlayerSize);
    EXPECT_EQ(Slice(rosterAfter, 0, 50 * kPlayerSize), Slice(roster, 0, 50 * kPlayerSize));
    EXPECT_EQ(Slice(rosterAfter, 50 * kPlayerSize, 100 * kPlayerSize), Bytes(100 * kPlayerSize, 0));
    EXPECT_EQ(Slice(rosterAfter, PlayerOffset(3, 49), kPlayerSize),
              ToBytes(EncodeRecord(vars.Players[1][49])));
    const Bytes teamsAfter = TeamsOnDisk();
    ASSERT_EQ(teamsAfter.size(), 4 * kTeamSize);
    EXPECT_EQ(Slice(teamsAfter, kTeamSize, 2 * kTeamSize), Bytes(2 * kTeamSize, 0));
    EXPECT_EQ(Slice(teamsAfter, 3 * kTeamSize, kTeamSize), ToBytes(EncodeRecord(vars.Teams[3])));
}

TEST_F(RosterSlotsTest, ATeamPastTheEndOfTheRosterFileLoadsAsFiftyEmptyPlaces) {
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[0][i] = OccupiedPlayer(400u + i);
    LoadTeam(vars, 7, 0);
    for (int i = 0; i < kRosterPlaces; ++i) {
        EXPECT_TRUE(vars.Players[0][i].IsEmptyPlace()) << "place " << i;
        EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[0][i])), Bytes(kPlayerSize, 0))
            << "place " << i;
    }
}

TEST_F(RosterSlotsTest, AFileEndingInsideATeamGivesEmptyPlacesAfterItsEnd) {
    // Team 4's records stop half-way through place 10.
    const std::size_t cut = PlayerOffset(4, 10) + 43;
    WriteWholeFile(vars.SwapRosterFile, Slice(roster, 0, cut));
    LoadTeam(vars, 4, 1);
    EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[1][9])),
              Slice(roster, PlayerOffset(4, 9), kPlayerSize));
    Bytes partial = Slice(roster, PlayerOffset(4, 10), 43);
    partial.resize(kPlayerSize, 0);
    EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[1][10])), partial);
    for (int i = 11; i < kRosterPlaces; ++i) EXPECT_TRUE(vars.Players[1][i].IsEmptyPlace());
}

TEST_F(RosterSlotsTest, OnlyANameStartingWithCodeZeroMakesAPlaceEmpty) {
    Bytes spaceFirst(kPlayerSize, 0);
    spaceFirst[0] = ' ';
    Bytes zeroFirst = RandomBytes(kPlayerSize, 77);
    zeroFirst[0] = 0;
    std::copy(spaceFirst.begin(), spaceFirst.end(), roster.begin() + PlayerOffset(1, 0));
    std::copy(zeroFirst.begin(), zeroFirst.end(), roster.begin() + PlayerOffset(1, 1));
    WriteWholeFile(vars.SwapRosterFile, roster);

    LoadTeam(vars, 1, 0);
    EXPECT_FALSE(vars.Players[0][0].IsEmptyPlace());
    EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[0][0])), spaceFirst);
    EXPECT_TRUE(vars.Players[0][1].IsEmptyPlace());
    EXPECT_EQ(vars.Players[0][1].Salary, 0);
    EXPECT_EQ(vars.Players[0][1].Skills, (std::array<std::uint8_t, 14>{}));
    EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[0][1])), Bytes(kPlayerSize, 0));

    // The cleared place is written back as the all-zero record.
    SaveTeam(vars, 1, 0);
    EXPECT_EQ(Slice(RosterOnDisk(), PlayerOffset(1, 1), kPlayerSize), Bytes(kPlayerSize, 0));
    EXPECT_EQ(Slice(RosterOnDisk(), PlayerOffset(1, 0), kPlayerSize), spaceFirst);
}

TEST_F(RosterSlotsTest, LoadTouchesNeitherTheTeamsNorTheOtherSlot) {
    vars.Teams[2].Name = FixedText<10>::FromString("In memory");
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[1][i] = OccupiedPlayer(600u + i);
    const auto otherSlot = vars.Players[1];
    LoadTeam(vars, 2, 0);
    EXPECT_EQ(vars.Teams[2].Name.Str(), "In memory ");
    for (int i = 0; i < kRosterPlaces; ++i) {
        EXPECT_EQ(EncodeRecord(vars.Players[1][i]), EncodeRecord(otherSlot[i]));
    }
}

TEST_F(RosterSlotsTest, TeamOrSlotOutOfRangeIsRefusedAndWritesNothing) {
    const std::pair<int, int> outOfRange[] = {{50, 0}, {-1, 0}, {0, 2}, {0, -1}, {255, 1}};
    for (auto [team, slot] : outOfRange) {
        EXPECT_THROW(LoadTeam(vars, team, slot), std::out_of_range) << team << "," << slot;
        EXPECT_THROW(SaveTeam(vars, team, slot), std::out_of_range) << team << "," << slot;
    }
    EXPECT_EQ(RosterOnDisk(), roster);
    EXPECT_EQ(TeamsOnDisk(), teams);
}

TEST_F(RosterSlotsTest, AMissingWorkingCopyFailsNamingItAndChangesNothing) {
    std::filesystem::remove(vars.SwapTeamFile);
    EXPECT_THROW(SaveTeam(vars, 0, 0), FileError);
    EXPECT_EQ(RosterOnDisk(), roster);

    std::filesystem::remove(vars.SwapRosterFile);
    try {
        LoadTeam(vars, 0, 0);
        FAIL() << "loaded from a missing roster file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.File(), vars.SwapRosterFile);
    }
}

// Held working copies take every save in memory and reach the disk only when committed, holding
// then what the same saves made one by one would have written.
TEST_F(RosterSlotsTest, HeldWorkingCopiesReachTheDiskOnlyWhenCommitted) {
    for (int i = 0; i < kRosterPlaces; ++i) vars.Players[0][i] = OccupiedPlayer(9000u + i);
    vars.Teams[1] = RandomTeam(77);
    vars.Teams[3] = RandomTeam(78);
    {
        WorkingCopies held(vars);
        ASSERT_EQ(vars.HeldCopies, &held);
        SaveTeam(vars, 1, 0);
        SaveTeam(vars, 3, 0);
        EXPECT_EQ(RosterOnDisk(), roster);
        EXPECT_EQ(TeamsOnDisk(), teams);
        LoadTeam(vars, 3, 1);
        for (int i = 0; i < kRosterPlaces; ++i) {
            EXPECT_EQ(ToBytes(EncodeRecord(vars.Players[1][i])),
                      ToBytes(EncodeRecord(vars.Players[0][i])))
                << "place " << i;
        }
        std::vector<StagedFile> set;
        held.Stage(set);
        CommitAll(set);
    }
    EXPECT_EQ(vars.HeldCopies, nullptr);
    const Bytes heldRoster = RosterOnDisk();
    const Bytes heldTeams = TeamsOnDisk();
    WriteWholeFile(vars.SwapRosterFile, roster);
    WriteWholeFile(vars.SwapTeamFile, teams);
    SaveTeam(vars, 1, 0);
    SaveTeam(vars, 3, 0);
    EXPECT_EQ(heldRoster, RosterOnDisk());
    EXPECT_EQ(heldTeams, TeamsOnDisk());
    EXPECT_NE(heldRoster, roster);
}

}  // namespace
}  // namespace korvel
