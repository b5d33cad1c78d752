// The catalogues name the editors' own arrays: every entry a table reads or writes resolves in the
// layered and slab editors' directories with the number of indexes the table gives it, and the
// test data sets of this folder have the editors' bounds and entry kinds.
#include <gtest/gtest.h>

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
