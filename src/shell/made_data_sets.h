// The data sets a user made with an editor's Data Set buttons. What each held when it was made is
// kept, so that a set nothing was entered into since can be told from one the user worked on; and a
// set can be taken out of the editor's arrays, the sets after it moving down one place.
#pragma once

#include <map>
#include <vector>

#include "common/entry_array.h"
#include "common/value.h"

namespace pave {

// Every entry of data set `set` in the arrays of `arrays`, in a fixed order.
std::vector<Value> DataSetEntries(const ArrayDirectory& arrays, int set);

// Copies every entry of data set `from` into data set `to`.
void CopyDataSet(const ArrayDirectory& arrays, int from, int to);

class MadeDataSets {
 public:
  explicit MadeDataSets(const ArrayDirectory& arrays) : arrays_(arrays) {}

  // Data set `set` was made now, with what it holds.
  void Made(int set);
  // No set counts as made (a file was read, or the editor starts afresh).
  void Forget() { made_.clear(); }
  // True when `set` was made and holds what it held then.
  bool NeverFilled(int set) const;
  // Takes `set` out of the `count` data sets: the sets after it move down one place (entries and
  // what is known of them); the last one then holds what it held and counts as not made.
  void Remove(int set, int count);

 private:
  const ArrayDirectory& arrays_;
  std::map<int, std::vector<Value>> made_;
};

}  // namespace pave
