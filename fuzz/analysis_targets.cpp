// The analysis programs on a data file: whatever it holds, the run ends in one of its three ways,
// says why when it stops (a data error with the place it lies), and prints no NaN or Inf in its
// report, graph file, progress or messages, nor a number beyond any physical range.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/analysis_host.h"
#include "fuzz_targets.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"

namespace pave::fuzz {

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

template <typename Run>
int RunAnalysis(const std::uint8_t* data, std::size_t size, const char* graph_extension, Run run) {
  const std::string path = ScratchFile("CASE.DAT", data, size);
  const std::string base = path.substr(0, path.size() - 4);
  std::filesystem::remove(base + ".TXT");
  std::filesystem::remove(base + graph_extension);
  RecordingHost host;
  const RunEnd end = run(base, host);
  const int status = static_cast<int>(end);
  if (status < 0 || status > 2) Fault("an unknown exit status " + std::to_string(status));
  CheckAnalysisRun(end, host.messages, path);
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string report = Contents(base + ".TXT"), graph = Contents(base + graph_extension);
  CheckFinite("the report", report, input);
  CheckFinite("the graph file", graph, input);
  CheckPhysical("the report", report, input, report);
  CheckPhysical("the graph file", graph, input, report);
  for (const std::string& t : host.shown) CheckFinite("the progress text", t, input);
  for (const std::string& m : host.messages) CheckFinite("a message", m, input);
  return 0;
}

}  // namespace

int Morvelin(const std::uint8_t* data, std::size_t size) {
  return RunAnalysis(data, size, ".LAY",
                     [](const std::string& base, AnalysisHost& host) { return layered::RunMorvelin(base, host); });
}

int Bruntola(const std::uint8_t* data, std::size_t size) {
  return RunAnalysis(data, size, ".SLA", [](const std::string& base, AnalysisHost& host) {
    return slab::RunSlabProgram(base, slab::kBruntola, host);
  });
}

int Large(const std::uint8_t* data, std::size_t size) {
  return RunAnalysis(data, size, ".SLA", [](const std::string& base, AnalysisHost& host) {
    return slab::RunSlabProgram(base, slab::kLarge, host);
  });
}

}  // namespace pave::fuzz
