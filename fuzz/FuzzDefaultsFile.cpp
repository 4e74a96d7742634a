// The korvel.def reader: any content gives a path or none without failing, and every path the
// writer accepts reads back exactly as written.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "league/LeagueFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)korvel::ParseDefaultsLine(text);

    korvel::Bytes content;
    try {
        content = korvel::DefaultsFileContent(std::filesystem::path(text));
    } catch (const korvel::LeagueError&) {
        return 0;  // refused: the path cannot be remembered
    }
    const auto readBack = korvel::ParseDefaultsLine(
        std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
    const bool representable = text.find('\0') == std::string::npos && text.size() <= 4096;
    if (representable && (!readBack || readBack->native() != text)) std::abort();
    return 0;
}
