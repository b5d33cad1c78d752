// Every entry of a data-set directory, to tell which entries an operation changed.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/entry_array.h"
#include "grids/line_moves.h"

namespace pave::testing {

// "gLayeredZC(2,3)" -> value, for every index of every array (index 0 included).
using EntrySnapshot = std::map<std::string, Value>;

inline std::string EntryName(const std::string& array, int set, const std::vector<long>& index) {
  std::string s = array + "(" + std::to_string(set);
  for (long i : index) s += "," + std::to_string(i);
  return s + ")";
}

inline EntrySnapshot Snapshot(const ArrayDirectory& dir) {
  EntrySnapshot snap;
  for (const std::string& name : dir.Names()) {
    const EntryArray& array = dir[name];
    const std::vector<int>& bounds = array.bounds();
    std::vector<long> index(bounds.size() - 1, 0);
    const auto next = [&] {
      for (std::size_t d = index.size(); d-- > 0;) {
        if (index[d] < bounds[d + 1]) {
          ++index[d];
          return true;
        }
        index[d] = 0;
      }
      return false;
    };
    for (int set = 0; set <= bounds[0]; ++set) {
      std::fill(index.begin(), index.end(), 0);
      do {
        snap[EntryName(name, set, index)] = array.Get(set, index);
      } while (next());
    }
  }
  return snap;
}

// The names of the entries whose values differ.
inline std::vector<std::string> Changed(const EntrySnapshot& before, const EntrySnapshot& after) {
  std::vector<std::string> names;
  for (const auto& [name, value] : after) {
    auto it = before.find(name);
    if (it == before.end() || !(it->second == value)) names.push_back(name);
  }
  return names;
}

// `changed` without the entries that a line inserted into a table of `lines` (periods, load groups,
// sequences, times) moves through every array holding that index, besides those `expected`: the
// tables' own entries are checked here, the moves by the saved-file tests of the lines.
inline std::vector<std::string> WithoutMoves(const std::vector<std::string>& changed,
                                             const std::vector<std::string>& expected, LineIndex lines) {
  std::vector<std::string> kept;
  for (const std::string& name : changed) {
    const std::string array = name.substr(0, name.find('('));
    bool moved = false;
    for (const HeldEntry& h : EntriesHeldFor(lines)) moved = moved || h.ref.array == array;
    if (!moved || std::find(expected.begin(), expected.end(), name) != expected.end()) kept.push_back(name);
  }
  return kept;
}

}  // namespace pave::testing
