// Slab graph files for tests, written as the slab analysis writes them: one problem of one period
// and load group, slabs of uniform grids, node results of slab LS(1) from a given field.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/number_format.h"

namespace pave::graphs::testing {

struct SlabGraphText {
  struct Slab {
    int nx = 4, ny = 4;
    float width = 120, height = 96;
    int jono[4] = {0, 0, 0, 0};   // left, right, bottom, top
  };
  struct Area {
    int ls;
    float x1, x2, y1, y2, q;
  };
  struct Load {
    int node;   // counted over all slabs
    float value;
  };
  std::string title = "TEST SLABS";
  int nfound = 0, ndama = 0, nunit = 0, nlayer = 1, nsx = 0, nsy = 0;
  std::vector<Slab> slabs = {Slab{}};
  std::vector<Area> areas;
  std::vector<Load> forces, moments_x, moments_y;
  int ls1 = 1;
  // Result of node (column i, row j) of slab LS(1) in x and in y, layer l.
  std::function<float(int i, int j, int l)> rx = [](int i, int j, int) { return -10.0f * i * j; };
  std::function<float(int i, int j, int l)> ry = [](int i, int j, int) { return 5.0f * i - 3.0f * j; };

  std::string Text() const {
    auto n = [](auto v) { return GenNum(v); };
    std::string t = n(1) + "\r\n" + title + "\r\n" + n(nfound) + n(ndama) + n(1) + n(1) + "\r\n";
    t += n(static_cast<int>(slabs.size())) + n(0) + "\r\n";
    for (const Slab& s : slabs)
      t += n(s.nx) + n(s.ny) + n(s.jono[0]) + n(s.jono[1]) + n(s.jono[2]) + n(s.jono[3]) + "\r\n";
    t += n(nlayer) + n(nsx) + n(nsy) + n(nunit) + "\r\n";
    for (const Slab& s : slabs) {
      for (int i = 0; i < s.nx; ++i) t += n(s.width * static_cast<float>(i) / static_cast<float>(s.nx - 1));
      t += "\r\n";
      for (int j = 0; j < s.ny; ++j) t += n(s.height * static_cast<float>(j) / static_cast<float>(s.ny - 1));
      t += "\r\n";
    }
    for (int l = 1; l <= nlayer; ++l) t += n(8.0f) + n(0.15f) + n(4000000.0f) + "\r\n";
    t += n(static_cast<int>(areas.size())) + "\r\n";
    const bool moments = !moments_x.empty() || !moments_y.empty();
    const int outmode = moments ? 1 : 0;
    t += n(static_cast<int>(forces.size())) + n(static_cast<int>(moments_x.size())) +
         n(static_cast<int>(moments_y.size())) + n(outmode) + "\r\n";
    for (const Area& a : areas) t += n(a.ls) + n(a.x1) + n(a.x2) + n(a.y1) + n(a.y2) + n(a.q) + "\r\n";
    for (const auto* list : {&forces, &moments_x, &moments_y}) {
      if (list->empty()) continue;
      for (const Load& f : *list) t += n(f.node) + n(f.value);
      t += "\r\n";
    }
    t += n(1.0f) + "\r\n" + n(200.0f) + "\r\n";
    // The page: node results of slab LS(1), then per layer SMAX and the extremes.
    const Slab& s = slabs[static_cast<std::size_t>(ls1 - 1)];
    int before = 0;
    for (int k = 1; k < ls1; ++k) before += slabs[static_cast<std::size_t>(k - 1)].nx * slabs[static_cast<std::size_t>(k - 1)].ny;
    t += n(s.nx * s.ny) + n(ls1) + "\r\n";
    for (int i = 1; i <= s.nx; ++i)
      for (int j = 1; j <= s.ny; ++j)
        for (int l = 1; l <= nlayer; ++l) t += n(rx(i, j, l)) + n(ry(i, j, l));
    t += "\r\n";
    for (int l = 1; l <= nlayer; ++l) {
      // Extremes: the most negative and the largest value of each direction, with their nodes.
      float ext[4] = {0, 0, 0, 0};
      int node[4] = {0, 0, 0, 0};
      for (int i = 1; i <= s.nx; ++i) {
        for (int j = 1; j <= s.ny; ++j) {
          const int k = before + s.ny * (i - 1) + j;
          const float vx = rx(i, j, l), vy = ry(i, j, l);
          if (vx < ext[0]) ext[0] = vx, node[0] = k;
          if (vx > ext[1]) ext[1] = vx, node[1] = k;
          if (vy < ext[2]) ext[2] = vy, node[2] = k;
          if (vy > ext[3]) ext[3] = vy, node[3] = k;
        }
      }
      t += n(node[0]) + n(ext[0]) + n(before) + "\r\n";
      for (int e = 0; e < 4; ++e) t += n(node[e]) + n(ext[e]);
      t += "\r\n";
    }
    return t;
  }
};

}  // namespace pave::graphs::testing
