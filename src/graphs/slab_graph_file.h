// Reading side of the slab graph file (".SLA") that the slab analysis writes, shared by the slab
// grid graph and the contour graph: per problem the input part (title, slabs and their grids, slab
// layers, loads, foundation), then for every period and load group one page block (node results,
// maximum stress and extremes of each slab layer, cracking indices), then the design life. Values
// are read as free-format items; the title is the whole of its line. Tables are indexed from 1 and
// sized to what the slab analysis writes. A file that exceeds a table, ends early or holds a text
// where a number belongs throws DataError.
//
// A problem that the analysis stopped stands in the file as its title followed by the line "STOPPED"
// and nothing else.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/free_format_reader.h"

namespace pave::graphs {

inline constexpr int kGraphSlabs = 6;            // NSLAB, LS
inline constexpr int kGraphSlabCoords = 60;      // NX, NY of one slab
inline constexpr int kGraphSlabLayers = 2;       // NLAYER
inline constexpr int kGraphSlabPeriods = 24;     // NPY (12 with a damage analysis)
inline constexpr int kGraphSlabGroups = 12;      // NLG, and NPY with a damage analysis
inline constexpr int kGraphSlabAreas = 24;       // loaded areas of one load group
inline constexpr int kGraphNodalLoads = 120;     // entries of each nodal-load list
inline constexpr int kGraphFoundationLayers = 6; // NL of a layered foundation
inline constexpr int kGraphNodeEntries = 420;    // NPRINT

template <typename T, int N>
using SlabRow = std::array<T, N + 1>;
template <typename T, int N, int M>
using SlabGrid = std::array<std::array<T, M + 1>, N + 1>;

struct LoadedArea {
  std::int16_t ls = 0;   // slab of the area
  float xl1 = 0, xl2 = 0, yl1 = 0, yl2 = 0;   // limits in that slab's axes
  float qq = 0;          // intensity as in the data file (psi or kPa)
};

struct NodalLoad {
  std::int16_t node = 0;   // counted over all slabs
  float value = 0;
};

struct SlabGraphProblem {
  std::string title;
  std::int16_t nfound = 0, ndama = 0, npy = 0, nlg = 0;
  std::int16_t nslab = 0, njoint = 0;
  SlabRow<std::int16_t, kGraphSlabs> nx{}, ny{};
  SlabGrid<std::int16_t, 4, kGraphSlabs> jono{};   // jono[side][slab]: 1 left, 2 right, 3 bottom, 4 top
  std::int16_t nlayer = 0, nsx = 0, nsy = 0, nunit = 0;
  SlabGrid<float, kGraphSlabCoords, kGraphSlabs> x{}, y{};   // x[i][slab]
  SlabRow<float, kGraphSlabLayers> t{}, pr{}, ym{};
  SlabRow<std::int16_t, kGraphSlabGroups> nudl{};
  std::int16_t ncnf = 0, ncmx = 0, ncmy = 0, outmode = 0;
  SlabGrid<LoadedArea, kGraphSlabAreas, kGraphSlabGroups> areas{};   // areas[a][group]
  SlabRow<NodalLoad, kGraphNodalLoads> forces{}, moments_x{}, moments_y{};
  SlabRow<float, kGraphSlabPeriods> fsaf{};
  float submod = 0, yms = 0, prs = 0;
  std::int16_t nl = 0;
  SlabRow<float, kGraphFoundationLayers> th{}, e{}, prbf{};
  SlabGrid<float, kGraphSlabGroups, kGraphSlabGroups> tnlr{};   // tnlr[period][group]
  // Nodes of slabs 1..s (0 before slab 1).
  SlabRow<std::int32_t, kGraphSlabs> nodes_to{};
};

// The four extremes of a slab layer, with their nodes counted over all slabs. "Maximum" is the
// algebraically smallest value (the largest tension at the bottom), "minimum" the largest.
struct LayerExtremes {
  std::int16_t node_max_x = 0, node_min_x = 0, node_max_y = 0, node_min_y = 0;
  float max_x = 0, min_x = 0, max_y = 0, min_y = 0;
};

struct SlabGraphPage {
  std::int16_t nprint = 0, ls1 = 0;
  // Node results of entry i in slab layer l: res_x[i][l], res_y[i][l].
  SlabGrid<float, kGraphNodeEntries, kGraphSlabLayers> res_x{}, res_y{};
  SlabRow<std::int32_t, kGraphSlabLayers> smax_node{};
  SlabRow<float, kGraphSlabLayers> smax{};
  SlabRow<std::int16_t, kGraphSlabLayers> nodeoff{};
  SlabRow<LayerExtremes, kGraphSlabLayers> extremes{};
  SlabRow<float, kGraphSlabLayers> ci{};
};

class SlabGraphReader {
 public:
  explicit SlabGraphReader(FreeFormatReader reader);
  static SlabGraphReader FromFile(const std::string& path);

  std::int16_t ProblemCount() const { return nprob_; }
  // The problem's title to its output mode (records 2 to 10). False when the file holds the problem
  // as stopped: only its title is read then (the other values keep what they held).
  bool ReadProblemHead(SlabGraphProblem& p);
  // The rest of the problem's input part: loaded areas, nodal loads, foundation adjustment factors,
  // foundation and load repetitions (records 11 to 15).
  void ReadProblemRest(SlabGraphProblem& p);
  // The block of one period and load group.
  void ReadPage(const SlabGraphProblem& p, SlabGraphPage& page);
  // The design life, after the last block of a problem with a damage analysis.
  float ReadDesignLife() { return in_.ReadSingle(); }
  bool AtEnd() const { return in_.AtEnd(); }

 private:
  FreeFormatReader in_;
  std::int16_t nprob_ = 0;
};

}  // namespace pave::graphs
