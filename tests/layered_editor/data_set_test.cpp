// The layered data set: its defaults, the named arrays the grids use, and how a new data set is
// filled from data set 1.
#include <gtest/gtest.h>

#include "layered_editor/layered_data_set.h"
#include "shell/program_state.h"

namespace pave {
namespace {

class DataSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    LayeredDefaults();
  }
};

TEST_F(DataSetTest, DefaultsFillEveryDataSetAndTheWholeExtentOfTheirLists) {
  EXPECT_EQ(gLayeredSet.Number(), 1);
  EXPECT_EQ(gLayeredNPROB.Number(), 1);
  for (int s = 1; s <= 5; ++s) {
    const float general[] = {1, 0, 1, 1, 0.001f, 3, 0, 80, 9, 1, 1, 1, 0};
    for (int k = 1; k <= 13; ++k) EXPECT_EQ(gLayeredGeneral(s, k), general[k - 1]) << k;
    EXPECT_EQ(gLayeredNonlinGeneral(s, nlg::DELNOL), Value(0.01));
    EXPECT_EQ(gLayeredViscoGeneral(s, vsg::NTYME), Value(11));
    EXPECT_EQ(gLayeredTYME(s, 11), Value(100));
    EXPECT_TRUE(gLayeredTYME(s, 12).IsEmpty());
    EXPECT_EQ(gLayeredLoad(s, 12, ld::NRNPT), Value(""));
    EXPECT_TRUE(gLayeredClay(s, 1, 1).IsEmpty());
    EXPECT_EQ(gLayeredGranular(s, 12, 2), Value(0.6));
    EXPECT_EQ(gLayeredRELAX(s, 12), 0.5f);
    // Points 1 to 25 and damage layers 1 to 19: no list entry starts empty.
    EXPECT_EQ(gLayeredRC(s, 12, 25), Value(0));
    EXPECT_EQ(gLayeredPoints(s, 12, 25, 2), Value(0));
    EXPECT_EQ(gLayeredBottom(s, 19, 2), Value(0.0796));
    EXPECT_EQ(gLayeredBottom(s, 19, 4), Value(0.854));
    EXPECT_EQ(gLayeredTop(s, 19, 2), 1.365E-09f);
    EXPECT_TRUE(gLayeredBottom(s, 1, 1).IsEmpty());
  }
}

TEST_F(DataSetTest, EveryArrayIsFoundByItsNameWithItsKindAndBounds) {
  struct Named {
    const char* name;
    EntryKind kind;
    std::vector<int> bounds;
  };
  const Named arrays[] = {
      {"gLayeredTITLE", EntryKind::Text, {5}},
      {"gLayeredGeneral", EntryKind::Single, {5, 13}},
      {"gLayeredLayer", EntryKind::Variant, {5, 19, 3}},
      {"gLayeredZC", EntryKind::Variant, {5, 19}},
      {"gLayeredINT", EntryKind::Integer, {5, 18}},
      {"gLayeredE", EntryKind::Variant, {5, 12, 19}},
      {"gLayeredLoad", EntryKind::Variant, {5, 12, 6}},
      {"gLayeredRC", EntryKind::Variant, {5, 12, 25}},
      {"gLayeredPoints", EntryKind::Variant, {5, 12, 25, 2}},
      {"gLayeredNonlinGeneral", EntryKind::Variant, {5, 7}},
      {"gLayeredNonseasonal", EntryKind::Variant, {5, 12, 3}},
      {"gLayeredGranular", EntryKind::Variant, {5, 12, 2}},
      {"gLayeredClay", EntryKind::Variant, {5, 12, 4}},
      {"gLayeredSeasonal", EntryKind::Variant, {5, 12, 12, 3}},
      {"gLayeredRELAX", EntryKind::Single, {5, 12}},
      {"gLayeredViscoGeneral", EntryKind::Variant, {5, 3}},
      {"gLayeredViscoLayer", EntryKind::Variant, {5, 12, 3}},
      {"gLayeredTYME", EntryKind::Variant, {5, 15}},
      {"gLayeredCREEP", EntryKind::Single, {5, 12, 15}},
      {"gLayeredTEMP", EntryKind::Variant, {5, 12, 12}},
      {"gLayeredBottom", EntryKind::Variant, {5, 19, 4}},
      {"gLayeredTop", EntryKind::Single, {5, 19, 3}},
      {"gLayeredTNLR", EntryKind::Single, {5, 12, 12}},
  };
  EXPECT_EQ(LayeredArrays().Names().size(), std::size(arrays));
  for (const Named& a : arrays) {
    EntryArray* array = LayeredArrays().Find(a.name);
    ASSERT_NE(array, nullptr) << a.name;
    EXPECT_EQ(array->kind(), a.kind) << a.name;
    EXPECT_EQ(array->bounds(), a.bounds) << a.name;
  }
  // A grid's cell lands in the data set's table.
  EXPECT_TRUE(LayeredArrays()["gLayeredZC"].PutCellText(2, std::vector<long>{3}, "4.5"));
  EXPECT_EQ(gLayeredZC(2, 3), Value("4.5"));
  EXPECT_TRUE(LayeredArrays()["gLayeredTNLR"].PutCellText(1, std::vector<long>{2, 3}, "1000"));
  EXPECT_EQ(gLayeredTNLR(1, 2, 3), 1000.0f);
}

