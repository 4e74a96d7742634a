#pragma once

#include <stdexcept>

namespace korvel::cli {

enum ExitCode : int {
    kDone = 0,
    kRefused = 1,  // the program showed a message that stopped the action
    kUsage = 2,    // bad arguments, or no league could be loaded
};

// A mistake on the command line or a league that cannot be used; ends the run with kUsage.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace korvel::cli
