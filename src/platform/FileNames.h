#pragma once

namespace korvel {

// Whether a file name on this system may hold `character`: POSIX refuses only '/' (and the zero
// byte), Windows also " * : < > ? \ | and the control characters.
bool FileNamesMayHold(char character);

}  // namespace korvel
