#include "platform/PeopleText.h"

namespace korvel {

std::string TextForPeople(std::string_view text) {
    const std::string_view end = SystemLineEnd();
    if (end == "\n") return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        // A line already ended as the system ends it is kept as it is.
        if (text[at] == '\n' && !(at > 0 && text[at - 1] == '\r')) {
            out += end;
        } else {
            out += text[at];
        }
    }
    return out;
}

}  // namespace korvel
