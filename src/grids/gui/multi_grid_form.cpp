#include "grids/gui/multi_grid_form.h"

#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
constexpr FontSpec kSans{"MS Sans Serif", 8.25};
constexpr FontSpec kSansBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kHint{"MS Sans Serif", 9.75, true};
constexpr FontSpec kCourier{"Courier", 9.75};

constexpr int kMultiGridLeft = 120, kMultiGridTop = 840;
constexpr int kLayerGridLeft = 0, kLayerGridTop = 600;

constexpr ControlSpec kMulti[] = {
    {.name = "Label2", .kind = ControlKind::Label, .caption = kEnterReminder, .left = 120, .top = 120,
     .width = 8535, .height = 255, .font = kSansBold, .colour = colour::kRed},
    {.name = "lblUnit", .kind = ControlKind::Label, .left = 240, .top = 600, .width = 8415, .height = 255,
     .font = kCourier, .colour = colour::kDarkOrange},
    {.name = "GridSpreadsheet", .kind = ControlKind::Grid, .left = kMultiGridLeft, .top = kMultiGridTop,
     .width = 9255, .height = 2175, .font = kSans},
    {.name = "lblDelIns", .kind = ControlKind::Label, .left = 360, .top = 3120, .width = 9135, .height = 255,
     .font = kHint, .colour = colour::kBlue},
    {.name = "Text1", .kind = ControlKind::TextArea, .left = 120, .top = 3480, .width = 9255, .height = 1935,
     .font = kSansBold, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "BtnRun", .kind = ControlKind::Button, .caption = "&OK", .left = 4320, .top = 5520, .width = 855,
     .height = 372, .font = kSansBold},
    {.name = "TxtCell", .kind = ControlKind::TextBox, .left = 1080, .top = 3840, .width = 1932, .height = 288,
     .font = kSans, .colour = colour::kBlack, .flags = ctl::kHidden},
};

constexpr ControlSpec kSlabLayer[] = {
    {.name = "lblUnit", .kind = ControlKind::Label, .left = 240, .top = 240, .width = 8895, .height = 255,
     .font = kCourier, .colour = colour::kDarkOrange},
    {.name = "GridSpreadsheet", .kind = ControlKind::Grid, .left = kLayerGridLeft, .top = kLayerGridTop,
     .width = 9255, .height = 1635, .font = kSans},
    {.name = "Text1", .kind = ControlKind::TextArea, .left = 120, .top = 2640, .width = 9135, .height = 2535,
     .font = kSansBold, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "cmdOK", .kind = ControlKind::Button, .caption = "&OK", .left = 4320, .top = 5400, .width = 1215,
     .height = 495, .font = kSansBold},
    {.name = "TxtCell", .kind = ControlKind::TextBox, .left = 360, .top = 2280, .width = 1215, .height = 375,
     .font = kSans, .colour = colour::kBlack, .flags = ctl::kHidden},
};
}  // namespace

std::span<const ControlSpec> MultiGridControls(const std::string& window_kind) {
  if (window_kind == kind::kGridSlabLayer) return kSlabLayer;
  return kMulti;
}

MultiGridForm::MultiGridForm() : MultiGridFormBase(kind::kGridMulti) {}
SlabLayerGridForm::SlabLayerGridForm() : MultiGridFormBase(kind::kGridSlabLayer) {}

void MultiGridFormBase::Load() {
  const bool slab_layer = std::string(window_kind_) == kind::kGridSlabLayer;
  LoadGrid(
      window_kind_, MultiGridControls(window_kind_),
      [&] {
        table_ = MultiTable::Open(handover_, window_kind_, *grid_, *this);
        return table_ != nullptr;
      },
      [&] {
        SetHelp(table_->Help());
        gGridCols = static_cast<std::int16_t>(table_->Cols());
        gGridRows = static_cast<std::int16_t>(handover_.grid_lines + 1);
        EngineStyle style;
        style.enter_from_selection = false;
        if (slab_layer) {
          style.grid_left = kLayerGridLeft;
          style.grid_top = kLayerGridTop;
        } else {
          style.grid_left = kMultiGridLeft;
          style.grid_top = kMultiGridTop;
          style.lines_at_selection = true;
          style.paging = EngineStyle::Paging::MultiColumn;
        }
        StartEngine(*table_, style, handover_.grid_lines);
      },
      slab_layer ? "cmdOK" : "BtnRun");
}

void MultiGridFormBase::Ok() {
  if (table_) RunOk([this] { return table_->Ok(*engine_); });
}

}  // namespace pave
