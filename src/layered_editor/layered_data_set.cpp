#include "layered_editor/layered_data_set.h"

#include <cmath>

#include "layered_editor/layered_unit_defaults.h"
#include "shell/program_state.h"

namespace pave {

ArrayDirectory& LayeredArrays() {
  static ArrayDirectory* arrays = [] {
    auto* d = new ArrayDirectory;
    d->Add("gLayeredTITLE", gLayeredTITLE);
    d->Add("gLayeredGeneral", gLayeredGeneral);
    d->Add("gLayeredLayer", gLayeredLayer);
    d->Add("gLayeredZC", gLayeredZC);
    d->Add("gLayeredINT", gLayeredINT);
    d->Add("gLayeredE", gLayeredE);
    d->Add("gLayeredLoad", gLayeredLoad);
    d->Add("gLayeredRC", gLayeredRC);
    d->Add("gLayeredPoints", gLayeredPoints);
    d->Add("gLayeredNonlinGeneral", gLayeredNonlinGeneral);
    d->Add("gLayeredNonseasonal", gLayeredNonseasonal);
    d->Add("gLayeredGranular", gLayeredGranular);
    d->Add("gLayeredClay", gLayeredClay);
    d->Add("gLayeredSeasonal", gLayeredSeasonal);
    d->Add("gLayeredRELAX", gLayeredRELAX);
    d->Add("gLayeredViscoGeneral", gLayeredViscoGeneral);
    d->Add("gLayeredViscoLayer", gLayeredViscoLayer);
    d->Add("gLayeredTYME", gLayeredTYME);
    d->Add("gLayeredCREEP", gLayeredCREEP);
    d->Add("gLayeredTEMP", gLayeredTEMP);
    d->Add("gLayeredBottom", gLayeredBottom);
    d->Add("gLayeredTop", gLayeredTop);
    d->Add("gLayeredTNLR", gLayeredTNLR);
    return d;
  }();
  return *arrays;
}

int LayeredCount(const Value& v, int limit) {
  const std::optional<double> number = v.AsNumber();
  if (!number) return -1;
  const double n = *number;
  if (!(n >= 0) || n > limit || std::floor(n) != n) return -1;
  return static_cast<int>(n);
}

int LayeredCount(float v, int limit) { return LayeredCount(Value(static_cast<double>(v)), limit); }

namespace {

void ClearAll() {
  gLayeredTITLE.Fill("");
  gLayeredGeneral.Fill(0);
  gLayeredLayer.Fill({});
  gLayeredZC.Fill({});
  gLayeredINT.Fill(0);
  gLayeredE.Fill({});
  gLayeredLoad.Fill({});
  gLayeredRC.Fill({});
  gLayeredPoints.Fill({});
  gLayeredNonlinGeneral.Fill({});
  gLayeredNonseasonal.Fill({});
  gLayeredGranular.Fill({});
  gLayeredClay.Fill({});
  gLayeredSeasonal.Fill({});
  gLayeredRELAX.Fill(0);
  gLayeredViscoGeneral.Fill({});
  gLayeredViscoLayer.Fill({});
  gLayeredTYME.Fill({});
  gLayeredCREEP.Fill(0);
  gLayeredTEMP.Fill({});
  gLayeredBottom.Fill({});
  gLayeredTop.Fill(0);
  gLayeredTNLR.Fill(0);
  gLayeredSetClicks.Fill({});
}

void DefaultsOf(int s) {
  gLayeredSetClicks(s) = Value(0);
  gLayeredTITLE(s) = "";
  const float general[13] = {1, 0, 1, 1, 0.001f, 3, 0, 80, 9, 1, 1, 1, 0};
  for (int k = 1; k <= 13; ++k) gLayeredGeneral(s, k) = general[k - 1];
  const double nonlin[7] = {1, 15, 0, 0, 0, 0, 0.01};
  for (int k = 1; k <= 7; ++k) gLayeredNonlinGeneral(s, k) = Value(nonlin[k - 1]);
  gLayeredViscoGeneral(s, vsg::DUR) = Value(0.1);
  gLayeredViscoGeneral(s, vsg::NVL) = Value(1);
  gLayeredViscoGeneral(s, vsg::NTYME) = Value(11);
  const double tyme[11] = {0.001, 0.003, 0.01, 0.03, 0.1, 0.3, 1, 3, 10, 30, 100};
  for (int i = 1; i <= 11; ++i) gLayeredTYME(s, i) = Value(tyme[i - 1]);
  for (int i = 1; i <= kLayeredDepths; ++i) gLayeredZC(s, i) = Value(0);
  for (int i = 1; i <= kLayeredInterfaces; ++i) gLayeredINT(s, i) = 0;
  for (int i = 1; i <= kLayeredSequences; ++i) {
    for (int t = 1; t <= 12; ++t) gLayeredCREEP(s, i, t) = 0;
    for (int p = 1; p <= kLayeredPeriods; ++p)
      for (int k = 1; k <= 3; ++k) gLayeredSeasonal(s, i, p, k) = Value(0);
    gLayeredViscoLayer(s, i, 1) = Value(0);
    gLayeredNonseasonal(s, i, 1) = Value(0);
    gLayeredNonseasonal(s, i, 2) = Value(0);
    gLayeredNonseasonal(s, i, 3) = Value("");
    gLayeredGranular(s, i, 1) = Value(0.5);
    gLayeredGranular(s, i, 2) = Value(0.6);
  }
  for (int l = 1; l <= kLayeredLayers; ++l)
    for (int k = 1; k <= 3; ++k) gLayeredLayer(s, l, k) = Value(0);
  for (int p = 1; p <= kLayeredPeriods; ++p) {
    for (int l = 1; l <= kLayeredLayers; ++l) gLayeredE(s, p, l) = Value(0);
    for (int g = 1; g <= kLayeredLoadGroups; ++g) gLayeredTNLR(s, p, g) = 0;
    gLayeredRELAX(s, p) = 0.5f;
  }
  for (int g = 1; g <= kLayeredLoadGroups; ++g) {
    for (int k = 1; k <= 5; ++k) gLayeredLoad(s, g, k) = Value(0);
    gLayeredLoad(s, g, ld::NRNPT) = Value("");
    // Every point of the group, so that no point of a list starts empty.
    for (int p = 1; p <= kLayeredPoints; ++p) {
      gLayeredRC(s, g, p) = Value(0);
      gLayeredPoints(s, g, p, 1) = Value(0);
      gLayeredPoints(s, g, p, 2) = Value(0);
    }
  }
  // The damage coefficients for every damage layer the tables hold.
  for (int d = 1; d <= kLayeredDamageLayers; ++d) {
    gLayeredBottom(s, d, 2) = Value(kFt1Default.english);
    gLayeredBottom(s, d, 3) = Value(3.291);
    gLayeredBottom(s, d, 4) = Value(0.854);
    gLayeredTop(s, d, 2) = 1.365E-09f;
    gLayeredTop(s, d, 3) = 4.477f;
  }
}

}  // namespace

void LayeredDefaults() {
  ClearAll();
  for (int s = 1; s <= kLayeredSets; ++s) DefaultsOf(s);
  gLayeredSet = Value(1);
  gLayeredNPROB = Value(1);
}

void Initial(int t) {
  auto count = [](float v, int limit) { return std::max(0, LayeredCount(v, limit)); };
  auto vcount = [](const Value& v, int limit) { return std::max(0, LayeredCount(v, limit)); };
  gLayeredTITLE(t) = gLayeredTITLE(1);
  for (int k = 1; k <= 13; ++k) gLayeredGeneral(t, k) = gLayeredGeneral(1, k);
  for (int k = 1; k <= 7; ++k) gLayeredNonlinGeneral(t, k) = gLayeredNonlinGeneral(1, k);
  for (int k = 1; k <= 3; ++k) gLayeredViscoGeneral(t, k) = gLayeredViscoGeneral(1, k);
  const int NL = count(General(1, gen::NL), kLayeredLayers);
  const int NZ = count(General(1, gen::NZ), kLayeredDepths);
  const int NPY = count(General(1, gen::NPY), kLayeredPeriods);
  const int NLG = count(General(1, gen::NLG), kLayeredLoadGroups);
  const int NLBT = count(General(1, gen::NLBT), kLayeredDamageLayers);
  const int NLTC = count(General(1, gen::NLTC), kLayeredDamageLayers);
  const int NOLAY = vcount(gLayeredNonlinGeneral(1, nlg::NOLAY), kLayeredSequences);
  const int NVL = vcount(gLayeredViscoGeneral(1, vsg::NVL), kLayeredSequences);
  const int NTYME = vcount(gLayeredViscoGeneral(1, vsg::NTYME), kLayeredTimes);
  for (int i = 1; i <= NTYME; ++i) gLayeredTYME(t, i) = gLayeredTYME(1, i);
  for (int i = 1; i <= NZ; ++i) gLayeredZC(t, i) = gLayeredZC(1, i);
  for (int i = 1; i <= NL - 1; ++i) gLayeredINT(t, i) = gLayeredINT(1, i);
  for (int v = 1; v <= NVL; ++v)
    for (int i = 1; i <= NTYME; ++i) gLayeredCREEP(t, v, i) = gLayeredCREEP(1, v, i);
  for (int n = 1; n <= NOLAY; ++n) {
    for (int p = 1; p <= NPY; ++p)
      for (int k = 1; k <= 3; ++k) gLayeredSeasonal(t, n, p, k) = gLayeredSeasonal(1, n, p, k);
    for (int k = 1; k <= 4; ++k) gLayeredClay(t, n, k) = gLayeredClay(1, n, k);
  }
  for (int l = 1; l <= NL; ++l)
    for (int k = 1; k <= 3; ++k) gLayeredLayer(t, l, k) = gLayeredLayer(1, l, k);
  for (int n = 1; n <= NOLAY; ++n) {
    for (int k = 1; k <= 3; ++k) gLayeredNonseasonal(t, n, k) = gLayeredNonseasonal(1, n, k);
    for (int k = 1; k <= 2; ++k) gLayeredGranular(t, n, k) = gLayeredGranular(1, n, k);
  }
  for (int p = 1; p <= NPY; ++p) {
    for (int l = 1; l <= NL; ++l) gLayeredE(t, p, l) = gLayeredE(1, p, l);
    for (int g = 1; g <= NLG; ++g) gLayeredTNLR(t, p, g) = gLayeredTNLR(1, p, g);
  }
  for (int g = 1; g <= NLG; ++g) {
    for (int k = 1; k <= 6; ++k) gLayeredLoad(t, g, k) = gLayeredLoad(1, g, k);
    const int points = vcount(gLayeredLoad(1, g, ld::NRNPT), kLayeredPoints);
    for (int p = 1; p <= points; ++p) {
      gLayeredRC(t, g, p) = gLayeredRC(1, g, p);
      gLayeredPoints(t, g, p, 1) = gLayeredPoints(1, g, p, 1);
      gLayeredPoints(t, g, p, 2) = gLayeredPoints(1, g, p, 2);
    }
  }
  for (int p = 1; p <= NPY; ++p) gLayeredRELAX(t, p) = gLayeredRELAX(1, p);
  for (int d = 1; d <= NLBT; ++d)
    for (int k = 1; k <= 4; ++k) gLayeredBottom(t, d, k) = gLayeredBottom(1, d, k);
  for (int d = 1; d <= NLTC; ++d)
    for (int k = 1; k <= 3; ++k) gLayeredTop(t, d, k) = gLayeredTop(1, d, k);
  for (int v = 1; v <= NVL; ++v)
    for (int k = 1; k <= 3; ++k) gLayeredViscoLayer(t, v, k) = gLayeredViscoLayer(1, v, k);
  for (int p = 1; p <= NPY; ++p)
    for (int v = 1; v <= NVL; ++v) gLayeredTEMP(t, p, v) = gLayeredTEMP(1, p, v);
}

}  // namespace pave
