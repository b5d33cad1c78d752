#include "layered_editor/gui/layered_main_menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/line_writer.h"
#include "layered_editor/gui/layered_form_support.h"
#include "layered_editor/layered_checks.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_help_texts.h"
#include "layered_editor/layered_kinds.h"
#include "layered_editor/layered_reader.h"
#include "layered_editor/layered_writer.h"
#include "platform/platform.h"
#include "shell/gui/status_label.h"
#include "shell/gui/status_menu.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {

constexpr const char* kTitle = "ROVANTE";
constexpr FontSpec kStatusFont{"MS Sans Serif", 8.25, false};

constexpr ControlSpec kControls[] = {
    {"lblFile", ControlKind::Label, "input", 120, 60, 1700, 255, kStatusFont, colour::kRed,
     "Click File first, then click New for new file to be created or Old for old file to be edited "},
    {"lblGeneral", ControlKind::Label, "input", 1900, 60, 700, 255, kStatusFont, colour::kRed,
     "General information on key parameters for MORVELIN"},
    {"lblZcoord", ControlKind::Label, "default", 2700, 60, 700, 255, kStatusFont, colour::kBlue,
     "Z coordinates, or depth from surface, at which responses are to be computed"},
    {"lblLayer", ControlKind::Label, "input", 3500, 60, 700, 255, kStatusFont, colour::kRed,
     "Thickness, Poisson's ratio and unit weight of each layer and subgrade"},
    {"lblInterface", ControlKind::Label, "default", 4300, 60, 700, 255, kStatusFont, colour::kBlue,
     "Type of interface (either bonded or frictionless) between two layers"},
    {"lblModuli", ControlKind::Label, "input", 5100, 60, 700, 255, kStatusFont, colour::kRed,
     "Elastic modulus of each layer including the subgrade"},
    {"lblLoad1", ControlKind::Label, "input", 5900, 60, 700, 255, kStatusFont, colour::kRed,
     "Load information including wheel spacing, contact pressure, contact radius, and response points"},
    {"lblNonlinear", ControlKind::Label, "default", 6700, 60, 700, 255, kStatusFont, colour::kBlue,
     "Nonlinear elastic layers"},
    {"lblViscoelastic", ControlKind::Label, "default", 7500, 60, 900, 255, kStatusFont, colour::kBlue,
     "Viscoelastic layers"},
    {"lblDamage", ControlKind::Label, "default", 8500, 60, 700, 255, kStatusFont, colour::kBlue,
     "Failure criteria and volume of traffic"},
    {"optDataSet1", ControlKind::Option, "Data Set 1", 480, 480, 1500, 300, {}, colour::kDefault, {}, {},
     ctl::kChecked},
    {"optDataSet2", ControlKind::Option, "Data Set 2", 2340, 480, 1500, 300},
    {"optDataSet3", ControlKind::Option, "Data Set 3", 4200, 480, 1500, 300},
    {"optDataSet4", ControlKind::Option, "Data Set 4", 6060, 480, 1500, 300},
    {"optDataSet5", ControlKind::Option, "Data Set 5", 7920, 480, 1500, 300},
    {"Label1", ControlKind::Label, "Yes", 780, 800, 600, 255, {}, colour::kRed},
    {"Label2", ControlKind::Label, "No", 2640, 800, 600, 255, {}, colour::kBlue},
    {"Label3", ControlKind::Label, "No", 4500, 800, 600, 255, {}, colour::kBlue},
    {"Label4", ControlKind::Label, "No", 6360, 800, 600, 255, {}, colour::kBlue},
    {"Label5", ControlKind::Label, "No", 8220, 800, 600, 255, {}, colour::kBlue},
    {"cmdSave", ControlKind::Button, "&Save", 1680, 1200, 1500, 420},
    {"cmdSaveAs", ControlKind::Button, "Save &As", 3990, 1200, 1500, 420},
    {"cmdExit", ControlKind::Button, " &Exit", 6300, 1200, 1500, 420},
    {"txtPELDRANE", ControlKind::TextArea, "", 120, 1800, 9240, 3780, {}, colour::kDefault, {}, {},
     ctl::kReadOnly},
};

