// Storage planning: half band widths, solution modes, the renumbering of stacked slabs and the
// refusal of bands that cannot hold the system.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "slab_analysis/numbering.h"
#include "slab_analysis/storage_plan.h"

namespace pave::slab {
namespace {

struct SlabDef {
  int nx, ny;
  int jono[4];
};

struct Planned {
  RecordingHost host;
  std::ostringstream report;
  std::unique_ptr<SlabRun> run;
  bool stopped = false;
};

// Numbers the slabs and plans the storage of a problem with these slabs.
std::unique_ptr<Planned> Plan(const std::vector<SlabDef>& slabs, int njoint, int nlg, int nfound,
                              const SlabVariant& v = kBruntola) {
  auto p = std::make_unique<Planned>();
  p->run = std::make_unique<SlabRun>(v, p->host);
  SlabRun& r = *p->run;
  r.rep = std::make_unique<LineWriter>(p->report);
  SlabState& s = r.s;
  s.NSLAB = static_cast<double>(slabs.size());
  s.NJOINT = njoint;
  s.NLG = nlg;
  s.NFOUND = nfound;
  s.NLAYER = 1;
  s.YM(1) = 4e6f;
  int nnode = 0, xs = 0, ys = 0;
  for (std::size_t i = 0; i < slabs.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    s.NX(k) = static_cast<std::int16_t>(slabs[i].nx);
    s.NY(k) = static_cast<std::int16_t>(slabs[i].ny);
    for (int K = 1; K <= 4; ++K) s.JONO(K, k) = static_cast<std::int16_t>(slabs[i].jono[K - 1]);
    s.NXX(k) = static_cast<std::int16_t>(xs);
    s.NYY(k) = static_cast<std::int16_t>(ys);
    for (int j = 1; j <= slabs[i].nx; ++j) s.X(xs + j) = static_cast<float>(10 * (j - 1));
    for (int j = 1; j <= slabs[i].ny; ++j) s.Y(ys + j) = static_cast<float>(10 * (j - 1));
    xs += slabs[i].nx;
    ys += slabs[i].ny;
    nnode += slabs[i].nx * slabs[i].ny;
  }
  s.NNODE = nnode;
  s.NEQ = 3.0 * nnode;
  try {
    Identi(r);
    if (nfound != 0) ReserveFoundation(r);
    PlanStorage(r);
  } catch (const EndPath&) {
    p->stopped = true;
  }
  return p;
}

TEST(StoragePlanTest, LiquidFoundationModes) {
  struct Case {
    int nx, ny, nlg;
    SlabVariant v;
    double nb;
    int isolve;
    double nsk2;
  };
  for (Case c : {Case{7, 7, 1, kBruntola, 27, 1, -1}, Case{10, 10, 1, kBruntola, 36, 1, -1},
                 Case{10, 10, 2, kBruntola, 36, 2, 50000}, Case{18, 18, 2, kLarge, 60, 2, 800000}}) {
    auto p = Plan({{c.nx, c.ny, {0, 0, 0, 0}}}, 0, c.nlg, 0, c.v);
    ASSERT_FALSE(p->stopped) << c.nx;
    const SlabState& s = p->run->s;
    EXPECT_EQ(s.NB, c.nb) << c.nx;
    EXPECT_EQ(s.ISOLVE, c.isolve) << c.nx;
    if (c.nsk2 >= 0) {
      EXPECT_EQ(s.NSK2, c.nsk2) << c.nx;
    }
    EXPECT_NE(p->report.str().find("HALF BAND WIDTH (NB) = " + std::string(c.nb == 27 ? " 27 " : "")), std::string::npos);
  }
}

TEST(StoragePlanTest, ACutBandNarrowerThanAnElementIsRefused) {
  // 18 x 18 nodes with two load groups in the small build: the band would be cut to 51 < 60.
  auto p = Plan({{18, 18, {0, 0, 0, 0}}}, 0, 2, 0, kBruntola);
  EXPECT_TRUE(p->stopped);
  ASSERT_EQ(p->host.messages.size(), 1u);
  EXPECT_EQ(p->host.messages[0], StorageMessage(kBruntola));
  EXPECT_EQ(StorageMessage(kLarge), "STORAGE IS EXCEEDED, PLEASE REDUCE TOTAL NUMBER OF NODES");
}

TEST(StoragePlanTest, SolidFoundationBandsOfTheExamples) {
  struct Case {
    std::vector<SlabDef> slabs;
    int njoint, nlg;
    SlabVariant v;
    double nb;
    int isolve;
  };
  const std::vector<SlabDef> two = {{7, 8, {0, 1, 0, 0}}, {6, 8, {1, 0, 0, 0}}};
  const std::vector<SlabDef> one = {{9, 9, {0, 0, 0, 0}}};
  for (const Case& c : {Case{two, 1, 1, kBruntola, 141, 0}, Case{two, 1, 1, kLarge, 312, 1},
                        Case{one, 0, 3, kBruntola, 192, 0}, Case{one, 0, 3, kLarge, 243, 2}}) {
    auto p = Plan(c.slabs, c.njoint, c.nlg, 1, c.v);
    ASSERT_FALSE(p->stopped);
    EXPECT_EQ(p->run->s.NB, c.nb);
    EXPECT_EQ(p->run->s.ISOLVE, c.isolve);
  }
}

// Every grid line x = const of a column of stacked slabs gets consecutive equation numbers.
void ExpectColumnNumbering(const SlabState& s, const std::vector<int>& column) {
  const int nx = s.NX(column.front());
  int nyc = 0;
  for (int t : column) nyc += s.NY(t);
  for (int ix = 1; ix <= nx; ++ix) {
    std::vector<int> eq;
    for (int t : column)
      for (int iy = 1; iy <= s.NY(t); ++iy) eq.push_back(s.NEWNO(s.INITNP(t) + (ix - 1) * s.NY(t) + iy - 1));
    for (std::size_t i = 1; i < eq.size(); ++i) EXPECT_EQ(eq[i], eq[i - 1] + 1);
    EXPECT_EQ(eq.front(), s.INITNP(column.front()) + (ix - 1) * nyc);
  }
}

TEST(StoragePlanTest, StackedSlabsAreNumberedColumnByColumn) {
  {
    auto p = Plan({{4, 5, {0, 0, 0, 1}}, {4, 6, {0, 0, 1, 0}}}, 1, 1, 0);
    ASSERT_FALSE(p->stopped);
    EXPECT_EQ(p->run->s.NB, 39);
    ExpectColumnNumbering(p->run->s, {1, 2});
  }
  {
    // Three stacked slabs of unequal height beside a single slab: a permutation, and the band of
    // the highest column.
    auto p = Plan({{4, 3, {0, 3, 0, 1}}, {4, 5, {0, 0, 1, 2}}, {4, 4, {0, 0, 2, 0}}, {3, 3, {3, 0, 0, 0}}}, 3, 1, 0);
    ASSERT_FALSE(p->stopped);
    const SlabState& s = p->run->s;
    EXPECT_EQ(s.NB, 3 * (12 + 2));
    std::set<int> seen;
    for (int n = 1; n <= static_cast<int>(s.NNODE); ++n) seen.insert(s.NEWNO(n));
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(s.NNODE));
    ExpectColumnNumbering(s, {1, 2, 3});
  }
}

TEST(StoragePlanTest, ArrangementsThatCannotBeNumberedAreRefused) {
  // Stacked slabs with different numbers of grid columns.
  auto p = Plan({{4, 5, {0, 0, 0, 1}}, {5, 6, {0, 0, 1, 0}}}, 1, 1, 0);
  EXPECT_TRUE(p->stopped);
  ASSERT_EQ(p->host.messages.size(), 1u);
  EXPECT_NE(p->host.messages[0].find("DIFFERENT NUMBERS OF NODES IN X DIRECTION"), std::string::npos);
  // The slab on top is not the next one in order.
  auto q = Plan({{4, 5, {0, 2, 0, 1}}, {4, 5, {2, 0, 0, 0}}, {4, 6, {0, 0, 1, 0}}}, 2, 1, 0);
  EXPECT_TRUE(q->stopped);
}

}  // namespace
}  // namespace pave::slab
