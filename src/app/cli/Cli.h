#pragma once

#include <ostream>

namespace korvel::cli {

// Parses the arguments, runs the command and returns the exit code (see ExitCodes.h).
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace korvel::cli
