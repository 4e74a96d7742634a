#include "league/DressingRules.h"

#include <string>

#include "league/RosterStatus.h"
#include "platform/Phrase.h"

namespace korvel {
namespace {

struct PositionRule {
    const char* Position;
    int Required;
    bool Exactly;
};
constexpr std::array<PositionRule, 5> kPositionRules = {{
    {"C", 3, false},
    {"LW", 3, false},
    {"RW", 3, false},
    {"D", 6, false},
    {"G", 2, true},
}};

std::string Players(int count) {
    return KORVEL_PLURAL("League", "%n player(s)").Counting(count).English();
}

std::string TooManyPlayers(int count) {
    return KORVEL_PLURAL("League", "%n player(s) too many").Counting(count).English();
}

}  // namespace

DressingCheck CheckDressing(const std::array<std::uint8_t, 5>& positionCount, int dressed) {
    DressingCheck check;
    check.Complete = true;
    int short_ = 0;
    int over = 0;
    for (std::size_t p = 0; p < kPositionRules.size(); ++p) {
        const PositionRule& rule = kPositionRules[p];
        const int count = positionCount[p];
        const bool met = rule.Exactly ? count == rule.Required : count >= rule.Required;
        check.Rules[p] = {rule.Position, count, rule.Required, rule.Exactly, met};
        check.Complete = check.Complete && met;
        if (count < rule.Required) {
            short_ += rule.Required - count;
            check.Missing.push_back(
                KORVEL_PHRASE("League", "%1 %2")
                    .With({std::to_string(rule.Required - count), rule.Position})
                    .English());
        } else if (rule.Exactly && count > rule.Required) {
            over += count - rule.Required;
            check.Missing.push_back(
                KORVEL_PHRASE("League", "%1 %2 too many")
                    .With({std::to_string(count - rule.Required), rule.Position})
                    .English());
        }
    }
    const bool allMet = dressed == kGameRosterSize;
    check.Rules[5] = {KORVEL_TEXT("League", "All"), dressed, kGameRosterSize, true, allMet};
    check.Complete = check.Complete && allMet;
    // Players the position changes above do not already add or take away.
    const int afterChanges = dressed + short_ - over;
    if (afterChanges < kGameRosterSize)
        check.Missing.push_back(Players(kGameRosterSize - afterChanges));
    if (afterChanges > kGameRosterSize)
        check.Missing.push_back(TooManyPlayers(afterChanges - kGameRosterSize));
    return check;
}

}  // namespace korvel
