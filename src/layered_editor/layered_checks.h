// The completeness check of data set 1 before a save (the first menu whose data is still missing).
#pragma once

#include <optional>
#include <string>

namespace pave {

// The message naming the first menu to complete in data set 1, or nothing.
std::optional<std::string> LayeredCompletenessProblem();

}  // namespace pave
