// Runs the slab program on a data file in a scratch folder and reads values back from its report.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/analysis_host.h"
#include "slab_analysis/slab_driver.h"

namespace pave::slab::testing {

struct SlabReportRun {
  RunEnd end = RunEnd::Normal;
  std::string report;
  std::vector<std::string> messages;
};

inline std::filesystem::path ScratchDir(const std::string& name) {
  auto dir = std::filesystem::temp_directory_path() / ("slab_found_" + name + "_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

inline SlabReportRun RunSlabText(const std::string& name, const std::string& data, const SlabVariant& variant) {
  auto dir = ScratchDir(name);
  const auto base = dir / name;
  {
    std::ofstream f(base.string() + ".DAT", std::ios::binary);
    f << data;
  }
  RecordingHost host;
  SlabReportRun r;
  r.end = RunSlabProgram(base.string(), variant, host);
  std::ifstream in(base.string() + ".TXT", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  r.report = ss.str();
  r.messages = host.messages;
  std::filesystem::remove_all(dir);
  return r;
}

inline std::string ReadExample(const std::string& name) {
  std::ifstream in(std::string(PAVE_SOURCE_DIR) + "/examples/" + name + ".DAT", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Values of the "MAXIMUM STRESS (SMAX) IN LAYER 1  IS ... ( NODE n )" lines, in order: (value, node).
inline std::vector<std::pair<double, int>> MaxStresses(const std::string& report) {
  std::vector<std::pair<double, int>> out;
  const std::string key = "MAXIMUM STRESS (SMAX) IN LAYER";
  for (std::size_t p = report.find(key); p != std::string::npos; p = report.find(key, p + 1)) {
    std::size_t is = report.find(" IS", p);
    std::size_t node = report.find("NODE", is);
    out.emplace_back(std::strtod(report.c_str() + is + 3, nullptr), std::atoi(report.c_str() + node + 4));
  }
  return out;
}

// The node table (pairs node, value) that follows the last occurrence of the heading.
inline std::map<int, double> NodeTable(const std::string& report, const std::string& heading) {
  std::map<int, double> t;
  std::size_t p = report.rfind(heading);
  if (p == std::string::npos) return t;
  std::istringstream in(report.substr(report.find('\n', p) + 1));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(' ') == std::string::npos) break;
    std::istringstream ls(line);
    int n;
    double v;
    while (ls >> n >> v) t[n] = v;
  }
  return t;
}

// The number after a label on the last line that holds it.
inline double ValueAfter(const std::string& report, const std::string& label) {
  std::size_t p = report.rfind(label);
  if (p == std::string::npos) return 0;
  return std::strtod(report.c_str() + p + label.size(), nullptr);
}

}  // namespace pave::slab::testing
