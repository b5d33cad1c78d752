// Reading side of the layer graph file (".LAY") that the layered analysis writes: the values of one
// problem at a time, in the order the graph window needs them, read as free-format items (the line
// structure of the file does not matter; the title is the whole of its line). Tables are indexed
// from 1 and sized to what the layered analysis writes; values beyond the current counts keep what
// an earlier problem left. A file that exceeds a table, ends early or holds a text where a number
// belongs throws DataError.
//
// A problem that the analysis stopped before it was complete stands in the file as its title
// followed by the line "STOPPED" and nothing else, so that the problems after it can still be read.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/free_format_reader.h"
#include "common/run_outputs.h"
#include "common/value.h"

namespace pave::graphs {

inline constexpr int kGraphLayers = 19;      // NL, NZ, layer numbers of nonlinear layers (LAYNO)
inline constexpr int kGraphPeriods = 12;     // NPY, NLG
inline constexpr int kGraphRadial = 25;      // NR per load group
inline constexpr int kGraphPoints = 25;      // NPT per load group
inline constexpr int kGraphNonlinear = 12;   // NOLAY, NVL, layer numbers of viscoelastic layers (LNV)
inline constexpr int kGraphTimes = 15;       // NTYME

template <typename T, int N>
using Row = std::array<T, N + 1>;
template <typename T, int N, int M>
using Grid = std::array<std::array<T, M + 1>, N + 1>;

struct LayerGraphProblem {
  std::string title;
  std::int16_t matl = 0, ndama = 0, npy = 0, nlg = 0;
  std::int16_t nl = 0, nz = 0, nunit = 0;
  Row<float, kGraphLayers> th{}, pr{}, zc{}, gam{};
  Grid<float, kGraphLayers, kGraphPeriods> e{};  // E(layer, period)
  // Load groups.
  Row<std::int16_t, kGraphPeriods> load{}, nr{}, npt{};
  Row<float, kGraphPeriods> cr{}, cp{}, xw{}, yw{};
  Grid<float, kGraphRadial, kGraphPeriods> rc{};        // RC(i, group)
  Grid<float, kGraphPoints, kGraphPeriods> xpt{}, ypt{};
  // Nonlinear layers (MATL 2 and 4); constants stored under the layer number.
  std::int16_t nolay = 0;
  Row<std::int16_t, kGraphNonlinear> layno{};
  Row<float, kGraphNonlinear> zcnol{};
  float rcnol = 0, xptnol = 0, yptnol = 0, sld = 0;
  Row<std::int16_t, kGraphLayers> nclay{};
  Row<float, kGraphLayers> k0{}, k2{}, k3{}, k4{};
  Grid<float, kGraphLayers, kGraphPeriods> k1{}, emin{}, emax{}, phi{};
  // Viscoelastic layers (MATL 3 and 4); stored under the layer number.
  float dur = 0;
  std::int16_t nvl = 0, ntyme = 0;
  Row<std::int16_t, kGraphNonlinear> lnv{};
  Row<float, kGraphTimes> tyme{};
  Row<float, kGraphNonlinear> beta{}, tempref{};
  Grid<Value, kGraphNonlinear, kGraphTimes> creep{};
  Grid<float, kGraphNonlinear, kGraphPeriods> temp{};
  // Damage analysis (NDAMA not 0).
  std::int16_t nlbt = 0, nltc = 0;
  Grid<float, kGraphPeriods, kGraphPeriods> tnlr{};     // TNLR(period, group)
  Grid<float, kGraphPeriods, kGraphPeriods> drf{}, drp{};  // damage ratios shown, pass 2 added
  float sdrf = 0, sdrp = 0, dlife = 0;
};

class LayerGraphReader {
 public:
  explicit LayerGraphReader(FreeFormatReader reader);
  static LayerGraphReader FromFile(const std::string& path);

  // Number of problems, read from the head of the file.
  std::int16_t ProblemCount() const { return nprob_; }
  // Reads the next problem completely into `p`. False when the file holds the problem as stopped:
  // only its title is read then (the other values keep what they held).
  bool ReadProblem(LayerGraphProblem& p);
  // True when nothing but blanks and line ends remains.
  bool AtEnd() const { return in_.AtEnd(); }

 private:
  FreeFormatReader in_;
  std::int16_t nprob_ = 0;
};

}  // namespace pave::graphs
