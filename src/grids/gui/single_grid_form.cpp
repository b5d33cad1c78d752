#include "grids/gui/single_grid_form.h"

#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
constexpr FontSpec kSans{"MS Sans Serif", 8.25};
constexpr FontSpec kSansBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kHint{"MS Sans Serif", 9.75, true};
constexpr FontSpec kCourier{"Courier", 9.75};

// The grid's top left corner on the window: the cell editor is placed there plus the cell's place.
constexpr int kGridLeft = 240;
constexpr int kGridTop = 360;

constexpr ControlSpec kControls[] = {
    {.name = "lblUnit", .kind = ControlKind::Label, .left = 480, .top = 120, .width = 8775, .height = 255,
     .font = kCourier, .colour = colour::kDarkOrange},
    {.name = "GridSpreadsheet", .kind = ControlKind::Grid, .left = kGridLeft, .top = kGridTop, .width = 3495,
     .height = 4815, .font = kSans},
    {.name = "Text1", .kind = ControlKind::TextArea, .left = 3840, .top = 360, .width = 5535, .height = 4815,
     .font = kSansBold, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "lblDelIns", .kind = ControlKind::Label, .left = 240, .top = 5280, .width = 9015, .height = 255,
     .font = kHint, .colour = colour::kBlue},
    {.name = "TxtCell", .kind = ControlKind::TextBox, .left = 1080, .top = 5640, .width = 1932, .height = 288,
     .font = kSans, .colour = colour::kBlack, .flags = ctl::kHidden},
    {.name = "BtnRun", .kind = ControlKind::Button, .caption = "&OK", .left = 4080, .top = 5640, .width = 855,
     .height = 372, .font = kSansBold},
};
}  // namespace

std::span<const ControlSpec> SingleGridControls() { return kControls; }

void SingleGridForm::Load() {
  LoadGrid(
      kind::kGridSingle, kControls,
      [&] {
        table_ = SingleTable::Open(handover_, *grid_, *this);
        return table_ != nullptr;
      },
      [&] {
        SetHelp(table_->Help());
        gGridCols = static_cast<std::int16_t>(table_->layout().data_cols + 1);
        gGridRows = static_cast<std::int16_t>(handover_.grid_lines + 1);
        StartEngine(*table_, {.grid_left = kGridLeft, .grid_top = kGridTop}, handover_.grid_lines);
      },
      "BtnRun");
}

void SingleGridForm::Ok() {
  if (table_) RunOk([this] { return table_->Ok(*engine_); });
}

}  // namespace pave
