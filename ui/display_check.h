// Finding out, before Qt starts, whether there is a display to open at all:
// without one Qt aborts with a stack of plugin warnings.
#pragma once

#include <optional>
#include <string>

namespace spinzaro {

// A one-line description of why no window can be shown, or nothing when the
// platform looks usable (or the choice is left to an explicit platform).
std::optional<std::string> displayProblem();

}  // namespace spinzaro