constexpr MenuSpec kMenus[] = {
    {"mnuFile", "          &File"},
    {"mnuNew", "   &New", "mnuFile"},
    {"mnuOpen", "   &Old", "mnuFile"},
    {"mnuGeneral", "&General"},
    {"mnuZcoord", "&Zcoord"},
    {"mnuLayer", "&Layer"},
    {"mnuInterface", "&Interface"},
    {"mnuModuli", "&Moduli"},
    {"mnuLoad", "L&oad"},
    {"mnuNonlinear", "&Nonlinear"},
    {"mnuViscoelastic", "Vis&coelastic"},
    {"mnuDamage", "&Damage"},
};

constexpr MenuStatus kStatusLabels[] = {
    {"mnuGeneral", "lblGeneral"},     {"mnuZcoord", "lblZcoord"},       {"mnuLayer", "lblLayer"},
    {"mnuInterface", "lblInterface"}, {"mnuModuli", "lblModuli"},       {"mnuLoad", "lblLoad1"},
    {"mnuNonlinear", "lblNonlinear"}, {"mnuViscoelastic", "lblViscoelastic"}, {"mnuDamage", "lblDamage"},
};

// The editor's own forms, closed when its session ends.
constexpr const char* kSubForms[] = {
    kind::kLayeredGeneral, kind::kNonlinearMenu, kind::kNonlinearGeneral, kind::kGranular, kind::kClay,
    kind::kLayerChooser,   kind::kViscoMenu,     kind::kViscoGeneral,     kind::kLayeredDamage, kind::kMohr};

EditorTexts Texts() {
  return EditorTexts{
      kTitle,
      "Filename and/or data path are missing, please rerun ROVANTE and be sure to enter filename and/or data "
      "path in the appropriate box.",
      "This file has been opened as an existing file.  Please exit from PELDRANE before loading another file.",
      "This file has been opened as a new file.  Please exit from PELDRANE before loading another file."};
}

float G(int k) { return gLayeredGeneral(CurrentLayeredSet(), k); }

}  // namespace

std::span<const ControlSpec> LayeredMainMenu::Controls() { return kControls; }
std::span<const MenuSpec> LayeredMainMenu::Menus() { return kMenus; }

LayeredMainMenu::LayeredMainMenu()
    : session_(std::make_unique<EditorSession>(*this, Texts(), EditorKind::Layered)), made_(LayeredArrays()) {}
LayeredMainMenu::~LayeredMainMenu() = default;

void LayeredMainMenu::Tell(const std::string& text) { platform().messages().Tell(text, kTitle); }

