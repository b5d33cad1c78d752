#include "grids/table_entries.h"

#include <cmath>

#include "common/number_format.h"
#include "common/numeric_value.h"
#include "grids/data_sets.h"

namespace pave {

EntryArray& TableContext::Array(std::string_view name) const { return DataSetsOfKind(h_.kind)[name]; }

std::vector<long> TableContext::Index(const EntryRef& ref, int line, int col) const {
  std::vector<long> index;
  for (int i = 0; i < ref.rank; ++i) {
    const Ix& ix = ref.index[static_cast<std::size_t>(i)];
    switch (ix.slot) {
      case Slot::Line: index.push_back(line); break;
      case Slot::Column: index.push_back(col); break;
      case Slot::Period: index.push_back(h_.period); break;
      case Slot::Layer: index.push_back(h_.layer); break;
      case Slot::Slab: index.push_back(h_.slab); break;
      case Slot::Owner: index.push_back(h_.owner); break;
      case Slot::Fixed: index.push_back(ix.value); break;
      case Slot::None: index.push_back(0); break;
    }
  }
  return index;
}

Value TableContext::Get(const EntryRef& ref, int line, int col) const {
  return Array(ref.array).Get(h_.set, Index(ref, line, col));
}

bool TableContext::Put(const EntryRef& ref, const Value& value, int line, int col) const {
  return Array(ref.array).Put(h_.set, Index(ref, line, col), value);
}

void TableContext::PutCount(const EntryRef& ref, int lines) const {
  const Value old = Get(ref);
  if (ShownValue(old) && !old.IsEmpty() && old.Number() == lines) return;
  Put(ref, Value(lines));
}

bool TableContext::PutText(const EntryRef& ref, const std::string& text, int line, int col) const {
  return Array(ref.array).PutCellText(h_.set, Index(ref, line, col), text);
}

int TableContext::Bound(const EntryRef& ref, Slot slot) const {
  const std::vector<int>& bounds = Array(ref.array).bounds();
  for (int i = 0; i < ref.rank; ++i) {
    if (ref.index[static_cast<std::size_t>(i)].slot == slot) return bounds[static_cast<std::size_t>(i) + 1];
  }
  return 0;
}

bool TableContext::SiUnits() const {
  const EntryRef nunit = h_.Layered() ? Entry("gLayeredGeneral", At(13)) : Entry("gSlabGeneral", At(14));
  return Get(nunit).Number() != 0;
}

std::string TableContext::Caption(std::string_view pattern) const {
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] != '{') {
      out += pattern[i++];
      continue;
    }
    const std::size_t end = pattern.find('}', i);
    const std::string_view name = pattern.substr(i + 1, end - i - 1);
    i = end + 1;
    Value v;
    if (name == "set") v = h_.set;
    else if (name == "period") v = h_.period;
    else if (name == "layer") v = h_.layer;
    else if (name == "slab") v = h_.slab;
    else if (name == "owner") v = h_.owner;
    else if (name == "layno") v = Get(Entry("gLayeredNonseasonal", kLayer, At(1)));
    else if (name == "lnv") v = Get(Entry("gLayeredViscoLayer", kLayer, At(1)));
    out += NumberText(v, EntryKind::Variant);
  }
  return out;
}

std::string NumberText(const Value& value, EntryKind kind) {
  switch (kind) {
    case EntryKind::Single: return Str(static_cast<float>(value.Number()));
    case EntryKind::Integer: return Str(static_cast<long>(std::lround(value.Number())));
    case EntryKind::Double: return Str(value.Number());
    case EntryKind::Variant:
    case EntryKind::Text:
      break;
  }
  if (value.IsEmpty()) return " 0";
  if (value.IsNumber()) return Str(value.Number());
  const std::optional<double> number = ParseNumber(value.Text());
  return number ? Str(*number) : value.Text();
}

std::string PlainText(const Value& value) {
  if (!value.IsNumber()) return value.Text();
  std::string s = Str(value.Number());
  if (!s.empty() && s.front() == ' ') s.erase(0, 1);
  if (!s.empty() && s.front() == '.') s.insert(0, "0");
  if (s.size() > 1 && s[0] == '-' && s[1] == '.') s.insert(1, "0");
  return s;
}

std::optional<Value> ShownValue(const Value& value) {
  if (value.IsEmpty()) return Value(0.0);
  if (value.IsNumber() || IsNumberText(value.Text())) return value;
  return std::nullopt;
}

bool IsNumberText(std::string_view text) { return ParseNumber(text).has_value(); }

}  // namespace pave
