#include "shell/made_data_sets.h"

#include <functional>

namespace pave {

namespace {

// Runs `f` on every index after the data set of `array` (each from 1 to its bound).
void ForEachIndex(const EntryArray& array, const std::function<void(std::span<const long>)>& f) {
  const std::vector<int>& bounds = array.bounds();
  std::vector<long> index(bounds.size() - 1, 1);
  if (index.empty()) {
    f(index);
    return;
  }
  for (int b : bounds) {
    if (b < 1) return;
  }
  while (true) {
    f(index);
    std::size_t d = index.size();
    while (d > 0) {
      --d;
      if (++index[d] <= bounds[d + 1]) break;
      index[d] = 1;
      if (d == 0) return;
    }
  }
}

}  // namespace

std::vector<Value> DataSetEntries(const ArrayDirectory& arrays, int set) {
  std::vector<Value> entries;
  for (const std::string& name : arrays.Names()) {
    const EntryArray& array = arrays[name];
    ForEachIndex(array, [&](std::span<const long> index) { entries.push_back(array.Get(set, index)); });
  }
  return entries;
}

void CopyDataSet(const ArrayDirectory& arrays, int from, int to) {
  for (const std::string& name : arrays.Names()) {
    EntryArray& array = arrays[name];
    ForEachIndex(array, [&](std::span<const long> index) { array.Put(to, index, array.Get(from, index)); });
  }
}

void MadeDataSets::Made(int set) { made_[set] = DataSetEntries(arrays_, set); }

bool MadeDataSets::NeverFilled(int set) const {
  auto it = made_.find(set);
  return it != made_.end() && it->second == DataSetEntries(arrays_, set);
}

void MadeDataSets::Remove(int set, int count) {
  for (int s = set; s < count; ++s) {
    CopyDataSet(arrays_, s + 1, s);
    auto next = made_.find(s + 1);
    if (next != made_.end()) {
      made_[s] = std::move(next->second);
    } else {
      made_.erase(s);
    }
  }
  made_.erase(count);
}

}  // namespace pave
