#include "common/entry_array.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/numeric_value.h"

namespace pave {

bool ToSingle(double number, float& out) {
  if (std::isnan(number)) return false;
  if (std::fabs(number) > static_cast<double>(std::numeric_limits<float>::max())) return false;
  out = static_cast<float>(number);
  return true;
}

bool ToInteger16(double number, std::int16_t& out) {
  if (std::isnan(number)) return false;
  const double rounded = std::nearbyint(number);   // the default rounding: a half to even
  if (rounded < -32768.0 || rounded > 32767.0) return false;
  out = static_cast<std::int16_t>(rounded);
  return true;
}

bool EntryArray::PutCellText(int set, std::span<const long> index, const std::string& text) {
  if (kind() == EntryKind::Variant || kind() == EntryKind::Text) return Put(set, index, Value(text));
  const std::optional<double> number = ParseNumber(text);
  if (!number) return false;
  return Put(set, index, Value(*number));
}

EntryArray* ArrayDirectory::Find(std::string_view name) const {
  auto it = arrays_.find(name);
  return it == arrays_.end() ? nullptr : it->second.get();
}

EntryArray& ArrayDirectory::operator[](std::string_view name) const {
  EntryArray* array = Find(name);
  if (!array) throw std::out_of_range("no data-set array named " + std::string(name));
  return *array;
}

std::vector<std::string> ArrayDirectory::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, array] : arrays_) names.push_back(name);
  return names;
}

}  // namespace pave
