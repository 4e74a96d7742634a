#include "generator/LeagueGenerator.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator/LineUp.h"
#include "generator/Names.h"
#include "generator/Random.h"
#include "generator/TeamRoster.h"
#include "league/LeagueFiles.h"
#include "league/Records.h"
#include "platform/Text1252.h"

namespace korvel::gen {
namespace {

constexpr int kMaxGames = 82;

template <std::size_t N>
void FillNonZero(Random& rng, std::array<std::uint8_t, N>& bytes) {
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(rng.Between(1, 254));
}

template <std::size_t N>
FixedText<N> Text(std::string_view utf8) {
    return FixedText<N>::FromString(Utf8ToWindows1252(utf8));
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}
std::int16_t Int16(int value) {
    return static_cast<std::int16_t>(value);
}

// A person's name from the North American name lists.
std::string PersonName(Random& rng) {
    const auto nations = Nations().first(2);
    const Nation& nation = rng.Pick(nations);
    return std::string(rng.Pick(nation.FirstNames)) + " " + std::string(rng.Pick(nation.LastNames));
}

League MakeLeague(Random& rng, int teams, int games) {
    League league;
    FillNonZero(rng, league.Raw);
    league.LeagueName = Text<25>(rng.Pick(LeagueNames()));
    league.LastTeam = Byte(teams - 1);
    const auto pair = static_cast<std::size_t>(rng.Between(0, 2));
    for (std::size_t c = 0; c < 2; ++c) {
        Conference& conference = league.Conferences[c];
        conference.ConfName = Text<12>(ConferenceNames()[2 * pair + c]);
        for (std::size_t d = 0; d < conference.Divisions.size(); ++d) {
            conference.Divisions[d].DivName =
                d < 2 ? Text<10>(DivisionNames()[4 * pair + 2 * c + d]) : Text<10>("");
        }
    }
    league.SeasonStarted = games > 0 ? kTrue : kFalse;
    league.WaiverSwitch = 1;
    league.ScheduledGames = Int16(teams * 41);
    league.WaiverGames = Byte(rng.Between(10, 30));
    league.WaiverAge = Byte(rng.Between(22, 26));
    league.FarmPayGames = Byte(rng.Between(5, 20));
    league.WaiverBlock = 0;
    return league;
}

std::string Digits(Random& rng, int count) {
    std::string digits(1, static_cast<char>('1' + rng.Between(0, 8)));
    while (static_cast<int>(digits.size()) < count) {
        digits += static_cast<char>('0' + rng.Between(0, 9));
    }
    return digits;
}

void FillSeason(Random& rng, Team& team, int games) {
    const int ties = rng.Between(0, games / 8);
    const int wins = std::min(games * rng.Between(30, 65) / 100, games - ties);
    team.Wins = {Byte(wins), Byte(rng.Between(0, 40)), Byte(rng.Between(0, 40))};
    team.Losses = {Byte(games - wins - ties), Byte(rng.Between(0, 40)), Byte(rng.Between(0, 40))};
    team.Ties = {Byte(ties), Byte(rng.Between(0, 10)), Byte(rng.Between(0, 10))};
    team.GoalsFor = Int16(games * rng.Between(240, 360) / 100);
    team.GoalsAgainst = Int16(games * rng.Between(240, 360) / 100);
    team.PPOpportunities = Int16(games * rng.Between(30, 50) / 10);
    team.PPGoals = Byte(team.PPOpportunities * rng.Between(12, 24) / 100);
    team.TimesShorthanded = Int16(games * rng.Between(30, 50) / 10);
    team.PPGoalsAgainst = Byte(team.TimesShorthanded * rng.Between(12, 24) / 100);
    team.ShotsFor = static_cast<float>(games * rng.Between(26, 34));
    team.ShotsAgainst = static_cast<float>(games * rng.Between(26, 34));
    team.PenaltyMinutes = static_cast<float>(games * rng.Between(10, 20));
    team.HomeGamesPlayed = Byte(games / 2 + (games % 2 == 1 ? rng.Between(0, 1) : 0));
}

struct TeamIdentity {
    int Index;
    const City* Home;
    std::string Password;
};

Team MakeTeam(Random& rng, const TeamIdentity& identity, int games, const RosterSlot& roster) {
    Team team;
    FillNonZero(rng, team.Raw);
    const City& city = *identity.Home;
    team.Name = Text<10>(city.Name);
    team.Owner = Text<25>(PersonName(rng));
    team.ICQ = Text<12>(Digits(rng, rng.Between(6, 9)));
    team.Password = Text<10>(identity.Password);
    team.Abbrev = Text<3>(city.Abbrev);
    team.Arena = Text<30>(std::string(city.Name) + " " + std::string(rng.Pick(ArenaSuffixes())));
    team.Seats = Int16(rng.Between(120, 210) * 100);
    team.TicketPrice = Byte(rng.Between(25, 90));
    team.Conference = Byte(identity.Index % 4 / 2);
    team.Division = Byte(identity.Index % 2);
    team.Finances = rng.Between(-3'000, 20'000) * 1000;
    team.Coach.Name = Text<22>(PersonName(rng));
    team.Coach.Salary = rng.Between(250, 2'500) * 1000;
    FillSeason(rng, team, games);
    team.RevenuePerGame = team.Seats * team.TicketPrice * rng.Between(70, 100) / 100;
    const bool storedLineUp = identity.Index % 5 != 4;
    team.LineSlots = storedLineUp ? MakeLineUp(roster) : EmptyLineUp();
    team.LinesSet = storedLineUp ? kTrue : kFalse;
    return team;
}

RosterFault FaultOf(const GeneratorOptions& options, int team, int& faultsGiven) {
    if (options.AllTeamsReady) return RosterFault::None;
    const bool notReady = options.Teams == 1 ? team == 0 : team % 3 == 1;
    if (!notReady) return RosterFault::None;
    static constexpr RosterFault kTurns[] = {
        RosterFault::NineteenDressed, RosterFault::TwentyOneDressed, RosterFault::InjuredDressed};
    return kTurns[faultsGiven++ % 3];
}

template <std::size_t N>
void Append(Bytes& file, const std::array<std::uint8_t, N>& record) {
    file.insert(file.end(), record.begin(), record.end());
}

}  // namespace

GeneratedLeague GenerateLeague(const GeneratorOptions& options) {
    if (options.Teams < 1 || options.Teams > kMaxTeams) {
        throw std::invalid_argument("a league has 1 to 50 teams, not " +
                                    std::to_string(options.Teams));
    }
    if (options.GamesPlayed < -1 || options.GamesPlayed > kMaxGames) {
        throw std::invalid_argument("games played must be 0 to 82 (or -1 to choose), not " +
                                    std::to_string(options.GamesPlayed));
    }
    Random rng(options.Seed);
    const int games = options.GamesPlayed >= 0 ? options.GamesPlayed : rng.Between(20, 50);

    GeneratedLeague files;
    Append(files.LeagueFile, EncodeRecord(MakeLeague(rng, options.Teams, games)));

    std::vector<std::size_t> cityOrder(Cities().size());
    std::iota(cityOrder.begin(), cityOrder.end(), 0);
    rng.Shuffle(std::span<std::size_t>(cityOrder));
    std::vector<std::string_view> words(PasswordWords().begin(), PasswordWords().end());
    rng.Shuffle(std::span<std::string_view>(words));

    std::set<std::string> usedNames;
    int faultsGiven = 0;
    for (int t = 0; t < options.Teams; ++t) {
        const auto turn = static_cast<std::size_t>(t);
        std::string password(words[turn % words.size()]);
        if (turn >= words.size()) {  // a second round of words: make each one differ
            password = password.substr(0, 9) + std::to_string(turn / words.size());
        }
        const TeamIdentity identity{t, &Cities()[cityOrder[turn]], password};
        const RosterRequest request{games, FaultOf(options, t, faultsGiven)};
        const RosterSlot roster = MakeRoster(rng, request, usedNames);
        Append(files.TeamFile, EncodeRecord(MakeTeam(rng, identity, games, roster)));
        for (const Player& player : roster) Append(files.RosterFile, EncodeRecord(player));
    }
    return files;
}

void WriteLeague(const std::filesystem::path& base, const GeneratedLeague& league) {
    std::vector<StagedFile> staged;
    staged.reserve(4);
    staged.emplace_back(WithExtension(base, ".lge"), league.LeagueFile);
    staged.emplace_back(WithExtension(base, ".tms"), league.TeamFile);
    staged.emplace_back(WithExtension(base, ".ros"), league.RosterFile);
    staged.emplace_back(WithExtension(base, ".wvr"), Bytes{});
    CommitAll(staged);
}

}  // namespace korvel::gen
