#include "grids/grid_handover.h"

#include <cmath>

#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
struct Pending {
  std::string window_kind;
  GridHandover handover;
};
std::optional<Pending>& PendingHandover() {
  static std::optional<Pending> pending;
  return pending;
}

int Whole(const Value& v) {
  const double d = std::nearbyint(v.Number());
  if (!(d > -1e9 && d < 1e9)) return 0;
  return static_cast<int>(d);
}
}  // namespace

GridHandover HandoverFromProgramState() {
  GridHandover h;
  h.kind = Whole(gScreenCode);
  h.set = Whole(h.Layered() ? gLayeredSet : gSlabSet);
  h.period = Whole(gCurrentPeriod);
  h.layer = Whole(gCurrentLayer);
  h.slab = Whole(gCurrentSlab);
  h.owner = Whole(gOwnerLine);
  h.grid_cols = gGridCols;
  h.grid_lines = Whole(gGridLines);
  h.main_cols = Whole(gMainCols);
  h.main_lines = Whole(gMainLines);
  h.main_top_line = Whole(gMainTopLine);
  return h;
}

void PublishHandover(const GridHandover& h) {
  gScreenCode = Value(h.kind);
  gCurrentPeriod = Value(h.period);
  gCurrentLayer = Value(h.layer);
  gCurrentSlab = Value(h.slab);
  gOwnerLine = Value(h.owner);
  gGridCols = static_cast<std::int16_t>(h.grid_cols);
  gGridLines = Value(h.grid_lines);
  gGridRows = static_cast<std::int16_t>(h.grid_lines + 1);
  gMainCols = Value(h.main_cols);
  gMainLines = Value(h.main_lines);
  gMainRows = Value(h.main_lines + 1);
  gMainTopLine = Value(h.main_top_line);
}

GridHandover TakeHandover(const std::string& window_kind) {
  const GridHandover h = PeekHandover(window_kind);
  std::optional<Pending>& pending = PendingHandover();
  if (pending && pending->window_kind == window_kind) pending.reset();
  return h;
}

GridHandover PeekHandover(const std::string& window_kind) {
  const std::optional<Pending>& pending = PendingHandover();
  if (pending && pending->window_kind == window_kind) return pending->handover;
  return HandoverFromProgramState();
}

void LoadWithHandover(const std::string& window_kind, const GridHandover& handover) {
  PublishHandover(handover);
  PendingHandover() = Pending{window_kind, handover};
  LoadWindow(window_kind);
  PendingHandover().reset();
}

}  // namespace pave
