#include "slab_editor/slab_file_writer.h"

#include <cmath>

#include "common/data_set_title.h"
#include "common/record_writer.h"
#include "shell/program_state.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_records.h"

namespace pave {

namespace {

// A value placed plain: a number carries its own blanks; a value held as a text gets one blank
// after it, so that two texts side by side (YMSB PRSB) stay two items.
void PlainValue(RecordWriter& w, const Value& v) {
  if (v.IsText())
    w.Spaced(v);
  else
    w.Plain(v);
}

// The loop bound of a list count held in a value entry (the checks have made it whole).
int Bound(const Value& v) {
  const double n = v.Number();
  return std::isfinite(n) && n > 0 ? static_cast<int>(n) : 0;
}

}  // namespace

std::string SlabDataSetText(int s) {
  RecordWriter w;
  const auto G = [s](int k) { return gSlabGeneral(s, k); };
  const auto C = [s](int k) -> const Value& { return gSlabCurling(s, k); };

  w.Line(TitleAsWritten(gSlabTITLE(s)));                                                         // (2)
  for (int k : {gen::kNFOUND, gen::kNDAMA, gen::kNPY, gen::kNLG}) w.Plain(G(k));  // (3)
  w.End(rec::k3);
  w.Plain(G(gen::kNSLAB));                                                        // (4)
  w.Plain(G(gen::kNJOINT));
  w.End(rec::k4);
  const int nslab = G(gen::kNSLAB);
  for (int slab = 1; slab <= nslab; ++slab) {                                     // (5)
    for (int k = 1; k <= 6; ++k) w.Spaced(gSlabArrangement(s, slab, k));
    w.End(rec::k5);
  }
  w.Plain(G(gen::kNLAYER));                                                       // (6)
  w.Plain(G(gen::kNNCK));
  PlainValue(w, C(curl::kNOTCON));
  PlainValue(w, C(curl::kNGAP));
  w.Plain(G(gen::kNPRINT));
  PlainValue(w, C(curl::kINPUT));
  w.Plain(G(gen::kNBOND));
  PlainValue(w, C(curl::kNTEMP));
  PlainValue(w, C(curl::kNWT));
  PlainValue(w, C(curl::kNCYCLE));
  for (int k : {gen::kNAT1, gen::kNAT2, gen::kNSX, gen::kNSY, gen::kMDPO, gen::kNUNIT}) w.Plain(G(k));
  PlainValue(w, gSlabUL(s));
  w.Plain(gSlabTC(s));
  PlainValue(w, gSlabCL(s));
  w.End(rec::k6);
  PlainValue(w, C(curl::kTEMP));                                                  // (7)
  w.Spaced(gSlabLayerProps(s, 1, 4));
  w.Spaced(gSlabLayerProps(s, 2, 4));
  w.Spaced(gSlabFatigue(s, 1, 1));
  w.Spaced(gSlabFatigue(s, 2, 1));
  for (int k : {curl::kCT, curl::kDEL, curl::kFMAX}) PlainValue(w, C(k));
  w.End(rec::k7);
  for (int k : {2, 3})                                                            // (8)
    for (int L : {1, 2}) w.Spaced(gSlabFatigue(s, L, k));
  w.End(rec::k8);
  for (int slab = 1; slab <= nslab; ++slab) {                                     // (9)
    for (int n = 1; n <= gSlabArrangement(s, slab, 1); ++n) w.Spaced(gSlabX(s, slab, n));
    for (int n = 1; n <= gSlabArrangement(s, slab, 2); ++n) w.Spaced(gSlabY(s, slab, n));
    w.End(rec::k9);
  }
  for (int L = 1; L <= G(gen::kNLAYER); ++L)                                      // (10)
    for (int k = 1; k <= 3; ++k) w.Spaced(gSlabLayerProps(s, L, k));
  w.End(rec::k10);
  for (auto* table : {&gSlabAddT1, &gSlabAddT2}) {                                // (11)
    const int n = G(table == &gSlabAddT1 ? gen::kNAT1 : gen::kNAT2);
    for (int i = 1; i <= n; ++i)
      for (int f = 1; f <= 2; ++f) w.Spaced((*table)(s, i, f));
    if (n >= 1) w.End(rec::k11);
  }
  const int nlg = G(gen::kNLG);
  for (int g = 1; g <= nlg; ++g) w.Spaced(gSlabNUDL(s, g));                       // (12)
  w.End(rec::k12);
  w.Spaced(gSlabRaftCounts(s, 1));                                                // (13)
  w.End(rec::k13);
  w.Spaced(gSlabRaftCounts(s, 2));                                                // (14)
  w.Spaced(gSlabRaftCounts(s, 3));
  w.End(rec::k14);
  for (int g = 1; g <= nlg; ++g) {                                                // (15)
    for (int a = 1; a <= gSlabNUDL(s, g); ++a) {
      for (int k = 1; k <= 6; ++k) w.Spaced(gSlabLoadAreas(s, g, a, k));
      w.End(rec::k15);
    }
  }
  for (int kind = 1; kind <= 3; ++kind) {                                         // (16)
    const int n = gSlabRaftCounts(s, kind);
    for (int i = 1; i <= n; ++i)
      for (int f = 1; f <= 2; ++f) w.Spaced(gSlabNodalLoads(s, i, f, kind));
    if (n >= 1) w.End(rec::k16[kind]);
  }
  const auto nodeList = [&w, s](auto& table, int n, const char* ident) {         // (17) to (20)
    for (int i = 1; i <= n; ++i) w.Spaced(table(s, i));
    if (n >= 1) w.End(ident);
  };
  nodeList(gSlabNODNC, Bound(C(curl::kNOTCON)), rec::k17);
  nodeList(gSlabNP, G(gen::kNPRINT), rec::k18);
  nodeList(gSlabNODSX, G(gen::kNSX), rec::k19);
  nodeList(gSlabNODSY, G(gen::kNSY), rec::k20);
  const int ngap = Bound(C(curl::kNGAP));                                         // (21)
  for (int i = 1; i <= ngap; ++i)
    for (int f = 1; f <= 2; ++f) w.Spaced(gSlabGaps(s, i, f));
  if (ngap >= 1) w.End(rec::k21);
  const int npy = G(gen::kNPY);                                                   // (22)
  for (int p = 1; p <= npy; ++p) w.Spaced(gSlabFSAF(s, p));
  if (npy >= 1) w.End(rec::k22);
  const int nfound = G(gen::kNFOUND);
  if (nfound == 2) {
    const int nl = Bound(gSlabLayered(s, 2));
    w.Spaced(gSlabLayered(s, 2));                                                 // (30)
    w.Spaced(gSlabLayered(s, 1));
    w.End(rec::k30);
    for (int L = 1; L <= nl - 1; ++L) w.Spaced(gSlabFoundLayers(s, L, 1));        // (31)
    if (nl - 1 >= 1) w.End(rec::k31);
    for (int k : {2, 3}) {                                                        // (32), (33)
      for (int L = 1; L <= nl; ++L) w.Spaced(gSlabFoundLayers(s, L, k));
      if (nl >= 1) w.End(k == 2 ? rec::k32 : rec::k33);
    }
  } else if (nfound == 1) {
    w.Spaced(gSlabSolid(s, 1));                                                   // (28)
    w.Spaced(gSlabSolid(s, 2));
    w.End(rec::k28);
  } else {
    w.Spaced(gSlabLiquid(s, 2));                                                  // (24)
    w.Spaced(gSlabLiquid(s, 1));
    w.End(rec::k24);
    const int nas = Bound(gSlabLiquid(s, 2));                                     // (25)
    for (int i = 1; i <= nas; ++i)
      for (int f = 1; f <= 2; ++f) w.Spaced(gSlabAddSubmod(s, i, f));
    if (nas >= 1) w.End(rec::k25);
  }
  if (nslab > 1) {                                                                // (34)
    PlainValue(w, gSlabDowel(s, 1));
    PlainValue(w, gSlabDowel(s, 2));
    w.End(rec::k34);
  }
  const int njoint = G(gen::kNJOINT);
  for (int j = 1; j <= njoint; ++j) {                                             // (35)
    for (int k = 1; k <= 8; ++k) w.Spaced(gSlabJoints(s, j, k));
    w.End(rec::k35);
  }
  for (int j = 1; j <= njoint; ++j) {                                             // (36)
    const int nnaj = Bound(gSlabJoints(s, j, 8));
    for (int n = 1; n <= nnaj; ++n) w.Spaced(gSlabBARNO(s, j, n));
    if (nnaj >= 1) w.End(rec::k36);
  }
  if (G(gen::kNDAMA) != 0) {                                                      // (37)
    // One record per period; with no load group it is the identifier alone, as the analysis
    // program reads one identifier per period.
    for (int p = 1; p <= npy; ++p) {
      for (int g = 1; g <= nlg; ++g) w.Spaced(gSlabTNLR(s, p, g));
      w.End(rec::k37);
    }
  }
  return w.text();
}

std::string SlabFileText() {
  RecordWriter w;
  PlainValue(w, gSlabNPROB);
  w.End(rec::k1);
  std::string text = w.text();
  const int nprob = Bound(gSlabNPROB);
  for (int s = 1; s <= nprob; ++s) text += SlabDataSetText(s);
  return text;
}

}  // namespace pave
