#include "grids/gui/grid_form.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QRadioButton>

#include "grids/data_sets.h"
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
    const auto* grid = dynamic_cast<const GridForm*>(open);
    if (grid && grid->Waiting()) continue;   // a main table waiting for its auxiliary table
    if (open && open != this) {
      Tell(kOneTableAtATime);
      return true;
    }
  }
  return false;
}

void GridForm::SecondOpening() {
  if (waiting_) {
    // Hidden behind its auxiliary table, which is finished first.
    Tell(kOneTableAtATime);
    return;
  }
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
  const ArrayDirectory* arrays = nullptr;
  try {
    arrays = &DataSetsOfKind(handover_.kind);
  } catch (const std::exception&) {
    // The table's own opening tells the user.
  }
  BindToEditor(handover_.Layered() ? EditorKind::Layered : EditorKind::Slab, arrays);
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
  StoreByOk([&] {
    Guarded([&] { outcome = ok(); });
    return outcome.close;
  });
  Finish(outcome);
}

void GridForm::OpenAuxiliary(const std::function<OkOutcome()>& open, std::function<void()> reshow) {
  if (!engine_ || waiting_ || SessionEnded()) return;
  DataSetWatch watch = Watch();
  OkOutcome outcome;
  Guarded([&] { outcome = open(); });
  DataSetChanges stored = watch.Changes();
  if (!outcome.close || outcome.next_window.empty()) {
    stored.Undo();   // refused: the table stays as it is, the cell editor on the cell concerned
    return;
  }
  Stored(stored);
  stored_for_auxiliary_ = std::move(stored);
  reshow_ = std::move(reshow);
  waiting_ = true;
  auxiliary_ = outcome.next_window;
  setEnabled(false);   // it stays in view, behind the auxiliary table, until that table ends
  Window* before = platform().windows().Find(outcome.next_window);
  LoadWithHandover(outcome.next_window, outcome.next);
  Window* loaded = platform().windows().Find(outcome.next_window);
  if (!loaded || loaded == before || loaded == this) {
    // The auxiliary table did not open (the user was told why).
    AuxiliaryEnded(false);
    return;
  }
  auto* next = dynamic_cast<EditorBound*>(loaded);
  if (!next) {
    // A window that cannot say how it ends: what was stored for it stays.
    AuxiliaryEnded(true);
    return;
  }
  QPointer<GridForm> self(this);
  next->SetWaitingOpener([self](bool confirmed) {
    if (self && self->registry()) self->AuxiliaryEnded(confirmed);
  });
}

void GridForm::AuxiliaryEnded(bool confirmed) {
  if (!waiting_) return;
  waiting_ = false;
  auxiliary_.clear();
  DataSetChanges stored = std::move(stored_for_auxiliary_);
  if (confirmed) {
    // The auxiliary table opens this table anew from what is now stored.
    if (!stored.empty()) DataChanged();
    confirmed_ = true;
    if (engine_) engine_->Stop();
    if (registry()) registry()->Unload(this);
    return;
  }
  if (SessionCurrent()) stored.Undo();
  if (reshow_) Guarded(reshow_);
  setEnabled(true);
  Show();
  if (grid_) grid_->SetFocus();
}

void GridForm::Destroy() {
  if (waiting_) {
    waiting_ = false;
    if (SessionCurrent()) stored_for_auxiliary_.Undo();
  }
  hide();   // gone before a waiting opener shows itself again
  WindowClosing();
  Form::Destroy();
}

bool GridForm::HoldsEdits() const {
  if (waiting_ || !engine_ || !registry()) return false;
  return engine_->Edited() || WaitedOn();
}

std::string GridForm::WindowTitle() const { return windowTitle().toStdString(); }

bool GridForm::TakeEdits() {
  Ok();
  return registry() == nullptr;
}

void GridForm::DropEdits() { Abandon(); }

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
  if (!outcome.close) {
    // Refused: the user goes on typing in the cell the message was about, not on the OK button.
    if (grid_) grid_->SetFocus();
    return;
  }
  if (engine_) engine_->Stop();
  confirmed_ = true;
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
