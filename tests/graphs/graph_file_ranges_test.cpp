// Whatever the analysis programs write at a normal end, the graph windows read and draw: an example
// with one of its values at an end of that value's range, in English and in SI units, is analysed
// by the program itself; the value reads back from the graph file as it was given, and every graph
// window of the example goes through its pages without a message.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "graph_test_support.h"
#include "graphs/graph_frame.h"
#include "graphs/layer_graph_file.h"
#include "graphs/slab_graph_file.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"

namespace pave::graphs::testing {
namespace {

struct RangeEnd {
  const char* name;
  const char* example;
  const char* record;    // as the example has it; every occurrence is changed
  const char* changed;   // the record with the value at the end of its range
  const char* value;     // that value as the data file gives it
  // The value as the graph file's reader has it, from the first problem.
  float (*layered)(const LayerGraphProblem&) = nullptr;
  float (*slab)(const SlabGraphProblem&) = nullptr;
};
void PrintTo(const RangeEnd& c, std::ostream* os) { *os << c.name; }

// The grid coordinates of SLA1 and SLA1SI.
constexpr const char* kGrid = " 0   12   24   48   72   111   150   0   12   24   36   48   60   72   (9)";
constexpr const char* kGridSi =
    " 0   30.48   60.96   121.92   182.88   281.94   381   0   30.48   60.96   91.44   121.92   152.4   182.88   (9)";

constexpr const char* kWideGrid =
    " -10000   -5000   -2000   0   2000   5000   10000   0   1500   3000   4500   6000   7500   10000   (9)";
constexpr const char* kWideGridSi =
    " -25400   -12700   -5080   0   5080   12700   25400   0   3810   7620   11430   15240   19050   25400   (9)";

float SlabModulus(const SlabGraphProblem& p) { return p.ym[1]; }
float SlabThickness(const SlabGraphProblem& p) { return p.t[1]; }
float LastX(const SlabGraphProblem& p) { return p.x[7][1]; }
float FirstX(const SlabGraphProblem& p) { return p.x[1][1]; }
float SubgradeModulus(const SlabGraphProblem& p) { return p.submod; }
float LayerModulus(const LayerGraphProblem& p) { return p.e[1][1]; }
float LayerThickness(const LayerGraphProblem& p) { return p.th[2]; }
float ContactRadius(const LayerGraphProblem& p) { return p.cr[1]; }
float ContactPressure(const LayerGraphProblem& p) { return p.cp[1]; }
float CreepTime(const LayerGraphProblem& p) { return p.tyme[7]; }

// The solid foundation of the second problem.
float SolidModulus(const std::string& path) {
  SlabGraphReader r = SlabGraphReader::FromFile(path);
  auto p = std::make_unique<SlabGraphProblem>();
  auto page = std::make_unique<SlabGraphPage>();
  for (int n = 1; n <= r.ProblemCount(); ++n) {
    r.ReadProblemHead(*p);
    r.ReadProblemRest(*p);
    for (int i = 1; i <= p->npy * p->nlg; ++i) r.ReadPage(*p, *page);
  }
  return p->yms;
}

class GraphFileRange : public GraphWindowTest, public ::testing::WithParamInterface<RangeEnd> {
 protected:
  bool Layered() const { return std::string(GetParam().example).starts_with("LAY"); }

  // The example with the changed record, analysed; false when the run did not end normally.
  void Analyse() {
    const RangeEnd& c = GetParam();
    std::string text = pave::testing::ExampleText(c.example);
    int changed = 0;
    for (std::size_t at = text.find(c.record); at != std::string::npos; at = text.find(c.record, at + 1), ++changed)
      text.replace(at, std::string(c.record).size(), c.changed);
    ASSERT_GT(changed, 0) << "record not in the example: " << c.record;
    WriteFile("CASE.DAT", text);
    RecordingHost host;
    const RunEnd end = Layered() ? layered::RunMorvelin(Path("CASE"), host)
                                 : slab::RunSlabProgram(Path("CASE"), slab::kBruntola, host);
    std::string told;
    for (const std::string& m : host.messages) told += m + "\n";
    ASSERT_EQ(end, RunEnd::Normal) << told;
  }

