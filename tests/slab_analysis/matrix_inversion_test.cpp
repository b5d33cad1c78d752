#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/analysis_host.h"
#include "slab_analysis/matrix_inversion.h"

namespace pave {
namespace {

std::size_t P(int i, int j) {  // packed position of (i, j), any order
  if (i > j) std::swap(i, j);
  return static_cast<std::size_t>(j) * (j - 1) / 2 + i;
}

// A flexibility-like matrix: nodes on a line, entries decaying with distance, dominant diagonal.
std::vector<float> FlexibilityLike(int n) {
  std::vector<float> a(P(n, n) + 1);
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= j; ++i) a[P(i, j)] = i == j ? 2.0f : 0.6f / static_cast<float>((1 + std::abs(i - j)) * (1 + std::abs(i - j)));
  return a;
}

std::vector<std::string> ProgressLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t e = text.find("\r\n", pos);
    if (e == std::string::npos) e = text.size();
    if (e > pos) lines.push_back(text.substr(pos, e - pos));
    pos = e + 2;
  }
  return lines;
}

TEST(MatInv, InverseTimesMatrixIsIdentity) {
  for (int n : {1, 2, 10, 60}) {
    std::vector<float> a = FlexibilityLike(n), inv = a;
    RecordingHost host;
    ProgressLog log(host, 1000);
    MatInv(inv.data(), n, log);
    double worst = 0;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) {
        double s = 0;
        for (int k = 1; k <= n; ++k) s += static_cast<double>(inv[P(i, k)]) * a[P(k, j)];
        worst = std::max(worst, std::abs(s - (i == j ? 1.0 : 0.0)));
      }
    EXPECT_LT(worst, 1e-5) << n;
  }
}

TEST(MatInv, LargeMatrixStaysAccurate) {
  // 300 nodes: more than the work array of the small build could hold with the scratch beside it.
  const int n = 300;
  std::vector<float> a = FlexibilityLike(n), inv = a;
  RecordingHost host;
  ProgressLog log(host, 22);
  MatInv(inv.data(), n, log);
  for (int i : {1, 150, 300}) {
    double s = 0;
    for (int k = 1; k <= n; ++k) s += static_cast<double>(inv[P(i, k)]) * a[P(k, i)];
    EXPECT_NEAR(s, 1.0, 1e-4);
  }
}

TEST(MatInv, ProgressLines) {
  struct Case {
    int n;
    std::vector<std::string> lines;
  };
  auto c = [](const char* p) { return std::string("COMPLETE ") + p + "% OF MATRIX INVERSION"; };
  const Case cases[] = {
      {10, {"START MATRIX INVERSION", c("10"), c("20"), c("40"), c("50"), c("60"), c("70"), c("80"), c("90"), c("100")}},
      {1, {"START MATRIX INVERSION", c("20"), c("100")}},
  };
  for (const Case& tc : cases) {
    std::vector<float> a = FlexibilityLike(tc.n);
    RecordingHost host;
    ProgressLog log(host, 1000);
    MatInv(a.data(), tc.n, log);
    EXPECT_EQ(ProgressLines(log.text), tc.lines) << tc.n;
    EXPECT_EQ(host.shown.size(), tc.lines.size());
  }
}

TEST(MatInv, ZeroPivotIsRefusedAndMatrixKept) {
  std::vector<float> a = {0, 1, 1, 1};  // [[1,1],[1,1]]: second pivot 0
  std::vector<float> before = a;
  RecordingHost host;
  ProgressLog log(host, 1000);
  EXPECT_THROW(MatInv(a.data(), 2, log), std::domain_error);
  EXPECT_EQ(a, before);
}

}  // namespace
}  // namespace pave
