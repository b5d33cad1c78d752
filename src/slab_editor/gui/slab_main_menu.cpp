#include "slab_editor/gui/slab_main_menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/line_writer.h"
#include "platform/platform.h"
#include "shell/gui/status_label.h"
#include "shell/gui/status_menu.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "slab_editor/gui/slab_form_support.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_file_reader.h"
#include "slab_editor/slab_file_writer.h"
#include "slab_editor/slab_help_texts.h"
#include "slab_editor/slab_kinds.h"
#include "slab_editor/slab_save_checks.h"

namespace pave {

namespace {

constexpr const char* kTitle = "ROVANTE";
constexpr FontSpec kStatusFont{"MS Sans Serif", 8.25, false};

constexpr ControlSpec kControls[] = {
    {"lblFile", ControlKind::Label, "input", 120, 60, 1300, 255, kStatusFont, colour::kRed,
     "Click File first, then click New for new file to be created or old for old file to be edited"},
    {"lblGeneral", ControlKind::Label, "input", 1500, 60, 700, 255, kStatusFont, colour::kRed,
     "General information on key parameters for BRUNTOLA"},
    {"lblCurling", ControlKind::Label, "default", 2300, 60, 700, 255, kStatusFont, colour::kBlue,
     "Curling of slabs including contact conditions and gaps"},
    {"lblSlab", ControlKind::Label, "input", 3100, 60, 700, 255, kStatusFont, colour::kRed,
     "Slab and joint arrangement, finite element grid and concrete properties"},
    {"lblUniform", ControlKind::Label, "input", 3900, 60, 700, 255, kStatusFont, colour::kRed,
     "Uniformly distributed contact areas and contact pressure"},
    {"lblRaft", ControlKind::Label, "default", 4700, 60, 700, 255, kStatusFont, colour::kBlue,
     "Raft on elastic foundation or pavements with point loads"},
    {"lblOptional", ControlKind::Label, "default", 5500, 60, 700, 255, kStatusFont, colour::kBlue,
     "Other optional information including variable thicknesses, symmetry, printout, and dowel bars"},
    {"lblFoundation", ControlKind::Label, "input", 6300, 60, 700, 255, kStatusFont, colour::kRed,
     "Information for liquid, solid, or layer foundation"},
    {"lblAdjust", ControlKind::Label, "default", 7100, 60, 700, 255, kStatusFont, colour::kBlue,
     "Foundation seasonal adjustment factor for each period"},
    {"lblJoint", ControlKind::Label, "default", 7900, 60, 700, 255, kStatusFont, colour::kBlue,
     "Joint information including shear transfer, moment transfer, if any, and dowel information"},
    {"lblDamage", ControlKind::Label, "default", 8700, 60, 700, 255, kStatusFont, colour::kBlue,
     "Modulus of rupture and fatigue property of concrete and volume of traffic"},
    {"optDataSet1", ControlKind::Option, "Data Set 1", 2400, 480, 1500, 300, {}, colour::kDefault, {}, {},
     ctl::kChecked},
    {"optDataSet2", ControlKind::Option, "Data Set 2", 5700, 480, 1500, 300},
    {"Label1", ControlKind::Label, "Yes", 2700, 800, 600, 255, {}, colour::kRed},
    {"Label2", ControlKind::Label, "No", 6000, 800, 600, 255, {}, colour::kBlue},
    {"cmdSave", ControlKind::Button, "&Save", 1680, 1200, 1500, 420},
    {"cmdSaveAs", ControlKind::Button, "Save &As", 3990, 1200, 1500, 420},
    {"cmdExit", ControlKind::Button, " &Exit", 6300, 1200, 1500, 420},
    {"txtCorvista", ControlKind::TextArea, "", 120, 1800, 9240, 3780, {}, colour::kDefault, {}, {}, ctl::kReadOnly},
};

constexpr MenuSpec kMenus[] = {
    {"mnuFile", "          &File"},
    {"mnuNew", "   &New", "mnuFile"},
    {"mnuOpen", "   &Old", "mnuFile"},
    {"mnuGeneral", "&General"},
    {"mnuCurling", "&Curling"},
    {"mnuSlab", "Sla&b"},
    {"mnuUniform", "&Uniform"},
    {"mnuRaft", "&Raft"},
    {"mnuOptional", "O&ptional"},
    {"mnuFoundation", "Foundat&ion"},
    {"mnuAdjust", "Adjus&t"},
    {"mnuJoint", "&Joint"},
    {"mnuDamage", "&Damage"},
};

constexpr MenuStatus kStatusLabels[] = {
    {"mnuGeneral", "lblGeneral"},   {"mnuCurling", "lblCurling"},       {"mnuSlab", "lblSlab"},
    {"mnuUniform", "lblUniform"},   {"mnuRaft", "lblRaft"},             {"mnuOptional", "lblOptional"},
    {"mnuFoundation", "lblFoundation"}, {"mnuAdjust", "lblAdjust"},     {"mnuJoint", "lblJoint"},
    {"mnuDamage", "lblDamage"},
};

// The editor's own forms, closed when its session ends.
constexpr const char* kSubForms[] = {kind::kSlabGeneral, kind::kCurling, kind::kSlabChooser, kind::kSlabData,
                                     kind::kDowel,       kind::kOptional, kind::kSolid,      kind::kSlabDamage};

EditorTexts Texts() {
  EditorTexts texts{
      kTitle,
      "Filename and/or data path are missing, please rerun ROVANTEE and be sure to enter filename and/or data "
      "path in the appropriate box.",
      "This file has been opened as an existing file.  Please exit from CORVISTA before loading another file.",
      "This file has been opened as a new file.  Please exit from CORVISTA before loading another file."};
  texts.new_file_name = "UNTITLE.DAT";
  texts.editor_name = "CORVISTA";
  return texts;
}

int G(int k) { return gSlabGeneral(CurrentSlabSet(), k); }

void Mark(std::string_view label, Status status) { MarkStatus(kind::kSlabEditor, label, status); }

}  // namespace

std::span<const ControlSpec> SlabMainMenu::Controls() { return kControls; }
std::span<const MenuSpec> SlabMainMenu::Menus() { return kMenus; }

SlabMainMenu::SlabMainMenu()
    : session_(std::make_unique<EditorSession>(*this, Texts(), EditorKind::Slab)), made_(SlabArrays()) {}
SlabMainMenu::~SlabMainMenu() = default;

void SlabMainMenu::Tell(const std::string& text) { platform().messages().Tell(text, kTitle); }

void SlabMainMenu::Load() {
  gCrLf = kCrLf;
  BuildForm(*this, FormSpec{kind::kSlabEditor, "Main Menu of CORVISTA", 9615, 6450, kControls, kMenus});
  if (!session_->Load()) {
    if (registry()) registry()->Unload(this);
    return;
  }
  SetEditorWindowKinds(EditorKind::Slab, kSubForms);
  buttons_ = std::make_unique<DataSetButtons>(*this, kSlabSets);
  gMainTopLine = Value(1);
  gFileLoaded = Value(0);
  gNewFile = Value(0);
  StartFresh();
  gHelpText = Value(SlabMainMenuHelp());
  Control<QPlainTextEdit>(*this, "txtCorvista").setPlainText(QString::fromStdString(gHelpText.Text()));

  AttachStatusLabels(*this, kStatusLabels);
  connect(&MenuAction(*this, "mnuNew"), &QAction::triggered, this, [this] { session_->New(); });
  connect(&MenuAction(*this, "mnuOpen"), &QAction::triggered, this, [this] { session_->Old(); });
  const std::pair<const char*, void (SlabMainMenu::*)()> menus[] = {
      {"mnuGeneral", &SlabMainMenu::mnuGeneral_Click},       {"mnuCurling", &SlabMainMenu::mnuCurling_Click},
      {"mnuSlab", &SlabMainMenu::mnuSlab_Click},             {"mnuUniform", &SlabMainMenu::mnuUniform_Click},
      {"mnuRaft", &SlabMainMenu::mnuRaft_Click},             {"mnuOptional", &SlabMainMenu::mnuOptional_Click},
      {"mnuFoundation", &SlabMainMenu::mnuFoundation_Click}, {"mnuAdjust", &SlabMainMenu::mnuAdjust_Click},
      {"mnuJoint", &SlabMainMenu::mnuJoint_Click},           {"mnuDamage", &SlabMainMenu::mnuDamage_Click}};
  for (const auto& [name, handler] : menus) {
    connect(&MenuAction(*this, name), &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
  }
  buttons_->OnClicked([this](int n) { n == 1 ? optDataSet1_Click() : optDataSet2_Click(); });
  connect(&Control<QPushButton>(*this, "cmdSave"), &QPushButton::clicked, this, [this] { session_->Save(); });
  connect(&Control<QPushButton>(*this, "cmdSaveAs"), &QPushButton::clicked, this, [this] { session_->SaveAs(); });
  connect(&Control<QPushButton>(*this, "cmdExit"), &QPushButton::clicked, this, [this] {
    if (session_->Exit()) Leave();
  });
}

void SlabMainMenu::Leave() {
  gFileLoaded = Value(0);
  if (registry()) registry()->Unload(this);
}

bool SlabMainMenu::MayClose() { return session_->MayClose(); }

void SlabMainMenu::closeEvent(QCloseEvent* event) {
  // The window's close button leaves like Exit.
  event->ignore();
  if (session_->Exit()) Leave();
}

void SlabMainMenu::mnuGeneral_Click() {
  if (session_->MenuAllowed()) LoadWindow(kind::kSlabGeneral);
}

void SlabMainMenu::mnuCurling_Click() {
  if (session_->MenuAllowed()) LoadWindow(kind::kCurling);
}

void SlabMainMenu::mnuSlab_Click() {
  if (session_->MenuAllowed()) LoadWindow(kind::kSlabData);
}

void SlabMainMenu::mnuUniform_Click() {
  if (!session_->MenuAllowed()) return;
  gScreenCode = Value(209);
  gMainCols = Value(2);
  gMainLines = Value(LineCount(G(gen::kNLG)));
  gMainTopLine = Value(1);
  LoadWindow(kind::kGridMainSlab);
}

void SlabMainMenu::mnuRaft_Click() {
  if (!session_->MenuAllowed()) return;
  gScreenCode = Value(210);
  gMainCols = Value(2);
  gMainLines = Value(3);
  gMainTopLine = Value(1);
  LoadWindow(kind::kGridMainSlab);
}

void SlabMainMenu::mnuOptional_Click() {
  if (session_->MenuAllowed()) LoadWindow(kind::kOptional);
}

void SlabMainMenu::mnuFoundation_Click() {
  if (!session_->MenuAllowed()) return;
  gMainTopLine = Value(1);
  const int nfound = G(gen::kNFOUND);
  if (nfound == 1) {
    LoadWindow(kind::kSolid);
    return;
  }
  gScreenCode = Value(nfound == 0 ? 221 : 223);
  gMainCols = Value(3);
  gMainRows = Value(2);
  gMainLines = Value(1);
  LoadWindow(kind::kGridMainSlab);
}

void SlabMainMenu::mnuAdjust_Click() {
  if (!session_->MenuAllowed()) return;
  gScreenCode = Value(220);
  gGridCols = 2;
  gGridLines = Value(LineCount(G(gen::kNPY)));
  LoadWindow(kind::kGridSingle);
}

void SlabMainMenu::mnuJoint_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::kNJOINT) == 0) {
    Tell("You don't have to click this menu because NJOINT = 0");
    return;
  }
  gScreenCode = Value(224);
  gMainCols = Value(9);
  gMainLines = Value(LineCount(G(gen::kNJOINT)));
  gMainTopLine = Value(1);
  LoadWindow(kind::kGridMain);
}

