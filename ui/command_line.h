// The game's own command-line options, answered before any window is opened.
#pragma once

#include <optional>

namespace spinzaro {

// Answers --help and --version, and refuses an unknown option or argument in
// one line on stderr, without a display; Qt's own options pass untouched.
// Returns the exit status when the program should end here, nothing when the
// game should start.
std::optional<int> answerCommandLine(int argc, char* argv[]);

}  // namespace spinzaro
