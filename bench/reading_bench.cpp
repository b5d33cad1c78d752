// Reading large data files: the problems of an example repeated many times in one file (LAY2's
// problem 100 and 1000 times, about 0.1 and 1 MB; SLA1's two problems 10 and 100 times). The time
// per problem should stay the same as the file grows: the free-format reader alone over every item,
// as the programs read them (each value's line kept for its checks), and whole runs of both programs.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/analysis_host.h"
#include "common/free_format_reader.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"
#include "support/file_text.h"

namespace {

namespace fs = std::filesystem;

// The example's problems `times` times over: its first line (NPROB) counts them all, the rest of the
// file follows it `times` times.
std::string Repeated(const std::string& example, int times) {
  const std::string text = pave::testing::ExampleText(example);
  const std::size_t first_line = text.find('\n') + 1;
  const std::string problems = text.substr(first_line);
  pave::FreeFormatReader counter(text);
  const int nprob = static_cast<int>(counter.ReadNumber());
  std::string out = " " + std::to_string(nprob * times) + "  (1) NPROB\r\n";
  out.reserve(out.size() + problems.size() * static_cast<std::size_t>(times));
  for (int i = 0; i < times; ++i) out += problems;
  return out;
}

// The data file NAME.DAT in a folder of this benchmark; the path without ".DAT", as a run takes it.
fs::path Written(const std::string& name, const std::string& data) {
  const fs::path dir = fs::temp_directory_path() / ("pave_reading_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / (name + ".DAT"), std::ios::binary) << data;
  return dir / name;
}

// A window that shows nothing: the run's own work is timed, not the keeping of every progress text.
class NoWindow : public pave::AnalysisHost {
 public:
  void SetCaption(const std::string&) override {}
  void ShowProgress(const std::string&) override {}
  void Message(const std::string&) override {}
  void SetBusy(bool) override {}
};

void BM_ReaderOverRepeatedLAY2(benchmark::State& state) {
  const std::string data = Repeated("LAY2", static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pave::FreeFormatReader in(data);
    double value = 0;
    long items = 0;
    while (!in.AtEnd()) {
      const pave::Value item = in.ReadValue();
      in.Keep(value);
      value += item.IsNumber() ? item.Number() : 1.0;
      ++items;
    }
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(items);
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_ReaderOverRepeatedLAY2)->Arg(100)->Arg(1000)->Complexity()->Unit(benchmark::kMillisecond);

// Whole runs of a program over the example repeated state.range(0) times.
template <class Program>
void RunOverRepeated(benchmark::State& state, const std::string& example, Program run) {
  const int times = static_cast<int>(state.range(0));
  const fs::path base = Written(example + "x" + std::to_string(times), Repeated(example, times));
  for (auto _ : state) {
    NoWindow host;
    if (run(base.string(), host) != pave::RunEnd::Normal) state.SkipWithError("the run did not end normally");
  }
  state.SetComplexityN(times);
}

void BM_MorvelinOverRepeatedLAY2(benchmark::State& state) {
  RunOverRepeated(state, "LAY2", [](const std::string& data, pave::AnalysisHost& host) {
    return pave::layered::RunMorvelin(data, host);
  });
}
BENCHMARK(BM_MorvelinOverRepeatedLAY2)->Arg(100)->Arg(1000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_BruntolaOverRepeatedSLA1(benchmark::State& state) {
  RunOverRepeated(state, "SLA1", [](const std::string& data, pave::AnalysisHost& host) {
    return pave::slab::RunSlabProgram(data, pave::slab::kBruntola, host);
  });
}
BENCHMARK(BM_BruntolaOverRepeatedSLA1)->Arg(10)->Arg(100)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
