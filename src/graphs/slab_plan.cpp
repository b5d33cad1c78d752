// The plan and the profile of a slab grid graph page.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphs/axis_labels.h"
#include "graphs/clear_labels.h"
#include "graphs/graph_frame.h"
#include "graphs/slab_grid_page.h"

namespace pave::graphs {

namespace {

// Percent windows (columns from the left, rows from the bottom) of the slabs, by the number of slabs.
// Five slabs take the places of the first five of six: slabs 1, 3 and 5 below, 2 and 4 above. A
// joint between a slab and the one above it has a gap as wide as the gap between two columns, where
// its label stands at the size of the other labels.
constexpr PlanWindow kOne[] = {{9, 85, 32, 74}};
constexpr PlanWindow kTwo[] = {{9, 45, 32, 74}, {49, 85, 32, 74}};
constexpr PlanWindow kThree[] = {{8, 28, 29, 65}, {35, 58, 32, 74}, {69, 95, 20, 70}};
constexpr PlanWindow kFour[] = {{9, 45, 32, 51}, {9, 45, 55, 74}, {49, 85, 32, 51}, {49, 85, 55, 74}};
constexpr PlanWindow kSix[] = {{8, 28, 29, 46}, {9, 32, 55, 74}, {35, 58, 32, 51},
                               {35, 58, 55, 74}, {61, 85, 32, 51}, {61, 85, 55, 74}};

// The window of slab i + 1 of a layout; the graph file's reader holds slab numbers to NSLAB, and a
// number beyond the layout keeps to its last window rather than read past the table.
template <std::size_t N>
PlanWindow WindowOf(const PlanWindow (&windows)[N], int i) {
  return windows[static_cast<std::size_t>(std::clamp(i, 0, static_cast<int>(N) - 1))];
}

bool HasDecimalPoint(float v) { return Str(v).find('.') != std::string::npos; }

// The slabs whose x coordinates are numbered, and those whose y coordinates are.
bool NumbersX(int nslab, int s) {
  switch (nslab) {
    case 1: return s == 1;
    case 2: return s <= 2;
    case 3: return s <= 3;
    case 4: return s == 1 || s == 3;
    default: return s == 1 || s == 3 || s == 5;
  }
}
bool NumbersY(int nslab, int s) { return s == 1 || (nslab == 4 && s == 2); }

std::string JointLabel(int joint) { return "JOINT " + std::to_string(joint); }

// Joint labels of slab s between the slabs, in green.
void JointLabels(PlotKit& kit, const SlabGraphProblem& p, int s) {
  auto jono = [&](int side) { return static_cast<int>(p.jono[side][s]); };
  auto in = [](int v, int hi) { return v >= 1 && v <= hi; };
  auto vertical = [&](int joint, float x, float y) { kit.QGtxtY(JointLabel(joint), 2, x, y); };
  // A joint between slab `below` and slab `above` it: the label in the middle of the gap between
  // them, clear of both edges.
  auto between = [&](int joint, float x, int below, int above) {
    const float page = static_cast<float>(kGraphPageHeight);
    const float lower = page * (1 - SlabPlanWindow(p.nslab, below).jr2 / 100);
    const float upper = page * (1 - SlabPlanWindow(p.nslab, above).jr1 / 100);
    kit.QGTxtX(JointLabel(joint), 2, x, (lower + upper - static_cast<float>(kit.Surface().TextHeight())) / 2);
  };
  switch (p.nslab) {
    case 2:
      if (s != 1) break;
      if (jono(2) == 1) {
        vertical(1, 4900, 2600);
      } else {
        kit.QGTxtX(JointLabel(1), 2, 2500, 1600);
      }
      break;
    case 3:
      if (s > 2) break;
      if (jono(2) == 1 || jono(2) == 2) {
        vertical(jono(2), 3570 + 2830 * (s - 1), 2600);
      } else {
        kit.QGTxtX(JointLabel(jono(4)), 2, 1800 + 2830 * static_cast<float>(s - 1), 1600);
      }
      break;
    case 4:
      if (s == 1) {
        if (in(jono(2), 4)) vertical(jono(2), 5000, 3600);
        if (in(jono(4), 4)) between(jono(4), 2600, 1, 2);
      } else if (s == 4) {
        if (in(jono(1), 4)) vertical(jono(1), 5000, 2000);
        if (in(jono(3), 4)) between(jono(3), 6900, 3, 4);
      }
      break;
    case 6:
      if (s == 1) {
        if (in(jono(2), 7)) vertical(jono(2), 3600, 3600);
        if (in(jono(4), 7)) between(jono(4), 1800, 1, 2);
      } else if (s == 4) {
        if (in(jono(1), 7)) vertical(jono(1), 3600, 2000);
        if (in(jono(2), 7)) vertical(jono(2), 6400, 2000);
        if (in(jono(3), 7)) between(jono(3), 4630, 3, 4);
      } else if (s == 5) {
        if (in(jono(1), 7)) vertical(jono(1), 6400, 3600);
        if (in(jono(4), 7)) between(jono(4), 7460, 5, 6);
      }
      break;
    default: break;
  }
}

void XNumbers(PlotKit& kit, const SlabGraphProblem& p, int s, float y0) {
  DrawingSurface& surface = kit.Surface();
  surface.SetFontName(p.nslab > 1 ? "MS Serif" : "Courier New");
  surface.SetFontSize(p.nslab == 3 || p.nslab == 6 ? 6 : 8);
  surface.SetForeColour(0);
  // Each number starts left of its coordinate by its own offset; numbers are left out where two
  // would stand closer than two blanks, or they read as one.
  std::vector<float> left, middle;
  float room = 400;
  for (int i = 1; i <= p.nx[s]; ++i) {
    const float v = p.x[i][s];
    const float d = v < 10 ? 100.0f : v < 100 ? 160.0f : v < 1000 ? 240.0f : 320.0f;
    const float h = HasDecimalPoint(v) ? -100.0f : 0.0f;
    const float width = static_cast<float>(surface.TextWidth(Formatted(v, "###.0")));
    left.push_back(kit.QRtoIX(v) - d + h);
    middle.push_back(left.back() + width / 2);
    room = std::max(room, width + static_cast<float>(surface.TextWidth("  ")));
  }
  const std::vector<bool> numbered = NumberedCoordinates(middle, room);
  for (int i = 1; i <= p.nx[s]; ++i) {
    if (numbered[static_cast<std::size_t>(i - 1)]) kit.SHOWn(left[static_cast<std::size_t>(i - 1)], y0 + 200, "###.0", p.x[i][s]);
  }
}

// The numbers of the y coordinates left of the slab, right-aligned kYNumberGap off its edge (a number
// too wide for the room before the title nearer to the edge). A number
// that would stand over one drawn for another slab (the shared edge of two slabs one above the
// other) is left out.
void YNumbers(PlotKit& kit, const SlabGraphProblem& p, int s, float x0, std::vector<float>& drawn) {
  DrawingSurface& surface = kit.Surface();
  const float line = static_cast<float>(surface.TextHeight());
  std::vector<float> at;
  for (int j = 1; j <= p.ny[s]; ++j) at.push_back(kit.QRtoIY(p.y[j][s]));
  const std::vector<bool> numbered = NumberedCoordinates(at, line);
  for (int j = 1; j <= p.ny[s]; ++j) {
    const float y = at[static_cast<std::size_t>(j - 1)];
    if (!numbered[static_cast<std::size_t>(j - 1)]) continue;
    if (std::any_of(drawn.begin(), drawn.end(), [&](float d) { return std::fabs(d - y) < line; })) continue;
    const std::string text = Formatted(p.y[j][s], "###.0");
    kit.SHOWn(std::max(x0 - kYNumberGap - static_cast<float>(surface.TextWidth(text)), kYNumbersFrom), y - 120, "###.0",
              p.y[j][s]);
    drawn.push_back(y);
  }
}

// Position of a node of slab s, in data coordinates of that slab.
void NodeCircle(PlotKit& kit, const SlabGraphProblem& p, const SlabNode& node, float radius, int colour) {
  const WindowPos at = kit.QRtoI(p.x[node.column][node.slab], p.y[node.row][node.slab]);
  kit.Circle(at.x, at.y, radius, colour);
}

}  // namespace

PlanWindow SlabPlanWindow(int nslab, int s) {
  const int i = s - 1;
  switch (nslab) {
    case 1: return WindowOf(kOne, i);
    case 2: return WindowOf(kTwo, i);
    case 3: return WindowOf(kThree, i);
    case 4: return WindowOf(kFour, i);
    default: return WindowOf(kSix, i);
  }
}

SlabNode LocateNode(const SlabGraphProblem& p, long node) {
  for (int s = 1; s <= p.nslab; ++s) {
    if (node > p.nodes_to[s - 1] && node <= p.nodes_to[s]) {
      const long k = node - p.nodes_to[s - 1];
      const long ny = p.ny[s];
      const long r = k % ny;
      return {s, static_cast<int>((k - 1) / ny + 1), static_cast<int>(r == 0 ? ny : r)};
    }
  }
  return {};
}

float DrawSlabPlan(PlotKit& kit, const SlabGraphProblem& p, const SlabGraphPage& page, int group) {
  DrawingSurface& surface = kit.Surface();
  float right = 0;
  std::vector<float> y_numbers;
  for (int s = 1; s <= p.nslab; ++s) {
    const float xmax = p.x[p.nx[s]][s], ymax = p.y[p.ny[s]][s];
    surface.SetFontSize(8);
    JointLabels(kit, p, s);

    const PlanWindow w = SlabPlanWindow(p.nslab, s);
    kit.QPlotSetup(w.jc1, w.jc2, w.jr1, w.jr2, 0, xmax, 0, ymax);
    kit.PaintRCT(0, xmax, 0, ymax, 0);
    const WindowPos origin = kit.QRtoI(0, 0);
    right = std::max(right, kit.QRtoIX(xmax));

    for (int i = 2; i <= p.nx[s] - 1; ++i) kit.QLine(p.x[i][s], p.y[1][s], p.x[i][s], ymax, 0);
    for (int j = 2; j <= p.ny[s] - 1; ++j) kit.QLine(p.x[1][s], p.y[j][s], xmax, p.y[j][s], 0);

    for (int a = 1; a <= p.nudl[group]; ++a) {
      const LoadedArea& area = p.areas[a][group];
      if (area.ls == s) kit.PaintRCT(area.xl1, area.xl2, area.yl1, area.yl2, 13);
    }

    surface.SetFillStyle(FillStyle::Transparent);
    for (int j = 1; j <= p.ncnf; ++j) {
      const SlabNode node = LocateNode(p, p.forces[j].node);
      if (node.slab == s) NodeCircle(kit, p, node, 60, 12);
    }
    const SlabNode smax = LocateNode(p, page.smax_node[1]);
    if (smax.slab == s) {
      surface.SetFillColour(9);
      surface.SetFillStyle(FillStyle::Solid);
      NodeCircle(kit, p, smax, 40, 9);
      surface.SetFillStyle(FillStyle::Transparent);
    }

    if (NumbersX(p.nslab, s)) XNumbers(kit, p, s, origin.y);
    surface.SetFontName("Courier New");
    surface.SetFontSize(8);
    if (NumbersY(p.nslab, s)) YNumbers(kit, p, s, origin.x, y_numbers);
  }
  return right;
}

void DrawSlabProfile(PlotKit& kit, const SlabGraphProblem& p, float plan_right) {
  // Depths of the boundaries from the top of the slab.
  std::vector<float> depth{0};
  for (int l = 1; l <= p.nlayer; ++l) depth.push_back(depth.back() + p.t[l]);
  if (p.nfound == 2) {
    for (int l = 1; l <= p.nl - 1; ++l) depth.push_back(depth.back() + p.th[l]);
  }
  const float width = p.x[p.nx[1]][1];
  const float deepest = depth.back();
  kit.QPlotSetup(56, 85, 75, 91, 0, width, 1.5f * deepest, 0);
  kit.PaintRCT(0, width, 1.5f * deepest, 0, 0);
  const WindowPos corner = kit.QRtoI(width, 0);
  const float x0 = kit.QRtoIX(0);
  const char* stress = p.nunit == 0 ? "psi" : "kPa";

  float previous = 0;
  for (std::size_t i = 0; i < depth.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    const float z = depth[i];
    const float y = kit.QRtoIY(z);
    const bool room = k == 1 || y - previous > 50;
    if (room) {   // right-aligned, clear of the vertical title
      const float width = static_cast<float>(kit.Surface().TextWidth(Formatted(z, "##0.0")));
      kit.SHOWn(x0 - 60 - width, y - 100, "##0.0", z);
    }
    // The layer's values just under its top, clear of the lines around them.
    const float below = kit.QRtoIY(i + 1 < depth.size() ? depth[i + 1] : 1.5f * deepest);
    const float tx = x0 + kBandIndent;
    const float ty = y + BandTextDrop(y, below, static_cast<float>(kit.Surface().TextHeight()));
    if (k <= p.nlayer) {
      kit.SHOWnum(tx, ty, "YM =", "0.000E+00", p.ym[k]);
      kit.Print(stress);
      kit.PRN(" PR =", "0.####", p.pr[k]);
    } else if (p.nfound == 0) {
      kit.SHOWnum(tx, ty, "SUBMOD =", "###0.###", p.submod);
      kit.Print(p.nunit == 0 ? "pci" : "kN/m3");
    } else if (p.nfound == 1) {
      kit.SHOWnum(tx, ty, "YMS =", "0.000E+00", p.yms);
      kit.Print(stress);
      kit.PRN(" PRS =", "0.####", p.prs);
    } else if (p.nfound == 2 && room) {
      const int l = k - p.nlayer;
      kit.SHOWnum(tx, ty, "E =", "0.000E+00", p.e[l]);
      kit.Print(stress);
      kit.PRN(" PRBF =", "0.####", p.prbf[l]);
    }
    if (k > 1) kit.QLine(0, z, width, z, 0);
    previous = y;
  }

  // The plan's title right of the profile, or of the plan where a slab reaches further right.
  kit.QGtxtY("PLAN", 0, std::max(corner.x, plan_right) + 50, 2900);
  kit.QGtxtY("PROFILE", 0, corner.x + 50, corner.y - 300);
  kit.QGtxtY("DEPTH", 0, x0 - 650, corner.y - 50);
}

}  // namespace pave::graphs
