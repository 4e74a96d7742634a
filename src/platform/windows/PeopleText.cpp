#include "platform/PeopleText.h"

namespace korvel {

std::string_view SystemLineEnd() {
    // Notepad and the other editors of Windows write, and some only read, "\r\n".
    return "\r\n";
}

}  // namespace korvel
