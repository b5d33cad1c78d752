#include "layered_analysis/layer_system.h"

namespace pave::layered {

LayerSystem LayerSystem::From(const ProblemState& s, float a) {
  LayerSystem m;
  if (!(a > 0)) throw NumericFault("contact radius is not positive");
  const int nl = s.NL;
  if (nl < 1 || nl > kMaxLayers) throw NumericFault("layer count outside 1..19");
  m.bonded = s.NBOND != 0;
  for (int i = 1; i <= nl; ++i) {
    m.PR[i] = s.PR(i);
    m.E[i] = s.E(i);
    if (!(m.E[i] != 0)) throw NumericFault("modulus is zero");
    if (m.PR[i] == 1.0f) throw NumericFault("Poisson's ratio is 1");
  }
  for (int i = 1; i < nl; ++i) {
    m.TH[i] = s.TH(i);
    m.INT[i] = s.NBOND == 0 ? s.INT(i) : i16{1};
  }
  m.NL = nl;
  if (nl == 1) {
    // Homogeneous half-space: a second, identical layer below one contact radius.
    m.NL = 2;
    m.TH[1] = a;
    m.PR[2] = m.PR[1];
    m.E[2] = m.E[1];
    m.INT[1] = 1;
    m.bonded = true;
  }
  float sum = 0;
  for (int i = 1; i < m.NL; ++i) {
    sum += m.TH[i];
    m.D[i] = sum;
  }
  m.H = sum;
  if (!(m.H > 0)) throw NumericFault("total thickness of the upper layers is not positive");
  m.h = m.H / a;
  for (int i = 1; i < m.NL; ++i) {
    m.THN[i] = (m.TH[i] / a) / m.h;
    m.DN[i] = (m.D[i] / a) / m.h;
  }
  return m;
}

int LayerSystem::LayerOf(float z) const {
  for (int i = 1; i < NL; ++i) {
    const float limit = D[i] + 1e-5f;
    if (z <= limit) return i;
  }
  return NL;
}

}  // namespace pave::layered
