#include "grids/gui/main_grid_form.h"

#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
constexpr FontSpec kSans{"MS Sans Serif", 8.25};
constexpr FontSpec kSansBold{"MS Sans Serif", 8.25, true};
constexpr FontSpec kHint{"MS Sans Serif", 9.75, true};
constexpr FontSpec kCourier{"Courier", 9.75};

struct Place {
  int left, top;
};
constexpr Place kGrid1{120, 720};
constexpr Place kGridA{240, 720};

constexpr ControlSpec kMain1[] = {
    {.name = "lblDouble", .kind = ControlKind::Label, .left = 240, .top = 120, .width = 9135, .height = 255,
     .font = kHint, .colour = colour::kRed},
    {.name = "lblUnit", .kind = ControlKind::Label, .left = 360, .top = 480, .width = 8775, .height = 255,
     .font = kCourier, .colour = colour::kDarkOrange},
    {.name = "GridSpreadsheet", .kind = ControlKind::Grid, .left = kGrid1.left, .top = kGrid1.top, .width = 9375,
     .height = 1815, .font = kSans},
    {.name = "lblDelIns", .kind = ControlKind::Label, .caption = kMainKeyHint, .left = 360, .top = 2640,
     .width = 9015, .height = 255, .font = kHint, .colour = colour::kBlue},
    {.name = "Text1", .kind = ControlKind::TextArea, .left = 120, .top = 3000, .width = 9255, .height = 2535,
     .font = kSansBold, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "TxtCell", .kind = ControlKind::TextBox, .left = 1080, .top = 5640, .width = 1932, .height = 288,
     .font = kSans, .colour = colour::kBlack, .flags = ctl::kHidden},
    {.name = "BtnRun", .kind = ControlKind::Button, .caption = "&OK", .left = 4080, .top = 5640, .width = 855,
     .height = 372, .font = kSansBold},
};

constexpr ControlSpec kMainA[] = {
    {.name = "lblDouble", .kind = ControlKind::Label, .left = 240, .top = 120, .width = 9135, .height = 255,
     .font = kHint, .colour = colour::kRed},
    {.name = "lblUnit", .kind = ControlKind::Label, .left = 360, .top = 480, .width = 8775, .height = 255,
     .font = kCourier, .colour = colour::kDarkOrange},
    {.name = "GridSpreadsheet", .kind = ControlKind::Grid, .left = kGridA.left, .top = kGridA.top, .width = 3495,
     .height = 4455, .font = kSans},
    {.name = "Text1", .kind = ControlKind::TextArea, .left = 3840, .top = 720, .width = 5535, .height = 4455,
     .font = kSansBold, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "lblDelIns", .kind = ControlKind::Label, .caption = kMainKeyHint, .left = 240, .top = 5280,
     .width = 9015, .height = 255, .font = kHint, .colour = colour::kBlue},
    {.name = "TxtCell", .kind = ControlKind::TextBox, .left = 1080, .top = 5640, .width = 1932, .height = 288,
     .font = kSans, .colour = colour::kBlack, .flags = ctl::kHidden},
    {.name = "BtnRun", .kind = ControlKind::Button, .caption = "&OK", .left = 4080, .top = 5640, .width = 855,
     .height = 372, .font = kSansBold},
};
}  // namespace

std::span<const ControlSpec> MainGridControls(const std::string& window_kind) {
  if (window_kind == kind::kGridMain) return kMain1;
  return kMainA;
}

MainGridForm::MainGridForm() : MainGridFormBase(kind::kGridMain) {}
MainSlabGridForm::MainSlabGridForm() : MainGridFormBase(kind::kGridMainSlab) {}

void MainGridFormBase::Load() {
  const Place at = std::string(window_kind_) == kind::kGridMain ? kGrid1 : kGridA;
  LoadGrid(
      window_kind_, MainGridControls(window_kind_),
      [&] {
        table_ = MainTable::Open(handover_, window_kind_, *grid_, *this);
        return table_ != nullptr;
      },
      [&] {
        SetHelp(table_->Help());
        gMainRows = Value(handover_.main_lines + 1);
        StartEngine(*table_, {.grid_left = at.left, .grid_top = at.top, .paging = EngineStyle::Paging::MainTable},
                    handover_.main_lines);
        table_->Attach(*engine_);
        table_->on_open = [this](const std::function<MainStep()>& open) {
          OpenAuxiliary(
              [&] {
                const MainStep step = open();
                return step.close ? step.outcome : OkOutcome{};
              },
              [this] { table_->AuxiliaryLeft(); });
        };
      },
      "BtnRun");
}

void MainGridFormBase::Ok() {
  if (!table_) return;
  RunOk([this] {
    const MainStep step = table_->Ok();
    return step.close ? step.outcome : OkOutcome{};
  });
}

}  // namespace pave
