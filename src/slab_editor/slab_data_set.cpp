#include "slab_editor/slab_data_set.h"

#include <cmath>

#include "shell/program_state.h"

namespace pave {

ArrayDirectory& SlabArrays() {
  static ArrayDirectory* arrays = [] {
    auto* d = new ArrayDirectory;
    d->Add("gSlabTITLE", gSlabTITLE);
    d->Add("gSlabGeneral", gSlabGeneral);
    d->Add("gSlabUL", gSlabUL);
    d->Add("gSlabTC", gSlabTC);
    d->Add("gSlabCL", gSlabCL);
    d->Add("gSlabCurling", gSlabCurling);
    d->Add("gSlabArrangement", gSlabArrangement);
    d->Add("gSlabX", gSlabX);
    d->Add("gSlabY", gSlabY);
    d->Add("gSlabLayerProps", gSlabLayerProps);
    d->Add("gSlabFatigue", gSlabFatigue);
    d->Add("gSlabAddT1", gSlabAddT1);
    d->Add("gSlabAddT2", gSlabAddT2);
    d->Add("gSlabNUDL", gSlabNUDL);
    d->Add("gSlabRaftCounts", gSlabRaftCounts);
    d->Add("gSlabLoadAreas", gSlabLoadAreas);
    d->Add("gSlabNodalLoads", gSlabNodalLoads);
    d->Add("gSlabNODNC", gSlabNODNC);
    d->Add("gSlabNP", gSlabNP);
    d->Add("gSlabNODSX", gSlabNODSX);
    d->Add("gSlabNODSY", gSlabNODSY);
    d->Add("gSlabGaps", gSlabGaps);
    d->Add("gSlabFSAF", gSlabFSAF);
    d->Add("gSlabLiquid", gSlabLiquid);
    d->Add("gSlabAddSubmod", gSlabAddSubmod);
    d->Add("gSlabSolid", gSlabSolid);
    d->Add("gSlabLayered", gSlabLayered);
    d->Add("gSlabFoundLayers", gSlabFoundLayers);
    d->Add("gSlabDowel", gSlabDowel);
    d->Add("gSlabJoints", gSlabJoints);
    d->Add("gSlabBARNO", gSlabBARNO);
    d->Add("gSlabTNLR", gSlabTNLR);
    return d;
  }();
  return *arrays;
}

int ValueCount(const Value& v, int capacity) {
  const double n = v.Number();
  if (!std::isfinite(n) || n != std::floor(n) || n < 0 || n > capacity) return -1;
  return static_cast<int>(n);
}

void SetSlabDefaults() {
  constexpr int s = 1;
  gSlabTITLE(s) = "";
  gSlabNPROB = 1;
  for (int k = 1; k <= 16; ++k) gSlabGeneral(s, k) = 0;
  gSlabGeneral(s, gen::kNPY) = 1;
  gSlabGeneral(s, gen::kNLG) = 1;
  gSlabGeneral(s, gen::kNLAYER) = 1;
  gSlabGeneral(s, gen::kNSLAB) = 1;
  gSlabGeneral(s, gen::kNNCK) = 1;
  gSlabUL(s) = 1;
  gSlabTC(s) = 2;
  gSlabCL(s) = 2;
  for (int k = 1; k <= 10; ++k) gSlabCurling(s, k) = 0;
  gSlabCurling(s, curl::kNCYCLE) = 1;
  gSlabCurling(s, curl::kDEL) = 0.001;
  for (int L = 1; L <= 2; ++L) {
    for (int k = 1; k <= 4; ++k) gSlabLayerProps(s, L, k) = 0;
    for (int k = 1; k <= 3; ++k) gSlabFatigue(s, L, k) = 0;
  }
  gSlabLayerProps(s, 1, 2) = 0.15f;
  for (int k = 1; k <= 2; ++k) {
    gSlabLiquid(s, k) = 0;
    gSlabSolid(s, k) = 0;
  }
  gSlabLayered(s, 1) = 30;
  gSlabLayered(s, 2) = "";
  gSlabDowel(s, 2) = 0.3;
  for (int slab = 1; slab <= 6; ++slab) {
    for (int k = 1; k <= 6; ++k) gSlabArrangement(s, slab, k) = 0;
    for (int n = 1; n <= 15; ++n) {
      gSlabX(s, slab, n) = 0;
      gSlabY(s, slab, n) = 0;
    }
  }
  for (int i = 1; i <= 7; ++i) {
    gSlabNUDL(s, i) = 0;
    for (int k = 1; k <= 8; ++k) gSlabJoints(s, i, k) = 0;
    for (int g = 1; g <= 12; ++g) gSlabTNLR(s, i, g) = 0;
    gSlabBARNO(s, i, 1) = 0;
    for (int n = 2; n <= 15; ++n) gSlabBARNO(s, i, n) = 1;
    for (int a = 1; a <= 24; ++a)
      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(s, i, a, k) = 0;
  }
  for (int e = 1; e <= 120; ++e) {
    for (int f = 1; f <= 2; ++f) {
      for (int kind = 1; kind <= 3; ++kind) gSlabNodalLoads(s, e, f, kind) = 0;
      gSlabAddT1(s, e, f) = 0;
      gSlabAddT2(s, e, f) = 0;
      gSlabGaps(s, e, f) = 0;
      gSlabAddSubmod(s, e, f) = 0;
    }
    gSlabNODNC(s, e) = 0;
    gSlabNP(s, e) = 0;
  }
  for (int e = 1; e <= 50; ++e) {
    gSlabNODSX(s, e) = 0;
    gSlabNODSY(s, e) = 0;
  }
  for (int L = 1; L <= 6; ++L)
    for (int k = 1; k <= 3; ++k) gSlabFoundLayers(s, L, k) = 0;
  for (int p = 1; p <= 12; ++p) gSlabFSAF(s, p) = 1.0f;
}

namespace {

// A count of data set 1 as the extent of a copy: a list whose count is not a whole number within
// the list's capacity copies nothing beyond what the capacity holds.
int Extent(double count, int capacity) {
  if (!std::isfinite(count) || count <= 0) return 0;
  return count >= capacity ? capacity : static_cast<int>(count);
}

}  // namespace

void CopySlabSet1To2() {
  constexpr int a = 1, b = 2;
  gSlabTITLE(b) = gSlabTITLE(a);
  gSlabUL(b) = gSlabUL(a);
  gSlabTC(b) = gSlabTC(a);
  gSlabCL(b) = gSlabCL(a);
  for (int k = 1; k <= 16; ++k) gSlabGeneral(b, k) = gSlabGeneral(a, k);
  for (int k = 1; k <= 10; ++k) gSlabCurling(b, k) = gSlabCurling(a, k);
  for (int k = 1; k <= 3; ++k) gSlabRaftCounts(b, k) = gSlabRaftCounts(a, k);
  for (int k = 1; k <= 2; ++k) {
    gSlabLayered(b, k) = gSlabLayered(a, k);
    gSlabLiquid(b, k) = gSlabLiquid(a, k);
    gSlabSolid(b, k) = gSlabSolid(a, k);
    gSlabDowel(b, k) = gSlabDowel(a, k);
  }
  for (int L = 1; L <= 2; ++L) {
    for (int k = 1; k <= 4; ++k) gSlabLayerProps(b, L, k) = gSlabLayerProps(a, L, k);
    for (int k = 1; k <= 3; ++k) gSlabFatigue(b, L, k) = gSlabFatigue(a, L, k);
  }
  const int nslab = Extent(gSlabGeneral(a, gen::kNSLAB), slab_cap::kSlabs);
  for (int slab = 1; slab <= nslab; ++slab) {
    for (int k = 1; k <= 6; ++k) gSlabArrangement(b, slab, k) = gSlabArrangement(a, slab, k);
    for (int n = 1; n <= Extent(gSlabArrangement(a, slab, 1), slab_cap::kCoordinates); ++n)
      gSlabX(b, slab, n) = gSlabX(a, slab, n);
    for (int n = 1; n <= Extent(gSlabArrangement(a, slab, 2), slab_cap::kCoordinates); ++n)
      gSlabY(b, slab, n) = gSlabY(a, slab, n);
  }
  const int nlg = Extent(gSlabGeneral(a, gen::kNLG), slab_cap::kLoadGroups);
  for (int g = 1; g <= nlg; ++g) {
    gSlabNUDL(b, g) = gSlabNUDL(a, g);
    for (int area = 1; area <= Extent(gSlabNUDL(a, g), slab_cap::kAreasPerGroup); ++area)
      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(b, g, area, k) = gSlabLoadAreas(a, g, area, k);
  }
  const int njoint = Extent(gSlabGeneral(a, gen::kNJOINT), slab_cap::kJoints);
  for (int j = 1; j <= njoint; ++j) {
    for (int k = 1; k <= 8; ++k) gSlabJoints(b, j, k) = gSlabJoints(a, j, k);
    for (int n = 1; n <= 15; ++n) gSlabBARNO(b, j, n) = gSlabBARNO(a, j, n);
  }
  const int npy = Extent(gSlabGeneral(a, gen::kNPY), slab_cap::kPeriods);
  for (int p = 1; p <= npy; ++p) {
    for (int g = 1; g <= nlg; ++g) gSlabTNLR(b, p, g) = gSlabTNLR(a, p, g);
    gSlabFSAF(b, p) = gSlabFSAF(a, p);
  }
  for (int kind = 1; kind <= 3; ++kind)
    for (int e = 1; e <= Extent(gSlabRaftCounts(a, kind), slab_cap::kNodeList); ++e)
      for (int f = 1; f <= 2; ++f) gSlabNodalLoads(b, e, f, kind) = gSlabNodalLoads(a, e, f, kind);
  for (int e = 1; e <= Extent(gSlabGeneral(a, gen::kNSX), slab_cap::kSymmetryList); ++e)
    gSlabNODSX(b, e) = gSlabNODSX(a, e);
  for (int e = 1; e <= Extent(gSlabGeneral(a, gen::kNSY), slab_cap::kSymmetryList); ++e)
    gSlabNODSY(b, e) = gSlabNODSY(a, e);
  for (int e = 1; e <= Extent(gSlabCurling(a, curl::kNOTCON).Number(), slab_cap::kNodeList); ++e)
    gSlabNODNC(b, e) = gSlabNODNC(a, e);
  for (int e = 1; e <= Extent(gSlabGeneral(a, gen::kNPRINT), slab_cap::kNodeList); ++e)
    gSlabNP(b, e) = gSlabNP(a, e);
  for (int e = 1; e <= Extent(gSlabGeneral(a, gen::kNAT1), slab_cap::kNodeList); ++e)
    for (int f = 1; f <= 2; ++f) gSlabAddT1(b, e, f) = gSlabAddT1(a, e, f);
  for (int e = 1; e <= Extent(gSlabGeneral(a, gen::kNAT2), slab_cap::kNodeList); ++e)
    for (int f = 1; f <= 2; ++f) gSlabAddT2(b, e, f) = gSlabAddT2(a, e, f);
  for (int e = 1; e <= Extent(gSlabCurling(a, curl::kNGAP).Number(), slab_cap::kNodeList); ++e)
    for (int f = 1; f <= 2; ++f) gSlabGaps(b, e, f) = gSlabGaps(a, e, f);
  for (int e = 1; e <= Extent(gSlabLiquid(a, 2).Number(), slab_cap::kNodeList); ++e)
    for (int f = 1; f <= 2; ++f) gSlabAddSubmod(b, e, f) = gSlabAddSubmod(a, e, f);
  // An NL never entered (empty) counts as no layers.
  for (int L = 1; L <= Extent(gSlabLayered(a, 2).Number(), slab_cap::kFoundationLayers); ++L)
    for (int k = 1; k <= 3; ++k) gSlabFoundLayers(b, L, k) = gSlabFoundLayers(a, L, k);
}

void ClearSlabDataSets() {
  gSlabTITLE.Fill("");
  gSlabGeneral.Fill(0);
  gSlabUL.Fill(Value());
  gSlabTC.Fill(0);
  gSlabCL.Fill(Value());
  gSlabCurling.Fill(Value());
  gSlabArrangement.Fill(0);
  gSlabX.Fill(0);
  gSlabY.Fill(0);
  gSlabLayerProps.Fill(0);
  gSlabFatigue.Fill(0);
  gSlabAddT1.Fill(Value());
  gSlabAddT2.Fill(Value());
  gSlabNUDL.Fill(0);
  gSlabRaftCounts.Fill(0);
  gSlabLoadAreas.Fill(Value());
  gSlabNodalLoads.Fill(0);
  gSlabNODNC.Fill(0);
  gSlabNP.Fill(0);
  gSlabNODSX.Fill(0);
  gSlabNODSY.Fill(0);
  gSlabGaps.Fill(Value());
  gSlabFSAF.Fill(0);
  gSlabLiquid.Fill(Value());
  gSlabAddSubmod.Fill(Value());
  gSlabSolid.Fill(Value());
  gSlabLayered.Fill(Value());
  gSlabFoundLayers.Fill(Value());
  gSlabDowel.Fill(Value());
  gSlabJoints.Fill(Value());
  gSlabBARNO.Fill(Value());
  gSlabTNLR.Fill(Value());
  gSlabRecordsRead.Fill(0);
}

}  // namespace pave
