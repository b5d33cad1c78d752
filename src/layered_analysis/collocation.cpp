#include "layered_analysis/collocation.h"

#include <span>
#include <vector>

#include "layered_analysis/dirichlet_series.h"
#include "layered_analysis/equation_solver.h"
#include "layered_analysis/layered_responses.h"

namespace pave::layered {

namespace {

std::vector<float> Delta(const ProblemState& s) {
  std::vector<float> d;
  for (int k = 1; k <= s.NDIR; ++k) d.push_back(s.DELTA(k));
  return d;
}

long Responses(int Nnr1, int Nnstd, int Nnz) {
  return static_cast<long>(Nnr1) * Nnstd * Nnz;
}

}  // namespace

void COLLOC(ProblemState& s, int Nnr1, int Nnstd, int Nnz, ProgressLog& log) {
  const long nresp = Responses(Nnr1, Nnstd, Nnz);
  const int nt = s.NTYME;
  const int ndir = s.NDIR;
  if (nresp * nt > kRespTElements) ThrowIndex(nresp * nt, kRespTElements);
  if (nresp * ndir > kDcoefElements) ThrowIndex(nresp * ndir, kDcoefElements);
  const std::vector<float> delta = Delta(s);
  std::vector<float> tyme;
  for (int i = 1; i <= nt; ++i) tyme.push_back(s.TYME(i));
  double* dcoef = s.DCOEF.data();
  float* a = s.A.data();
  DirichletRightHandSides(std::span<const float>(s.RESPT.data() + 1, kRespTElements), static_cast<int>(nresp),
                          tyme, delta, std::span<double>(dcoef, kDcoefElements + 1));
  DirichletNormalMatrix(delta, tyme, std::span<float>(a, kSolverElements + 1));
  if (!GELG(dcoef, a, ndir, static_cast<int>(nresp))) {
    throw SingularSolve(kGelgMessage);
  }
  if (s.MATL != 4) {
    log.text += "\r\nCOMPLETE THE COLLOCATION SUBROUTINE\r\n";
    log.lines += 2;
    log.Display();
  }
}

void AFTCOL(ProblemState& s, int Nnr1, int Nnstd, int Nnz) {
  const int ndir = s.NDIR;
  if (Responses(Nnr1, Nnstd, Nnz) * ndir > kDcoefElements) ThrowIndex(Responses(Nnr1, Nnstd, Nnz) * ndir, kDcoefElements);
  const std::vector<float> delta = Delta(s);
  for (int r = 1; r <= Nnr1; ++r)
    for (int z = 1; z <= Nnz; ++z)
      for (int k = 1; k <= Nnstd; ++k) {
        const long c = (r - 1) * static_cast<long>(Nnz) * Nnstd + (z - 1) * static_cast<long>(Nnstd) + k;
        const std::span<const double> coef(s.DCOEF.data() + (c - 1) * ndir + 1, ndir);
        s.RESP(r, z, k) = MovingLoadResponse(coef, delta, s.DUR);
      }
}

void CollocationLimitStop(RunContext& c) {
  ProblemState& s = c.s;
  if (!(s.MATL == 3 && s.DUR > 0.0f)) return;
  const long limit_t = s.NTYME > 0 ? kRespTElements / s.NTYME : kRespTElements;
  const long limit_d = s.NDIR > 0 ? kDcoefElements / s.NDIR : kDcoefElements;
  const int limit = static_cast<int>(limit_t < limit_d ? limit_t : limit_d);
  for (int g = 1; g <= s.NLG; ++g) {
    const int nr1 = s.LOAD(g) == 0 ? s.NR(g) : 1;
    const long n = Responses(nr1, s.NDAMA != 0 ? 9 : s.NSTD, s.NZ);
    if (n > limit) {
      LimitStop(c, "THE NUMBER OF RESPONSES (NR X NZ X NSTD) TO BE COLLOCATED FOR LOAD GROUP " + std::to_string(g), n,
                limit);
      return;
    }
  }
}

}  // namespace pave::layered
