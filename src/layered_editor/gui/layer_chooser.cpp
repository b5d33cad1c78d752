#include "layered_editor/gui/layer_chooser.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

#include "common/number_format.h"
#include "layered_editor/gui/layered_form_support.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_help_texts.h"
#include "layered_editor/layered_kinds.h"
#include "platform/platform.h"
#include "shell/gui/status_label.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {

constexpr int kButtons = 12;

constexpr auto kControls = [] {
  std::array<ControlSpec, 2 * kButtons + 2> c{};
  constexpr const char* buttons[] = {"cmdLayer1", "cmdLayer2", "cmdLayer3", "cmdLayer4",  "cmdLayer5",  "cmdLayer6",
                                     "cmdLayer7", "cmdLayer8", "cmdLayer9", "cmdLayer10", "cmdLayer11", "cmdLayer12"};
  constexpr const char* labels[] = {"lblLayer1", "lblLayer2", "lblLayer3", "lblLayer4",  "lblLayer5",  "lblLayer6",
                                    "lblLayer7", "lblLayer8", "lblLayer9", "lblLayer10", "lblLayer11", "lblLayer12"};
  for (int i = 0; i < kButtons; ++i) {
    const int left = 240 + (i % 6) * 1530;
    const int top = i < 6 ? 240 : 1200;
    c[static_cast<std::size_t>(2 * i)] = ControlSpec{buttons[i], ControlKind::Button, " ", left, top, 1380, 420};
    c[static_cast<std::size_t>(2 * i + 1)] = ControlSpec{labels[i], ControlKind::Label, " ", left + 120, top + 480,
                                                         1140, 255, {}, colour::kRed};
  }
  c[2 * kButtons] =
      ControlSpec{"Text1", ControlKind::TextArea, "", 240, 2280, 7500, 3300, {}, colour::kBlue, {}, {}, ctl::kReadOnly};
  c[2 * kButtons + 1] = ControlSpec{"cmdOk", ControlKind::Button, "&OK", 7920, 2280, 1380, 420};
  return c;
}();

QPushButton& Button(QWidget& form, int n) { return Control<QPushButton>(form, "cmdLayer" + std::to_string(n)); }

}  // namespace

std::span<const ControlSpec> LayerChooser::Controls() { return kControls; }

void LayerChooser::Load() {
  set_ = CurrentLayeredSet();
  code_ = static_cast<int>(gScreenCode.Number());
  BuildForm(*this, FormSpec{kind::kLayerChooser, "", 9615, 6450, kControls});
  int count = 0;
  const std::string prefix = "Data Set No. " + Str(set_);
  if (code_ == 112) {
    setWindowTitle(QString::fromStdString("Seasonal Input Parameters of Each Layer for " + prefix));
    gGridLines = Value(CountOrZero(gLayeredGeneral(set_, gen::NPY)));
    count = std::max(0, LayeredCount(gLayeredNonlinGeneral(set_, nlg::NOLAY), kLayeredSequences));
  } else if (code_ == 118) {
    setWindowTitle(QString::fromStdString("Creep Compliances of Each Layer for " + prefix));
    gGridLines = Value(std::max(0, LayeredCount(gLayeredViscoGeneral(set_, vsg::NTYME), kLayeredTimes)));
    gGridCols = 2;
    count = std::max(0, LayeredCount(gLayeredViscoGeneral(set_, vsg::NVL), kLayeredSequences));
  }
  for (int i = 1; i <= kButtons; ++i) {
    QPushButton& button = Button(*this, i);
    if (i <= count) {
      const Value layer = code_ == 112 ? gLayeredNonseasonal(set_, i, 1) : gLayeredViscoLayer(set_, i, 1);
      button.setText(QString::fromStdString("&" + std::to_string(i) + "  Layer" + Str(layer.Number())));
      Control<QLabel>(*this, "lblLayer" + std::to_string(i)).setText(kStatusInput);
    }
    // A sequence beyond NOLAY or NVL does not exist: its button opens nothing.
    button.setEnabled(i <= count);
    connect(&button, &QPushButton::clicked, this, [this, i] { cmdLayer_Click(i); });
  }
  gHelpText = Value(code_ == 118 ? CreepChooserHelp() : SeasonalChooserHelp());
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(gHelpText.Text()));
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] {
    if (code_ == 112) MarkDone(kind::kNonlinearMenu, "lblSeasonal");
    if (code_ == 118) MarkDone(kind::kViscoMenu, "lblCreep");
    if (registry()) registry()->Unload(this);
  });
  Show();
}

void LayerChooser::cmdLayer_Click(int n) {
  gCurrentLayer = Value(n);
  gScreenCode = Value(code_);
  if (code_ == 112) {
    gGridLines = Value(CountOrZero(gLayeredGeneral(set_, gen::NPY)));
    const Value nclay = gLayeredNonseasonal(set_, n, 3);
    const int type = LayeredCount(nclay, 1);
    if (type < 0) {
      platform().messages().Tell(
          "NCLAY of this layer is not 0 or 1.  Please enter it in the Nonseasonal table first.", "ROVANTE");
      return;
    }
    if (type == 0) {
      gGridCols = 3;
      LoadWindow(kind::kGridSingle);
    } else if (gClayDefaults == 1) {
      gGridCols = 2;
      LoadWindow(kind::kGridSingle);
    } else {
      gGridCols = 4;
      LoadWindow(kind::kGridMulti);
    }
  } else if (code_ == 118) {
    gGridLines = Value(std::max(0, LayeredCount(gLayeredViscoGeneral(set_, vsg::NTYME), kLayeredTimes)));
    gGridCols = 2;
    LoadWindow(kind::kGridSingle);
  }
}

}  // namespace pave
