#pragma once

// Included before everything else in the command-line tests: a JSON key or index that a test reads
// and the output lacks throws, so that it fails that one test instead of the library's assertion
// stopping the whole test binary.

#include <stdexcept>

namespace korvel::test {
[[noreturn]] inline void JsonAccessFailed() {
    throw std::logic_error("JSON: no such key or index");
}
}  // namespace korvel::test

#define JSON_ASSERT(x) (static_cast<bool>(x) ? void(0) : ::korvel::test::JsonAccessFailed())
