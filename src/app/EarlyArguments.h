#pragma once

#include <functional>

class QCommandLineParser;

namespace korvel::app {

enum class EarlyArguments { Run, PrintOnly, UsageError };

// Reads the program's arguments before any application object exists, so that a mistake in them
// is told the same way with or without a display. `describe` adds the program's options to a
// parser. A usage error is written to standard error; --help and --version are left to the
// application's own parser (PrintOnly), which needs no display for them.
EarlyArguments ReadArgumentsEarly(int argc, char* argv[],
                                  const std::function<void(QCommandLineParser&)>& describe);

}  // namespace korvel::app
