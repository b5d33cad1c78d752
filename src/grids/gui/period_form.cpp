#include "grids/gui/period_form.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "grids/grid_window.h"
#include "shell/gui/status_label.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
constexpr FontSpec kBold{"MS Sans Serif", 8.25, true};

constexpr ControlSpec kControls[] = {
    {.name = "cmdPeriod1", .kind = ControlKind::Button, .caption = " ", .left = 360, .top = 120, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod2", .kind = ControlKind::Button, .caption = " ", .left = 1800, .top = 120, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod3", .kind = ControlKind::Button, .caption = " ", .left = 3240, .top = 120, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod4", .kind = ControlKind::Button, .caption = " ", .left = 4680, .top = 120, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod5", .kind = ControlKind::Button, .caption = " ", .left = 6120, .top = 120, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod6", .kind = ControlKind::Button, .caption = " ", .left = 7560, .top = 120, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod7", .kind = ControlKind::Button, .caption = " ", .left = 360, .top = 1080, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod8", .kind = ControlKind::Button, .caption = " ", .left = 1800, .top = 1080, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod9", .kind = ControlKind::Button, .caption = " ", .left = 3240, .top = 1080, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod10", .kind = ControlKind::Button, .caption = " ", .left = 4680, .top = 1080, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod11", .kind = ControlKind::Button, .caption = " ", .left = 6120, .top = 1080, .width = 1095, .height = 375, .font = kBold},
    {.name = "cmdPeriod12", .kind = ControlKind::Button, .caption = " ", .left = 7560, .top = 1080, .width = 1095, .height = 375, .font = kBold},
    {.name = "lblPeriod1", .kind = ControlKind::Label, .caption = " ", .left = 600, .top = 480, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod2", .kind = ControlKind::Label, .caption = " ", .left = 2040, .top = 480, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod3", .kind = ControlKind::Label, .caption = " ", .left = 3480, .top = 480, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod4", .kind = ControlKind::Label, .caption = " ", .left = 4920, .top = 480, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod5", .kind = ControlKind::Label, .caption = " ", .left = 6360, .top = 480, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod6", .kind = ControlKind::Label, .caption = " ", .left = 7800, .top = 480, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod7", .kind = ControlKind::Label, .caption = " ", .left = 720, .top = 1440, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod8", .kind = ControlKind::Label, .caption = " ", .left = 2040, .top = 1440, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod9", .kind = ControlKind::Label, .caption = " ", .left = 3480, .top = 1440, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod10", .kind = ControlKind::Label, .caption = " ", .left = 4920, .top = 1440, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod11", .kind = ControlKind::Label, .caption = " ", .left = 6360, .top = 1440, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "lblPeriod12", .kind = ControlKind::Label, .caption = " ", .left = 7800, .top = 1440, .width = 615, .height = 255, .colour = colour::kRed},
    {.name = "Text1", .kind = ControlKind::TextArea, .left = 120, .top = 1920, .width = 9255, .height = 3255,
     .font = kBold, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "cmdOK", .kind = ControlKind::Button, .caption = "&OK", .left = 3840, .top = 5400, .width = 1215,
     .height = 495, .font = kBold},
};

QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

std::span<const ControlSpec> PeriodControls() { return kControls; }

void PeriodForm::Load() {
  handover_ = HandoverFromProgramState();
  const std::optional<PeriodSelection> selection = PeriodSelectionFor(handover_);
  if (!selection) {
    Tell("Table kind " + std::to_string(handover_.kind) + " has no periods to choose from.");
    if (registry()) registry()->Unload(this);
    return;
  }
  selection_ = *selection;
  BindToEditor(handover_.Layered() ? EditorKind::Layered : EditorKind::Slab);
  gCrLf = "\r\n";
  BuildForm(*this, {.name = kind::kPeriod, .controls = kControls});
  auto& help = Control<QPlainTextEdit>(*this, "Text1");
  help.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Show();
  setWindowTitle(Q(selection_.caption));
  const GridHandover first = PeriodTableHandover(handover_, 1);
  gGridCols = 2;
  gGridLines = Value(first.grid_lines);
  for (int k = 1; k <= 12; ++k) {
    auto& button = Control<QPushButton>(*this, "cmdPeriod" + std::to_string(k));
    auto& label = Control<QLabel>(*this, "lblPeriod" + std::to_string(k));
    if (k <= selection_.periods) {
      button.setText(Q(PeriodButtonCaption(k)));
      SetStatus(label, selection_.defaults ? Status::Default : Status::Input);
    }
    connect(&button, &QPushButton::clicked, this, [this, k] { OpenPeriod(k); });
  }
  gHelpText = Value(selection_.help);
  QString text = Q(selection_.help);
  text.replace("\r\n", "\n");
  help.setPlainText(text);
  connect(&Control<QPushButton>(*this, "cmdOK"), &QPushButton::clicked, this, [this] { Ok(); });
}

bool PeriodForm::SessionEnded() {
  if (SessionCurrent()) return false;
  Tell(kSessionEndedMessage);
  if (registry()) registry()->Unload(this);
  return true;
}

void PeriodForm::OpenPeriod(int k) {
  if (SessionEnded()) return;
  gCurrentPeriod = Value(k);
  LoadWithHandover(kind::kGridSingle, PeriodTableHandover(handover_, k));
}

void PeriodForm::Ok() {
  if (SessionEnded()) return;
  const LabelMark done = selection_.done;
  if (registry()) registry()->Unload(this);
  MarkDone(done.window, done.label);
}

void PeriodForm::SecondOpening() {
  const GridHandover now = HandoverFromProgramState();
  if (now.kind != handover_.kind || now.set != handover_.set) {
    Tell("The period selector is open for another table. Please complete it with its OK button (or close "
         "it) first.");
  }
  Show();
}

}  // namespace pave