void SlabMainMenu::mnuDamage_Click() {
  if (!session_->MenuAllowed()) return;
  if (G(gen::kNDAMA) == 0) {
    Tell("You don't have to click this menu because NDAMA = 0.");
    return;
  }
  LoadWindow(kind::kSlabDamage);
}

void SlabMainMenu::ShowUniform(const Value& ul) { Mark("lblUniform", ul.Number() == 1 ? Status::Input : Status::Default); }

void SlabMainMenu::optDataSet1_Click() {
  gSlabSet = Value(1);
  ShowUniform(gSlabUL(1));
}

void SlabMainMenu::optDataSet2_Click() {
  gSlabSet = Value(2);
  if (gSlabNPROB.Number() == 2) return;
  gSlabNPROB = Value(2);
  buttons_->MarkExists(2);
  ShowUniform(gSlabUL(2));
  if (data_set_copies_++ == 0) CopySlabSet1To2();
  made_.Made(2);
  session_->Changed();
}

std::optional<std::string> SlabMainMenu::CompletenessProblem() {
  const std::vector<std::string> problems = ErrCheckMessages();
  if (problems.empty()) return std::nullopt;
  return problems.front();
}

std::vector<std::string> SlabMainMenu::CompletenessProblems() { return ErrCheckMessages(); }

