#pragma once

// A league on disk whose team 1 has a hand-built roster, loaded into slot 0 as Set Game Roster
// leaves it, for the roster window's tests.

#include <filesystem>

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Files.h"
#include "support/LeagueBuilder.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "windows/LinesTestRoster.h"
#include "windows/roster/Roster.h"

namespace korvel::test {

constexpr int kRosterTeam = 1;  // team 0 is a neighbour that must stay untouched

// Dressed players per position, then the given extras: 20 players from index 0 on, each skater a
// level below the last so that no two rate alike.
inline RosterSlot RosterWith(std::array<int, 5> atPosition, std::uint8_t status = 200) {
    RosterSlot roster{};
    int index = 0;
    for (std::uint8_t position = 0; position < 5; ++position) {
        for (int n = 0; n < atPosition[position]; ++n, ++index) {
            roster[index] = MakePlayer("P" + std::to_string(index), position, 80 - index, status);
        }
    }
    return roster;
}

class RosterWindowTest : public testing::Test {
  protected:
    TempFolder folder;
    std::filesystem::path start = folder / "start";
    std::filesystem::path base = folder / "league" / "test";
    Variables vars;
    ScriptedUi ui;

    void Install(const RosterSlot& roster, const LineUp& lineUp = EmptyLineUp()) {
        LeagueBuilder builder;
        builder.AddTeam("Wolves", 0, 0);
        builder.AddTeam("Bears", 0, 0);
        std::copy(roster.begin(), roster.end(),
                  builder.Players.begin() + kRosterTeam * kRosterPlaces);
        builder.Teams[kRosterTeam].LineSlots = lineUp;
        builder.Teams[kRosterTeam].LinesSet = kTrue;
        builder.Write(base);
        std::filesystem::create_directories(start);
        InitialiseVariables(vars, start);
        InstallLeague(vars, ReadLeagueFiles(base));
        vars.CurrentTeam = kRosterTeam;
        LoadTeam(vars, kRosterTeam, 0);
    }

    Player StoredPlayer(int index) const {
        const RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
        return DecodeRecord<Player>(roster.Read(PlayerRecordNumber(kRosterTeam, index)));
    }

    static std::vector<int> Shown(const Roster& roster, int list) {
        std::vector<int> indexes;
        for (const ListItem& item : roster.list1[list].Items) indexes.push_back(item.ItemData);
        return indexes;
    }

    // Selects the lines of list `list` showing the players `indexes`.
    static void Select(Roster& roster, int list, const std::vector<int>& indexes) {
        for (ListItem& item : roster.list1[list].Items) {
            item.Selected =
                std::find(indexes.begin(), indexes.end(), item.ItemData) != indexes.end();
        }
    }
};

}  // namespace korvel::test
