#include "grids/gui/grid_form.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "platform/platform.h"
#include "shell/gui/status_label.h"
#include "shell/program_state.h"

namespace pave {

namespace {
constexpr int kUnitCharacterTwips = 120;
constexpr const char* kGridWindows[] = {kind::kGridSingle, kind::kGridMain, kind::kGridMulti,
                                        kind::kGridSlabLayer, kind::kGridMainSlab};

const char* kOneTableAtATime =
    "Another table is still open. Please complete it with its OK button (or close it) before you open "
    "this one.";

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool SameTable(const GridHandover& a, const GridHandover& b) {
  return a.kind == b.kind && a.set == b.set && a.period == b.period && a.layer == b.layer && a.slab == b.slab &&
         a.owner == b.owner;
}
}  // namespace

bool IsGridWindow(const std::string& window_kind) {
  for (const char* k : kGridWindows) {
    if (window_kind == k) return true;
  }
  return false;
}

void GridForm::SetCaption(const std::string& caption) { setWindowTitle(Q(caption)); }

void GridForm::SetUnits(const std::string& units) {
  auto* label = findChild<QLabel*>("lblUnit");
  if (!label) return;
  // The units are placed over their columns by blanks counted in characters 120 twips wide; the
  // fixed-pitch face at hand is a little narrower, so each character is given the width it lacks.
  QFont font = label->font();
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
  font.setLetterSpacing(QFont::AbsoluteSpacing,
                        TwipsToPixels(kUnitCharacterTwips) - QFontMetricsF(font).horizontalAdvance(QChar('0')));
  label->setFont(font);
  label->setText(Q(units));
}

void GridForm::SetKeyHint(const std::string& hint) {
  if (auto* label = findChild<QLabel*>("lblDelIns")) label->setText(Q(hint));
}

void GridForm::SetDoubleClickHint(const std::string& hint) {
  if (auto* label = findChild<QLabel*>("lblDouble")) label->setText(Q(hint));
}

bool GridForm::AnotherTableOpen() const {
  for (const char* k : kGridWindows) {
    Window* open = platform().windows().Find(k);
    if (open && open != this) {
      Tell(kOneTableAtATime);
      return true;
    }
  }
  return false;
}

void GridForm::SecondOpening() {
  if (!SameTable(HandoverFromProgramState(), handover_)) Tell(kOneTableAtATime);
  Show();
}

bool GridForm::LoadGrid(const char* window_kind, std::span<const ControlSpec> controls,
                        const std::function<bool()>& open, const std::function<void()>& start,
                        const char* ok_button) {
  if (AnotherTableOpen()) {
    Abandon();
    return false;
  }
  handover_ = TakeHandover(window_kind);
  BindToEditor(handover_.Layered() ? EditorKind::Layered : EditorKind::Slab);
  gCrLf = "\r\n";
  // The common window height leaves the OK button a pixel short of the client area; the window
  // grows by the few twips its controls need.
  BuildGridForm({.name = window_kind, .height = HeightHoldingControls(controls, 6450), .controls = controls});
  bool opened = false;
  Guarded([&] { opened = open(); });
  if (!opened) {
    Abandon();
    return false;
  }
  Show();
  bool started = false;
  Guarded([&] {
    start();
    started = true;
  });
  if (!started) {
    Abandon();
    return false;
  }
  connect(&Control<QPushButton>(*this, ok_button), &QPushButton::clicked, this, [this] { Ok(); });
  return true;
}

bool GridForm::SessionEnded() {
  if (SessionCurrent()) return false;
  Tell(kSessionEndedMessage);
  Abandon();
  return true;
}

void GridForm::RunOk(const std::function<OkOutcome()>& ok) {
  if (!engine_ || SessionEnded()) return;
  OkOutcome outcome;
  Guarded([&] { outcome = ok(); });
  Finish(outcome);
}

void GridForm::BuildGridForm(const FormSpec& spec) {
  BuildForm(*this, spec);
  grid_ = &Control<QtGrid>(*this, "GridSpreadsheet");
  editor_ = std::make_unique<QtCellEditor>(Control<QLineEdit>(*this, "TxtCell"));
  Text1 = &Control<QPlainTextEdit>(*this, "Text1");
}

void GridForm::StartEngine(GridTable& table, EngineStyle style, int lines) {
  engine_ = std::make_unique<CellEngine>(*grid_, *editor_, table, style);
  engine_->Start(lines);
  grid_->setFocus(Qt::OtherFocusReason);
}

void GridForm::SetHelp(const std::string& help) {
  gHelpText = Value(help);
  // The paragraphs end with CR LF; the box shows one line break for each.
  QString text = Q(help);
  text.replace("\r\n", "\n");
  Text1->setPlainText(text);
}

void GridForm::Abandon() {
  if (engine_) engine_->Stop();
  if (registry()) registry()->Unload(this);
}

void GridForm::TellFailure(const std::exception& e) {
  Tell(std::string("The table cannot be used: ") + e.what());
}

void GridForm::Finish(const OkOutcome& outcome) {
  DataChanged();
  if (!outcome.close) {
    // Refused: the user goes on typing in the cell the message was about, not on the OK button.
    if (grid_) grid_->SetFocus();
    return;
  }
  if (engine_) engine_->Stop();
  if (registry()) registry()->Unload(this);
  if (outcome.clay_values_kept) {
    gClayDefaults = 2;
    if (auto* nonlin = dynamic_cast<QWidget*>(platform().windows().Find(kind::kNonlinearMenu))) {
      if (auto* option = nonlin->findChild<QRadioButton*>("optNoDefault")) option->click();
    }
  }
  if (!outcome.next_window.empty()) LoadWithHandover(outcome.next_window, outcome.next);
  if (outcome.label) MarkDone(outcome.label->window, outcome.label->label);
}

}  // namespace pave
