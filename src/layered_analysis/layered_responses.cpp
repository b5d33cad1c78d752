#include "layered_analysis/layered_responses.h"

#include <cmath>

#include "common/bessel.h"
#include "layered_analysis/integration_constants.h"

namespace pave::layered {

namespace {

constexpr int kSlots = kMaxPoints + 1;

float J(int order, float x) { return static_cast<float>(BesselJ(order, x)); }

}  // namespace

// Layer constants and integrand factors at one value of RM. Every radial point with the same RM
// shares them (all points inside the loaded area share the Gauss point's RM).
struct ResponseIntegrator::Slot {
  float RM = 0;
  BondedConstants bonded;
  float CNF[4 * kMaxLayers + 1] = {};
  bool haveCC[kMaxLayers + 1] = {};
  double CC[kMaxLayers + 1][5] = {};
  bool haveF[kMaxDepths + 1] = {};
  IntegrandFactors F[kMaxDepths + 1];

  void Reset(float rm) {
    RM = rm;
    for (bool& b : haveCC) b = false;
    for (bool& b : haveF) b = false;
  }
};

ResponseIntegrator::ResponseIntegrator()
    : slots_(new Slot[kSlots]), frictionless_(std::make_unique<FrictionlessConstants>()) {}
ResponseIntegrator::~ResponseIntegrator() = default;

ResponseIntegrator::Slot& ResponseIntegrator::ConstantsFor(float RM, int& used) {
  for (int k = 0; k < used; ++k)
    if (slots_[k].RM == RM) return slots_[k];
  if (used >= kSlots) throw NumericFault("too many distinct integration variables");
  Slot& slot = slots_[used++];
  slot.Reset(RM);
  if (m_.bonded) {
    slot.bonded.SOL(m_, RM);
  } else {
    if (!frictionless_->NOFRIC(m_, RM)) throw SingularSolve("no result for the frictionless layer constants");
    for (int k = 1; k <= 4 * m_.NL; ++k) slot.CNF[k] = frictionless_->CNF[k];
  }
  return slot;
}

int ResponseIntegrator::LAYERS(ProblemState& s, int IptL, int NstdL) {
  const int LG = s.LG;
  const float a = s.CR(LG);
  const float p = s.CP(LG);
  m_ = LayerSystem::From(s, a);
  const int nr = s.NR(LG);
  const int nz = s.NZ;
  if (nr < 0 || nr > kMaxPoints || nz < 0 || nz > kMaxDepths) throw NumericFault("point count outside its table");
  const float h = m_.h;
  const float H = m_.H;
  const int NS = NstdL > 5 ? 5 : NstdL;

  float rho[kMaxPoints + 1];
  float lam[kMaxDepths + 1];
  float zc[kMaxDepths + 1];
  int lay[kMaxDepths + 1];
  for (int j = 1; j <= nr; ++j) rho[j] = s.RC(j, IptL, LG) / a;
  for (int i = 1; i <= nz; ++i) {
    zc[i] = s.ZC(i);
    lam[i] = (zc[i] / a) / h;
    lay[i] = m_.LayerOf(zc[i]);
    s.work.LAY(i) = static_cast<i16>(lay[i] > s.NL ? s.NL : lay[i]);  // the half-space model's 2nd layer is layer 1
  }
  for (int i = 1; i < m_.NL && i <= kMaxLayers - 1; ++i) {
    s.work.THN(i) = m_.THN[i];
    s.work.DN(i) = m_.DN[i];
  }

  float resp[kMaxPoints + 1][kMaxDepths + 1][6] = {};
  bool conv[kMaxPoints + 1][kMaxDepths + 1] = {};
  int open[kMaxPoints + 1];  // unconverged depth points per radial point
  for (int j = 1; j <= nr; ++j) open[j] = nz;
  int remaining = nr * nz;

  int IC = 0;
  float B = 0;
  for (;;) {
    ++IC;
    float S[kMaxPoints + 1][kMaxDepths + 1][6] = {};
    const float A = B;
    B = Breakpoint(IC);
    for (int g = 1; g <= 4; ++g) {
      const float x = (B - A) * GX[g] / 2.0f + (B + A) / 2.0f;
      const float J1x = J(1, x);
      const float J0x = J(0, x);
      const float w = GW[g] * ((B - A) * 0.5f) * p;
      int used = 0;
      for (int j = 1; j <= nr; ++j) {
        if (open[j] == 0) continue;
        const float r = rho[j];
        const bool inside = r <= 1.0f;
        float q, j0, j1 = 0, sr = 0;
        float RM;
        if (inside) {
          q = J1x;
          if (std::fabs(r) < 1e-10f) {
            j0 = 1.0f;
            j1 = 0.0f;
            sr = 0.5f;
          } else {
            const float xr = x * r;
            j0 = J(0, xr);
            if (NstdL != 1) {
              j1 = J(1, xr);
              sr = j1 / (x * r);
            }
          }
          RM = x * h;
        } else {
          q = J(1, x / r);
          j0 = J0x;
          j1 = J1x;
          RM = x * h / r;
        }
        Slot& slot = ConstantsFor(RM, used);
        for (int i = 1; i <= nz; ++i) {
          if (conv[j][i]) continue;
          const int L = lay[i];
          if (!slot.haveF[i]) {
            if (!slot.haveCC[L]) {
              if (m_.bonded) {
                slot.bonded.COEF(m_, L, slot.CC[L]);
              } else {
                for (int k = 1; k <= 4; ++k) slot.CC[L][k] = slot.CNF[4 * (L - 1) + k];
              }
              slot.haveCC[L] = true;
            }
            slot.F[i] = Integrands(m_, L, lam[i], RM, slot.CC[L]);
            slot.haveF[i] = true;
          }
          const IntegrandFactors& f = slot.F[i];
          const float nu = m_.PR[L];
          const float E = m_.E[L];
          float G[6];
          if (inside) {
            G[1] = static_cast<float>((-w * q * j0) * f.FW * (1.0f + nu) / (E * RM));
            if (NstdL != 1) {
              G[2] = static_cast<float>(w * q * j0 * f.FZ);
              G[3] = static_cast<float>(-w * q * ((j0 - sr) * f.FR + j0 * f.FV));
              G[4] = static_cast<float>(-w * q * (sr * f.FR + j0 * f.FV));
              G[5] = -w * q * j1 * f.FT;
            }
          } else {
            G[1] = static_cast<float>((-w * q * j0) * f.FW * (1.0f + nu) / (r * RM * E));
            if (NstdL != 1) {
              G[2] = static_cast<float>(q * w * j0 / r * f.FZ);
              G[3] = static_cast<float>(-w * q * ((j0 - j1 / x) / r * f.FR + j0 / r * f.FV));
              G[4] = static_cast<float>(-w * q * (j1 / (x * r) * f.FR + j0 / r * f.FV));
              G[5] = -w * q * j1 / r * f.FT;
            }
          }
          for (int K = 1; K <= NS; ++K) S[j][i][K] += G[K];
        }
      }
    }
    for (int j = 1; j <= nr; ++j) {
      if (open[j] == 0) continue;
      for (int i = 1; i <= nz; ++i) {
        if (conv[j][i]) continue;
        bool pass = true;
        for (int K = 1; K <= NS; ++K) {
          const float incr = K == 1 ? H * S[j][i][1] : S[j][i][K];
          resp[j][i][K] += incr;
          if (!std::isfinite(resp[j][i][K])) throw NumericFault("response is not finite");
          if (IC < 2 || incr == 0.0f || (K > 1 && zc[i] < 0.0001f)) continue;
          const float total = resp[j][i][K];
          if (total == 0.0f || !(std::fabs(incr / total) <= s.DEL)) pass = false;
        }
        if (IC >= 2 && pass) {
          conv[j][i] = true;
          --open[j];
          --remaining;
        }
      }
    }
    if (IC >= 2 && (remaining == 0 || IC > s.ICL)) break;
  }

  for (int j = 1; j <= nr; ++j)
    for (int i = 1; i <= nz; ++i) {
      for (int K = 1; K <= NS; ++K) s.RESP(j, i, K) = resp[j][i][K];
      if (NstdL >= 9) {
        const int L = lay[i];
        const float nu = m_.PR[L], E = m_.E[L];
        const float sz = resp[j][i][2], sr = resp[j][i][3], st = resp[j][i][4], tau = resp[j][i][5];
        s.RESP(j, i, 6) = (sz - nu * (sr + st)) / E;
        s.RESP(j, i, 7) = (sr - nu * (st + sz)) / E;
        s.RESP(j, i, 8) = (st - nu * (sr + sz)) / E;
        s.RESP(j, i, 9) = 2.0f * tau * (1.0f + nu) / E;
      }
    }
  return IC;
}

}  // namespace pave::layered
