#include "graphs/contour_page_slab.h"

namespace pave::graphs {

ContourPageSlab::ContourPageSlab(const SlabGraphProblem& p, const SlabGraphPage& page, ContourDirection dir,
                                 int layer)
    : p_(p),
      page_(page),
      x_page_(dir == ContourDirection::X),
      layer_(layer),
      slab_(page.ls1),
      nx_(p.nx[page.ls1]),
      ny_(p.ny[page.ls1]),
      before_(p.nodes_to[page.ls1 - 1]) {
  if (page.nprint < nx_ * ny_) throw DataError("slab graph file: fewer node results than nodes of the slab drawn");
  const LayerExtremes& e = page.extremes[layer];
  page_max_ = x_page_ ? e.max_x : e.max_y;
  page_min_ = x_page_ ? e.min_x : e.min_y;
  max_node_ = (x_page_ ? e.node_max_x : e.node_max_y) - page.nodeoff[layer];
  min_node_ = (x_page_ ? e.node_min_x : e.node_min_y) - page.nodeoff[layer];
}

float ContourPageSlab::Result(int node) const {
  return x_page_ ? page_.res_x[node][layer_] : page_.res_y[node][layer_];
}

int ContourPageSlab::Own(int node) const {
  return node > before_ && node <= before_ + nx_ * ny_ ? node - before_ : 0;
}

WindowPos ContourPageSlab::Position(const PlotKit& kit, int node) const {
  const GridNode g = LocateSlabNode(node, nx_, ny_);
  return kit.QRtoI(X(g.column), Y(g.row));
}

}  // namespace pave::graphs
