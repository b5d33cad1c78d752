#include "slab_editor/gui/slab_foundation_forms.h"

#include <QLineEdit>

#include "platform/gui/control_table.h"
#include "shell/gui/status_label.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "slab_editor/gui/slab_form_support.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_help_texts.h"
#include "slab_editor/slab_kinds.h"

namespace pave {

namespace {

constexpr ParameterRow kSolidEnglish[] = {
    {"txtYms", "Young's modulus of subgrade in psi", "YMS", colour::kRed},
    {"txtPrs", "Poisson's ratio of subgrade", "PRS", colour::kRed},
};
constexpr ParameterRow kSolidSI[] = {
    {"txtYms", "Young's modulus of subgrade in kPa", "YMS", colour::kRed},
    {"txtPrs", "Poisson's ratio of subgrade", "PRS", colour::kRed},
};
constexpr ParameterRow kDowelEnglish[] = {
    {"txtYmsb", "Young's modulus of steel bars in psi", "YMSB"},
    {"txtPrsb", "Poisson's ratio of steel dowel bars", "PRSB"},
};
constexpr ParameterRow kDowelSI[] = {
    {"txtYmsb", "Young's modulus of steel bars in kPa", "YMSB"},
    {"txtPrsb", "Poisson's ratio of steel dowel bars", "PRSB"},
};

constexpr ParameterLayout kLayout{480, 3600, 4320, 1800, 480, 480, 285, 3000};

bool SI(int s) { return gSlabGeneral(s, gen::kNUNIT) != 0; }

// Two rows leave room for a wide help text, with OK beside it on the right.
void PlaceHelpAndOk(QWidget& form) {
  PlaceTwips(Control<QWidget>(form, "Text1"), 480, 1560, 5580, 3600);
  PlaceTwips(Control<QWidget>(form, "cmdOk"), 6300, 1560, 1800, 400);
}

}  // namespace

std::span<const ParameterRow> SolidForm::Rows(bool si) { return si ? std::span(kSolidSI) : std::span(kSolidEnglish); }

void SolidForm::Load() {
  set_ = CurrentSlabSet();
  BuildParameterForm(kind::kSolid, DataSetCaption("Solid Foundation for Data Set No. ", set_), Rows(SI(set_)), kLayout);
  PlaceHelpAndOk(*this);
  SetBox("txtYms", gSlabSolid(set_, 1));
  SetBox("txtPrs", gSlabSolid(set_, 2));
  gHelpText = Value(SolidHelp());
  SetHelp(gHelpText.Text());
  Show();
}

void SolidForm::Ok() {
  const std::optional<std::vector<double>> v = BoxValues(Rows(SI(set_)));
  if (!v) return;
  const double yms = (*v)[0], prs = (*v)[1];
  if (yms == 0 || prs == 0) return RefuseAt(yms == 0 ? "txtYms" : "txtPrs", "None of the entries should be 0");
  gSlabSolid(set_, 1) = yms;
  gSlabSolid(set_, 2) = prs;
  MarkDone(kind::kSlabEditor, "lblFoundation");
  Close();
}

std::span<const ParameterRow> DowelForm::Rows(bool si) { return si ? std::span(kDowelSI) : std::span(kDowelEnglish); }

void DowelForm::Load() {
  set_ = CurrentSlabSet();
  BuildParameterForm(kind::kDowel, DataSetCaption("Elastic Properties of Dowel Bars for Data Set No. ", set_),
                     Rows(SI(set_)), kLayout);
  PlaceHelpAndOk(*this);
  // Only the PRSB box empties on a click; YMSB is changed with the Del key.
  disconnect(&Control<ClickLineEdit>(*this, "txtYmsb"), &ClickLineEdit::clicked, nullptr, nullptr);
  SetBox("txtYmsb", gSlabDowel(set_, 1));
  SetBox("txtPrsb", gSlabDowel(set_, 2));
  gHelpText = Value(DowelHelp());
  SetHelp(gHelpText.Text());
  Show();
}

void DowelForm::Ok() {
  const std::optional<std::vector<double>> v = BoxValues(Rows(SI(set_)));
  if (!v) return;
  gSlabDowel(set_, 1) = (*v)[0];
  gSlabDowel(set_, 2) = (*v)[1];
  MarkDone(kind::kOptional, "lblDowel");
  Close();
}

}  // namespace pave