void SlabMainMenu::MakeSetOneCurrent() {
  gSlabSet = Value(1);
  buttons_->Select(1);
}

void SlabMainMenu::MakeSetCurrent(int set) {
  gSlabSet = Value(set);
  buttons_->Select(set);
  ShowUniform(gSlabUL(set));
}

std::optional<std::string> SlabMainMenu::WriteProblem() { return AnalysisRefusal(); }

std::string SlabMainMenu::FileBytes() { return SlabFileText(); }

void SlabMainMenu::StartFresh() {
  ClearSlabDataSets();
  SetSlabDefaults();
  gSlabNPROB = Value(1);
  gSlabReadError = Value(0);
  gSlabGeneralVisits = Value(0);
  gArrangementVisits = 0;
  data_set_copies_ = 0;
  made_.Forget();
  buttons_->Reset();
  optDataSet1_Click();
}

int SlabMainMenu::DataSetCount() { return ValueCount(gSlabNPROB, kSlabSets); }

void SlabMainMenu::SetDataSetCount(int n) { gSlabNPROB = Value(n); }

bool SlabMainMenu::NeverFilled(int set) { return made_.NeverFilled(set); }

void SlabMainMenu::LeaveOut(int set) {
  const int count = DataSetCount();
  made_.Remove(set, count);
  gSlabNPROB = Value(count - 1);
  buttons_->MarkAbsent(count);
  // Data Set 2, clicked again, is filled from data set 1 anew.
  data_set_copies_ = 0;
  MakeSetOneCurrent();
  ShowUniform(gSlabUL(1));
}

