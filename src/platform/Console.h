#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// Makes standard output and standard error carry the programs' UTF-8 bytes unchanged: a console
// shows them as UTF-8, and no line end is rewritten on the way. The console the program was
// started from gets its own setting back when the program ends (RestoreConsoleOutput), however
// it ends: by returning, by exit(), or stopped with Ctrl+C or by closing the console.
void UseUtf8Output();

// Gives the console back the output setting it had before UseUtf8Output; nothing when that was
// never called or has been undone already.
void RestoreConsoleOutput();

// The program's arguments in UTF-8, whatever the system's code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The width in columns of the terminal standard output shows in; nullopt when it is no terminal.
std::optional<std::size_t> TerminalColumns();

}  // namespace korvel
