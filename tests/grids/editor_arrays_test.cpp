// The catalogues name the editors' own arrays: every entry a table reads or writes resolves in the
// layered and slab editors' directories with the number of indexes the table gives it, and the
// test data sets of this folder have the editors' bounds and entry kinds.
#include <gtest/gtest.h>

#include <algorithm>

#include "grids/line_moves.h"
#include "grids/main_catalogue.h"
#include "grids/multi_catalogue.h"
#include "grids/single_catalogue.h"
#include "layered_editor/layered_data_set.h"
#include "slab_editor/slab_data_set.h"
#include "test_data_sets.h"

namespace pave::testing {
namespace {

void ExpectResolves(int kind, const EntryRef& ref) {
  if (ref.empty()) return;
  const ArrayDirectory& dir = kind < 200 ? LayeredArrays() : SlabArrays();
  const EntryArray* array = dir.Find(ref.array);
  ASSERT_NE(array, nullptr) << kind << " " << ref.array;
  EXPECT_EQ(array->rank(), ref.rank) << kind << " " << ref.array;
}

TEST(EditorArraysTest, EveryCatalogueEntryNamesAnEditorArray) {
  for (const SingleLayout& l : SingleLayouts()) {
    for (const EntryRef& r : l.cells) ExpectResolves(l.kind, r);
    ExpectResolves(l.kind, l.count);
  }
  for (const MainLayout& l : MainLayouts()) {
    for (const EntryRef& r : l.cells) ExpectResolves(l.kind, r);
    for (const EntryRef& r : l.owned) ExpectResolves(l.kind, r);
    ExpectResolves(l.kind, l.line_count);
  }
  for (const MultiLayout& l : MultiLayouts()) {
    for (const EntryRef& r : l.cells) ExpectResolves(l.kind, r);
    ExpectResolves(l.kind, l.count);
    ExpectResolves(l.kind, l.marked_last);
  }
}

// Each array holding entries for an index holds as many of them as the others, so that a line moved
// in one table has its place in every array.
TEST(EditorArraysTest, TheArraysHoldingAnIndexHoldItAlike) {
  for (const LineIndex index : {LineIndex::Period, LineIndex::LoadGroup, LineIndex::NonlinearSequence,
                                LineIndex::ViscoSequence, LineIndex::Time}) {
    std::vector<int> bounds;
    for (const HeldEntry& h : EntriesHeldFor(index)) {
      ExpectResolves(100, h.ref);
      const std::vector<int>& b = LayeredArrays()[h.ref.array].bounds();
      for (int d = 0; d < h.ref.rank; ++d)
        if (h.ref.index[static_cast<std::size_t>(d)].slot == Slot::Line) bounds.push_back(b[static_cast<std::size_t>(d) + 1]);
    }
    ASSERT_EQ(bounds.size(), EntriesHeldFor(index).size()) << static_cast<int>(index);
    EXPECT_EQ(std::count(bounds.begin(), bounds.end(), bounds.front()), static_cast<long>(bounds.size()))
        << static_cast<int>(index);
  }
}

TEST(EditorArraysTest, TheTestDataSetsHaveTheEditorsBoundsAndKinds) {
  LayeredTestSets layered;
  SlabTestSets slab;
  for (const auto& [mine, theirs] : {std::pair<const ArrayDirectory*, const ArrayDirectory*>{&layered.dir, &LayeredArrays()},
                                     {&slab.dir, &SlabArrays()}}) {
    for (const std::string& name : mine->Names()) {
      const EntryArray* real = theirs->Find(name);
      ASSERT_NE(real, nullptr) << name;
      EXPECT_EQ((*mine)[name].kind(), real->kind()) << name;
      EXPECT_EQ((*mine)[name].bounds(), real->bounds()) << name;
    }
  }
}

}  // namespace
}  // namespace pave::testing
