// How a table names the data-set entries it shows and stores: an array of the editor's data set and
// the indexes after the data set, each one fixed or taken from the table (the line, the column) or
// from its hand-over (the period, layer sequence, slab or owning line). The catalogues of the grid
// windows are lists of such names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/entry_array.h"
#include "common/value.h"
#include "grids/grid_handover.h"

namespace pave {

enum class Slot : std::uint8_t { None, Line, Column, Period, Layer, Slab, Owner, Fixed };

struct Ix {
  Slot slot = Slot::None;
  int value = 0;
};
inline constexpr Ix kLine{Slot::Line};
inline constexpr Ix kColumn{Slot::Column};
inline constexpr Ix kPeriod{Slot::Period};
inline constexpr Ix kLayer{Slot::Layer};
inline constexpr Ix kSlab{Slot::Slab};
inline constexpr Ix kOwner{Slot::Owner};
constexpr Ix At(int n) { return {Slot::Fixed, n}; }

struct EntryRef {
  std::string_view array{};
  std::array<Ix, 3> index{};
  int rank = 0;
  constexpr bool empty() const { return array.empty(); }
};

template <class... I>
constexpr EntryRef Entry(std::string_view array, I... ix) {
  return EntryRef{array, {ix...}, static_cast<int>(sizeof...(I))};
}

// The table shown: its hand-over and the data sets of its kind.
class TableContext {
 public:
  explicit TableContext(const GridHandover& handover) : h_(handover) {}

  const GridHandover& handover() const { return h_; }
  int set() const { return h_.set; }

  EntryArray& Array(std::string_view name) const;
  EntryKind KindOf(const EntryRef& ref) const { return Array(ref.array).kind(); }
  // The indexes after the data set; throws TableIndexError when one lies outside the array.
  std::vector<long> Index(const EntryRef& ref, int line = 0, int col = 0) const;
  Value Get(const EntryRef& ref, int line = 0, int col = 0) const;
  bool Put(const EntryRef& ref, const Value& value, int line = 0, int col = 0) const;
  // Stores a line count; an entry that already holds that number is left as it is.
  void PutCount(const EntryRef& ref, int lines) const;
  // Stores a cell's text by the entry's kind (EntryArray::PutCellText).
  bool PutText(const EntryRef& ref, const std::string& text, int line = 0, int col = 0) const;
  // The upper bound of the index that takes `slot` (the line, say), or 0 when none does.
  int Bound(const EntryRef& ref, Slot slot) const;

  // NUNIT of the data set is not 0: SI units.
  bool SiUnits() const;

  // A caption with its numbers: {set}, {period}, {layer}, {slab}, {owner}, {layno} (LAYNO of the
  // nonlinear sequence {layer}) and {lnv} (LNV of the viscoelastic sequence {layer}) are replaced
  // by the number in number text.
  std::string Caption(std::string_view pattern) const;

 private:
  GridHandover h_;
};

// Cell texts. Number text: a number in the general number format without the trailing blank
// (" 3", "-.5"), 7 significant digits for single precision; a variant shows its number, a text
// read as a number, " 0" when empty, and a text that is no number as it stands.
std::string NumberText(const Value& value, EntryKind kind);
// Plain text: a text as it stands, a number in ordinary decimal form ("0.5"), "" when empty.
std::string PlainText(const Value& value);
// The value a cell stands for while it shows the entry unchanged: the entry itself when it holds a
// number or a text that spells one, the number 0 for an empty entry; nothing for a text that is no
// number (such a cell must be retyped).
std::optional<Value> ShownValue(const Value& value);
// A cell text that spells a number.
bool IsNumberText(std::string_view text);

}  // namespace pave
