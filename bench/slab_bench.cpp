// Slab analysis: the band solver on the largest band the large build allows, side by side with
// LAPACK's single-precision band Cholesky, and whole runs of SLA1 and of a 420-node slab.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/analysis_host.h"
#include "slab_analysis/band_solver.h"
#include "slab_analysis/slab_driver.h"

extern "C" {
void spbtrf_(const char* uplo, const int* n, const int* kd, float* ab, const int* ldab, int* info, std::size_t);
void spbtrs_(const char* uplo, const int* n, const int* kd, const int* nrhs, const float* ab, const int* ldab, float* b,
             const int* ldb, int* info, std::size_t);
}

namespace {

namespace fs = std::filesystem;
using namespace pave::slab;

// 420 nodes, 1260 equations; the band and its copy must fit the large work array twice.
constexpr long kNeq = 1260;
constexpr long kNb = 3 * ((1600000 / (2 * kNeq)) / 3);  // 633

// A symmetric, diagonally dominant band matrix: entry (r, c) for c = r .. r + kNb - 1.
float Entry(long r, long c) {
  if (r == c) return 2.0f * kNb;
  return static_cast<float>(std::sin(0.1 * r + 0.37 * c));
}

std::vector<float> BandRows() {
  std::vector<float> sk(static_cast<std::size_t>(2 * kNeq * kNb + 1), 0.0f);
  for (long r = 1; r <= kNeq; ++r)
    for (long c = r; c <= std::min(kNeq, r + kNb - 1); ++c) sk[static_cast<std::size_t>((r - 1) * kNb + (c - r) + 1)] = Entry(r, c);
  return sk;
}

// LAPACK upper band storage: AB(kd + 1 + i - j, j) = A(i, j), column-major, ldab = kd + 1.
std::vector<float> LapackBand() {
  const long kd = kNb - 1, ld = kd + 1;
  std::vector<float> ab(static_cast<std::size_t>(ld * kNeq), 0.0f);
  for (long j = 1; j <= kNeq; ++j)
    for (long i = std::max(1L, j - kd); i <= j; ++i) ab[static_cast<std::size_t>((kd + i - j) + (j - 1) * ld)] = Entry(i, j);
  return ab;
}

std::vector<float> Rhs() {
  std::vector<float> f(static_cast<std::size_t>(kNeq) + 1);
  for (long i = 1; i <= kNeq; ++i) f[static_cast<std::size_t>(i)] = static_cast<float>(std::cos(0.01 * i));
  return f;
}

void BM_BandSolver_TriangLoadMa(benchmark::State& state) {
  const std::vector<float> base = BandRows();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<float> sk = base;
    std::vector<float> f = Rhs();
    state.ResumeTiming();
    TriangKernel(sk.data(), kNeq, kNb, kNeq * kNb);
    LoadMaKernel(sk.data(), f.data(), kNeq, kNb, kNeq * kNb);
    benchmark::DoNotOptimize(f.data());
  }
  state.counters["NEQ"] = kNeq;
  state.counters["NB"] = kNb;
}
BENCHMARK(BM_BandSolver_TriangLoadMa)->Unit(benchmark::kMillisecond);

void BM_BandSolver_GESB(benchmark::State& state) {
  const std::vector<float> base = BandRows();
  std::vector<float> buf(static_cast<std::size_t>(kNeq) + 1);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<float> sk = base;
    std::vector<float> f = Rhs();
    state.ResumeTiming();
    GESBKernel(sk.data(), f.data(), buf.data(), kNeq, kNb);
    benchmark::DoNotOptimize(f.data());
  }
}
BENCHMARK(BM_BandSolver_GESB)->Unit(benchmark::kMillisecond);

void BM_Lapack_spbtrf_spbtrs(benchmark::State& state) {
  const std::vector<float> base = LapackBand();
  const int n = static_cast<int>(kNeq), kd = static_cast<int>(kNb - 1), ld = kd + 1, nrhs = 1;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<float> ab = base;
    std::vector<float> f = Rhs();
    state.ResumeTiming();
    int info = 0;
    spbtrf_("U", &n, &kd, ab.data(), &ld, &info, 1);
    spbtrs_("U", &n, &kd, &nrhs, ab.data(), &ld, f.data() + 1, &n, &info, 1);
    if (info != 0) state.SkipWithError("LAPACK failed");
    benchmark::DoNotOptimize(f.data());
  }
}
BENCHMARK(BM_Lapack_spbtrf_spbtrs)->Unit(benchmark::kMillisecond);

fs::path BenchDir() {
  fs::path dir = fs::temp_directory_path() / ("pave_slab_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

void RunFile(benchmark::State& state, const fs::path& base, const SlabVariant& v) {
  for (auto _ : state) {
    pave::RecordingHost host;
    const pave::RunEnd end = RunSlabProgram(base.string(), v, host);
    if (end != pave::RunEnd::Normal) state.SkipWithError("the run did not end normally");
    benchmark::DoNotOptimize(end);
  }
}

void BM_WholeRun_SLA1(benchmark::State& state) {
  const fs::path dir = BenchDir();
  fs::copy_file(fs::path(PAVE_SOURCE_DIR) / "examples" / "SLA1.DAT", dir / "SLA1.DAT", fs::copy_options::overwrite_existing);
  RunFile(state, dir / "SLA1", kBruntola);
}
BENCHMARK(BM_WholeRun_SLA1)->Unit(benchmark::kMillisecond);

// One slab of 7 x 60 nodes (420, 354 elements) on a liquid foundation under wheel loads, two load
// groups: a band of 186 that only the large build holds.
void BM_WholeRun_420Nodes(benchmark::State& state) {
  const fs::path dir = BenchDir();
  std::ostringstream o;
  o << " 1  (1) NPROB\r\nSLAB OF 420 NODES\r\n 0  0  1  2  (3) NFOUND NDAMA NPY NLG\r\n 1  0  (4) NSLAB NJOINT\r\n";
  o << " 7  60  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n";
  o << " 1  1  0  0  0  0  0  0  0  1  0  0  0  0  0  0 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT\r\n";
  o << " 0  0  0  650  0  0  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n 0 0 0 0 (8) F1(1) F1(2) F2(1) F2(2)\r\n";
  for (int i = 0; i < 7; ++i) o << " " << 24 * i;
  for (int i = 0; i < 60; ++i) o << " " << 12 * i;
  o << " (9) X's and then Y's\r\n 9  .15  4000000  (10) T PR YM\r\n 2  1  (12) NUDL\r\n 0  (13) NCNF\r\n 0  0  (14) NNMX NNMY\r\n";
  o << " 1  0  10  300  310  90  (15) LS XL1 XL2 YL1 YL2 QQ\r\n 1  14  24  300  310  90  (15) LS XL1 XL2 YL1 YL2 QQ\r\n";
  o << " 1  60  70  0  10  90  (15) LS XL1 XL2 YL1 YL2 QQ\r\n";
  o << " 1  (22) FSAF\r\n 0  150  (24) NAS SUBMOD\r\n";
  std::ofstream(dir / "N420.DAT", std::ios::binary) << o.str();
  RunFile(state, dir / "N420", kLarge);
}
BENCHMARK(BM_WholeRun_420Nodes)->Unit(benchmark::kMillisecond);

}  // namespace
