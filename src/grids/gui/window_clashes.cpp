#include "grids/gui/window_clashes.h"

#include "grids/gui/grid_form.h"
#include "platform/platform.h"

namespace pave {

namespace {
std::optional<WindowEntries> EntriesOfWindowKind(const std::string& kind) {
  if (IsGridWindow(kind)) return EntriesOfTable(kind, PeekHandover(kind).kind);
  return EntriesOfForm(kind);
}

std::string TitleOf(const Window& window) {
  const auto* bound = dynamic_cast<const EditorBound*>(&window);
  const std::string title = bound ? bound->WindowTitle() : std::string();
  return title.empty() ? window.kind() : title;
}
}  // namespace

std::optional<WindowEntries> EntriesOfOpenWindow(const Window& window) {
  if (const auto* grid = dynamic_cast<const GridForm*>(&window)) {
    return EntriesOfTable(window.kind(), grid->handover().kind);
  }
  return EntriesOfForm(window.kind());
}

bool MayOpenBesideOpenWindows(const std::string& kind) {
  const std::optional<WindowEntries> opening = EntriesOfWindowKind(kind);
  if (!opening) return true;
  const bool table = IsGridWindow(kind);
  WindowRegistry& windows = platform().windows();
  for (const std::string& loaded : windows.LoadedKinds()) {
    const Window* open = windows.Find(loaded);
    if (!open || loaded == kind) continue;
    if (const auto* grid = dynamic_cast<const GridForm*>(open)) {
      // Tables among themselves: one at a time (GridForm); a waiting main table opens its line's own.
      if (table || grid->Auxiliary() == kind) continue;
    }
    const std::optional<WindowEntries> held = EntriesOfOpenWindow(*open);
    if (!held || !Clashes(*opening, *held)) continue;
    if (const auto* bound = dynamic_cast<const EditorBound*>(open); bound && !bound->SessionCurrent()) continue;
    platform().messages().Tell(ClashMessage(TitleOf(*open), table), "ROVANTE");
    // The window to complete comes to the front (a waiting main table: the table it waits for).
    const auto* grid = dynamic_cast<const GridForm*>(open);
    if (Window* front = windows.Find(grid && grid->Waiting() ? grid->Auxiliary() : loaded)) front->Show();
    return false;
  }
  return true;
}

}  // namespace pave
