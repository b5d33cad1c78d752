// What the tables of the grid windows need of their window, and what an OK leaves for the window to
// do: the texts a table sets (caption, units line, hints), the help text's paragraphs, and the end
// of an OK (close, open the next window, mark a status label).
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grids/grid_handover.h"
#include "platform/grid_control.h"

namespace pave {

// The texts a table puts on its window.
class GridWindowTexts {
 public:
  virtual ~GridWindowTexts() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetUnits(const std::string& units) = 0;
  virtual void SetKeyHint(const std::string& hint) = 0;
  // The hint of the main tables on opening a line's auxiliary table.
  virtual void SetDoubleClickHint(const std::string& hint) { (void)hint; }
};

// The key hint of the grids.
inline constexpr const char* kKeyHint =
    "Use <Ctrl>-<Del> to delete a line, <Ctrl>-<Ins> to insert a line, and <Del> to clear a cell.";

// A status label of another window: "done" goes into it when that window is open.
struct LabelMark {
  std::string window;
  std::string label;
};

// What the window does after an OK.
struct OkOutcome {
  bool close = false;                     // unload the window (false: OK refused, the window stays)
  bool clay_values_kept = false;          // gClayDefaults := 2 and optNoDefault of frmNonlin selected
  std::string next_window;                // then load this window ...
  GridHandover next;                      // ... with this hand-over
  std::optional<LabelMark> label;         // last, mark this label "done"
};

// A help text: numbered paragraphs, each four blanks, "(n)", two blanks (one from (10) on), the
// text and CR LF.
std::string HelpText(const std::vector<std::string>& paragraphs);

// The program's title on message boxes.
inline constexpr const char* kProgramTitle = "ROVANTE";

// Shows an OK message box with the program's title.
void Tell(const std::string& text);

// A refusal about one cell: makes (row, col) the grid's current cell and gives the grid the focus,
// so that the user's typing goes on in that cell once the message is read, then tells `text`.
void TellAtCell(GridControl& grid, int row, int col, const std::string& text);

}  // namespace pave
