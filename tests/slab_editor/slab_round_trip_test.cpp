// Write-then-read: data sets over every variation that changes the record sequence are written by
// the editor, read back by File Old into exactly the entries they were written from, and read by the
// slab analysis program's own input routines into the same values; the program then analyses the
// file to a normal end.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/number_format.h"
#include "slab_analysis/storage_plan.h"
#include "slab_analysis/numbering.h"
#include "slab_analysis/slab_driver.h"
#include "slab_analysis/slab_input.h"
#include "slab_editor/slab_file_reader.h"
#include "slab_editor/slab_file_writer.h"
#include "slab_editor/slab_limits.h"
#include "slab_editor/slab_save_checks.h"
#include "slab_test_support.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

namespace fs = std::filesystem;

struct Case {
  const char* name;
  int nfound = 0, ndama = 0, npy = 1, nlg = 1, nlayer = 1, nslab = 1, nunit = 0;
  int nat1 = 0, nat2 = 0, ncnf = 0, nnmx = 0, nnmy = 0, nas = 0, nl = 2;
  int notcon = 0, ngap = 0, nprint = 0, nsx = 0, nsy = 0, ncycle = 1, ntemp = 0, nwt = 0;
  int areas = 1;            // loaded areas of each load group
  int dowel_nodes = 0;      // NNAJ of every joint (0 or the joint's 3 nodes)
  int ul = 1, tc = 2, cl = 2;
  SlabLayout layout = SlabLayout::Current;   // layout of the file read back
  const Case* second = nullptr;              // data set 2, when the file has two
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// A data set of 3 x 3 nodes per slab, slabs in a row joined left to right, with distinct values
// that the analysis program accepts.
void Build(int s, const Case& c) {
  gSlabTITLE(s) = std::string("CASE ") + c.name + " SET " + std::to_string(s);
  const auto set = [s](int k, int v) { gSlabGeneral(s, k) = static_cast<std::int16_t>(v); };
  set(gen::kNFOUND, c.nfound);
  set(gen::kNDAMA, c.ndama);
  set(gen::kNPY, c.npy);
  set(gen::kNLG, c.nlg);
  set(gen::kNLAYER, c.nlayer);
  set(gen::kNBOND, c.nlayer == 2 ? 1 : 0);
  set(gen::kNSLAB, c.nslab);
  set(gen::kNJOINT, c.nslab - 1);
  set(gen::kNNCK, 5);
  set(gen::kNPRINT, c.nprint);
  set(gen::kNSX, c.nsx);
  set(gen::kNSY, c.nsy);
  set(gen::kMDPO, s == 1 ? 0 : 1);
  set(gen::kNUNIT, c.nunit);
  set(gen::kNAT1, c.nat1);
  set(gen::kNAT2, c.nat2);
  gSlabUL(s) = c.ul;
  gSlabTC(s) = static_cast<std::int16_t>(c.tc);
  gSlabCL(s) = c.cl;
  const Value curling[] = {c.notcon, c.ngap, 0, c.ntemp, c.nwt, c.ncycle, c.ntemp ? 12.5 : 0, 5.5E-06, .001, 100};
  for (int k = 1; k <= 10; ++k) gSlabCurling(s, k) = curling[k - 1];
  for (int slab = 1; slab <= c.nslab; ++slab) {
    const std::int16_t row[] = {3, 3, static_cast<std::int16_t>(slab - 1),
                                static_cast<std::int16_t>(slab < c.nslab ? slab : 0), 0, 0};
    for (int k = 1; k <= 6; ++k) gSlabArrangement(s, slab, k) = row[k - 1];
    const float xs[] = {0, 13.0f + slab, 26.0f + 2 * slab};
    const float ys[] = {0, 10, 20};
    for (int n = 1; n <= 3; ++n) {
      gSlabX(s, slab, n) = xs[n - 1];
      gSlabY(s, slab, n) = ys[n - 1];
    }
  }
  for (int L = 1; L <= 2; ++L) {
    const float props[] = {8.0f + L, static_cast<float>(.15 + .01 * L), 4E6f + 1000.0f * L, 150.0f + L};
    for (int k = 1; k <= 4; ++k) gSlabLayerProps(s, L, k) = L <= c.nlayer ? props[k - 1] : 0.0f;
    gSlabFatigue(s, L, 1) = 650.0f + L;
    gSlabFatigue(s, L, 2) = c.ndama == 2 ? static_cast<float>(17.61 + L) : 0.0f;
    gSlabFatigue(s, L, 3) = c.ndama == 2 ? static_cast<float>(17.61 + L) : 0.0f;
  }
  if (c.layout == SlabLayout::OldDos) {   // unit weights that the old layout holds per cubic inch exactly
    gSlabLayerProps(s, 1, 4) = 108;
    gSlabLayerProps(s, 2, 4) = c.nlayer == 2 ? 216.0f : 0.0f;
  }
  for (int i = 1; i <= c.nat1; ++i) {
    gSlabAddT1(s, i, 1) = i;
    gSlabAddT1(s, i, 2) = 9.5 + i;
  }
  for (int i = 1; i <= c.nat2; ++i) {
    gSlabAddT2(s, i, 1) = 2 * i;
    gSlabAddT2(s, i, 2) = 4.25 + i;
  }
  for (int g = 1; g <= c.nlg; ++g) {
    gSlabNUDL(s, g) = static_cast<std::int16_t>(c.areas);
    for (int a = 1; a <= c.areas; ++a) {
      const Value area[] = {(g + a - 2) % c.nslab + 1, 1 + a, 5 + a, 2, 6.5, 80 + g};
      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(s, g, a, k) = area[k - 1];
    }
  }
  const int counts[] = {0, c.ncnf, c.nnmx, c.nnmy};
  for (int kind = 1; kind <= 3; ++kind) {
    gSlabRaftCounts(s, kind) = static_cast<std::int16_t>(counts[kind]);
    for (int i = 1; i <= counts[kind]; ++i) {
      gSlabNodalLoads(s, i, 1, kind) = i + kind;
      gSlabNodalLoads(s, i, 2, kind) = 1000.5 * kind + i;
    }
  }
  for (int i = 1; i <= c.notcon; ++i) gSlabNODNC(s, i) = static_cast<std::int16_t>(i + 6);
  for (int i = 1; i <= c.nprint; ++i) gSlabNP(s, i) = static_cast<std::int16_t>(i);
  for (int i = 1; i <= c.nsx; ++i) gSlabNODSX(s, i) = static_cast<std::int16_t>(3 * i - 2);
  for (int i = 1; i <= c.nsy; ++i) gSlabNODSY(s, i) = static_cast<std::int16_t>(i);
  for (int i = 1; i <= c.ngap; ++i) {
    gSlabGaps(s, i, 1) = 2 + i;
    gSlabGaps(s, i, 2) = .005 * i;
  }
  for (int p = 1; p <= c.npy; ++p) gSlabFSAF(s, p) = static_cast<float>(1 - .05 * p);
  if (c.nfound == 0) {
    gSlabLiquid(s, 1) = 200;
    gSlabLiquid(s, 2) = c.nas;
    for (int i = 1; i <= c.nas; ++i) {
      gSlabAddSubmod(s, i, 1) = i + 1;
      gSlabAddSubmod(s, i, 2) = 210 + i;
    }
  } else if (c.nfound == 1) {
    gSlabSolid(s, 1) = 5000;
    gSlabSolid(s, 2) = .4;
  } else {
    gSlabLayered(s, 1) = 30;
    gSlabLayered(s, 2) = c.nl;
    for (int L = 1; L <= c.nl; ++L) {
      if (L < c.nl) gSlabFoundLayers(s, L, 1) = 6.0 * L;
      gSlabFoundLayers(s, L, 2) = 20000 - 4000 * L;
      gSlabFoundLayers(s, L, 3) = .3 + .05 * L;
    }
  }
  if (c.nslab > 1) {
    gSlabDowel(s, 1) = 29000000;
    gSlabDowel(s, 2) = .3;
  }
  for (int j = 1; j < c.nslab; ++j) {
    const Value joint[] = {0, 0, 1500000, 1 + .25 * j, 12, .25, 0, c.dowel_nodes};
    for (int k = 1; k <= 8; ++k) gSlabJoints(s, j, k) = joint[k - 1];
    for (int n = 1; n <= c.dowel_nodes; ++n) gSlabBARNO(s, j, n) = n == 2 ? 1 : .5;
  }
  if (c.ndama != 0)
    for (int p = 1; p <= c.npy; ++p)
      for (int g = 1; g <= c.nlg; ++g) gSlabTNLR(s, p, g) = 1000 * p + g;
}

// Every slab table, compared whole.
#define SLAB_TABLES(X)                                                                                  \
  X(gSlabTITLE) X(gSlabGeneral) X(gSlabUL) X(gSlabTC) X(gSlabCL) X(gSlabCurling) X(gSlabArrangement)     \
  X(gSlabX) X(gSlabY) X(gSlabLayerProps) X(gSlabFatigue) X(gSlabAddT1) X(gSlabAddT2) X(gSlabNUDL)        \
  X(gSlabRaftCounts) X(gSlabLoadAreas) X(gSlabNodalLoads) X(gSlabNODNC) X(gSlabNP) X(gSlabNODSX)         \
  X(gSlabNODSY) X(gSlabGaps) X(gSlabFSAF) X(gSlabLiquid) X(gSlabAddSubmod) X(gSlabSolid) X(gSlabLayered) \
  X(gSlabFoundLayers) X(gSlabDowel) X(gSlabJoints) X(gSlabBARNO) X(gSlabTNLR) X(gSlabNPROB)

struct Snapshot {
#define SLAB_COPY(t) decltype(t) t##_ = t;
  SLAB_TABLES(SLAB_COPY)
#undef SLAB_COPY
};

void ExpectSame(const Snapshot& a, const Snapshot& b) {
#define SLAB_SAME(t) EXPECT_TRUE(a.t##_ == b.t##_) << #t;
  SLAB_TABLES(SLAB_SAME)
#undef SLAB_SAME
}

void Clear() {
  ClearSlabDataSets();
  gSlabNPROB = Value();
}

std::vector<std::string> Tokens(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

// The file in an older layout: record (6) without the flags; in the old DOS layout also without
// NUNIT, with a short record (4) identifier, record (14) left out and unit weights per cubic inch.
std::string OlderLayout(const std::string& text, SlabLayout layout) {
  std::string out;
  for (std::string line : TextLines(text)) {
    const std::size_t six = line.find("(6) NLAYER");
    if (six != std::string::npos) {
      std::vector<std::string> values = Tokens(line.substr(0, six));
      values.resize(values.size() - (layout == SlabLayout::OldDos ? 4 : 3));
      line.clear();
      for (const std::string& v : values) line += " " + v;
      line += layout == SlabLayout::OldDos ? " (6)" : " (6) NLAYER NNCK NOTCON ... NUNIT";
    } else if (layout == SlabLayout::OldDos && line.find("(4) NSLAB") != std::string::npos) {
      line = line.substr(0, line.find("(4)")) + "(4)";
    } else if (layout == SlabLayout::OldDos && line.find("(14) NNMX") != std::string::npos) {
      continue;
    } else if (layout == SlabLayout::OldDos && line.find("(7) TEMP") != std::string::npos) {
      std::vector<std::string> values = Tokens(line.substr(0, line.find("(7)")));
      values[1] = Str(std::stof(values[1]) / 1728);
      values[2] = Str(std::stof(values[2]) / 1728);
      line.clear();
      for (const std::string& v : values) line += " " + v + " ";
      line += " (7)";
    }
    out += line + "\r\n";
  }
  return out;
}

// The analysis program's own input routines, in the order of its problem loop, on the file; each
// data set's values are held against the editor's tables. The file must be read to its end.
void ExpectProgramReadsTheSameValues(const std::string& text, const fs::path& dir) {
  RecordingHost host;
  slab::SlabRun r(slab::kLarge, host, slab::DefaultSlabExtensions());
  r.reportName = (dir / "INPUT.TXT").string();
  r.graphName = (dir / "INPUT.SLA").string();
  r.CreateOutputs();
  r.in.emplace(text);
  slab::SlabState& st = r.s;
  const int nprob = static_cast<int>(r.ReadNumber());
  r.SkipIdentifier();
  ASSERT_EQ(nprob, gSlabNPROB.Number());
  for (int s = 1; s <= nprob; ++s) {
    SCOPED_TRACE("data set " + std::to_string(s));
    const auto G = [s](int k) { return gSlabGeneral(s, k); };
    const float si = G(gen::kNUNIT) == 0 ? 1.0f : 10000.0f;
    st.TITLE = r.In().ReadText();
    EXPECT_EQ(st.TITLE, gSlabTITLE(s));
    st.NFOUND = r.In().ReadValue().Number();
    st.NDAMA = r.ReadNumber();
    st.NPY = r.ReadNumber();
    st.NLG = r.ReadNumber();
    r.SkipIdentifier();
    st.NSLAB = r.ReadNumber();
    st.NJOINT = r.ReadNumber();
    const std::string ident4 = r.In().ReadText();
    EXPECT_EQ(ident4.substr(ident4.size() - 6), "NJOINT");
    for (auto [k, v] : {std::pair{gen::kNFOUND, st.NFOUND}, {gen::kNDAMA, st.NDAMA}, {gen::kNPY, st.NPY},
                        {gen::kNLG, st.NLG}, {gen::kNSLAB, st.NSLAB}, {gen::kNJOINT, st.NJOINT}})
      EXPECT_EQ(v, G(k)) << k;
    slab::SlaInp(r);
    ASSERT_EQ(host.messages, std::vector<std::string>{});
    for (int slab = 1; slab <= G(gen::kNSLAB); ++slab) {
      EXPECT_EQ(st.NX(slab), gSlabArrangement(s, slab, 1));
      EXPECT_EQ(st.NY(slab), gSlabArrangement(s, slab, 2));
      for (int k = 1; k <= 4; ++k) EXPECT_EQ(st.JONO(k, slab), gSlabArrangement(s, slab, k + 2));
      for (int n = 1; n <= st.NX(slab); ++n) EXPECT_EQ(st.X(st.NXX(slab) + n), gSlabX(s, slab, n));
      for (int n = 1; n <= st.NY(slab); ++n) EXPECT_EQ(st.Y(st.NYY(slab) + n), gSlabY(s, slab, n));
    }
    const double six[] = {st.NLAYER, st.NNCK, st.NOTCON, st.NGAP, st.NPRINT, st.INPUT, st.NTEMP, st.NWT,
                          st.NCYCLE, static_cast<double>(st.NAT(1)), static_cast<double>(st.NAT(2)),
                          st.NSX, st.NSY, st.MDPO, st.NUNIT};
    const double wrote[] = {1.0 * G(gen::kNLAYER), 1.0 * G(gen::kNNCK), gSlabCurling(s, 1).Number(),
                            gSlabCurling(s, 2).Number(), 1.0 * G(gen::kNPRINT), gSlabCurling(s, 3).Number(),
                            gSlabCurling(s, 4).Number(), gSlabCurling(s, 5).Number(), gSlabCurling(s, 6).Number(),
                            1.0 * G(gen::kNAT1), 1.0 * G(gen::kNAT2), 1.0 * G(gen::kNSX), 1.0 * G(gen::kNSY),
                            1.0 * G(gen::kMDPO), 1.0 * G(gen::kNUNIT)};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(six[i], wrote[i]) << "record (6) value " << i + 1;
    EXPECT_EQ(st.TEMP, static_cast<float>(gSlabCurling(s, curl::kTEMP).Number()));
    EXPECT_EQ(st.CT, gSlabCurling(s, curl::kCT).Number());
    EXPECT_EQ(st.DEL, gSlabCurling(s, curl::kDEL).Number());
    EXPECT_EQ(st.FMAX, gSlabCurling(s, curl::kFMAX).Number());
    for (int L = 1; L <= 2; ++L) {
      EXPECT_EQ(st.PMR(L), gSlabFatigue(s, L, 1));
      EXPECT_EQ(st.F1(L), gSlabFatigue(s, L, 2));
      EXPECT_EQ(st.F2(L), gSlabFatigue(s, L, 3));
    }
    for (int L = 1; L <= G(gen::kNLAYER); ++L) {
      EXPECT_EQ(st.T(L), gSlabLayerProps(s, L, 1));
      EXPECT_EQ(st.PR(L), gSlabLayerProps(s, L, 2));
      EXPECT_EQ(st.YM(L), gSlabLayerProps(s, L, 3) / si);
      EXPECT_EQ(st.GAMA(L), static_cast<float>(gSlabLayerProps(s, L, 4) / (si == 1 ? 1728.0 : 1000000.0)));
    }
    for (int i = 1; i <= G(gen::kNAT1); ++i)
      EXPECT_EQ(st.THK(1, static_cast<int>(gSlabAddT1(s, i, 1).Number())), static_cast<float>(gSlabAddT1(s, i, 2).Number()));
    for (int i = 1; i <= G(gen::kNAT2); ++i)
      EXPECT_EQ(st.THK(2, static_cast<int>(gSlabAddT2(s, i, 1).Number())), static_cast<float>(gSlabAddT2(s, i, 2).Number()));
    for (int g = 1, k = 1; g <= G(gen::kNLG); ++g) {
      EXPECT_EQ(st.NUDL(g), gSlabNUDL(s, g));
      for (int a = 1; a <= gSlabNUDL(s, g); ++a, ++k) {
        EXPECT_EQ(st.LS(k), gSlabLoadAreas(s, g, a, 1).Number());
        EXPECT_EQ(st.XL(1, k), static_cast<float>(gSlabLoadAreas(s, g, a, 2).Number()));
        EXPECT_EQ(st.XL(2, k), static_cast<float>(gSlabLoadAreas(s, g, a, 3).Number()));
        EXPECT_EQ(st.YL(1, k), static_cast<float>(gSlabLoadAreas(s, g, a, 4).Number()));
        EXPECT_EQ(st.YL(2, k), static_cast<float>(gSlabLoadAreas(s, g, a, 5).Number()));
        EXPECT_EQ(st.QQ(k), static_cast<float>(gSlabLoadAreas(s, g, a, 6).Number()) / si);
      }
    }
    const double raft[] = {0, st.NCNF, st.NCMX, st.NCMY};
    for (int kind = 1; kind <= 3; ++kind) {
      EXPECT_EQ(raft[kind], gSlabRaftCounts(s, kind));
      for (int i = 1; i <= gSlabRaftCounts(s, kind); ++i) {
        EXPECT_EQ(st.NN(i, kind), gSlabNodalLoads(s, i, 1, kind));
        EXPECT_EQ(st.FF(i, kind), static_cast<float>(gSlabNodalLoads(s, i, 2, kind)));
      }
    }
    for (int i = 1; i <= gSlabCurling(s, curl::kNOTCON).Number(); ++i) EXPECT_EQ(st.NCON(gSlabNODNC(s, i)), 1);
    for (int i = 1; i <= G(gen::kNPRINT); ++i) EXPECT_EQ(st.NP(i), gSlabNP(s, i));
    for (int i = 1; i <= G(gen::kNSX); ++i) EXPECT_EQ(st.NODSX(i), gSlabNODSX(s, i));
    for (int i = 1; i <= G(gen::kNSY); ++i) EXPECT_EQ(st.NODSY(i), gSlabNODSY(s, i));
    for (int i = 1; i <= gSlabCurling(s, curl::kNGAP).Number(); ++i)
      EXPECT_EQ(st.CURL(static_cast<int>(gSlabGaps(s, i, 1).Number())), static_cast<float>(gSlabGaps(s, i, 2).Number()));
    if (st.NFOUND > 0) slab::ReserveFoundation(r);
    for (int p = 1; p <= G(gen::kNPY); ++p) {
      st.FSAF(p) = r.ReadSingle();
      EXPECT_EQ(st.FSAF(p), gSlabFSAF(s, p));
    }
    r.SkipIdentifier();
    if (G(gen::kNFOUND) == 0) {
      slab::LiqInp(r);
      const float k0 = static_cast<float>(gSlabLiquid(s, 1).Number()) / (si == 1 ? 1.0f : 1000.0f);
      EXPECT_EQ(st.SUBMOD(1), gSlabLiquid(s, 2).Number() > 0 ? st.SUBMOD(1) : k0);
      for (int i = 1; i <= gSlabLiquid(s, 2).Number(); ++i)
        EXPECT_EQ(st.SUBMOD(static_cast<int>(gSlabAddSubmod(s, i, 1).Number())),
                  static_cast<float>(gSlabAddSubmod(s, i, 2).Number()) / (si == 1 ? 1.0f : 1000.0f));
    } else if (G(gen::kNFOUND) == 1) {
      slab::BouInp(r);
      EXPECT_EQ(st.YMS, gSlabSolid(s, 1).Number() / si);
      EXPECT_EQ(st.PRS, static_cast<float>(gSlabSolid(s, 2).Number()));
    } else {
      slab::BurInp(r);
      EXPECT_EQ(st.NL, gSlabLayered(s, 2).Number());
      EXPECT_EQ(st.MAXIC, gSlabLayered(s, 1).Number());
      for (int L = 1; L <= st.NL; ++L) {
        if (L < st.NL) {
          EXPECT_EQ(st.TH(L), static_cast<float>(gSlabFoundLayers(s, L, 1).Number()));
        }
        EXPECT_EQ(st.E(L), static_cast<float>(gSlabFoundLayers(s, L, 2).Number()) / si);
        EXPECT_EQ(st.PRBF(L), static_cast<float>(gSlabFoundLayers(s, L, 3).Number()));
      }
    }
    slab::Identi(r);
    ASSERT_EQ(host.messages, std::vector<std::string>{});
    if (st.NSLAB != 1) {
      slab::DowInp(r);
      EXPECT_EQ(st.YMSB, static_cast<float>(gSlabDowel(s, 1).Number()) / si);
      EXPECT_EQ(st.PRSB, static_cast<float>(gSlabDowel(s, 2).Number()));
      for (int j = 1; j <= G(gen::kNJOINT); ++j) {
        const float joint[] = {st.SPCON(1, j), st.SPCON(2, j), st.SCKV(j) * (si == 1 ? 1.0f : 1000.0f),
                               st.BD(j), st.BS(j), st.WJ(j), st.GDC(j), static_cast<float>(st.NNAJ(j))};
        for (int k = 1; k <= 8; ++k) EXPECT_EQ(joint[k - 1], static_cast<float>(gSlabJoints(s, j, k).Number())) << k;
        for (int n = 1; n <= st.NNAJ(j); ++n)
          EXPECT_EQ(st.JNT(1, st.NJN(j) + n), static_cast<float>(gSlabBARNO(s, j, n).Number()));
      }
    }
    if (st.NDAMA != 0)
      for (int p = 1; p <= st.NPY; ++p) {
        for (int g = 1; g <= st.NLG; ++g) EXPECT_EQ(r.ReadSingle(), static_cast<float>(gSlabTNLR(s, p, g).Number()));
        r.SkipIdentifier();
      }
  }
  EXPECT_TRUE(r.In().AtEnd());
  EXPECT_EQ(r.CommitOutputs(), "");
}

class SlabRoundTripTest : public SlabDataTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SlabRoundTripTest, FileOldAndTheAnalysisProgramReadWhatTheEditorWrote) {
  const Case& c = GetParam();
  Clear();
  gSlabNPROB = c.second ? 2 : 1;
  Build(1, c);
  if (c.second) Build(2, *c.second);
  ASSERT_EQ(AnalysisRefusal(), std::nullopt);
  const std::string written = SlabFileText();
  Snapshot expected;
  if (c.layout != SlabLayout::Current) {
    expected.gSlabUL_(1) = 1;
    expected.gSlabTC_(1) = 2;
    expected.gSlabCL_(1) = 2;
  }

