// What the five grid windows share: the grid and its cell editor wired to the cell-editing engine,
// the texts a table sets on the window, the rule that one table is edited at a time, and the end of
// an OK (close, open the next window, mark the caller's status label). A grid window belongs to the
// session of the editor whose table it shows: it is closed when that session ends, and its OK
// stores nothing once it has ended. A refused OK stores nothing; a main table that opens a line's
// auxiliary table stores that line for it and waits, disabled behind it: the auxiliary table's OK
// confirms what was stored, and an auxiliary table left without its OK takes it back and gives the
// main table back as the user left it.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "grids/cell_engine.h"
#include "grids/grid_handover.h"
#include "grids/grid_window.h"
#include "platform/gui/control_table.h"
#include "platform/gui/form.h"
#include "platform/gui/qt_grid.h"
#include "shell/editor_windows.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pave {

class GridForm : public Form, public GridWindowTexts, public EditorBound {
  Q_OBJECT

 public:
  QtGrid& grid() const { return *grid_; }
  QtCellEditor& cell_editor() const { return *editor_; }
  CellEngine* engine() const { return engine_.get(); }
  const GridHandover& handover() const { return handover_; }

  // GridWindowTexts: the caption, lblUnit, lblDelIns and lblDouble where the form has them.
  void SetCaption(const std::string& caption) override;
  void SetUnits(const std::string& units) override;
  void SetKeyHint(const std::string& hint) override;
  void SetDoubleClickHint(const std::string& hint) override;

  // True when a grid window other than this one is open; the user is told so.
  bool AnotherTableOpen() const;
  // A second opening of this window: the user is told when it asks for another table than the one
  // shown; the window comes to the front.
  void SecondOpening();
  // OK (BtnRun, cmdOK of frmSpread3).
  virtual void Ok() = 0;

  // True while the window waits (disabled) for the auxiliary table it opened.
  bool Waiting() const { return waiting_; }
  // The window kind of the auxiliary table or form it waits for (empty while it waits for none).
  const std::string& Auxiliary() const { return auxiliary_; }

  // EditorBound
  bool HoldsEdits() const override;
  std::string WindowTitle() const override;
  bool TakeEdits() override;
  void DropEdits() override;

 protected:
  // The load step every grid window shares: refuses a second table, takes the hand-over, builds
  // the form from its controls, opens the table with `open` (false: the user was told why), shows
  // the window, starts the table with `start` and wires the OK button `ok_button`. False when the
  // window did not open (it is then unloaded).
  bool LoadGrid(const char* window_kind, std::span<const ControlSpec> controls, const std::function<bool()>& open,
                const std::function<void()>& start, const char* ok_button);
  // Builds the form from its table and finds the grid (GridSpreadsheet), the cell editor (TxtCell)
  // and the help text (Text1).
  void BuildGridForm(const FormSpec& spec);
  // The table is laid out: start the engine with `lines` lines, give the grid the focus.
  void StartEngine(GridTable& table, EngineStyle style, int lines);
  // Puts the help text into Text1 (and the program-wide help buffer).
  void SetHelp(const std::string& help);
  // Unloads the window after its load step failed.
  void Abandon();
  // Carries out the end of an OK; after a refused one the grid takes the focus back.
  void Finish(const OkOutcome& outcome);
  // True, after telling the user and closing the window, when the editor session the window was
  // opened in has ended.
  bool SessionEnded();
  // Runs a table's OK and carries out its end; what a refused OK stored is taken back.
  void RunOk(const std::function<OkOutcome()>& ok);
  // Runs the opening of a line's auxiliary table (`open` stores the line and says which window
  // comes next): the window then waits, disabled, for that table; nothing is kept when it is refused.
  // When the auxiliary table is left without its OK, `reshow` puts this table back as the user left
  // it before the window is shown again.
  void OpenAuxiliary(const std::function<OkOutcome()>& open, std::function<void()> reshow);
  // The auxiliary table this window waits for has closed: with its OK (this window then closes, and
  // the table opens it anew) or without (what was stored for it is taken back and this window is
  // shown again).
  void AuxiliaryEnded(bool confirmed);
  void Destroy() override;
  // Runs a handler and tells the user, rather than ending the program, when a data-set entry cannot
  // be reached.
  template <class F>
  void Guarded(F&& f);
  static void TellFailure(const std::exception& e);

  GridHandover handover_;
  QtGrid* grid_ = nullptr;
  std::unique_ptr<QtCellEditor> editor_;
  std::unique_ptr<CellEngine> engine_;
  QPlainTextEdit* Text1 = nullptr;

 private:
  bool waiting_ = false;
  std::string auxiliary_;
  DataSetChanges stored_for_auxiliary_;
  std::function<void()> reshow_;
};

template <class F>
void GridForm::Guarded(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    TellFailure(e);
  }
}

// The window kinds of the five grid windows.
bool IsGridWindow(const std::string& window_kind);

}  // namespace pave
