// The slab a contour page draws, slab LS(1) of the problem, with the results of the page's direction
// and slab layer: its coordinates, its node results, the page's extremes and where its nodes stand.
#pragma once

#include "graphs/contour_page.h"

namespace pave::graphs {

class ContourPageSlab {
 public:
  // DataError when the page holds fewer node results than the slab has nodes.
  ContourPageSlab(const SlabGraphProblem& p, const SlabGraphPage& page, ContourDirection dir, int layer);

  bool XPage() const { return x_page_; }
  int Layer() const { return layer_; }
  int Columns() const { return nx_; }
  int Rows() const { return ny_; }
  float X(int i) const { return p_.x[i][slab_]; }
  float Y(int j) const { return p_.y[j][slab_]; }
  // The result of the node numbered `node` within the slab.
  float Result(int node) const;
  // A node of the load lists, counted over all slabs, as a node of this slab; 0 when on another slab.
  int Own(int node) const;
  // Where a node of this slab stands in the kit's plot window.
  WindowPos Position(const PlotKit& kit, int node) const;
  // The load lists name nodes over all slabs; only the loaded areas on this slab are drawn.
  bool Holds(const LoadedArea& area) const { return area.ls == slab_; }

  // The page's largest and smallest result and the nodes (within the slab) where they stand.
  float PageMax() const { return page_max_; }
  float PageMin() const { return page_min_; }
  int MaxNode() const { return max_node_; }
  int MinNode() const { return min_node_; }

 private:
  const SlabGraphProblem& p_;
  const SlabGraphPage& page_;
  bool x_page_;
  int layer_, slab_, nx_, ny_, before_;
  float page_max_, page_min_;
  int max_node_, min_node_;
};

}  // namespace pave::graphs
