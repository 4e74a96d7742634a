#pragma once

#include <optional>

#include "league/Variables.h"

namespace korvel {

// Protection counts players in three groups: forwards, defence and goalies.
enum class ProtectionGroup { Forwards = 0, Defence = 1, Goalies = 2 };

// The group of a position code; no value for a code that is no position.
std::optional<ProtectionGroup> ProtectionGroupOf(std::uint8_t position);

// True when one more player of `position` may be protected, given the marks already set in `slot`.
bool MayProtect(const RosterSlot& slot, std::uint8_t position);

}  // namespace korvel