void LayeredMainMenu::Load() {
  gCrLf = kCrLf;
  BuildForm(*this, FormSpec{kind::kLayeredEditor, "Main Menu of PELDRANE", 9615, 6450, kControls, kMenus});
  if (!session_->Load()) {
    if (registry()) registry()->Unload(this);
    return;
  }
  SetEditorWindowKinds(EditorKind::Layered, kSubForms);
  buttons_ = std::make_unique<DataSetButtons>(*this, kLayeredSets);
  gFileLoaded = Value(0);
  gNewFile = Value(0);
  gMainTopLine = Value(1);
  StartFresh();
  gHelpText = Value(MainMenuHelp());
  Control<QPlainTextEdit>(*this, "txtPELDRANE").setPlainText(QString::fromStdString(gHelpText.Text()));

  AttachStatusLabels(*this, kStatusLabels);
  connect(&MenuAction(*this, "mnuNew"), &QAction::triggered, this, [this] { session_->New(); });
  connect(&MenuAction(*this, "mnuOpen"), &QAction::triggered, this, [this] { session_->Old(); });
  const std::pair<const char*, void (LayeredMainMenu::*)()> menus[] = {
      {"mnuGeneral", &LayeredMainMenu::mnuGeneral_Click},     {"mnuZcoord", &LayeredMainMenu::mnuZcoord_Click},
      {"mnuLayer", &LayeredMainMenu::mnuLayer_Click},         {"mnuInterface", &LayeredMainMenu::mnuInterface_Click},
      {"mnuModuli", &LayeredMainMenu::mnuModuli_Click},       {"mnuLoad", &LayeredMainMenu::mnuLoad_Click},
      {"mnuNonlinear", &LayeredMainMenu::mnuNonlinear_Click}, {"mnuViscoelastic", &LayeredMainMenu::mnuViscoelastic_Click},
      {"mnuDamage", &LayeredMainMenu::mnuDamage_Click}};
  for (const auto& [name, handler] : menus) {
    connect(&MenuAction(*this, name), &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
  }
  buttons_->OnClicked([this](int n) { optDataSet_Click(n); });
  connect(&Control<QPushButton>(*this, "cmdSave"), &QPushButton::clicked, this, [this] { session_->Save(); });
  connect(&Control<QPushButton>(*this, "cmdSaveAs"), &QPushButton::clicked, this, [this] { session_->SaveAs(); });
  connect(&Control<QPushButton>(*this, "cmdExit"), &QPushButton::clicked, this, [this] {
    if (session_->Exit()) Leave();
  });
}

void LayeredMainMenu::Leave() {
  gFileLoaded = Value(0);
  if (registry()) registry()->Unload(this);
}

bool LayeredMainMenu::MayClose() { return session_->MayClose(); }

void LayeredMainMenu::closeEvent(QCloseEvent* event) {
  // The window's close button leaves like Exit.
  if (!session_->Exit()) {
    event->ignore();
    return;
  }
  event->ignore();
  Leave();
}

void LayeredMainMenu::Open(const char* window_kind) { LoadWindow(window_kind); }

void LayeredMainMenu::mnuGeneral_Click() {
  if (!session_->MenuAllowed()) return;
  Open(kind::kLayeredGeneral);
}

void LayeredMainMenu::mnuZcoord_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::NDAMA) > 0 || G(gen::NZ) == 0) {
    Tell("You don't have to click this menu because NZ = 0 or NDAMA=1 or 2.");
    return;
  }
  gScreenCode = Value(103);
  gGridCols = 2;
  gGridLines = Value(CountOrZero(G(gen::NZ)));
  Open(kind::kGridSingle);
}

void LayeredMainMenu::mnuLayer_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::NL) == 0) {
    Tell("NL in the 'General' menu is 0");
    return;
  }
  gScreenCode = Value(104);
  gGridCols = (G(gen::MATL) == 2 || G(gen::MATL) == 4) ? 4 : 3;
  gGridLines = Value(CountOrZero(G(gen::NL)));
  Open(kind::kGridMulti);
}

void LayeredMainMenu::mnuInterface_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::NBOND) == 1) {
    Tell("You don't have to click this menu because NBOND = 1");
    return;
  }
  gScreenCode = Value(105);
  gGridCols = 2;
  gGridLines = Value(CountOrZero(G(gen::NL) - 1));
  Open(kind::kGridSingle);
}

void LayeredMainMenu::mnuModuli_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::NL) == 0) {
    Tell("NL = 0 in the 'General' menu.");
    return;
  }
  gScreenCode = Value(106);
  Open(kind::kPeriod);
}

void LayeredMainMenu::mnuLoad_Click() {
  if (!session_->MenuAllowed()) return;
  gScreenCode = Value(107);
  gMainCols = Value(7);
  gMainLines = Value(CountOrZero(G(gen::NLG)));
  gMainTopLine = Value(1);
  Open(kind::kGridMain);
}

void LayeredMainMenu::mnuNonlinear_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::MATL) != 2 && G(gen::MATL) != 4) {
    Tell("You don't have to click this menu because there are no nonlinear layers");
    return;
  }
  gMainTopLine = Value(1);
  Open(kind::kNonlinearMenu);
}

void LayeredMainMenu::mnuViscoelastic_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::MATL) != 3 && G(gen::MATL) != 4) {
    Tell("You don't have to click this menu because there are no viscoelastic layers");
    return;
  }
  Open(kind::kViscoMenu);
}

