// The rule of grids/window_entries.h over the windows open in ROVANTE: a table or parameter form of
// an editor does not open while an open window of that editor works on the same entries; the user
// is told which window to complete first. A main table waiting for the auxiliary table or form of
// one of its lines does not keep that window from opening.
#pragma once

#include <optional>
#include <string>

#include "grids/window_entries.h"
#include "platform/window_registry.h"

namespace pave {

// The entries of an open window; nothing for a window that stores nothing.
std::optional<WindowEntries> EntriesOfOpenWindow(const Window& window);

// True when a window of `kind` may open beside the windows open now; otherwise the user is told
// which window to complete first.
bool MayOpenBesideOpenWindows(const std::string& kind);

}  // namespace pave
