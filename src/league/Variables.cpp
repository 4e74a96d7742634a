#include "league/Variables.h"

namespace korvel {

std::string PositionName(const Variables& vars, std::uint8_t position) {
    return position < vars.PositionAbbrev.size() ? vars.PositionAbbrev[position] : "?";
}

}  // namespace korvel