  // The messages of a graph window paging through every page, besides its print questions.
  std::vector<std::string> Draw(const char* kind) {
    PagingThrough messages;
    PlatformServices services = platform().services();
    services.messages = &messages;
    ScopedPlatform paging(services);
    OpenGraph(kind, "CASE.DAT");
    std::vector<std::string> others;
    for (const auto& m : messages.shown)
      if (m.text != kPrintQuestion) others.push_back(m.text);
    return others;
  }
};

TEST_P(GraphFileRange, ReadsBackAndIsDrawn) {
  const RangeEnd& c = GetParam();
  Analyse();
  if (HasFatalFailure()) return;
  const float given = static_cast<float>(std::strtod(c.value, nullptr));
  if (Layered()) {
    LayerGraphReader r = LayerGraphReader::FromFile(Path("CASE.LAY"));
    LayerGraphProblem p;
    ASSERT_TRUE(r.ReadProblem(p));
    if (c.layered) {
      EXPECT_EQ(c.layered(p), given);
    }
    EXPECT_EQ(Draw(kind::kLayerGraph), std::vector<std::string>{});
  } else {
    SlabGraphReader r = SlabGraphReader::FromFile(Path("CASE.SLA"));
    auto p = std::make_unique<SlabGraphProblem>();
    ASSERT_TRUE(r.ReadProblemHead(*p));
    r.ReadProblemRest(*p);
    EXPECT_EQ(c.slab ? c.slab(*p) : SolidModulus(Path("CASE.SLA")), given);
    EXPECT_EQ(Draw(kind::kSlabGraph), std::vector<std::string>{});
    EXPECT_EQ(Draw(kind::kContourGraph), std::vector<std::string>{});
  }
  EXPECT_GT(platform_.printer.pages.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GraphFileRange,
    ::testing::Values(
        // Slab moduli: from 1 to 1E+10 psi, 6.89476 to 6.89476E+10 kPa.
        RangeEnd{"SlabModulusGreatestEnglish", "SLA1", " 8   .15   4000000   (10)", " 8   .15   1E+10   (10)", "1E+10",
                 nullptr, SlabModulus},
        RangeEnd{"SlabModulusGreatestSi", "SLA1SI", " 20.32   .15   2.76E+07   (10)",
                 " 20.32   .15   6.89476E+10   (10)", "6.89476E+10", nullptr, SlabModulus},
        RangeEnd{"SlabModulusWithinSi", "SLA1SI", " 20.32   .15   2.76E+07   (10)", " 20.32   .15   2.76E+10   (10)",
                 "2.76E+10", nullptr, SlabModulus},
        RangeEnd{"SlabModulusLeastEnglish", "SLA1", " 8   .15   4000000   (10)", " 8   .15   1   (10)", "1", nullptr,
                 SlabModulus},
        RangeEnd{"SlabModulusLeastSi", "SLA1SI", " 20.32   .15   2.76E+07   (10)", " 20.32   .15   6.89476   (10)",
                 "6.89476", nullptr, SlabModulus},
        RangeEnd{"SlabThicknessGreatestEnglish", "SLA1", " 8   .15   4000000   (10)", " 1000   .15   4000000   (10)",
                 "1000", nullptr, SlabThickness},
        RangeEnd{"SlabThicknessGreatestSi", "SLA1SI", " 20.32   .15   2.76E+07   (10)",
                 " 2540   .15   2.76E+07   (10)", "2540", nullptr, SlabThickness},
        // Foundations: a solid's modulus, a liquid's modulus of subgrade reaction.
        RangeEnd{"SolidFoundationModulusGreatestEnglish", "SLA1", " 15000   .4   (28)", " 1E+10   .4   (28)", "1E+10"},
        RangeEnd{"SolidFoundationModulusGreatestSi", "SLA1SI", " 103400   .4   (28)", " 6.89476E+10   .4   (28)",
                 "6.89476E+10"},
        RangeEnd{"SubgradeModulusGreatestEnglish", "SLA1", " 0   200   (24)", " 0   100000   (24)", "100000", nullptr,
                 SubgradeModulus},
        RangeEnd{"SubgradeModulusGreatestSi", "SLA1SI", " 0   54.3   (24)", " 0   27144.7   (24)", "27144.7", nullptr,
                 SubgradeModulus},
        // Slab coordinates: from -10000 to 10000 in., -25400 to 25400 cm, in a grid of elements no
        // more oblong than the analysis takes.
        RangeEnd{"SlabCoordinateLeastEnglish", "SLA1", kGrid, kWideGrid, "-10000", nullptr, FirstX},
        RangeEnd{"SlabCoordinateGreatestEnglish", "SLA1", kGrid, kWideGrid, "10000", nullptr, LastX},
        RangeEnd{"SlabCoordinateLeastSi", "SLA1SI", kGridSi, kWideGridSi, "-25400", nullptr, FirstX},
        RangeEnd{"SlabCoordinateGreatestSi", "SLA1SI", kGridSi, kWideGridSi, "25400", nullptr, LastX},
        // Layer moduli: from 1 to 1E+10 psi, 6.89476 to 6.89476E+10 kPa.
        RangeEnd{"LayerModulusGreatestEnglish", "LAY1", " 740000   23000   11000   (11) E",
                 " 1E+10   23000   11000   (11) E", "1E+10", LayerModulus},
        RangeEnd{"LayerModulusGreatestSi", "LAY1SI", " 5102300   158585   75845   (11) E",
                 " 6.89476E+10   158585   75845   (11) E", "6.89476E+10", LayerModulus},
        RangeEnd{"LayerModulusLeastEnglish", "LAY1", " 740000   23000   11000   (11) E", " 1   23000   11000   (11) E",
                 "1", LayerModulus},
        RangeEnd{"LayerModulusLeastSi", "LAY1SI", " 5102300   158585   75845   (11) E",
                 " 6.89476   158585   75845   (11) E", "6.89476", LayerModulus},
        RangeEnd{"LayerThicknessGreatestEnglish", "LAY1", " 6   8   (6) TH", " 6   1000   (6) TH", "1000", LayerThickness},
        RangeEnd{"LayerThicknessGreatestSi", "LAY1SI", " 15.24   20.32   (6) TH", " 15.24   2540   (6) TH", "2540",
                 LayerThickness},
        // Loads: radii up to 1000 in. (2540 cm), pressures from -10000 to 10000 psi.
        RangeEnd{"ContactRadiusGreatestEnglish", "LAY1", " 4.52   70   (14) CR CP", " 1000   70   (14) CR CP", "1000",
                 ContactRadius},
        RangeEnd{"ContactRadiusGreatestSi", "LAY1SI", " 11.48   482.65   (14) CR CP", " 2540   482.65   (14) CR CP",
                 "2540", ContactRadius},
        RangeEnd{"ContactPressureGreatestEnglish", "LAY1", " 4.52   70   (14) CR CP", " 4.52   10000   (14) CR CP",
                 "10000", ContactPressure},
        RangeEnd{"ContactPressureLeastSi", "LAY1SI", " 11.48   482.65   (14) CR CP", " 11.48   -68947.6   (14) CR CP",
                 "-68947.6", ContactPressure},
        // Creep times: seconds in either system, up to 1E+10.
        RangeEnd{"CreepTimeGreatestEnglish", "LAY3", "   3   10   (39) TYME", "   3   1E+10   (39) TYME", "1E+10",
                 CreepTime},
        RangeEnd{"CreepTimeGreatestSi", "LAY3SI", "   3   10   (39) TYME", "   3   1E+10   (39) TYME", "1E+10",
                 CreepTime}),
    [](const ::testing::TestParamInfo<RangeEnd>& info) { return std::string(info.param.name); });

// A graph window that cannot read its file says so with the file and the line, as the analysis
// programs say it of a data file.
TEST_F(GraphWindowTest, AFileItCannotReadIsNamedWithTheLineOrItem) {
  struct Case {
    const char* kind;
    const char* file;
    std::string bytes;
    std::string place;   // the second line of the message, after the file's path
  };
  const Case cases[] = {
      {kind::kSlabGraph, "MANY.SLA", " 1 \r\nMany slabs\r\n 0  0  1  1 \r\n 7  0 \r\n", ", line 4: NSLAB = 7 outside 0..6."},
      {kind::kContourGraph, "WORD.SLA", " 1 \r\nA word\r\n 0  0  x  1 \r\n", ", line 3: \"x\" is not a number."},
      {kind::kLayerGraph, "SHORT.LAY", " 1 \r\nShort\r\n 1  0  1  1 \r\n 2  2  0 \r\n",
       ", line 4: the data end, where more data were expected."},
  };
  for (const Case& c : cases) {
    platform_.messages.shown.clear();
    WriteFile(c.file, c.bytes);
    const std::string base = std::string(c.file).substr(0, std::string(c.file).find('.'));
    OpenGraph(c.kind, base + ".DAT");
    EXPECT_EQ(OtherMessages(), std::vector<std::string>{std::string(kDataErrorText) + "\nIn " + Path(c.file) + c.place})
        << c.file;
  }
  platform_.messages.shown.clear();
  OpenGraph(kind::kLayerGraph, "NONE.DAT");
  EXPECT_EQ(OtherMessages(), std::vector<std::string>{std::string(kDataErrorText) + "\n" + Path("NONE.LAY") +
                                                      " does not exist."});
}

}  // namespace
}  // namespace pave::graphs::testing
