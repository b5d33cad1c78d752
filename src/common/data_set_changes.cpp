#include "common/data_set_changes.h"

namespace pave {

void DataSetChanges::Undo() {
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) (*it)->Undo();
  changes_.clear();
}

std::vector<DataSetChanges::Entry> DataSetChanges::Entries() const {
  std::vector<Entry> entries;
  for (const auto& c : changes_) {
    for (std::vector<long>& place : c->Places()) entries.push_back({c->array(), std::move(place)});
  }
  return entries;
}

DataSetWatch::DataSetWatch(const ArrayDirectory* arrays) {
  if (!arrays) return;
  for (const std::string& name : arrays->Names()) {
    EntryArray& array = (*arrays)[name];
    kept_.push_back({&array, array.Keep()});
  }
}

DataSetChanges DataSetWatch::Changes() const {
  DataSetChanges changes;
  for (const Kept& k : kept_) {
    std::unique_ptr<EntryArray::Changes> c = k.array->ChangesSince(*k.copy);
    if (!c->empty()) changes.changes_.push_back(std::move(c));
  }
  return changes;
}

}  // namespace pave
