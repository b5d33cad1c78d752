// Test support: writes slab data files, runs the program on them and reads the report back.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/analysis_host.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab::testing {

// One slab on a liquid foundation, one period, one load group.
struct SlabFile {
  std::string title = "TEST SLAB";
  double ndama = 0;
  std::vector<float> xs, ys;
  int nnck = 1, ncycle = 1, nwt = 0, ntemp = 0, mdpo = 0, nunit = 0;
  std::vector<int> notcon, np, nodsx, nodsy;
  std::vector<std::pair<int, float>> gaps;
  float temp = 0, gama = 0, ct = 0, del = 0.001f, fmax = 10;
  float thick = 8, pr = 0.15f, ym = 4e6f;
  struct Area {
    int ls;
    float x1, x2, y1, y2, q;
  };
  std::vector<Area> areas;
  std::vector<std::pair<int, float>> forces;
  float k = 100;

  std::string Text() const;
};

struct RunResult {
  RunEnd end;
  RecordingHost host;
  std::string report, graph;
};

// A fresh directory below the build's test output for one test.
std::filesystem::path TestDir(const std::string& name);
// Writes `text` as dir/NAME.DAT and runs the program on dir/NAME.
RunResult RunText(const std::string& text, const std::string& name, const SlabVariant& v = kBruntola,
                  const std::string& fileName = "CASE.DAT");

struct SlabReportRun {
  RunEnd end = RunEnd::Normal;
  std::string report;
  std::vector<std::string> messages;
};
// Runs the program on `data` written as NAME.DAT in a fresh directory.
SlabReportRun RunSlabText(const std::string& name, const std::string& data, const SlabVariant& variant);

// Node -> value pairs of a node table that follows the heading line (the last such table).
std::map<int, double> NodeTable(const std::string& report, const std::string& heading);
// Values of the "MAXIMUM STRESS (SMAX) IN LAYER 1  IS ... ( NODE n )" lines, in order: (value, node).
std::vector<std::pair<double, int>> MaxStresses(const std::string& report);
// Rows of the last stress table: node -> {sx, sy, sxy, shear, major, minor} of layer 1.
std::map<int, std::vector<double>> StressTable(const std::string& report);
// The number that follows the last occurrence of label.
double NumberAfter(const std::string& text, const std::string& label);

// Exact centre deflection and centre moment of an infinite plate (rigidity D) on a dense liquid k
// under a uniform pressure q over the square |x|, |y| <= c, by Hankel integrals of the point load.
void SquareLoadCentre(double D, double k, double nu, double q, double c, double& w0, double& m0);

}  // namespace pave::slab::testing
