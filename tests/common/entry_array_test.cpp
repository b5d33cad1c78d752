#include "common/entry_array.h"

#include <gtest/gtest.h>

namespace pave {
namespace {

struct Sets {
  FixedTable<float, 5, 19, 3> layers{};
  FixedTable<std::int16_t, 5, 18> interfaces{};
  FixedTable<Value, 5, 19> depths{};
  FixedTable<double, 2, 120, 2, 3> loads{};
  FixedTable<std::string, 5> titles{};
};

TEST(FixedTableTest, IndexesFromZeroToEachBoundAndRefusesOthers) {
  FixedTable<int, 2, 3> t;
  t(2, 3) = 7;
  t(0, 0) = 1;
  EXPECT_EQ(t(2, 3), 7);
  EXPECT_EQ(t.At({2, 3}), 7);
  EXPECT_THROW(t(3, 0), TableIndexError);
  EXPECT_THROW(t(0, 4), TableIndexError);
  EXPECT_THROW(t(-1, 0), TableIndexError);
}

TEST(EntryArrayTest, FindsArraysByNameWithTheirKindAndBounds) {
  Sets s;
  ArrayDirectory dir;
  dir.Add("gLayeredLayer", s.layers);
  dir.Add("gLayeredINT", s.interfaces);
  dir.Add("gLayeredZC", s.depths);
  EXPECT_EQ(dir["gLayeredLayer"].kind(), EntryKind::Single);
  EXPECT_EQ(dir["gLayeredLayer"].rank(), 2);
  EXPECT_EQ(dir["gLayeredINT"].bounds(), (std::vector<int>{5, 18}));
  EXPECT_EQ(dir["gLayeredZC"].kind(), EntryKind::Variant);
  EXPECT_EQ(dir.Find("gNothing"), nullptr);
  EXPECT_THROW(dir["gNothing"], std::out_of_range);
}

TEST(EntryArrayTest, CellTextsAreStoredByTheEntryKind) {
  Sets s;
  ArrayDirectory dir;
  dir.Add("layers", s.layers);
  dir.Add("interfaces", s.interfaces);
  dir.Add("depths", s.depths);
  dir.Add("loads", s.loads);
  dir.Add("titles", s.titles);
  const long layer_field[] = {2, 1};
  const long interface[] = {3};
  const long point[] = {4};
  const long load[] = {7, 2, 1};
  const long none[] = {0};

  EXPECT_TRUE(dir["layers"].PutCellText(1, layer_field, " 6.5 "));
  EXPECT_FLOAT_EQ(s.layers(1, 2, 1), 6.5f);
  EXPECT_FALSE(dir["layers"].PutCellText(1, layer_field, "six"));
  EXPECT_FALSE(dir["layers"].PutCellText(1, layer_field, ""));
  EXPECT_FALSE(dir["layers"].PutCellText(1, layer_field, "1E39"));
  EXPECT_FLOAT_EQ(s.layers(1, 2, 1), 6.5f) << "a refused cell keeps the old value";

  struct Rounding { const char* text; bool ok; int stored; };
  for (const Rounding& r : {Rounding{"2.5", true, 2}, {"3.5", true, 4}, {"-2.5", true, -2},
                            {"32767", true, 32767}, {"32768", false, 4}, {"-32769", false, 4}}) {
    s.interfaces(1, 3) = 4;
    EXPECT_EQ(dir["interfaces"].PutCellText(1, interface, r.text), r.ok) << r.text;
    EXPECT_EQ(s.interfaces(1, 3), r.ok ? r.stored : 4) << r.text;
  }

  EXPECT_TRUE(dir["depths"].PutCellText(2, point, " 6 "));
  EXPECT_EQ(s.depths(2, 4), Value(" 6 ")) << "a variant keeps the text as typed";
  EXPECT_TRUE(dir["depths"].PutCellText(2, point, ""));
  EXPECT_EQ(s.depths(2, 4), Value("")) << "an empty cell is an empty text, not an empty value";

  EXPECT_TRUE(dir["loads"].PutCellText(2, load, "1.25E+3"));
  EXPECT_DOUBLE_EQ(s.loads(2, 7, 2, 1), 1250.0);
  EXPECT_THROW(dir["loads"].PutCellText(3, load, "1"), TableIndexError);

  EXPECT_TRUE(dir["titles"].Put(1, std::span<const long>(none, 0), Value("A title")));
  EXPECT_EQ(s.titles(1), "A title");
}

TEST(EntryArrayTest, GetGivesNumbersForNumericKindsAndWhatIsHeldForVariants) {
  Sets s;
  ArrayDirectory dir;
  dir.Add("layers", s.layers);
  dir.Add("depths", s.depths);
  s.layers(3, 19, 3) = 0.25f;
  s.depths(3, 19) = Value("abc");
  EXPECT_EQ(dir["layers"](3, 19, 3), Value(0.25));
  EXPECT_EQ(dir["depths"](3, 19), Value("abc"));
  EXPECT_TRUE(dir["depths"](3, 18).IsEmpty());
  EXPECT_THROW(dir["layers"](3, 20, 1), TableIndexError);
  EXPECT_THROW(dir["layers"](3, 1), TableIndexError) << "too few indexes";
}

}  // namespace
}  // namespace pave
