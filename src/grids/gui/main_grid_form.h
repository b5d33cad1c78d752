// frmSpread1 (main tables 107, 111, 224) and frmSpreada (main tables 209, 210, 221, 223): grid
// windows whose lines open an auxiliary table (grids/main_catalogue.h).
#pragma once

#include <memory>
#include <span>
#include <string>

#include "grids/gui/grid_form.h"
#include "grids/main_table.h"

namespace pave {

class MainGridFormBase : public GridForm {
  Q_OBJECT

 public:
  void Load() override;
  MainTable* table() const { return table_.get(); }
  void Ok() override;

 protected:
  explicit MainGridFormBase(const char* window_kind) : window_kind_(window_kind) {}

 private:
  const char* window_kind_;
  std::unique_ptr<MainTable> table_;
};

// frmSpread1.
class MainGridForm : public MainGridFormBase {
  Q_OBJECT
 public:
  MainGridForm();
};

// frmSpreada.
class MainSlabGridForm : public MainGridFormBase {
  Q_OBJECT
 public:
  MainSlabGridForm();
};

std::span<const ControlSpec> MainGridControls(const std::string& window_kind);

}  // namespace pave
