#include "session/TeamReadiness.h"

#include <filesystem>
#include <system_error>

#include "league/Condense.h"
#include "league/DressingRules.h"
#include "league/LinesFile.h"
#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"
#include "session/Briefing.h"
#include "session/LinePlaces.h"

namespace korvel {
namespace {

std::string Who(const Player& player, int index) {
    return KORVEL_PHRASE("Readiness", "%1 (%2)")
        .With({Windows1252ToUtf8(Condense(player.Name.Str())), std::to_string(index)})
        .English();
}

int InjuryAt(const Player& player, std::uint8_t place) {
    const int injury = InjuryOf(place);
    return injury != 0 ? injury : InjuryOf(player.Status);
}

bool Counts(const RosterSlot& players, int i) {
    const Player& player = players[static_cast<std::size_t>(i)];
    return !player.IsEmptyPlace() && player.WaiverMark == 0;
}

bool DressedAt(const ReadinessFacts& facts, int i) {
    return Counts(*facts.Players, i) &&
           PlaceOf(facts.Places[static_cast<std::size_t>(i)]) == Dressed;
}

void CheckPlayersOut(const Variables& vars, const ReadinessFacts& facts,
                     std::vector<LinesProblem>& problems) {
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (!DressedAt(facts, i)) continue;
        const Player& player = (*facts.Players)[static_cast<std::size_t>(i)];
        const std::uint8_t place = facts.Places[static_cast<std::size_t>(i)];
        if (const int injury = InjuryAt(player, place); injury != 0) {
            problems.push_back(
                {"injured dressed", KORVEL_PHRASE("Readiness", "%1 is hurt (%2) and dressed")
                                        .With({Who(player, i), InjuryName(vars, injury)})
                                        .English()});
        } else if (player.Suspension != 0) {
            problems.push_back(
                {"suspended dressed",
                 KORVEL_PLURAL("Readiness", "%1 is suspended (%n game(s)) and dressed")
                     .With({Who(player, i)})
                     .Counting(player.Suspension)
                     .English()});
        }
    }
}

void CheckGameRoster(const ReadinessFacts& facts, std::vector<LinesProblem>& problems) {
    std::array<std::uint8_t, 5> at{};
    int able = 0;
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (!DressedAt(facts, i)) continue;
        const Player& player = (*facts.Players)[static_cast<std::size_t>(i)];
        if (!MayPlay(player, facts.Places[static_cast<std::size_t>(i)])) continue;
        ++able;
        if (player.Position <= Goalie) ++at[player.Position];
    }
    const DressingCheck check = CheckDressing(at, able);
    for (std::size_t r = 0; r + 1 < check.Rules.size(); ++r) {
        const DressingRule& rule = check.Rules[r];
        if (rule.Met) continue;
        if (rule.Count < rule.Required) {
            problems.push_back(
                {"dressed", KORVEL_PHRASE("Readiness", "The game roster needs %1 more %2")
                                .With({std::to_string(rule.Required - rule.Count), rule.Position})
                                .English()});
        } else {
            problems.push_back(
                {"dressed", KORVEL_PHRASE("Readiness", "The game roster has %1 %2; it takes %3")
                                .With({std::to_string(rule.Count), rule.Position,
                                       std::to_string(rule.Required)})
                                .English()});
        }
    }
    const DressingRule& all = check.Rules.back();
    if (!all.Met) {
        problems.push_back(
            {"dressed",
             KORVEL_PLURAL("Readiness", "%n dressed player(s) can play; a game roster has %1")
                 .With({std::to_string(all.Required)})
                 .Counting(all.Count)
                 .English()});
    }
}

void CheckLineUp(const ReadinessFacts& facts, std::vector<LinesProblem>& problems) {
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < UsedLineColumns(row); ++c) {
            const std::uint8_t entry = facts.LineUp[LineIndex(row, c)];
            const std::string place = PlaceName(row, c);
            if (entry == kNoPlayer) {
                problems.push_back(
                    {"incomplete",
                     KORVEL_PHRASE("Readiness", "%1 is empty").With({place}).English()});
            } else if (entry >= kRosterPlaces || !Counts(*facts.Players, entry)) {
                problems.push_back(
                    {"entry", KORVEL_PHRASE("Readiness", "%1 names no player of the team")
                                  .With({place})
                                  .English()});
            } else if (!DressedAt(facts, entry)) {
                problems.push_back(
                    {"undressed in lines", KORVEL_PHRASE("Readiness", "%1: %2 is not dressed")
                                               .With({place, Who((*facts.Players)[entry], entry)})
                                               .English()});
            }
        }
    }
}

}  // namespace

bool MayPlay(const Player& player, std::uint8_t place) {
    return InjuryAt(player, place) == 0 && player.Suspension == 0;
}

std::string AbsenceText(const Variables& vars, const Player& player, std::uint8_t place) {
    std::string absence;
    if (const int injury = InjuryAt(player, place); injury > 0) {
        const bool known = injury < static_cast<int>(vars.InjuryCode.size()) &&
                           !vars.InjuryCode[static_cast<std::size_t>(injury)].empty();
        absence = known ? vars.InjuryCode[static_cast<std::size_t>(injury)]
                        : KORVEL_PHRASE("Readiness", "Injury %1")
                              .With({std::to_string(injury)})
                              .English();
    }
    if (player.Suspension > 0) {
        const std::string games = KORVEL_PHRASE("Readiness", "Susp %1")
                                      .With({std::to_string(player.Suspension)})
                                      .English();
        absence = absence.empty()
                      ? games
                      : KORVEL_PHRASE("Readiness", "%1, %2").With({absence, games}).English();
    }
    return absence;
}

std::vector<LinesProblem> CheckReadiness(const Variables& vars, const ReadinessFacts& facts) {
    std::vector<LinesProblem> problems;
    if (facts.FilePassword && *facts.FilePassword != facts.TeamRecord->Password) {
        problems.push_back(
            {"password", KORVEL_PHRASE("Readiness", "The password is not the lines password of %1.")
                             .With({Windows1252ToUtf8(Condense(facts.TeamRecord->Name.Str()))})
                             .English()});
    }
    CheckPlayersOut(vars, facts, problems);
    CheckGameRoster(facts, problems);
    CheckLineUp(facts, problems);
    return problems;
}

ReadinessFacts RecordFacts(const Team& team, const RosterSlot& players) {
    ReadinessFacts facts;
    facts.TeamRecord = &team;
    facts.Players = &players;
    for (std::size_t i = 0; i < players.size(); ++i) facts.Places[i] = players[i].Status;
    facts.LineUp = team.LineSlots;
    return facts;
}

std::filesystem::path LinesFileOf(const Variables& vars, int team) {
    const auto name = LinesFileName(vars.Teams[static_cast<std::size_t>(team)].Name, team);
    std::error_code error;
    const auto folder = std::filesystem::absolute(vars.StartFolder, error);
    return (error ? vars.StartFolder : folder) / name;
}

std::optional<FixedText<10>> SavedLinesPassword(const Variables& vars, int team) {
    const std::filesystem::path file = LinesFileOf(vars, team);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    try {
        return ReadLinesFile(file).Password;
    } catch (const std::exception&) {
        return std::nullopt;  // not a lines file the league would read: check-lines says why
    }
}

}  // namespace korvel
