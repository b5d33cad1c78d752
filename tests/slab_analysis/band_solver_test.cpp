// The band solvers against a dense double-precision solve of the same system.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <random>
#include <vector>

#include "common/analysis_host.h"
#include "slab_analysis/band_solver.h"

namespace pave::slab {
namespace {

// A symmetric positive definite band matrix with half band nb (nb values per row incl. the diagonal).
struct BandSystem {
  long neq, nb;
  std::vector<double> dense;  // neq x neq
  std::vector<float> sk;      // 1-based band rows, then room for the copy
  long nsk2;
};

BandSystem MakeSystem(long neq, long nb, unsigned seed) {
  BandSystem s{neq, nb, std::vector<double>(static_cast<std::size_t>(neq * neq), 0.0), {}, neq * nb};
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1, 1);
  for (long i = 0; i < neq; ++i)
    for (long j = i + 1; j < std::min(neq, i + nb); ++j) {
      const double v = static_cast<float>(u(gen));
      s.dense[static_cast<std::size_t>(i * neq + j)] = v;
      s.dense[static_cast<std::size_t>(j * neq + i)] = v;
    }
  for (long i = 0; i < neq; ++i) s.dense[static_cast<std::size_t>(i * neq + i)] = static_cast<float>(2.0 * nb + u(gen));
  s.sk.assign(static_cast<std::size_t>(2 * neq * nb + 1), 0.0f);
  for (long r = 1; r <= neq; ++r)
    for (long c = r; c <= std::min(neq, r + nb - 1); ++c)
      s.sk[static_cast<std::size_t>((r - 1) * nb + (c - r) + 1)] =
          static_cast<float>(s.dense[static_cast<std::size_t>((r - 1) * neq + (c - 1))]);
  return s;
}

std::vector<double> DenseSolve(std::vector<double> a, std::vector<double> b) {
  const std::size_t n = b.size();
  for (std::size_t k = 0; k < n; ++k)
    for (std::size_t i = k + 1; i < n; ++i) {
      const double m = a[i * n + k] / a[k * n + k];
      for (std::size_t j = k; j < n; ++j) a[i * n + j] -= m * a[k * n + j];
      b[i] -= m * b[k];
    }
  for (std::size_t k = n; k-- > 0;) {
    for (std::size_t j = k + 1; j < n; ++j) b[k] -= a[k * n + j] * b[j];
    b[k] /= a[k * n + k];
  }
  return b;
}

struct Size {
  long neq, nb;
};
// "neq147_nb27": equations and half band width, for test names and messages.
std::string SizeName(const Size& s) { return "neq" + std::to_string(s.neq) + "_nb" + std::to_string(s.nb); }
void PrintTo(const Size& s, std::ostream* os) { *os << SizeName(s); }


class BandSolverTest : public ::testing::TestWithParam<Size> {};

TEST_P(BandSolverTest, TriangLoadMaAndGesbAgreeWithADenseSolve) {
  const Size z = GetParam();
  BandSystem sys = MakeSystem(z.neq, z.nb, static_cast<unsigned>(z.neq * 31 + z.nb));
  std::vector<float> sk2 = sys.sk;
  TriangKernel(sys.sk.data(), z.neq, z.nb, sys.nsk2);
  const std::vector<float> factored = sys.sk;
  for (int rhs = 0; rhs < 2; ++rhs) {
    std::vector<double> b(static_cast<std::size_t>(z.neq));
    for (long i = 0; i < z.neq; ++i) b[static_cast<std::size_t>(i)] = std::sin(0.37 * (i + 1) * (rhs + 1)) * 100;
    const std::vector<double> x = DenseSolve(sys.dense, b);
    std::vector<float> f(static_cast<std::size_t>(z.neq) + 1), g(f.size()), buf(f.size() + static_cast<std::size_t>(z.nb));
    for (long i = 0; i < z.neq; ++i) f[static_cast<std::size_t>(i + 1)] = g[static_cast<std::size_t>(i + 1)] = static_cast<float>(b[static_cast<std::size_t>(i)]);
    LoadMaKernel(sys.sk.data(), f.data(), z.neq, z.nb, sys.nsk2);
    EXPECT_EQ(sys.sk, factored) << "LoadMa leaves the factor unchanged";
    std::vector<float> fresh = sk2;
    GESBKernel(fresh.data(), g.data(), buf.data(), z.neq, z.nb);
    double xmax = 0;
    for (double v : x) xmax = std::max(xmax, std::fabs(v));
    for (long i = 0; i < z.neq; ++i) {
      EXPECT_NEAR(f[static_cast<std::size_t>(i + 1)], x[static_cast<std::size_t>(i)], 1e-5 * xmax) << i;
      EXPECT_NEAR(g[static_cast<std::size_t>(i + 1)], x[static_cast<std::size_t>(i)], 1e-5 * xmax) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, BandSolverTest,
                         ::testing::Values(Size{3, 3}, Size{12, 12}, Size{30, 9}, Size{147, 27}, Size{300, 36},
                                           Size{243, 243}),
                         [](const ::testing::TestParamInfo<Size>& info) { return SizeName(info.param); });

TEST(BandSolverTest, AZeroPivotIsAnArithmeticError) {
  std::vector<float> sk(1 + 2 * 9, 0.0f);
  sk[1] = 0;  // first diagonal
  EXPECT_THROW(TriangKernel(sk.data(), 3, 3, 9), ArithmeticError);
  std::vector<float> f(4, 1.0f), buf(8);
  EXPECT_THROW(GESBKernel(sk.data(), f.data(), buf.data(), 3, 3), ArithmeticError);
}

}  // namespace
}  // namespace pave::slab

namespace pave::slab {
namespace {

std::vector<std::string> ProgressLines(const RecordingHost& host) {
  // The last line of the text at every Display.
  std::vector<std::string> lines;
  for (const std::string& t : host.shown) {
    const std::size_t end = t.rfind("\r\n", t.size() - 3);
    const std::size_t start = end == std::string::npos ? 0 : end + 2;
    lines.push_back(t.substr(start, t.size() - start - 2));
  }
  return lines;
}

TEST(BandSolverTest, TriangReportsItsProgressForAFullBand) {
  RecordingHost host;
  SlabRun r(kLarge, host);
  const long neq = 300;
  r.s.NEQ = neq;
  r.s.NB = neq;
  r.s.NSK2 = neq * neq;
  for (long i = 1; i <= neq; ++i) r.s.SK[static_cast<std::size_t>((i - 1) * neq + 1)] = 2.0f;
  Triang(r);
  const std::vector<std::string> lines = ProgressLines(host);
  std::vector<std::string> want = {"START THE FORMATION OF UPPER TRIANGULAR MATRIX",
                                   "COMPLETE 10% OF FORMING OF UPPER TRIANGULAR MATRIX"};
  for (int k = 2; k <= 9; ++k) want.push_back("COMPLETE " + std::to_string(10 * k) + "% OF FORMING UPPER TRIANGULAR MATRIX");
  want.push_back("COMPLETE 100% OF FORMING UPPER TRIANGULAR MATRIX");
  EXPECT_EQ(lines, want);
}

}  // namespace
}  // namespace pave::slab
