// Runs of the layered analysis beyond the linear one: the nonlinear iteration of example 2, a
// viscoelastic moving-load problem with fifteen creep times, and the combined example 6.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/analysis_host.h"
#include "layered_analysis/run_driver.h"
#include "support/file_text.h"

namespace {

namespace fs = std::filesystem;

fs::path Prepare(const std::string& name, const std::string& data) {
  const fs::path dir = fs::temp_directory_path() / ("layan_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / (name + ".DAT"), std::ios::binary) << data;
  return dir / name;
}

// Three layers under a moving load, the asphalt viscoelastic with fifteen creep times; one single
// wheel with three radial coordinates and four depths, all nine responses.
std::string FifteenCreepTimes() {
  std::string d =
      " 1  (1) NPROB\r\nFifteen creep times\r\n 3  0  1  1  (3) MATL NDAMA NPY NLG\r\n .001  (4) DEL\r\n"
      " 3  4  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n 6   8   (6) TH\r\n .4   .35   .45   (7) PR\r\n"
      " 0   6   6.0001   14.0001   (8) ZC\r\n 1  (9) NBOND\r\n 0   30000   15000   (11) E\r\n"
      " 0   (13) LOAD\r\n 6   80   (14) CR CP\r\n 3   (16) NR\r\n 0   6   12   (17) RC\r\n"
      " .1  (36) DUR\r\n 1  1   (37) NVL LNV\r\n 15  (38) NTYME\r\n";
  std::ostringstream times, creep;
  double t = 0.001;
  for (int i = 0; i < 15; ++i, t *= 2.0) {
    times << ' ' << t << "  ";
    creep << ' ' << 8e-7 * (1.0 + 25.0 * t / (t + 3.0)) << "  ";
  }
  d += times.str();
  d += " (39) TYME\r\n .113   70   (41) BETA TEMPREF\r\n";
  d += creep.str();
  d += " (42) CREEP\r\n 70   (44) TEMP\r\n";
  return d;
}

void Run(benchmark::State& state, const std::string& name, const std::string& data) {
  const fs::path base = Prepare(name, data);
  for (auto _ : state) {
    pave::RecordingHost host;
    const pave::RunEnd end = pave::layered::RunMorvelin(base.string(), host);
    if (end != pave::RunEnd::Normal) state.SkipWithError("the run did not end normally");
    benchmark::DoNotOptimize(end);
  }
}

void BM_NonlinearExample2(benchmark::State& state) { Run(state, "LAY2", pave::testing::ExampleText("LAY2")); }
void BM_ViscoelasticFifteenCreepTimes(benchmark::State& state) { Run(state, "CREEP15", FifteenCreepTimes()); }
void BM_CombinedExample6(benchmark::State& state) { Run(state, "LAY6", pave::testing::ExampleText("LAY6")); }

BENCHMARK(BM_NonlinearExample2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViscoelasticFifteenCreepTimes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CombinedExample6)->Unit(benchmark::kMillisecond);

}  // namespace
