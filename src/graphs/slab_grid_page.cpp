#include "graphs/slab_grid_page.h"

#include <algorithm>
#include <cmath>

#include "graphs/clear_labels.h"
#include "graphs/graph_frame.h"

namespace pave::graphs {

PageForces ForcesOfPage(const SlabGraphProblem& p, int group) {
  PageForces f;
  const double scale = p.nunit != 0 ? 10000.0 : 1.0;
  for (int a = 1; a <= p.nudl[group]; ++a) {
    const LoadedArea& area = p.areas[a][group];
    const double force = (static_cast<double>(area.xl2) - area.xl1) * (static_cast<double>(area.yl2) - area.yl1) *
                         (static_cast<double>(area.qq) / scale);
    if (a == 1 || force > f.area_max) f.area_max = force;
    if (a == 1 || force < f.area_min) f.area_min = force;
  }
  for (int j = 1; j <= p.ncnf; ++j) {
    const float force = p.forces[j].value;
    if (j == 1 || force > f.nodal_max) f.nodal_max = force;
    if (j == 1 || force < f.nodal_min) f.nodal_min = force;
  }
  return f;
}

namespace {

void NodalForceTexts(PlotKit& kit, const SlabGraphProblem& p, const PageForces& f, float row) {
  kit.SHOWnum(500, row, "Concen. L.:Max.", "######0", f.nodal_max);
  kit.PRN(" Min.", "######0", f.nodal_min);
  kit.Print(p.nunit == 0 ? "lb" : "kN");
}

}  // namespace

void DrawSlabGridPage(PlotKit& kit, const SlabGraphProblem& p, const SlabGraphPage& page, int problem, int period,
                      int group, std::optional<float> design_life) {
  DrawingSurface& s = kit.Surface();
  const PageForces forces = ForcesOfPage(p, group);

  // 1 to 3: title and identification.
  kit.QGTxtX(p.title, 0, 500, 50);
  kit.SHOWnum(500, 300, "Problem No.", "##", problem);
  kit.PRN(" Period No.", "##", period);
  kit.PRN(" Load Group No.", "##", group);
  kit.PRN(" FSAF =", "##0.###", p.fsaf[period]);
  kit.SHOWnum(500, 600, "NSX =", "#0", p.nsx);
  kit.PRN(" NSY =", "#0", p.nsy);
  if (p.ndama != 0) kit.PRN(" TNLR =", "####0.####", p.tnlr[period][group]);

  // 4, 5: maximum stress with its marker's legend; cracking indices.
  s.SetForeColour(9);
  s.SetFillColour(9);
  s.SetFillStyle(FillStyle::Solid);
  kit.Circle(270, 945, 40, 9);
  kit.SHOWnum(500, 850, "Max. Stress =", "###0.###", page.smax[1]);
  if (p.nlayer == 2) kit.PRN(" & ", "###0.###", page.smax[2]);
  kit.Print(p.nunit == 0 ? "psi" : "kPa");
  if (p.ndama != 0) {
    kit.SHOWnum(6300, 5600, "CI =", "0.#####", page.ci[1]);
    if (p.nlayer == 2) kit.PRN(" & ", "0.#####", page.ci[2]);
  }
  s.SetForeColour(0);

  // 6 to 8: load legends.
  s.SetFillStyle(FillStyle::Transparent);
  if (p.nudl[group] == 0 && p.ncnf != 0) {
    kit.Circle(290, 1200, 60, 12);
    NodalForceTexts(kit, p, forces, 1100);
  }
  if (p.nudl[group] != 0) {
    kit.Box(250, 1250, 350, 1150, 13);
    kit.SHOWnum(500, 1100, "Uniform L.:Max.", "######0", forces.area_max);
    kit.PRN(" Min.", "######0", forces.area_min);
    kit.Print(p.nunit == 0 ? "lb" : "kN");
    if (p.ncnf != 0 && p.ndama == 0) {
      kit.Circle(280, 1450, 60, 12);
      NodalForceTexts(kit, p, forces, 1350);
    }
  }

  // 9, 10: axes of symmetry; the x axis's label of a single slab follows its plan.
  if (p.nsy != 0) {
    const float edge = SlabPlanWindow(p.nslab, 1).jc1 / 100 * static_cast<float>(kGraphPageWidth);
    kit.QGtxtY("symmetry", 0, YSymmetryColumn(s, edge), 2500);
  }
  if (p.nsx != 0 && p.nslab != 1) kit.QGTxtX("symmetry", 0, 4500, 5200);
  const SurfaceFont header_font = s.Font();

  // 11: design life on the problem's last page.
  if (design_life) {
    s.SetForeColour(2);
    kit.SHOWnum(500, 1350, "Design Life = ", "###.#0", *design_life);
    kit.Print(" yrs");
    s.SetForeColour(0);
  }

  // Axis titles, plan and profile.
  kit.QGTxtX(p.nunit == 0 ? "X COORDINATES IN in." : "X COORDINATES IN cm", 0, 3500, 5600);
  kit.QGtxtY("Y COORDINATES", 0, kYTitleColumn, 2000);
  const float plan_right = DrawSlabPlan(kit, p, page, group);
  if (p.nsx != 0 && p.nslab == 1) {
    // The plan's window is the slab's still: its bottom edge is the x axis.
    const SurfaceFont plan_font = s.Font();
    s.SetFontName(header_font.name);
    s.SetFontSize(header_font.size);
    s.SetFontBold(header_font.bold);
    ClearLabels(kit).XSymmetry(plan_right, kit.QRtoIY(0), kGraphPageWidth, 4500, 5200);
    s.SetFontName(plan_font.name);
    s.SetFontSize(plan_font.size);
    s.SetFontBold(plan_font.bold);
  }
  DrawSlabProfile(kit, p, plan_right);
}

}  // namespace pave::graphs
