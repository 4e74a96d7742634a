#pragma once

#include <string>

#include "app/cli/ExitCodes.h"
#include "league/LinesFile.h"

namespace korvel::cli {

// A lines password given on the command line is checked before any window opens, so that a
// character the lines file cannot hold changes nothing at all.
inline void RequireLinesPassword(const std::string& password) {
    std::string refused;
    if (!LinesPassword(password, refused)) {
        throw UsageError("the password cannot hold \"" + refused +
                         "\": a lines file keeps only characters of the Windows-1252 set");
    }
}

}  // namespace korvel::cli
