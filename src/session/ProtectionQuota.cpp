#include "session/ProtectionQuota.h"

#include <array>
#include <vector>

namespace korvel {

namespace {

using Counts = std::array<int, 3>;  // by ProtectionGroup

constexpr int F = static_cast<int>(ProtectionGroup::Forwards);
constexpr int D = static_cast<int>(ProtectionGroup::Defence);
constexpr int G = static_cast<int>(ProtectionGroup::Goalies);
constexpr int kKeep = -1;

struct Condition {
    int Group;
    int Count;
    bool Exactly;  // else "at least"
};

// Each rule whose conditions all hold on the protected counts lowers the limits it names; rules
// apply in order, a later one overriding an earlier one.
struct QuotaRule {
    std::vector<Condition> When;
    Counts Limits;  // kKeep leaves a group's limit as it is
};

constexpr Counts kStartLimits{10, 6, 2};

// clang-format off
const std::vector<QuotaRule> kQuotaRules = {
    {{{D, 6, false}},                 {9, kKeep, 1}},
    {{{F, 10, false}},                {kKeep, 5, 1}},
    {{{D, 5, false}},                 {kKeep, kKeep, 1}},
    {{{F, 9, false}},                 {kKeep, kKeep, 1}},
    {{{G, 2, true}},                  {8, 4, kKeep}},
    {{{G, 2, true}, {D, 4, false}},   {7, kKeep, kKeep}},
    {{{G, 2, true}, {F, 8, false}},   {kKeep, 3, kKeep}},
};
// clang-format on

bool Holds(const Condition& condition, const Counts& protectedCount) {
    const int count = protectedCount[static_cast<std::size_t>(condition.Group)];
    return condition.Exactly ? count == condition.Count : count >= condition.Count;
}

}  // namespace

std::optional<ProtectionGroup> ProtectionGroupOf(std::uint8_t position) {
    if (position <= RightWing) return ProtectionGroup::Forwards;
    if (position == Defenceman) return ProtectionGroup::Defence;
    if (position == Goalie) return ProtectionGroup::Goalies;
    return std::nullopt;
}

bool MayProtect(const RosterSlot& slot, std::uint8_t position) {
    const auto group = ProtectionGroupOf(position);
    if (!group) return false;
    Counts protectedCount{};
    for (const Player& player : slot) {
        const auto playerGroup = ProtectionGroupOf(player.Position);
        if (player.Protected != 0 && playerGroup) ++protectedCount[static_cast<int>(*playerGroup)];
    }
    Counts limits = kStartLimits;
    for (const QuotaRule& rule : kQuotaRules) {
        bool holds = true;
        for (const Condition& condition : rule.When)
            holds = holds && Holds(condition, protectedCount);
        if (!holds) continue;
        for (std::size_t g = 0; g < limits.size(); ++g) {
            if (rule.Limits[g] != kKeep) limits[g] = rule.Limits[g];
        }
    }
    const auto g = static_cast<std::size_t>(*group);
    return protectedCount[g] + 1 <= limits[g];
}

}  // namespace korvel