void SlabMainMenu::BeginRead() {
  gNewFile = Value(0);
  gSlabReadError = Value(0);
}

void SlabMainMenu::Read(FreeFormatReader& in) {
  ReadSlabFile(in, [this] {
    if (gSlabNPROB.Number() == 2) buttons_->MarkExists(2);
  });
}

void SlabMainMenu::ReadFailed() { gSlabReadError = Value(1); }

void SlabMainMenu::ReadComplete() {
  if (gSlabUL(1).Number() == 2) {
    if (QLabel* label = StatusLabelOf(kind::kSlabEditor, "lblUniform")) label->setText(kStatusDefault);
  }
  if (gSlabTC(1) == 1) Mark("lblCurling", Status::Input);
  if (gSlabCL(1).Number() == 1) Mark("lblRaft", Status::Input);
  if (G(gen::kNPY) != 1) Mark("lblAdjust", Status::Input);
  if (G(gen::kNJOINT) != 0) Mark("lblJoint", Status::Input);
  if (G(gen::kNSX) != 0 || G(gen::kNPRINT) != 0 || G(gen::kNSY) != 0 || G(gen::kNAT1) != 0 || G(gen::kNAT2) != 0)
    Mark("lblOptional", Status::Input);
  if (G(gen::kNDAMA) != 0) Mark("lblDamage", Status::Input);
}

void SlabMainMenu::ShowFileName(const std::string& name) {
  Control<QLabel>(*this, "lblFile").setText(QString::fromStdString(name));
}

}  // namespace pave
