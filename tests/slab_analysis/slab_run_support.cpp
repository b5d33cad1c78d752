#include "slab_run_support.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "common/bessel.h"
#include "common/number_format.h"
#include "slab_analysis/slab_driver.h"
#include "support/file_text.h"

namespace pave::slab::testing {

namespace fs = std::filesystem;

std::string SlabFile::Text() const {
  std::ostringstream o;
  auto list = [&](const auto& v) {
    for (auto x : v) o << GenNum(x) << " ";
  };
  o << " 1  (1) NPROB\r\n" << title << "\r\n";
  o << " 0 " << GenNum(ndama) << " 1  1  (3) NFOUND NDAMA NPY NLG\r\n";
  o << " 1  0  (4) NSLAB NJOINT\r\n";
  o << " " << xs.size() << " " << ys.size() << " 0 0 0 0 (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n";
  o << " 1 " << nnck << " " << notcon.size() << " " << gaps.size() << " " << np.size() << " 0 0 " << ntemp << " " << nwt
    << " " << ncycle << " 0 0 " << nodsx.size() << " " << nodsy.size() << " " << mdpo << " " << nunit
    << " (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT\r\n";
  o << GenNum(temp) << GenNum(gama) << " 0 600 0 " << GenNum(ct) << GenNum(del) << GenNum(fmax)
    << " (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n";
  o << " 0 0 0 0 (8) F1(1) F1(2) F2(1) F2(2)\r\n";
  list(xs);
  list(ys);
  o << " (9) X's and then Y's\r\n";
  o << GenNum(thick) << GenNum(pr) << GenNum(ym) << " (10) T PR YM\r\n";
  o << " " << areas.size() << " (12) NUDL\r\n";
  o << " " << (forces.empty() ? 0 : forces.size()) << " (13) NCNF\r\n 0 0 (14) NNMX NNMY\r\n";
  for (const Area& a : areas)
    o << " " << a.ls << GenNum(a.x1) << GenNum(a.x2) << GenNum(a.y1) << GenNum(a.y2) << GenNum(a.q)
      << " (15) LS XL1 XL2 YL1 YL2 QQ\r\n";
  if (!forces.empty()) {
    for (auto [n, f] : forces) o << " " << n << GenNum(f);
    o << " (16) NN FF\r\n";
  }
  if (!notcon.empty()) {
    list(notcon);
    o << " (17) NODNC\r\n";
  }
  if (!np.empty()) {
    list(np);
    o << " (18) NP\r\n";
  }
  if (!nodsx.empty()) {
    list(nodsx);
    o << " (19) NODSX\r\n";
  }
  if (!nodsy.empty()) {
    list(nodsy);
    o << " (20) NODSY\r\n";
  }
  if (!gaps.empty()) {
    for (auto [n, g] : gaps) o << " " << n << GenNum(g);
    o << " (21) NG CURL\r\n";
  }
  o << " 1 (22) FSAF\r\n";
  o << " 0 " << GenNum(k) << " (24) NAS SUBMOD\r\n";
  if (ndama != 0) o << " 1000 (37) TNLR\r\n";
  return o.str();
}

fs::path TestDir(const std::string& name) {
  // One tree per test process, so parallel runs (and other worktrees) never share a directory.
  fs::path dir = fs::temp_directory_path() / ("pave_slab_tests_" + std::to_string(::getpid())) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

RunResult RunText(const std::string& text, const std::string& name, const SlabVariant& v, const std::string& fileName) {
  const fs::path dir = TestDir(name);
  {
    std::ofstream out(dir / fileName, std::ios::binary);
    out << text;
  }
  RunResult r;
  const std::string base = (dir / fileName.substr(0, fileName.size() - 4)).string();
  r.end = RunSlabProgram(base, v, r.host);
  r.report = pave::testing::FileText(base + ".TXT");
  r.graph = pave::testing::FileText(base + ".SLA");
  return r;
}

SlabReportRun RunSlabText(const std::string& name, const std::string& data, const SlabVariant& variant) {
  RunResult run = RunText(data, name, variant, name + ".DAT");
  return {run.end, run.report, run.host.messages};
}

namespace {

// The lines after the last line holding `heading`, up to the first blank line (line ends dropped).
std::vector<std::string> LinesAfter(const std::string& report, const std::string& heading) {
  std::vector<std::string> lines;
  const std::size_t at = report.rfind(heading);
  if (at == std::string::npos) return lines;
  std::istringstream in(report.substr(report.find('\n', at) + 1));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(' ') == std::string::npos) break;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::map<int, double> NodeTable(const std::string& report, const std::string& heading) {
  std::map<int, double> out;
  for (const std::string& line : LinesAfter(report, heading)) {
    std::istringstream ls(line);
    int n;
    double v;
    while (ls >> n >> v) out[n] = v;
  }
  return out;
}

std::map<int, std::vector<double>> StressTable(const std::string& report) {
  std::map<int, std::vector<double>> out;
  for (const std::string& line : LinesAfter(report, "NODE LAYER STRESS X")) {
    std::istringstream ls(line);
    int n, L;
    std::vector<double> v(6);
    if (!(ls >> n >> L >> v[0] >> v[1] >> v[2] >> v[3] >> v[4] >> v[5])) break;
    if (L == 1) out[n] = v;
  }
  return out;
}

std::vector<std::pair<double, int>> MaxStresses(const std::string& report) {
  std::vector<std::pair<double, int>> out;
  const std::string key = "MAXIMUM STRESS (SMAX) IN LAYER";
  for (std::size_t p = report.find(key); p != std::string::npos; p = report.find(key, p + 1)) {
    std::size_t is = report.find(" IS", p);
    std::size_t node = report.find("NODE", is);
    out.emplace_back(std::strtod(report.c_str() + is + 3, nullptr), std::atoi(report.c_str() + node + 4));
  }
  return out;
}

double NumberAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.rfind(label);
  if (at == std::string::npos) return NAN;
  return std::stod(text.substr(at + label.size()));
}

namespace {

// Integral over xi of f(xi) J1(xi R) / (D xi^4 + k) by Simpson's rule up to where it has decayed.
double HankelTerm(double D, double k, double R, int power) {
  // The integrand varies on the scale 1/l near the origin and oscillates with period 2 pi / R: Simpson
  // pieces with steps fine for both, up to where it has decayed.
  const double l = std::pow(D / k, 0.25);
  auto f = [&](double xi) { return std::pow(xi, power) * BesselJ(1, xi * R) / (D * xi * xi * xi * xi + k); };
  auto simpson = [&](double a, double b, double step) {
    const int n = 2 * std::max(1, static_cast<int>((b - a) / step / 2));
    const double h = (b - a) / n;
    double sum = f(a) + f(b);
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(a + i * h);
    return sum * h / 3;
  };
  const double split = 20 / l, top = std::max(split, 400 / R);
  return simpson(0, split, std::min(1 / l, 1 / R) / 100) + simpson(split, top, 1 / R / 40);
}

}  // namespace

void SquareLoadCentre(double D, double k, double nu, double q, double c, double& w0, double& m0) {
  // w(0) = q / (2 pi) * integral over theta of R I0(R), R(theta) = c / cos(theta) on the square;
  // laplacian w(0) = -q / (2 pi) * integral of R I2(R). Eight symmetric pieces of [0, pi/4].
  const int m = 24;
  const double pi = std::acos(-1.0);
  double sw = 0, sl = 0;
  for (int i = 0; i <= m; ++i) {
    const double th = (pi / 4) * i / m;
    const double R = c / std::cos(th);
    const double wgt = (i == 0 || i == m) ? 1 : (i % 2 ? 4 : 2);
    sw += wgt * R * HankelTerm(D, k, R, 0);
    sl += wgt * R * HankelTerm(D, k, R, 2);
  }
  const double dth = (pi / 4) / m / 3;
  w0 = q / (2 * pi) * 8 * sw * dth;
  const double lap = -q / (2 * pi) * 8 * sl * dth;
  m0 = -D * (1 + nu) / 2 * lap;
}

}  // namespace pave::slab::testing
