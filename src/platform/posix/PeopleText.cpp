#include "platform/PeopleText.h"

namespace korvel {

std::string_view SystemLineEnd() {
    return "\n";
}

}  // namespace korvel
