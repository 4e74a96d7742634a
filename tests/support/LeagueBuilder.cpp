#include "support/LeagueBuilder.h"

#include "platform/Files.h"

namespace korvel::test {
namespace fs = std::filesystem;

LeagueBuilder::LeagueBuilder(const std::string& leagueName) {
    LeagueRecord.LeagueName = FixedText<25>::FromString(leagueName);
    const char* conferenceNames[] = {"East", "West"};
    const char* divisionNames[] = {"North", "South", "Third", "Fourth"};
    for (int c = 0; c < 2; ++c) {
        LeagueRecord.Conferences[c].ConfName = FixedText<12>::FromString(conferenceNames[c]);
        for (int d = 0; d < 4; ++d) {
            LeagueRecord.Conferences[c].Divisions[d].DivName =
                FixedText<10>::FromString(std::string(divisionNames[d]) + " " + std::to_string(c));
        }
    }
    // Bytes no field interprets, so that copies can be told apart from freshly written records.
    for (std::size_t i = 222; i < 231; ++i) LeagueRecord.Raw[i] = static_cast<std::uint8_t>(i);
}

int LeagueBuilder::AddTeam(const std::string& name, int conference, int division) {
    Team team;
    team.Name = FixedText<10>::FromString(name);
    team.Password = FixedText<10>::FromString("secret");
    team.Conference = static_cast<std::uint8_t>(conference);
    team.Division = static_cast<std::uint8_t>(division);
    team.LineSlots.fill(kNoPlayer);
    team.Raw[130] = 0xAB;
    const int index = static_cast<int>(Teams.size());
    Teams.push_back(team);
    for (int i = 0; i < kRosterPlaces; ++i) {
        Player player;
        player.Name = FixedText<22>::FromString(name + " player " + std::to_string(i));
        player.Position = static_cast<std::uint8_t>(i % 4);
        player.Status = 200;
        player.Skills.fill(static_cast<std::uint8_t>(40 + i));
        player.Raw[65] = static_cast<std::uint8_t>(index + 1);
        Players.push_back(player);
    }
    return index;
}

void LeagueBuilder::Write(const fs::path& base, int lastTeam) const {
    League league = LeagueRecord;
    league.LastTeam =
        static_cast<std::uint8_t>(lastTeam >= 0 ? lastTeam : static_cast<int>(Teams.size()) - 1);
    const auto leagueBytes = EncodeRecord(league);
    Bytes teamBytes, rosterBytes;
    for (const Team& team : Teams) {
        const auto bytes = EncodeRecord(team);
        teamBytes.insert(teamBytes.end(), bytes.begin(), bytes.end());
    }
    for (const Player& player : Players) {
        const auto bytes = EncodeRecord(player);
        rosterBytes.insert(rosterBytes.end(), bytes.begin(), bytes.end());
    }
    fs::create_directories(base.parent_path());
    WriteWholeFile(base.string() + ".lge", Bytes(leagueBytes.begin(), leagueBytes.end()));
    WriteWholeFile(base.string() + ".tms", teamBytes);
    WriteWholeFile(base.string() + ".ros", rosterBytes);
    WriteWholeFile(base.string() + ".wvr", {});
}

}  // namespace korvel::test
