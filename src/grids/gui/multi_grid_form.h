// frmSpread2 (multi-column tables) and frmSpread3 (slab-layer tables), catalogue in
// grids/multi_catalogue.h.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "grids/gui/grid_form.h"
#include "grids/multi_table.h"

namespace pave {

class MultiGridFormBase : public GridForm {
  Q_OBJECT

 public:
  void Load() override;
  MultiTable* table() const { return table_.get(); }
  void Ok() override;

 protected:
  explicit MultiGridFormBase(const char* window_kind) : window_kind_(window_kind) {}

 private:
  const char* window_kind_;
  std::unique_ptr<MultiTable> table_;
};

// frmSpread2.
class MultiGridForm : public MultiGridFormBase {
  Q_OBJECT
 public:
  MultiGridForm();
};

// frmSpread3.
class SlabLayerGridForm : public MultiGridFormBase {
  Q_OBJECT
 public:
  SlabLayerGridForm();
};

std::span<const ControlSpec> MultiGridControls(const std::string& window_kind);

}  // namespace pave
