// A 420-node slab system on a solid foundation in the large build: the inversion of the packed
// foundation flexibility, and the whole run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "slab_analysis/matrix_inversion.h"
#include "slab_analysis/slab_driver.h"

namespace {

// Three slabs of 14 x 10 nodes in a row, joined by doweled joints: 420 nodes, 351 elements; a
// tandem axle on the middle slab.
std::string SolidSystemData() {
  std::string x, y;
  for (int i = 0; i < 14; ++i) x.append(" ").append(std::to_string(20 * i));
  for (int j = 0; j < 10; ++j) y.append(" ").append(std::to_string(20 * j));
  std::string d =
      " 1  (1) NPROB\r\nTHREE SLABS ON A SOLID FOUNDATION\r\n 1  0  1  1  (3) NFOUND NDAMA NPY NLG\r\n"
      " 3  2  (4) NSLAB NJOINT\r\n"
      " 14  10  0  1  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n"
      " 14  10  1  2  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n"
      " 14  10  2  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n"
      " 1  195  0  0  1  0  0  0  0  1  0  0  0  0  0  0  (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE "
      "NAT1 NAT2 NSX NSY MDPO NUNIT\r\n"
      " 0  150  0  650  0  5E-06  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n"
      " 0  0  0  0  (8) F1(1) F1(2) F2(1) F2(2)\r\n";
  for (int s = 0; s < 3; ++s) d += x + y + "  (9) X Y\r\n";
  d += " 9  .15  4000000  (10) T PR YM\r\n 4  (12) NUDL\r\n 0  (13) NCNF\r\n 0  0  (14) NNMX NNMY\r\n";
  for (int xc : {100, 160})
    for (int yc : {40, 112}) {
      char line[120];
      std::snprintf(line, sizeof line, " 2  %d  %d  %d  %d  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n", xc - 4, xc + 4, yc - 5, yc + 5);
      d += line;
    }
  d += " 195  (18) NP\r\n 1  (22) FSAF\r\n 5000  .4  (28) YMS PRS\r\n 29000000  .3  (34) YMSB PRSB\r\n";
  for (int j = 0; j < 2; ++j) d += " 0  0  1500000  1.25  12  .25  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n";
  return d;
}

void BM_SolidFoundationRunLarge(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "slab_solid_bench";
  std::filesystem::create_directories(dir);
  const std::string base = (dir / "SOLID420").string();
  {
    std::ofstream f(base + ".DAT", std::ios::binary);
    f << SolidSystemData();
  }
  for (auto _ : state) {
    pave::RecordingHost host;
    pave::RunEnd end = pave::slab::RunSlabProgram(base, pave::slab::kLarge, host);
    if (end != pave::RunEnd::Normal) state.SkipWithError(host.messages.empty() ? "run failed" : host.messages[0].c_str());
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SolidFoundationRunLarge)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PackedInversion420(benchmark::State& state) {
  const int n = 420;
  std::vector<float> a(static_cast<std::size_t>(n) * (n + 1) / 2 + 1);
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= j; ++i)
      a[static_cast<std::size_t>(j) * (j - 1) / 2 + i] = i == j ? 2.0f : 0.6f / static_cast<float>((1 + j - i) * (1 + j - i));
  for (auto _ : state) {
    std::vector<float> m = a;
    pave::RecordingHost host;
    pave::ProgressLog log(host, 22);
    pave::MatInv(m.data(), n, log);
    benchmark::DoNotOptimize(m.data());
  }
}
BENCHMARK(BM_PackedInversion420)->Unit(benchmark::kMillisecond);

}  // namespace