void LayeredMainMenu::mnuDamage_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::NDAMA) == 0) {
    Tell("You don't have to click this menu because NDAMA = 0.");
    return;
  }
  Open(kind::kLayeredDamage);
}

void LayeredMainMenu::optDataSet_Click(int n) {
  gLayeredSet = Value(n);
  if (n == 1) return;
  // Every set up to n comes into being, each filled from data set 1 the first time.
  for (int k = static_cast<int>(gLayeredNPROB.Number()) + 1; k <= n; ++k) {
    gLayeredNPROB = Value(k);
    gLayeredSetClicks(k) = Value(gLayeredSetClicks(k).Number() + 1);
    if (gLayeredSetClicks(k).Number() == 1) Initial(k);
    buttons_->MarkExists(k);
    made_.Made(k);
    session_->Changed();
  }
  buttons_->MarkExists(n);
}

std::optional<std::string> LayeredMainMenu::CompletenessProblem() { return LayeredCompletenessProblem(); }

void LayeredMainMenu::MakeSetOneCurrent() {
  gLayeredSet = Value(1);
  buttons_->Select(1);
}

void LayeredMainMenu::MakeSetCurrent(int set) {
  gLayeredSet = Value(set);
  buttons_->Select(set);
}

std::optional<std::string> LayeredMainMenu::WriteProblem() {
  if (std::optional<std::string> problem = LayeredWriteProblem()) return problem;
  return LayeredValueRefusal();
}

std::string LayeredMainMenu::FileBytes() {
  std::string bytes;
  WriteLayeredFile(bytes);
  return bytes;
}

void LayeredMainMenu::StartFresh() {
  LayeredDefaults();
  gLayeredSet = Value(1);
  gLayeredNPROB = Value(1);
  gLayeredReadError = Value(0);
  gLayeredGeneralVisits = Value(0);
  buttons_->Reset();
  made_.Forget();
}

int LayeredMainMenu::DataSetCount() { return LayeredCount(gLayeredNPROB.Number(), kLayeredSets); }

void LayeredMainMenu::SetDataSetCount(int n) { gLayeredNPROB = Value(n); }

bool LayeredMainMenu::NeverFilled(int set) { return made_.NeverFilled(set); }

void LayeredMainMenu::LeaveOut(int set) {
  const int count = DataSetCount();
  made_.Remove(set, count);
  for (int k = set; k < count; ++k) gLayeredSetClicks(k) = gLayeredSetClicks(k + 1);
  gLayeredSetClicks(count) = Value(0);
  gLayeredNPROB = Value(count - 1);
  buttons_->MarkAbsent(count);
  MakeSetOneCurrent();
}

void LayeredMainMenu::BeginRead() {
  gNewFile = Value(0);
  gLayeredReadError = Value(0);
  gLayeredGeneralVisits = Value(0);
}

void LayeredMainMenu::Read(FreeFormatReader& in) {
  LayeredReadHooks hooks;
  hooks.old_format_nonlinear = [this] { Tell(kOldFormatMessage); };
  hooks.nprob_read = [this](int nprob) {
    for (int n = 2; n <= nprob; ++n) buttons_->MarkExists(n);
  };
  ReadLayeredFile(in, hooks);
}

void LayeredMainMenu::ReadFailed() { gLayeredReadError = Value(1); }

void LayeredMainMenu::ReadComplete() {
  const float MATL = G(gen::MATL);
  MarkInputIf("lblNonlinear", MATL == 2 || MATL == 4);
  MarkInputIf("lblViscoelastic", MATL == 3 || MATL == 4);
  MarkInputIf("lblZcoord", G(gen::NZ) != 0);
  MarkInputIf("lblInterface", G(gen::NBOND) == 0);
  MarkInputIf("lblDamage", G(gen::NDAMA) != 0);
}

void LayeredMainMenu::ShowFileName(const std::string& name) {
  Control<QLabel>(*this, "lblFile").setText(QString::fromStdString(name));
}

}  // namespace pave
