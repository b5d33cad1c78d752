// Runs the layered analysis on a data file in a fresh directory and gives access to what it wrote.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "layered_analysis/run_driver.h"
#include "support/file_text.h"

namespace pave::layered::testing {

struct RunResult {
  RunEnd end = RunEnd::Normal;
  std::string report;   // the ".TXT" file
  std::string graph;    // the ".LAY" file
  std::filesystem::path graphPath;
  std::vector<std::string> messages;
};

// Writes `data` as <dir>/<name>.DAT (or copies `source` there) and runs the program on it.
inline RunResult RunData(const std::string& name, const std::string& data) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("layan_run_" + std::to_string(::getpid()) + "_" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  {
    std::ofstream f(dir / (name + ".DAT"), std::ios::binary);
    f << data;
  }
  RecordingHost host;
  RunResult r;
  r.end = RunMorvelin((dir / name).string(), host);
  r.report = pave::testing::FileText(dir / (name + ".TXT"));
  r.graphPath = dir / (name + ".LAY");
  r.graph = pave::testing::FileText(r.graphPath);
  r.messages = host.messages;
  return r;
}

inline RunResult RunExample(const std::string& name) {
  return RunData(name, pave::testing::ExampleText(name));
}

// The numbers of the report lines that follow `after`, line by line, as far as they read as numbers.
inline std::vector<std::vector<double>> NumberLines(const std::string& report, const std::string& after,
                                                    std::size_t from = 0) {
  std::vector<std::vector<double>> out;
  std::size_t pos = report.find(after, from);
  if (pos == std::string::npos) return out;
  std::istringstream in(report.substr(pos));
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::istringstream ls(line);
    std::vector<double> v;
    std::string tok;
    bool numeric = true;
    while (ls >> tok) {
      if (tok[0] == '(') continue;  // "(STRAIN)" marks the strain line of a table
      try {
        std::size_t used = 0;
        v.push_back(std::stod(tok, &used));
        if (used != tok.size()) numeric = false;
      } catch (...) {
        numeric = false;
      }
    }
    if (!numeric || v.empty()) {
      if (!out.empty()) break;
      continue;
    }
    out.push_back(v);
  }
  return out;
}

}  // namespace pave::layered::testing
