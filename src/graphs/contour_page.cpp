#include "graphs/contour_page.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "graphs/axis_labels.h"
#include "graphs/clear_labels.h"
#include "graphs/contour_tracer.h"
#include "graphs/graph_frame.h"
#include "graphs/page_room.h"
#include "platform/platform.h"

namespace pave::graphs {

namespace {

std::string Unit(const SlabGraphProblem& p) {
  if (p.outmode == 1) return p.nunit == 0 ? "in.-lb/in." : "cm-kN/cm";
  return p.nunit == 0 ? "psi" : "kPa";
}

// The interval question, asked until the answer is a usable interval, each refused answer followed by
// a message saying what the question takes; nothing on cancel.
std::optional<ContourLevels> AskLevels(const ContourRange& range, const std::string& unit, const BoxPlace& ask_at) {
  const std::string prompt = "Contour Interval in " + Str(range.scale) + " " + unit;
  const std::string preset = BareStr(range.default_interval);
  for (;;) {
    const std::optional<std::string> answer =
        platform().messages().Input(prompt, kGraphMessageTitle, preset, ask_at);
    if (!answer) return std::nullopt;
    if (const std::optional<float> interval = IntervalAnswer(range, *answer)) return LevelsAt(range, *interval);
    platform().messages().Show(IntervalRule(range), MessageButtons::Ok, kGraphMessageTitle, ask_at);
  }
}

void Star(PlotKit& kit, float x, float y) {
  DrawingSurface& s = kit.Surface();
  s.SetFontSize(20);
  kit.QGTxtX("*", 12, x, y);
  s.SetFontSize(10);
}

}  // namespace

std::string ForceNodeLabel(float value, float scale) {
  float k = std::floor(value / scale + 1);
  if (k == 1) k = 0;
  // A whole number a long holds is written in plain digits; beyond, in the general number format.
  if (std::fabs(k) < 2147483648.0f) return Str(static_cast<long>(k));
  return Str(k);
}

std::string ContourCaption(const SlabGraphProblem& p, int problem, ContourDirection dir, int layer) {
  std::string caption = "PROBLEM " + Str(problem);
  if (p.nlayer == 2) caption += ", SLAB LAYER " + Str(layer);
  return caption + (dir == ContourDirection::X ? ", STRESSES IN X DIRECTION" : ", STRESSES IN Y DIRECTION");
}

bool ContourConditionsMet(const SlabGraphProblem& p) {
  return p.npy == 1 && p.nlg == 1 && p.ndama == 0 && p.outmode != 2;
}

GridNode LocateSlabNode(int node, int nx, int ny) {
  if (ny < 1 || node < 1 || node > nx * ny)
    throw DataError("slab graph file: node " + std::to_string(node) + " is not a node of the slab drawn");
  const int r = node % ny;
  return {(node - 1) / ny + 1, r == 0 ? ny : r};
}

bool DrawContourPage(PlotKit& kit, const SlabGraphProblem& p, const SlabGraphPage& page, ContourDirection dir,
                     int layer, GraphWindowHost& host) {
  DrawingSurface& s = kit.Surface();
  const bool x_page = dir == ContourDirection::X;
  const int L = layer;
  const int slab = page.ls1;
  const int nx = p.nx[slab], ny = p.ny[slab];
  if (page.nprint < nx * ny) throw DataError("slab graph file: fewer node results than nodes of the slab drawn");
  const int before = p.nodes_to[slab - 1];
  const LayerExtremes& e = page.extremes[L];
  const float page_max = x_page ? e.max_x : e.max_y;
  const float page_min = x_page ? e.min_x : e.min_y;
  const int max_node = (x_page ? e.node_max_x : e.node_max_y) - page.nodeoff[L];
  const int min_node = (x_page ? e.node_min_x : e.node_min_y) - page.nodeoff[L];
  const bool moments = p.outmode == 1;
  const std::string unit = Unit(p);
  auto x_of = [&](int i) { return p.x[i][slab]; };
  auto y_of = [&](int j) { return p.y[j][slab]; };
  auto result = [&](int entry) { return x_page ? page.res_x[entry][L] : page.res_y[entry][L]; };
  // A node of the load lists counted over all slabs, as a node of this slab; 0 when on another slab.
  auto own = [&](int node) { return node > before && node <= before + nx * ny ? node - before : 0; };
  auto position = [&](int node) {
    const GridNode g = LocateSlabNode(node, nx, ny);
    return kit.QRtoI(x_of(g.column), y_of(g.row));
  };

  // 1, 2. Title and the page's extremes.
  s.SetLineStyle(LineStyle::Solid);
  kit.QGTxtX(p.title, 0, 500, 50);
  s.SetFillColour(9);
  s.SetFillStyle(FillStyle::Solid);
  kit.Circle(270, 400, 60, 9);
  const char dir_letter = x_page ? 'X' : 'Y';
  const std::string max_label = std::string(moments ? "Max. Moment in " : "Max. Stress in ") + dir_letter + " Dir.=";
  const std::string min_label = std::string(moments ? "Min. M. in " : "Min. S. in ") + dir_letter + " Dir.=";
  kit.SHOWnum(500, 300, max_label, "#########0.0", page_max);
  Star(kit, 4400, 230);
  kit.SHOWnum(4750, 300, min_label, "#########0.0", page_min);
  kit.Print(unit);

  // 3. Load legend.
  s.SetForeColour(0);
  s.SetFillStyle(FillStyle::Transparent);
  kit.Box(250, 650, 350, 750, 13);
  kit.QGTxtX("Uniform Load", 13, 500, 600);
  if (moments || p.ncnf != 0) {
    s.SetFillColour(13);
    s.SetFillStyle(FillStyle::Solid);
    kit.Circle(2400, 700, 40, 13);
    s.SetFillStyle(FillStyle::Transparent);
    kit.QGTxtX("Nodal Load", 13, 2600, 600);
  }
  if (moments) kit.QGTxtX("+X, -X, +Y or -Y  Nodal Moment in X or Y", 13, 4200, 600);

  // 4. Axis titles.
  kit.QGTxtX(p.nunit == 0 ? "X COORDINATES IN in." : "X COORDINATES IN cm", 0, 2900, 5600);
  kit.QGtxtY("Y COORDINATES", 0, 100, 1800);
  s.SetFontSize(8);

  // 5. Plot window and grid.
  const float xmax = x_of(nx), ymax = y_of(ny);
  kit.QPlotSetup(9, 85, 32, 84, 0, xmax, 0, ymax);
  kit.PaintRCT(0, xmax, 0, ymax, 0);
  const WindowPos low = kit.QRtoI(0, 0);
  for (int i = 2; i <= nx - 1; ++i) kit.QLine(x_of(i), y_of(1), x_of(i), ymax, 0);
  for (int j = 2; j <= ny - 1; ++j) kit.QLine(x_of(1), y_of(j), xmax, y_of(j), 0);

  // 6. Loaded areas on this slab.
  for (int a = 1; a <= p.nudl[1]; ++a) {
    const LoadedArea& area = p.areas[a][1];
    if (area.ls == slab) kit.PaintRCT(area.xl1, area.xl2, area.yl1, area.yl2, 13);
  }

  // 7. Nodal moments on this slab. Labels of nodes close together keep clear of each other: the y
  // labels, a row above their nodes, are written first, so that an x label beside its node gives way.
  ClearLabels labels(kit);
  if (moments) {
    for (int j = 1; j <= p.ncmy; ++j) {
      const int node = own(p.moments_y[j].node);
      if (node == 0) continue;
      const WindowPos at = position(node);
      labels.Write(p.moments_y[j].value < 0 ? "-Y" : "+Y", 13, at.x, at.y - 200);
    }
    for (int j = 1; j <= p.ncmx; ++j) {
      const int node = own(p.moments_x[j].node);
      if (node == 0) continue;
      const WindowPos at = position(node);
      labels.Write(p.moments_x[j].value < 0 ? "-X" : "+X", 13, at.x + 100, at.y - 100);
    }
  }

  // 8. Place of the page's minimum.
  if (page_min != 0) {
    const WindowPos at = position(min_node);
    Star(kit, at.x - 120, at.y - 160);
  }

  // 9, 10. Levels, after the interval question; grid values in units of the scale.
  const ContourRange range = ContourRangeOf(page_max, page_min, moments);
  host.ShowWindow();
  const std::optional<ContourLevels> levels = AskLevels(range, unit, host.QuestionPlace());
  if (!levels) return false;
  auto z = std::make_unique<ContourValues>();
  for (int i = 1; i <= nx; ++i)
    for (int j = 1; j <= ny; ++j) (*z)[i][j] = result(ny * (i - 1) + j) / range.scale;

  // The nodal forces on this slab, with the result there in units of the scale: a mark at the node
  // and the result above it, a little right, clear of the grid line through it.
  struct ForceMark {
    WindowPos at;
    std::string text;
  };
  std::vector<ForceMark> force_marks;
  for (int f = 1; f <= p.ncnf; ++f) {
    const int node = own(p.forces[f].node);
    if (node != 0) force_marks.push_back({position(node), ForceNodeLabel(result(node), range.scale)});
  }
  s.SetFontName("Courier New");
  s.SetFontSize(8);
  // The result's line ends a line's gap above the node, clear of the grid line through it.
  const float force_label_drop = kLineGapOver + static_cast<float>(s.TextHeight());
  std::vector<PageBox> force_labels;
  for (const ForceMark& m : force_marks) {
    const float left = m.at.x + 60, top = m.at.y - force_label_drop;
    force_labels.push_back({left, top, left + static_cast<float>(s.TextWidth(m.text)), top + static_cast<float>(s.TextHeight())});
  }

  // 11. Contours, their numbers clear of what the page holds and of the marks still to come.
  ContourGridInput grid;
  for (int i = 1; i <= nx; ++i) grid.x.push_back(x_of(i));
  for (int j = 1; j <= ny; ++j) grid.y.push_back(y_of(j));
  grid.z = z.get();
  grid.con_lo = range.lo;
  PageRoom room;
  room.AddDrawing(s);
  for (const ForceMark& m : force_marks) room.AddCircle(m.at.x, m.at.y, 40, true);
  for (const PageBox& b : force_labels) room.AddText(b);
  if (page_max != 0) {
    const WindowPos at = position(max_node);
    room.AddCircle(at.x, at.y, 60, true);
  }
  TraceContours(kit, grid, *levels, room, force_labels);

  // 12. Nodal forces.
  s.SetFontSize(8);
  s.SetFillColour(13);
  for (const ForceMark& m : force_marks) {
    s.SetFillStyle(FillStyle::Solid);
    kit.Circle(m.at.x, m.at.y, 40, 13);
    s.SetFillStyle(FillStyle::Transparent);
    kit.QGTxtX(m.text, 13, m.at.x + 60, m.at.y - force_label_drop);
  }

  // 13. Place of the page's maximum.
  if (page_max != 0) {
    const WindowPos at = position(max_node);
    s.SetFillColour(9);
    s.SetFillStyle(FillStyle::Solid);
    kit.Circle(at.x, at.y, 60, 9);
    s.SetFillStyle(FillStyle::Transparent);
  }

  // 14. Bottom texts.
  kit.QGTxtX("Contours in " + Str(range.scale) + " " + unit, 0, 5900, 5600);
  kit.QGTxtX("- sign for tension at bottom", 0, 5900, 5800);
  kit.SHOWnum(100, 5600, "Slab Layer ", "#", L);
  if (p.nsy != 0) kit.QGtxtY("symmetry", 0, YSymmetryColumn(s, low.x), 2000);
  if (p.nsx != 0) labels.XSymmetry(kit.QRtoIX(xmax), low.y, kContourPageWidth, 4500, 5150);

  // 15. Numbers of the x coordinates, 200 twips under the plot.
  s.SetFontSize(8);
  {
    // Each number starts left of its coordinate by its own offset; numbers are left out where two
    // would stand closer than two blanks, or they read as one.
    struct XNumber {
      float left;
      const char* pattern;
    };
    std::vector<XNumber> numbers;
    std::vector<float> middle;
    float room = 500;
    for (int i = 1; i <= nx; ++i) {
      const float v = x_of(i), x = kit.QRtoIX(v);
      const XNumber n = i == nx ? XNumber{x - 300, "###0"}
                        : v < 10 ? XNumber{x - 200, "##0.#"}
                                 : XNumber{x - (v < 1000 ? 300.0f : 350.0f), "###0"};
      const float width = static_cast<float>(s.TextWidth(Formatted(v, n.pattern)));
      numbers.push_back(n);
      middle.push_back(n.left + width / 2);
      room = std::max(room, width + static_cast<float>(s.TextWidth("  ")));
    }
    const std::vector<bool> numbered = NumberedCoordinates(middle, room);
    for (int i = 1; i <= nx; ++i) {
      const XNumber& n = numbers[static_cast<std::size_t>(i - 1)];
      if (numbered[static_cast<std::size_t>(i - 1)]) kit.SHOWn(n.left, low.y + 200, n.pattern, x_of(i));
    }
  }

  // 16. Numbers of the y coordinates, left of the plot.
  s.SetFontName("Courier New");
  s.SetFontSize(8);
  {
    std::vector<float> at;
    for (int j = 1; j <= ny; ++j) at.push_back(kit.QRtoIY(y_of(j)));
    const std::vector<bool> numbered = NumberedCoordinates(at, static_cast<float>(s.TextHeight()));
    for (int j = 1; j <= ny; ++j) {
      if (!numbered[static_cast<std::size_t>(j - 1)]) continue;
      const float v = y_of(j);
      kit.SHOWn(low.x - 680, at[static_cast<std::size_t>(j - 1)] - 120, v < 10 ? "##0.#" : "##0", v);
    }
  }
  s.SetFontSize(10);
  return true;
}

}  // namespace pave::graphs
