// A main table (windows frmSpread1 and frmSpreada): its set-up, the opening of a line's auxiliary
// table or form, line insertion and deletion, and OK.
//
// Inserting or deleting a line also moves what the lines own in the data set (response points,
// dowel bars, loaded areas, granular and clay constants, and the per-period values of the line:
// seasonal parameters, load repetitions), through LineMoves; the moves go into the data set when the
// table is confirmed, by OK or by opening an auxiliary table (which writes the line count too), and
// are dropped when the window is closed otherwise.
//
// The count column of a line says how many lines its auxiliary table holds; a larger count is taken
// only by that table's OK, which enters the new lines: OK refuses a count raised on the main table.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grids/cell_engine.h"
#include "grids/grid_window.h"
#include "grids/line_moves.h"
#include "grids/main_catalogue.h"
#include "grids/table_entries.h"

namespace pave {

// What the window does after the opening of an auxiliary table or an OK.
struct MainStep {
  bool close = false;             // close the main window (false: refused, the window stays)
  OkOutcome outcome;              // then: the next window, the label
};

class MainTable : public GridTable {
 public:
  // The table a hand-over opens in `window_kind`; nothing, after a message, when it cannot open.
  static std::unique_ptr<MainTable> Open(const GridHandover& handover, const std::string& window_kind,
                                         GridControl& grid, GridWindowTexts& texts);
  ~MainTable() override;

  const MainLayout& layout() const { return layout_; }
  const TableContext& context() const { return context_; }
  int InitialLines() const { return context_.handover().main_lines; }
  std::string Help() const { return MainHelp(layout_); }
  void Attach(CellEngine& engine) { engine_ = &engine; }

  // Opens the auxiliary table of the current line (double click, Esc on the grid, Enter in the count
  // column): stores the line and its count for that table; the step says what comes next.
  MainStep OpenAuxiliary();
  // The auxiliary table was left without its OK, and what was stored for it was taken back: the
  // table goes on as the user left it, the line's count as stored.
  void AuxiliaryLeft();
  // OK: stores the table and checks it.
  MainStep Ok();
  // The window runs the opening of an auxiliary table (`open`); set by the window.
  std::function<void(const std::function<MainStep()>& open)> on_open;

  // GridTable
  void Setup(int rows) override;
  std::optional<Value> Shown(int line, int col) const override;
  int Capacity() const override { return capacity_; }
  bool LinesFixed() const override { return layout_.lines_fixed; }
  void DoubleClickAction() override;
  bool EnterAction(int line, int col, const std::string& text) override;
  void LineInserted(int line, int lines) override;
  void LineDeleted(int line, int lines) override;

 private:
  MainTable(const MainLayout& layout, const GridHandover& handover, GridControl& grid, GridWindowTexts& texts,
            int capacity);
  std::string CellText(int line, int col) const;
  // The cells of a line as single-precision numbers; false, after the message, when one is blank or
  // not a number (the current cell is then that cell).
  bool ReadLine(int line, std::array<float, 9>& values);
  // Stores cell (line, col): unchanged, the entry as it was shown; else the number read.
  void StoreCell(int line, int col, float value);
  void CommitMoves();
  MainStep AuxiliaryStep(int owner, const std::array<float, 9>& values);

  // The count of each line as stored (index 0 unused), moved with inserted and deleted lines.
  std::vector<double> held_counts_;
  int aux_owner_ = 0;   // the line whose auxiliary table was opened last

  const MainLayout& layout_;
  TableContext context_;
  GridControl& grid_;
  GridWindowTexts& texts_;
  CellEngine* engine_ = nullptr;
  int capacity_;
  std::unique_ptr<LineMoves> owned_;
};

}  // namespace pave
