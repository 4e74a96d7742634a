#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// Makes standard output and standard error carry the programs' UTF-8 bytes unchanged: a console
// shows them as UTF-8, and no line end is rewritten on the way.
void UseUtf8Output();

// The program's arguments in UTF-8, whatever the system's code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The width in columns of the terminal standard output shows in; nullopt when it is no terminal.
std::optional<std::size_t> TerminalColumns();

}  // namespace korvel
