// frmspreadb: the grid window of the single-level tables and of the auxiliary tables of the main
// tables (catalogue in grids/single_catalogue.h).
#pragma once

#include <memory>
#include <span>

#include "grids/gui/grid_form.h"
#include "grids/single_table.h"

namespace pave {

class SingleGridForm : public GridForm {
  Q_OBJECT

 public:
  void Load() override;
  SingleTable* table() const { return table_.get(); }
  void Ok() override;

 private:
  std::unique_ptr<SingleTable> table_;
};

std::span<const ControlSpec> SingleGridControls();

}  // namespace pave
