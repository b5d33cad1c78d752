#include "grids/grid_window.h"

#include "platform/platform.h"

namespace pave {

std::string HelpText(const std::vector<std::string>& paragraphs) {
  std::string text;
  int n = 0;
  for (const std::string& paragraph : paragraphs) {
    ++n;
    text += "    (" + std::to_string(n) + (n < 10 ? ")  " : ") ") + paragraph + "\r\n";
  }
  return text;
}

void Tell(const std::string& text) { platform().messages().Tell(text, kProgramTitle); }

void TellAtCell(GridControl& grid, int row, int col, const std::string& text) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetFocus();
  Tell(text);
}

}  // namespace pave
