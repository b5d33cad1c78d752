// Write-then-read: data sets generated over every combination that changes the record sequence are
// written by the editor, read back by File Old into exactly the entries they were written from, and
// read by MORVELIN's own input routines into the same values.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "common/free_format_reader.h"
#include "common/line_writer.h"
#include "layered_analysis/extended_analyses.h"
#include "layered_analysis/problem_input.h"
#include "layered_analysis/run_context.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_reader.h"
#include "layered_editor/layered_writer.h"
#include "shell/program_state.h"

namespace pave {
namespace {

struct Case {
  int matl, ndama, nbond, load, nunit;
  bool nvl0 = false;        // no viscoelastic layer
  bool old_format = false;  // the file was first written in the old format
  std::string Name() const {
    std::string n = "Matl" + std::to_string(matl) + "Ndama" + std::to_string(ndama) + "Bond" + std::to_string(nbond) +
                    "Load" + std::to_string(load) + (nunit ? "SI" : "English");
    if (nvl0) n += "NoViscoLayer";
    if (old_format) n += "OldFormat";
    return n;
  }
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.Name(); }

std::vector<Case> Cases() {
  std::vector<Case> cases;
  int k = 0;
  for (int matl = 1; matl <= 4; ++matl)
    for (int ndama = 0; ndama <= 2; ++ndama)
      for (int nbond = 0; nbond <= 1; ++nbond)
        for (int load : {0, 2}) cases.push_back(Case{matl, ndama, nbond, load, (k++ / 2) % 2});
  cases.push_back(Case{3, 0, 1, 0, 0, true});
  cases.push_back(Case{4, 1, 0, 1, 1, true});
  cases.push_back(Case{2, 0, 0, 0, 0, false, true});
  cases.push_back(Case{4, 2, 1, 3, 0, false, true});
  return cases;
}

// Fills data set s from the defaults, as the forms and grids would, with values MORVELIN accepts.
void Fill(int s, const Case& c) {
  auto G = [s](int k, float v) { gLayeredGeneral(s, k) = v; };
  gLayeredTITLE(s) = c.Name() + " set " + std::to_string(s);
  G(gen::MATL, c.matl);
  G(gen::NDAMA, c.ndama);
  G(gen::NPY, 2);
  G(gen::NLG, 2);
  G(gen::NL, 4);
  G(gen::NZ, 2);
  G(gen::NSTD, 9);
  G(gen::NBOND, c.nbond);
  G(gen::NUNIT, c.nunit);
  const double th[] = {3, 6, 8}, pr[] = {0.35, 0.3, 0.4, 0.45}, gam[] = {108, 216, 432, 54};
  for (int i = 1; i <= 3; ++i) gLayeredLayer(s, i, 1) = Value(th[i - 1] + s);
  for (int i = 1; i <= 4; ++i) {
    gLayeredLayer(s, i, 2) = Value(pr[i - 1]);
    if (c.matl == 2 || c.matl == 4) gLayeredLayer(s, i, 3) = Value(gam[i - 1]);
  }
  if (c.ndama == 0) gLayeredZC(s, 2) = Value(3.5);
  if (c.nbond == 0) {
    gLayeredINT(s, 1) = 1;
    gLayeredINT(s, 3) = 1;
  }
  for (int p = 1; p <= 2; ++p) {
    const double e[] = {400000.0 / p, 30000, 20000, 10000.0 + 100 * p};
    for (int i = 1; i <= 4; ++i) gLayeredE(s, p, i) = Value(e[i - 1]);
    if (c.ndama > 0)
      for (int g = 1; g <= 2; ++g) gLayeredTNLR(s, p, g) = 1000.0f * p + g;
  }
  for (int g = 1; g <= 2; ++g) {
    const int load = g == 1 ? c.load : (c.load == 0 ? 1 : 0);
    gLayeredLoad(s, g, ld::LOAD) = Value(load);
    gLayeredLoad(s, g, ld::CR) = Value(6 - 0.5 * g);
    gLayeredLoad(s, g, ld::CP) = Value(80);
    gLayeredLoad(s, g, ld::NRNPT) = Value(2 + g);
    // Only what the file holds: radial coordinates of a single wheel, spacings and points otherwise.
    if (load == 0) {
      for (int p = 1; p <= 2 + g; ++p) gLayeredRC(s, g, p) = Value(5.0 * (p - 1));
    } else {
      gLayeredLoad(s, g, ld::YW) = Value(13.5);
      gLayeredLoad(s, g, ld::XW) = Value(48);
      for (int p = 1; p <= 2 + g; ++p) {
        gLayeredPoints(s, g, p, 1) = Value(p == 3 ? 24 : 0);
        gLayeredPoints(s, g, p, 2) = Value(3.375 * (p - 1));
      }
    }
  }
  if (c.matl == 2 || c.matl == 4) {
    gLayeredNonlinGeneral(s, nlg::NOLAY) = Value(2);
    gLayeredNonlinGeneral(s, nlg::YPTNOL) = Value(6.75);
    gLayeredNonlinGeneral(s, nlg::SLD) = Value(0.5);
    const double layno[] = {2, 4}, zcnol[] = {4.5, 20}, nclay[] = {0, 1};
    for (int i = 1; i <= 2; ++i) {
      gLayeredNonseasonal(s, i, 1) = Value(layno[i - 1]);
      gLayeredNonseasonal(s, i, 2) = Value(zcnol[i - 1] + s);
      gLayeredNonseasonal(s, i, 3) = Value(nclay[i - 1]);
    }
    gLayeredGranular(s, 1, 1) = Value(0.45);
    const double clay[] = {6.2, 1110, 178, 0.8};
    for (int k = 1; k <= 4; ++k) gLayeredClay(s, 2, k) = Value(clay[k - 1]);
    for (int p = 1; p <= 2; ++p) {
      gLayeredRELAX(s, p) = 0.25f * p;
      gLayeredSeasonal(s, 1, p, 1) = Value(30 + p);
      gLayeredSeasonal(s, 1, p, 2) = Value(8000.0 * p);
      gLayeredSeasonal(s, 2, p, 1) = Value(1000);
      gLayeredSeasonal(s, 2, p, 2) = Value(20000 - 100 * p);
      gLayeredSeasonal(s, 2, p, 3) = Value(7000);
    }
  }
  if (c.matl == 3 || c.matl == 4) {
    gLayeredViscoGeneral(s, vsg::DUR) = Value(s == 1 ? 0.0 : 0.1);
    gLayeredViscoGeneral(s, vsg::NVL) = Value(c.nvl0 ? 0 : 1);
    if (!c.nvl0) {
      gLayeredViscoLayer(s, 1, 1) = Value(1);
      gLayeredViscoLayer(s, 1, 2) = Value(0.113);
      gLayeredViscoLayer(s, 1, 3) = Value(70);
      const float creep[] = {8.114E-07f, 9.274E-07f, 1.145E-06f, 1.507E-06f, 2.13E-06f, 3.173E-06f,
                             5.129E-06f, 8.259E-06f, 1.355E-05f, 1.949E-05f, 2.601E-05f};
      for (int i = 1; i <= 11; ++i) gLayeredCREEP(s, 1, i) = creep[i - 1];
      for (int p = 1; p <= 2; ++p) gLayeredTEMP(s, p, 1) = Value(s == 1 ? 70.0 : 60.0 + 10 * p);
    }
  }
  if (c.ndama > 0) {
    gLayeredBottom(s, 1, 1) = Value(1);
    gLayeredTop(s, 1, 1) = 4;
  }
}

// The data file of `bytes` in the old format: a short identifier of record (3), record (5) without
// NUNIT, and unit weights in pci.
std::string OldFormat(const std::string& bytes) {
  std::istringstream in(bytes);
  std::string line, out;
  while (std::getline(in, line)) {
    line.pop_back();   // CR
    const auto id = [&](const char* s) { return line.find(s) != std::string::npos; };
    if (id(" (3) MATL")) {
      line = line.substr(0, line.find(" (3)")) + " (3)";
    } else if (id(" (5) NL NZ ICL NSTD NUNIT")) {
      std::string values = line.substr(0, line.find(" (5)"));
      values = values.substr(0, values.rfind("  ") + 1);   // drop NUNIT
      values = values.substr(0, values.find_last_not_of(' ') + 2);
      line = values + " (5) NL NZ ICL NSTD";
    } else if (id(" (30) GAM")) {
      std::istringstream v(line);
      std::string item, old;
      while (v >> item && item[0] != '(') old += " " + GenNum(std::stod(item) / 1728) + "  ";
      line = old + " (30) GAM";
    }
    out += line + "\r\n";
  }
  return out;
}

struct Tables {
  decltype(gLayeredTITLE) title = gLayeredTITLE;
  decltype(gLayeredGeneral) general = gLayeredGeneral;
  decltype(gLayeredLayer) layer = gLayeredLayer;
  decltype(gLayeredZC) zc = gLayeredZC;
  decltype(gLayeredINT) ints = gLayeredINT;
  decltype(gLayeredE) e = gLayeredE;
  decltype(gLayeredLoad) load = gLayeredLoad;
  decltype(gLayeredRC) rc = gLayeredRC;
  decltype(gLayeredPoints) points = gLayeredPoints;
  decltype(gLayeredNonlinGeneral) nonlin = gLayeredNonlinGeneral;
  decltype(gLayeredNonseasonal) nonseasonal = gLayeredNonseasonal;
  decltype(gLayeredGranular) granular = gLayeredGranular;
  decltype(gLayeredClay) clay = gLayeredClay;
  decltype(gLayeredSeasonal) seasonal = gLayeredSeasonal;
  decltype(gLayeredRELAX) relax = gLayeredRELAX;
  decltype(gLayeredViscoGeneral) visco = gLayeredViscoGeneral;
  decltype(gLayeredViscoLayer) viscoLayer = gLayeredViscoLayer;
  decltype(gLayeredTYME) tyme = gLayeredTYME;
  decltype(gLayeredCREEP) creep = gLayeredCREEP;
  decltype(gLayeredTEMP) temp = gLayeredTEMP;
  decltype(gLayeredBottom) bottom = gLayeredBottom;
  decltype(gLayeredTop) top = gLayeredTop;
  decltype(gLayeredTNLR) tnlr = gLayeredTNLR;
  bool operator==(const Tables&) const = default;
};

void ExpectSameTables(const Tables& a, const Tables& b) {
#define SAME(field) EXPECT_TRUE(a.field == b.field) << #field " differs"
  SAME(title); SAME(general); SAME(layer); SAME(zc); SAME(ints); SAME(e); SAME(load); SAME(rc); SAME(points);
  SAME(nonlin); SAME(nonseasonal); SAME(granular); SAME(clay); SAME(seasonal); SAME(relax); SAME(visco);
  SAME(viscoLayer); SAME(tyme); SAME(creep); SAME(temp); SAME(bottom); SAME(top); SAME(tnlr);
#undef SAME
}

float F(const Value& v) { return static_cast<float>(v.Number()); }

// MORVELIN's input routines on the file; each problem's values against the data set it came from.
void ExpectMorvelinReads(const std::string& bytes, int nprob) {
  using namespace layered;
  auto state = std::make_unique<ProblemState>();
  ProblemState& s = *state;
  FreeFormatReader in(bytes);
  std::ostringstream report_text, graph_text;
  LineWriter report(report_text), graph(graph_text);
  RecordingHost host;
  ProgressLog log(host, kProgressLineLimit);
  ResponseIntegrator integrator;
  RunContext c{s, in, report, graph, log, host, integrator};
  s.NPROB = in.ReadInt16();
  in.SkipIdentifier();
  ASSERT_EQ(s.NPROB, nprob);
  for (int set = 1; set <= nprob; ++set) {
    SCOPED_TRACE("data set " + std::to_string(set));
    ASSERT_EQ(ReadGeneralRecords(c), "");
    EchoGeneralRecords(c);
    s.NSTOP = 0;
    ELAINP(c);
    if (s.MATL == 2 || s.MATL == 4) NOLINP(c);
    if (s.NSTOP == 0 && (s.MATL == 3 || s.MATL == 4)) VISINP(c);
    if (s.NSTOP == 0 && s.NDAMA > 0) DAMINP(c);
    ASSERT_EQ(s.NSTOP, 0) << (host.messages.empty() ? "" : host.messages.back());

    auto G = [set](int k) { return gLayeredGeneral(set, k); };
    EXPECT_EQ(s.TITLE, gLayeredTITLE(set));
    EXPECT_EQ(s.MATL, G(gen::MATL));
    EXPECT_EQ(s.NDAMA, G(gen::NDAMA));
    EXPECT_EQ(s.NPY, G(gen::NPY));
    EXPECT_EQ(s.NLG, G(gen::NLG));
    EXPECT_EQ(s.DEL, G(gen::DEL));
    EXPECT_EQ(s.NL, G(gen::NL));
    EXPECT_EQ(s.NZRead, G(gen::NZ));
    EXPECT_EQ(s.ICL, G(gen::ICL));
    EXPECT_EQ(s.NSTD, G(gen::NSTD));
    EXPECT_EQ(s.NUNIT, G(gen::NUNIT));
    EXPECT_EQ(s.NBOND, G(gen::NBOND));
    for (int i = 1; i < s.NL; ++i) EXPECT_EQ(s.TH(i), F(gLayeredLayer(set, i, 1)));
    for (int i = 1; i <= s.NL; ++i) EXPECT_EQ(s.PR(i), F(gLayeredLayer(set, i, 2)));
    if (s.NDAMA == 0) {
      for (int i = 1; i <= s.NZ; ++i) EXPECT_EQ(s.ZC(i), F(gLayeredZC(set, i)));
    }
    if (s.NBOND != 1) {
      for (int i = 1; i < s.NL; ++i) EXPECT_EQ(s.INT(i), gLayeredINT(set, i));
    }
    for (int p = 1; p <= s.NPY; ++p)
      for (int i = 1; i <= s.NL; ++i) EXPECT_EQ(s.EPY(i, p), F(gLayeredE(set, p, i)));
    for (int g = 1; g <= s.NLG; ++g) {
      EXPECT_EQ(s.LOAD(g), gLayeredLoad(set, g, ld::LOAD).Number());
      EXPECT_EQ(s.CR(g), F(gLayeredLoad(set, g, ld::CR)));
      EXPECT_EQ(s.CP(g), F(gLayeredLoad(set, g, ld::CP)));
      if (s.LOAD(g) == 0) {
        EXPECT_EQ(s.NR(g), gLayeredLoad(set, g, ld::NRNPT).Number());
        for (int j = 1; j <= s.NR(g); ++j) EXPECT_EQ(s.RC(j, 1, g), F(gLayeredRC(set, g, j)));
      } else {
        EXPECT_EQ(s.NPT(g), gLayeredLoad(set, g, ld::NRNPT).Number());
        EXPECT_EQ(s.XW(g), F(gLayeredLoad(set, g, ld::XW)));
        EXPECT_EQ(s.YW(g), F(gLayeredLoad(set, g, ld::YW)));
      }
    }
    const int last = s.NLG;
    if (s.LOAD(last) != 0)   // the points of the group read last
      for (int i = 1; i <= s.NPT(last); ++i) {
        EXPECT_EQ(s.XPT(i), F(gLayeredPoints(set, last, i, 1)));
        EXPECT_EQ(s.YPT(i), F(gLayeredPoints(set, last, i, 2)));
      }
    if (s.MATL == 2 || s.MATL == 4) {
      EXPECT_EQ(s.NOLAY, gLayeredNonlinGeneral(set, nlg::NOLAY).Number());
      EXPECT_EQ(s.ITENOL, gLayeredNonlinGeneral(set, nlg::ITENOL).Number());
      EXPECT_EQ(s.RCNOL, F(gLayeredNonlinGeneral(set, nlg::RCNOL)));
      EXPECT_EQ(s.XPTNOL, F(gLayeredNonlinGeneral(set, nlg::XPTNOL)));
      EXPECT_EQ(s.YPTNOL, F(gLayeredNonlinGeneral(set, nlg::YPTNOL)));
      EXPECT_EQ(s.SLD, F(gLayeredNonlinGeneral(set, nlg::SLD)));
      EXPECT_EQ(s.DELNOL, F(gLayeredNonlinGeneral(set, nlg::DELNOL)));
      for (int p = 1; p <= s.NPY; ++p) EXPECT_EQ(s.RELAX(p), gLayeredRELAX(set, p));
      for (int i = 1; i <= s.NL; ++i) EXPECT_EQ(s.GAMRead(i), F(gLayeredLayer(set, i, 3)));
      for (int i = 1; i <= s.NOLAY; ++i) {
        EXPECT_EQ(s.LAYNO(i), gLayeredNonseasonal(set, i, 1).Number());
        EXPECT_EQ(s.ZCNOL(i), F(gLayeredNonseasonal(set, i, 2)));
        EXPECT_EQ(s.NCLAY(i), gLayeredNonseasonal(set, i, 3).Number());
        const bool clay = s.NCLAY(i) == 1;
        EXPECT_EQ(s.K2(i), F(clay ? gLayeredClay(set, i, 1) : gLayeredGranular(set, i, 1)));
        EXPECT_EQ(s.K0(i), F(clay ? gLayeredClay(set, i, 4) : gLayeredGranular(set, i, 2)));
        if (clay) {
          EXPECT_EQ(s.K3(i), F(gLayeredClay(set, i, 2)));
          EXPECT_EQ(s.K4(i), F(gLayeredClay(set, i, 3)));
        }
        for (int p = 1; p <= s.NPY; ++p) {
          if (clay) {
            EXPECT_EQ(s.EMIN(i, p), F(gLayeredSeasonal(set, i, p, 1)));
            EXPECT_EQ(s.EMAX(i, p), F(gLayeredSeasonal(set, i, p, 2)));
            EXPECT_EQ(s.K1(i, p), F(gLayeredSeasonal(set, i, p, 3)));
          } else {
            EXPECT_EQ(s.PHI(i, p), F(gLayeredSeasonal(set, i, p, 1)));
            EXPECT_EQ(s.K1(i, p), F(gLayeredSeasonal(set, i, p, 2)));
          }
        }
      }
    }
    if (s.MATL == 3 || s.MATL == 4) {
      EXPECT_EQ(s.DUR, F(gLayeredViscoGeneral(set, vsg::DUR)));
      EXPECT_EQ(s.NVL, gLayeredViscoGeneral(set, vsg::NVL).Number());
      EXPECT_EQ(s.NTYME, gLayeredViscoGeneral(set, vsg::NTYME).Number());
      for (int i = 1; i <= s.NTYME; ++i) EXPECT_EQ(s.TYME(i), F(gLayeredTYME(set, i)));
      for (int j = 1; j <= s.NVL; ++j) {
        EXPECT_EQ(s.LNV(j), gLayeredViscoLayer(set, j, 1).Number());
        EXPECT_EQ(s.BETA(j), F(gLayeredViscoLayer(set, j, 2)));
        EXPECT_EQ(s.TEMREF(j), F(gLayeredViscoLayer(set, j, 3)));
        for (int p = 1; p <= s.NPY; ++p) EXPECT_EQ(s.TEMP(p, s.LNV(j)), F(gLayeredTEMP(set, p, j)));
        if (s.DUR == 0) {   // a moving load replaces the compliances by their fitted values
          for (int i = 1; i <= s.NTYME; ++i) EXPECT_EQ(s.CREEP(j, i, 1), gLayeredCREEP(set, j, i));
        }
      }
    }
    if (s.NDAMA > 0) {
      EXPECT_EQ(s.NLBT, G(gen::NLBT));
      EXPECT_EQ(s.NLTC, G(gen::NLTC));
      for (int k = 1; k <= s.NLBT; ++k) {
        EXPECT_EQ(s.LNBT(k), gLayeredBottom(set, k, 1).Number());
        for (int m = 1; m <= 3; ++m) EXPECT_EQ(s.FT(m, k), F(gLayeredBottom(set, k, m + 1)));
      }
      for (int k = 1; k <= s.NLTC; ++k) {
        EXPECT_EQ(s.LNTC(k), gLayeredTop(set, k, 1));
        EXPECT_EQ(s.FT(4, k), gLayeredTop(set, k, 2));
        EXPECT_EQ(s.FT(5, k), gLayeredTop(set, k, 3));
      }
      for (int p = 1; p <= s.NPY; ++p)
        for (int g = 1; g <= s.NLG; ++g) EXPECT_EQ(s.TNLR(p, g), gLayeredTNLR(set, p, g));
    }
  }
  EXPECT_TRUE(in.AtEnd());
}

class WriteThenRead : public ::testing::TestWithParam<Case> {};

TEST_P(WriteThenRead, FileOldAndMorvelinReadWhatWasWritten) {
  const Case& c = GetParam();
  ResetProgramState();
  LayeredDefaults();
  gLayeredNPROB = Value(2);
  Fill(1, c);
  Fill(2, c);
  std::string bytes;
  ASSERT_FALSE(WriteLayeredFile(bytes));
  if (c.old_format) {
    // The old file, read by File Old, gives the entries to start from.
    const std::string old = OldFormat(bytes);
    ASSERT_NE(old, bytes);
    LayeredDefaults();
    FreeFormatReader in(old);
    int messages = 0;
    ReadLayeredFile(in, LayeredReadHooks{[&] { ++messages; }, {}});
    EXPECT_EQ(messages, c.matl == 2 || c.matl == 4 ? 2 : 0);
    bytes.clear();
    ASSERT_FALSE(WriteLayeredFile(bytes));
  }
  const Tables written;
  LayeredDefaults();
  FreeFormatReader in(bytes);
  ReadLayeredFile(in, {});
  EXPECT_EQ(gLayeredNPROB.Number(), 2);
  ExpectSameTables(written, Tables{});
  ExpectMorvelinReads(bytes, 2);
}

INSTANTIATE_TEST_SUITE_P(RecordSequences, WriteThenRead, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.Name(); });

}  // namespace
}  // namespace pave
