// What a step changed in an editor's data sets: a watch keeps a copy of every array of a directory,
// and the changes found against that copy can be taken back entry by entry. A form uses it to store
// nothing of an OK that is refused, and to take back what it stored for a window that was then left
// without its own OK.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/entry_array.h"

namespace pave {

class DataSetChanges {
 public:
  DataSetChanges() = default;
  DataSetChanges(DataSetChanges&&) = default;
  DataSetChanges& operator=(DataSetChanges&&) = default;

  bool empty() const { return changes_.empty(); }
  // Each changed entry: its array and its place (the data set, then the further indexes).
  struct Entry {
    std::string array;
    std::vector<long> place;
  };
  std::vector<Entry> Entries() const;
  // Puts every changed entry back as it was before the step; an entry changed again since keeps
  // its newer value.
  void Undo();

 private:
  friend class DataSetWatch;
  std::vector<std::unique_ptr<EntryArray::Changes>> changes_;
};

class DataSetWatch {
 public:
  // Keeps what every array of `arrays` holds now; no arrays watches nothing.
  explicit DataSetWatch(const ArrayDirectory* arrays);
  // The entries changed since the watch began.
  DataSetChanges Changes() const;

 private:
  struct Kept {
    EntryArray* array;
    std::unique_ptr<EntryArray::Copy> copy;
  };
  std::vector<Kept> kept_;
};

}  // namespace pave
