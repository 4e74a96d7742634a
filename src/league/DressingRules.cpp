#include "league/DressingRules.h"

#include <string>

#include "league/RosterStatus.h"

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
    return std::to_string(count) + (count == 1 ? " player" : " players");
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
            check.Missing.push_back(std::to_string(rule.Required - count) + " " + rule.Position);
        } else if (rule.Exactly && count > rule.Required) {
            over += count - rule.Required;
            check.Missing.push_back(std::to_string(count - rule.Required) + " " + rule.Position +
                                    " too many");
        }
    }
    const bool allMet = dressed == kGameRosterSize;
    check.Rules[5] = {"All", dressed, kGameRosterSize, true, allMet};
    check.Complete = check.Complete && allMet;
    // Players the position changes above do not already add or take away.
    const int afterChanges = dressed + short_ - over;
    if (afterChanges < kGameRosterSize)
        check.Missing.push_back(Players(kGameRosterSize - afterChanges));
    if (afterChanges > kGameRosterSize)
        check.Missing.push_back(Players(afterChanges - kGameRosterSize) + " too many");
    return check;
}

}  // namespace korvel
