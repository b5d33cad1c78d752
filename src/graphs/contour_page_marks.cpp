#include "graphs/contour_page_marks.h"

namespace pave::graphs {

void DrawMinimumStar(PlotKit& kit, float x, float y) {
  DrawingSurface& s = kit.Surface();
  s.SetFontSize(20);
  kit.QGTxtX("*", 12, x, y);
  s.SetFontSize(10);
}

void DrawLoadedAreas(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab) {
  for (int a = 1; a <= p.nudl[1]; ++a) {
    const LoadedArea& area = p.areas[a][1];
    if (slab.Holds(area)) kit.PaintRCT(area.xl1, area.xl2, area.yl1, area.yl2, 13);
  }
}

void DrawNodalMoments(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab, ClearLabels& labels) {
  if (p.outmode != 1) return;
  // The y labels, a row above their nodes, are written first, so that an x label beside its node
  // gives way.
  for (int j = 1; j <= p.ncmy; ++j) {
    const int node = slab.Own(p.moments_y[j].node);
    if (node == 0) continue;
    const WindowPos at = slab.Position(kit, node);
    labels.Write(p.moments_y[j].value < 0 ? "-Y" : "+Y", 13, at.x, at.y - 200);
  }
  for (int j = 1; j <= p.ncmx; ++j) {
    const int node = slab.Own(p.moments_x[j].node);
    if (node == 0) continue;
    const WindowPos at = slab.Position(kit, node);
    labels.Write(p.moments_x[j].value < 0 ? "-X" : "+X", 13, at.x + 100, at.y - 100);
  }
}

void MarkMinimumNode(PlotKit& kit, const ContourPageSlab& slab) {
  if (slab.PageMin() == 0) return;
  const WindowPos at = slab.Position(kit, slab.MinNode());
  DrawMinimumStar(kit, at.x - 120, at.y - 160);
}

void MarkMaximumNode(PlotKit& kit, const ContourPageSlab& slab) {
  if (slab.PageMax() == 0) return;
  DrawingSurface& s = kit.Surface();
  const WindowPos at = slab.Position(kit, slab.MaxNode());
  s.SetFillColour(9);
  s.SetFillStyle(FillStyle::Solid);
  kit.Circle(at.x, at.y, kMaximumMarkRadius, 9);
  s.SetFillStyle(FillStyle::Transparent);
}

std::vector<ForceMark> NodalForceMarks(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab,
                                       float scale) {
  DrawingSurface& s = kit.Surface();
  s.SetFontName("Courier New");
  s.SetFontSize(8);
  // The text's line ends a line's gap above the node, clear of the grid line through it.
  const float height = static_cast<float>(s.TextHeight());
  const float drop = kLineGapOver + height;
  std::vector<ForceMark> marks;
  for (int f = 1; f <= p.ncnf; ++f) {
    const int node = slab.Own(p.forces[f].node);
    if (node == 0) continue;
    const WindowPos at = slab.Position(kit, node);
    const std::string text = ForceNodeLabel(slab.Result(node), scale);
    const float left = at.x + 60, top = at.y - drop;
    marks.push_back({at, text, {left, top, left + static_cast<float>(s.TextWidth(text)), top + height}});
  }
  return marks;
}

void DrawNodalForces(PlotKit& kit, const std::vector<ForceMark>& marks) {
  DrawingSurface& s = kit.Surface();
  s.SetFontSize(8);
  s.SetFillColour(13);
  for (const ForceMark& m : marks) {
    s.SetFillStyle(FillStyle::Solid);
    kit.Circle(m.at.x, m.at.y, kForceMarkRadius, 13);
    s.SetFillStyle(FillStyle::Transparent);
    kit.QGTxtX(m.text, 13, m.label.left, m.label.top);
  }
}

}  // namespace pave::graphs
