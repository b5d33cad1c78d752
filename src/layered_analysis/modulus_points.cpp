#include "layered_analysis/modulus_points.h"

#include <cmath>
#include <string>

#include "common/bessel.h"
#include "common/number_format.h"
#include "layered_analysis/bonded_constants.h"
#include "layered_analysis/frictionless_constants.h"
#include "layered_analysis/integration_constants.h"
#include "layered_analysis/layer_system.h"
#include "layered_analysis/layered_responses.h"

namespace pave::layered {

namespace {

float J(int order, float x) { return static_cast<float>(BesselJ(order, x)); }

}  // namespace

int NONLAY(ProblemState& s, int Nrr, ProgressLog* log) {
  const int g = s.LG;
  const int nolay = s.NOLAY;
  if (Nrr < 1 || Nrr > kMaxModulusWheels) ThrowIndex(Nrr, kMaxModulusWheels);
  if (nolay < 0 || nolay > kMaxNonlinear) ThrowIndex(nolay, kMaxNonlinear);
  const float a = s.CR(g);
  const float p = s.CP(g);
  const LayerSystem m = LayerSystem::From(s, a);
  const float h = m.h;

  float lam[kMaxNonlinear + 1];
  int lay[kMaxNonlinear + 1];
  float rho[kMaxModulusWheels + 1][kMaxNonlinear + 1];
  for (int i = 1; i <= nolay; ++i) {
    lam[i] = (s.ZCNOL(i) / a) / h;
    lay[i] = m.LayerOf(s.ZCNOL(i));
    for (int j = 1; j <= Nrr; ++j) rho[j][i] = s.RNOL(j, i, g) / a;
  }

  float resp[kMaxModulusWheels + 1][kMaxNonlinear + 1][4] = {};
  bool conv[kMaxModulusWheels + 1][kMaxNonlinear + 1] = {};
  int converged = 0;
  BondedConstants bonded;
  FrictionlessConstants frictionless;

  int IC = 0;
  float B = 0;
  for (;;) {
    ++IC;
    float S[kMaxModulusWheels + 1][kMaxNonlinear + 1][4] = {};
    const float A = B;
    B = Breakpoint(IC);
    for (int gp = 1; gp <= 4; ++gp) {
      const float x = (B - A) * GX[gp] / 2.0f + (B + A) / 2.0f;
      const float J1x = J(1, x);
      const float J0x = J(0, x);
      const float w = GW[gp] * ((B - A) * 0.5f) * p;
      // Layer constants depend only on RM; pairs with the same RM share them.
      float lastRM = -1;
      bool haveRM = false;
      for (int j = 1; j <= Nrr; ++j) {
        for (int i = 1; i <= nolay; ++i) {
          const float r = rho[j][i];
          const bool inside = r <= 1.0f;
          const float RM = inside ? x * h : x * h / r;
          if (!haveRM || RM != lastRM) {
            if (m.bonded) {
              bonded.SOL(m, RM);
            } else if (!frictionless.NOFRIC(m, RM)) {
              throw SingularSolve("no result for the frictionless layer constants");
            }
            lastRM = RM;
            haveRM = true;
          }
          if (conv[j][i]) continue;
          const int L = lay[i];
          double CC[5] = {0, 0, 0, 0, 0};
          if (m.bonded) {
            bonded.COEF(m, L, CC);
          } else {
            frictionless.Copy(L, CC);
          }
          const IntegrandFactors f = Integrands(m, L, lam[i], RM, CC);
          float G2, G3, G4;
          if (inside) {
            const float q = J1x;
            float j0, sr;
            if (std::fabs(r) < 1e-10f) {
              j0 = 1.0f;
              sr = 0.5f;
            } else {
              const float xr = x * r;
              j0 = J(0, xr);
              sr = J(1, xr) / (x * r);
            }
            G2 = static_cast<float>(w * q * j0 * f.FZ);
            G3 = static_cast<float>(-w * q * ((j0 - sr) * f.FR + j0 * f.FV));
            G4 = static_cast<float>(-w * q * (sr * f.FR + j0 * f.FV));
          } else {
            const float q = J(1, x / r);
            const float j0 = J0x, j1 = J1x;
            G2 = static_cast<float>(q * w * j0 / r * f.FZ);
            G3 = static_cast<float>(-w * q * ((j0 - j1 / x) / r * f.FR + j0 / r * f.FV));
            G4 = static_cast<float>(-w * q * (j1 / (x * r) * f.FR + j0 / r * f.FV));
          }
          S[j][i][1] += G2;
          S[j][i][2] += G3;
          S[j][i][3] += G4;
        }
      }
    }
    for (int j = 1; j <= Nrr; ++j) {
      for (int i = 1; i <= nolay; ++i) {
        if (conv[j][i]) continue;
        bool pass = true;
        for (int K = 1; K <= 3; ++K) {
          const float incr = S[j][i][K];
          resp[j][i][K] += incr;
          if (!std::isfinite(resp[j][i][K])) throw NumericFault("stress at a modulus point is not finite");
          if (incr == 0.0f) continue;
          if (resp[j][i][K] == 0.0f) {   // the step cancelled the sum: not settled yet
            pass = false;
            continue;
          }
          const float ratio = static_cast<float>(std::fabs(incr / resp[j][i][K]));
          if (!(ratio <= s.DEL)) pass = false;
        }
        if (IC >= 2 && pass) {
          conv[j][i] = true;
          ++converged;
        }
      }
    }
    if (IC >= 2 && (converged == Nrr * nolay || IC > s.ICL)) break;
  }

  for (int j = 1; j <= Nrr; ++j)
    for (int i = 1; i <= nolay; ++i)
      for (int K = 1; K <= 3; ++K) s.RESP(j, i, K) = resp[j][i][K];

  if (s.NDAMA == 0 && log != nullptr) {
    log->Line("COMPLETE NONLAY SUBROUTINE WITH NO. OF INTEGRATION CYCLES IC=" + Str(IC));
    log->Display();
  }
  return IC;
}

void SUPERP(ProblemState& s) {
  const int g = s.LG;
  for (int i = 1; i <= s.NOLAY; ++i) {
    float sz = 0, sx = 0, sy = 0;
    for (int j = 1; j <= 2; ++j) {
      const float v = s.RESP(j, i, 1), r = s.RESP(j, i, 2), t = s.RESP(j, i, 3);
      sz += v;
      if (s.RNOL(j, i, g) < 0.0001f) {
        sx += r;
        sy += t;
      } else {
        const float c = s.DCNOL(j, 1, i, g), sn = s.DCNOL(j, 2, i, g);
        sx += c * c * r + sn * sn * t;
        sy += sn * sn * r + c * c * t;
      }
    }
    s.RESP(1, i, 1) = sz;
    s.RESP(1, i, 2) = sx;
    s.RESP(1, i, 3) = sy;
  }
}

}  // namespace pave::layered
