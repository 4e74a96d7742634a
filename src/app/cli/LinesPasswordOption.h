#pragma once

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "app/cli/ExitCodes.h"
#include "app/cli/Session.h"
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

// How the password of a lines file is chosen besides the typed one: the team's own, or any.
struct LinesPasswordChoice {
    bool League = false;  // the team's lines password from the team file
    bool Force = false;   // a typed password that is not the team's is written all the same
};

// Adds --league-password and --force beside `typed`, the option that takes a typed password.
void AddLinesPasswordChoice(CLI::App& parser, LinesPasswordChoice& choice, CLI::Option* typed);

// The password to save the current team's lines file with: the team's own with --league-password,
// else the typed one; none when neither was given. A typed password that is not the team's lines
// password is refused (the league would refuse the file) unless --force: throws LinesRefusal.
std::optional<FixedText<10>> ChosenLinesPassword(Session& session,
                                                 const std::optional<std::string>& typed,
                                                 const LinesPasswordChoice& choice);

// A refusal of the command line itself (exit code 1), not of a window.
struct LinesRefusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace korvel::cli