TEST_F(DataSetTest, InitialCopiesDataSetOneWithinItsCounts) {
  gLayeredTITLE(1) = "Thick base";
  gLayeredGeneral(1, gen::NL) = 4;
  for (int i = 1; i <= 5; ++i) gLayeredLayer(1, i, 1) = Value(i);
  for (int i = 1; i <= 4; ++i) gLayeredINT(1, i) = 1;
  gLayeredLayer(3, 5, 1) = Value(99);
  gLayeredLoad(1, 1, ld::NRNPT) = Value(3);
  for (int p = 1; p <= 4; ++p) {
    gLayeredRC(1, 1, p) = Value(10 * p);
    gLayeredPoints(1, 1, p, 2) = Value("7");
  }
  Initial(3);
  EXPECT_EQ(gLayeredTITLE(3), "Thick base");
  EXPECT_EQ(gLayeredGeneral(3, gen::NL), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(gLayeredLayer(3, i, 1), Value(i));
  EXPECT_EQ(gLayeredLayer(3, 5, 1), Value(99));
  EXPECT_EQ(gLayeredINT(3, 3), 1);
  EXPECT_EQ(gLayeredINT(3, 4), 0);
  EXPECT_EQ(gLayeredRC(3, 1, 3), Value(30));
  EXPECT_EQ(gLayeredRC(3, 1, 4), Value(0));
  EXPECT_EQ(gLayeredPoints(3, 1, 3, 2), Value("7"));   // a text stays a text
  EXPECT_EQ(gLayeredTITLE(2), "");
}

TEST_F(DataSetTest, CountsAreWholeNumbersInsideTheirRanges) {
  EXPECT_EQ(LayeredCount(Value(3), 12), 3);
  EXPECT_EQ(LayeredCount(Value("3"), 12), 3);
  EXPECT_EQ(LayeredCount(Value(""), 12), -1);
  EXPECT_EQ(LayeredCount(Value(), 12), -1);
  EXPECT_EQ(LayeredCount(Value("three"), 12), -1);
  EXPECT_EQ(LayeredCount(Value(2.5), 12), -1);
  EXPECT_EQ(LayeredCount(Value(13), 12), -1);
  EXPECT_EQ(LayeredCount(Value(-1), 12), -1);
  EXPECT_EQ(LayeredCount(12.0f, 12), 12);
}

}  // namespace
}  // namespace pave