  // File Old, then Save again.
  const std::string file = c.layout == SlabLayout::Current ? written : OlderLayout(written, c.layout);
  Clear();
  const SlabReadResult read = ReadSlabData(file);
  ASSERT_EQ(read.outcome, SlabReadResult::Outcome::Read) << read.reason;
  EXPECT_EQ(read.read.layouts[1], c.layout);
  EXPECT_EQ(read.read.sets, c.second ? 2 : 1);
  ExpectSame(Snapshot(), expected);
  const std::string saved = SlabFileText();
  EXPECT_EQ(saved, written);

  // The analysis program.
  const fs::path dir = fs::path(PAVE_OUTPUT_DIR) / "slab_round_trip" / c.name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  ExpectProgramReadsTheSameValues(saved, dir);
  std::ofstream(dir / "CASE.DAT", std::ios::binary) << saved;
  RecordingHost host;
  EXPECT_EQ(slab::RunSlabProgram((dir / "CASE").string(), slab::kLarge, host), RunEnd::Normal);
  EXPECT_EQ(host.messages, std::vector<std::string>{kExitText});
}

const Case kSolid{.name = "Solid", .nfound = 1};

INSTANTIATE_TEST_SUITE_P(
    Cases, SlabRoundTripTest,
    ::testing::Values(
        Case{.name = "LiquidOneSlab"}, Case{.name = "LiquidAddedModuli", .nas = 2}, kSolid,
        Case{.name = "LayeredOneLayer", .nfound = 2, .nl = 1}, Case{.name = "LayeredThreeLayers", .nfound = 2, .nl = 3},
        Case{.name = "TwoSlabLayersWithAddedThicknesses", .nlayer = 2, .nat1 = 2, .nat2 = 1},
        Case{.name = "AddedThicknessesOfLayer1", .nat1 = 1},
        Case{.name = "RaftForcesAndMoments", .ncnf = 2, .nnmx = 1, .nnmy = 1},
        Case{.name = "RaftMomentsInYOnly", .nnmy = 2},
        Case{.name = "ContactGapsAndCurling", .notcon = 2, .ngap = 2, .ncycle = 10, .ntemp = 1, .nwt = 1},
        Case{.name = "PrintAndSymmetryNodes", .nprint = 2, .nsx = 3, .nsy = 3},
        Case{.name = "DamagePca", .ndama = 1, .npy = 2, .nlg = 3},
        Case{.name = "DamageUserCoefficients", .ndama = 2, .npy = 3, .nlg = 2, .nprint = 3, .nsy = 3},
        Case{.name = "DamageWithoutLoadGroups", .ndama = 1, .npy = 2, .nlg = 0},
        Case{.name = "SiUnits", .nunit = 1, .nas = 1},
        Case{.name = "TwoSlabsOneJoint", .nslab = 2},
        Case{.name = "ThreeSlabsWithDowelNodes", .nslab = 3, .dowel_nodes = 3},
        Case{.name = "FourSlabsWithDowelNodes", .nslab = 4, .dowel_nodes = 3},
        Case{.name = "FiveSlabsOnSolid", .nfound = 1, .nslab = 5},
        Case{.name = "SixSlabsOnLayers", .nfound = 2, .nslab = 6, .nunit = 1, .nl = 2},
        Case{.name = "TwoSlabsOnSolid", .nfound = 1, .nslab = 2, .dowel_nodes = 3},
        Case{.name = "FlagsOfTheEditor", .ul = 2, .tc = 1, .cl = 1},
        Case{.name = "TwoDataSets", .nlg = 2, .areas = 2, .second = &kSolid},
        Case{.name = "LayoutWithoutFlags", .layout = SlabLayout::NoFlags},
        Case{.name = "OldDosLayout", .nlayer = 2, .ncnf = 2, .layout = SlabLayout::OldDos}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
