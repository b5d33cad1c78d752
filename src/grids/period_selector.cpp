#include "grids/period_selector.h"

#include <algorithm>
#include <cmath>

#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "grids/table_entries.h"

namespace pave {

namespace {
int WholeEntry(const TableContext& context, const EntryRef& ref) {
  const double d = std::nearbyint(context.Get(ref).Number());
  return d > -1e6 && d < 1e6 ? static_cast<int>(d) : 0;
}

EntryRef LineCountOf(int kind) {
  switch (kind) {
    case 106: return Entry("gLayeredGeneral", At(6));
    case 119: return Entry("gLayeredViscoGeneral", At(2));
    case 123: return Entry("gLayeredGeneral", At(4));
    default: return Entry("gSlabGeneral", At(4));
  }
}

std::string Help(const std::string& opened_from, bool defaults, const std::string& entered,
                 const std::string& returns_to) {
  const std::string first =
      "This form appears when the " + opened_from + " is clicked. The number of periods equals NPY as "
      "specified in the 'General' menu. The 12 buttons show that at most 12 periods may be used, but only "
      "the periods actually specified carry their numbers.";
  const std::string second =
      defaults ? "The label under each period button shows 'default' in blue: a default temperature of 70F "
                 "(21.1C) is provided and may be overridden. After the temperatures are entered, the label "
                 "changes to 'done'."
               : "The label under each period button shows 'input' in red: there are no defaults, and " +
                     entered + " must be entered. After the entry, the label changes to 'done'.";
  const std::string third = "Click the Period1 button to enter the data of period 1, and so on. When all "
                            "periods show 'done', click OK to return to " + returns_to + ".";
  return HelpText({first, second, third});
}
}  // namespace

std::optional<PeriodSelection> PeriodSelectionFor(const GridHandover& handover) {
    const TableContext context(handover);
  PeriodSelection s;
  const std::string set = NumberText(Value(handover.set), EntryKind::Variant);
  switch (handover.kind) {
    case 106:
      s.caption = "Layer Modulus of each period for Data Set No. " + set;
      s.help = Help("'Moduli' menu on the main menu of PELDRANE", false, "the elastic modulus of each layer",
                    "the main menu of PELDRANE");
      s.done = {kind::kLayeredEditor, "lblModuli"};
      break;
    case 119:
      s.caption = "Layer Temperature of each period for Data Set No. " + set;
      s.defaults = true;
      s.help = Help("'Temperature' menu on the Viscoelastic Layers menu", true, "",
                    "the Viscoelastic Layers menu");
      s.done = {kind::kViscoMenu, "lbltemperature"};
      break;
    case 123:
      s.caption = "Load Repetitions of Each Period for Data Set No. " + set;
      s.help = Help("'Volume of Traffic' menu of the damage analysis", false,
                    "the number of repetitions of each load group", "the damage analysis");
      s.done = {kind::kLayeredDamage, "lblVolume"};
      break;
    case 225:
      s.caption = "Load Repetitions of each period for Data Set No. " + set;
      s.help = Help("'Volume of Traffic' menu of the damage analysis", false,
                    "the number of repetitions of each load group", "the damage analysis");
      s.done = {kind::kSlabDamage, "lblVolume"};
      break;
    default:
      return std::nullopt;
  }
  const EntryRef npy = handover.Layered() ? Entry("gLayeredGeneral", At(3)) : Entry("gSlabGeneral", At(3));
  s.periods = std::clamp(WholeEntry(context, npy), 0, 12);
  return s;
}

std::string PeriodButtonCaption(int k) {
  switch (k) {
    case 10: return "Period1&0";
    case 11: return "&Period11";
    case 12: return "Perio&d12";
    default: return "Period&" + std::to_string(k);
  }
}

GridHandover PeriodTableHandover(const GridHandover& selector, int k) {
  GridHandover h = selector;
  h.period = k;
  h.grid_cols = 2;
  h.grid_lines = WholeEntry(TableContext(selector), LineCountOf(selector.kind));
  return h;
}

}  // namespace pave
