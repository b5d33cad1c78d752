#include "graphs/contour_page_frame.h"

#include <algorithm>
#include <vector>

#include "graphs/axis_labels.h"
#include "graphs/contour_page_marks.h"

namespace pave::graphs {

std::string ContourUnit(const SlabGraphProblem& p) {
  if (p.outmode == 1) return p.nunit == 0 ? "in.-lb/in." : "cm-kN/cm";
  return p.nunit == 0 ? "psi" : "kPa";
}

void DrawExtremesHeading(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab) {
  DrawingSurface& s = kit.Surface();
  const bool moments = p.outmode == 1;
  s.SetLineStyle(LineStyle::Solid);
  kit.QGTxtX(p.title, 0, 500, 50);
  s.SetFillColour(9);
  s.SetFillStyle(FillStyle::Solid);
  kit.Circle(270, 400, 60, 9);
  const char dir_letter = slab.XPage() ? 'X' : 'Y';
  const std::string max_label = std::string(moments ? "Max. Moment in " : "Max. Stress in ") + dir_letter + " Dir.=";
  const std::string min_label = std::string(moments ? "Min. M. in " : "Min. S. in ") + dir_letter + " Dir.=";
  kit.SHOWnum(500, 300, max_label, "#########0.0", slab.PageMax());
  DrawMinimumStar(kit, 4400, 230);
  kit.SHOWnum(4750, 300, min_label, "#########0.0", slab.PageMin());
  kit.Print(ContourUnit(p));
}

void DrawLoadLegend(PlotKit& kit, const SlabGraphProblem& p) {
  DrawingSurface& s = kit.Surface();
  const bool moments = p.outmode == 1;
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
}

void DrawLevelLegend(PlotKit& kit) {
  DrawingSurface& s = kit.Surface();
  constexpr float row = 6100;
  const float middle = row + static_cast<float>(s.TextHeight()) / 2;
  kit.Line(150, middle, 350, middle, 0);
  kit.QGTxtX(kSolidLevelText, 0, 500, row);
  s.SetLineStyle(LineStyle::Dotted);
  kit.Line(2250, middle, 2450, middle, 0);
  s.SetLineStyle(LineStyle::Solid);
  kit.QGTxtX(kDottedLevelText, 0, 2600, row);
  kit.QGTxtX(kRedLevelText, 12, 4500, row);
  kit.QGTxtX(kBlueLevelText, 9, 6700, row);
  s.SetForeColour(0);
}

PlanFrame DrawPlanFrame(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab) {
  DrawingSurface& s = kit.Surface();
  kit.QGTxtX(p.nunit == 0 ? "X COORDINATES IN in." : "X COORDINATES IN cm", 0, 2900, 5600);
  kit.QGtxtY("Y COORDINATES", 0, 100, 1800);
  s.SetFontSize(8);
  const int nx = slab.Columns(), ny = slab.Rows();
  const float xmax = slab.X(nx), ymax = slab.Y(ny);
  kit.QPlotSetup(9, 85, 32, 84, 0, xmax, 0, ymax);
  kit.PaintRCT(0, xmax, 0, ymax, 0);
  PlanFrame frame;
  frame.grid_first = s.Drawing().size();
  for (int i = 2; i <= nx - 1; ++i) kit.QLine(slab.X(i), slab.Y(1), slab.X(i), ymax, 0);
  for (int j = 2; j <= ny - 1; ++j) kit.QLine(slab.X(1), slab.Y(j), xmax, slab.Y(j), 0);
  frame.grid_end = s.Drawing().size();
  frame.low = kit.QRtoI(0, 0);
  return frame;
}

void BreakPlanGrid(DrawingSurface& surface, const PlanFrame& frame, const std::vector<PageBox>& boxes) {
  const float m = static_cast<float>(kPageOffset);
  std::vector<PageBox> at_page;
  for (const PageBox& b : boxes) at_page.push_back({b.left + m, b.top + m, b.right + m, b.bottom + m});
  std::vector<DrawnFigure> page;
  bool broken = false;
  const std::vector<DrawnFigure>& drawing = surface.Drawing();
  for (std::size_t n = 0; n < drawing.size(); ++n) {
    const DrawnFigure& f = drawing[n];
    if (n < frame.grid_first || n >= frame.grid_end || f.kind != DrawnFigure::Kind::Line) {
      page.push_back(f);
      continue;
    }
    const float x1 = static_cast<float>(f.x1), y1 = static_cast<float>(f.y1);
    const float dx = static_cast<float>(f.x2) - x1, dy = static_cast<float>(f.y2) - y1;
    const std::vector<SegmentSpan> parts = PartsClearOf(x1, y1, x1 + dx, y1 + dy, at_page);
    broken = broken || parts.size() != 1 || parts[0].enter != 0 || parts[0].leave != 1;
    for (const SegmentSpan& part : parts) {
      DrawnFigure piece = f;
      piece.x1 = x1 + part.enter * dx, piece.y1 = y1 + part.enter * dy;
      piece.x2 = x1 + part.leave * dx, piece.y2 = y1 + part.leave * dy;
      page.push_back(piece);
    }
  }
  if (!broken) return;
  const double x = surface.CurrentX(), y = surface.CurrentY();
  surface.Clear();
  surface.Redraw(page);
  surface.SetPosition(x, y);
}

void DrawBottomTexts(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab, float scale,
                     WindowPos low, ClearLabels& labels) {
  const std::string unit = ContourUnit(p);
  kit.QGTxtX("Contours in " + Str(scale) + " " + unit, 0, 5900, 5600);
  kit.QGTxtX("- sign for tension at bottom", 0, 5900, 5800);
  kit.SHOWnum(100, 5600, "Slab Layer ", "#", slab.Layer());
  if (p.nsy != 0) kit.QGtxtY("symmetry", 0, YSymmetryColumn(kit.Surface(), low.x), 2000);
  if (p.nsx != 0) labels.XSymmetry(kit.QRtoIX(slab.X(slab.Columns())), low.y, kContourPageWidth, 4500, 5150);
}

void DrawXNumbers(PlotKit& kit, const ContourPageSlab& slab, WindowPos low) {
  DrawingSurface& s = kit.Surface();
  s.SetFontSize(8);
  // Each number starts left of its coordinate by its own offset; numbers are left out where two
  // would stand closer than two blanks, or they read as one.
  struct XNumber {
    float left;
    const char* pattern;
  };
  const int nx = slab.Columns();
  std::vector<XNumber> numbers;
  std::vector<float> middle;
  float room = 500;
  for (int i = 1; i <= nx; ++i) {
    const float v = slab.X(i), x = kit.QRtoIX(v);
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
    if (numbered[static_cast<std::size_t>(i - 1)]) kit.SHOWn(n.left, low.y + 200, n.pattern, slab.X(i));
  }
}

void DrawYNumbers(PlotKit& kit, const ContourPageSlab& slab, WindowPos low) {
  DrawingSurface& s = kit.Surface();
  s.SetFontName("Courier New");
  s.SetFontSize(8);
  const int ny = slab.Rows();
  std::vector<float> at;
  for (int j = 1; j <= ny; ++j) at.push_back(kit.QRtoIY(slab.Y(j)));
  const std::vector<bool> numbered = NumberedCoordinates(at, static_cast<float>(s.TextHeight()));
  for (int j = 1; j <= ny; ++j) {
    if (!numbered[static_cast<std::size_t>(j - 1)]) continue;
    const float v = slab.Y(j);
    kit.SHOWn(low.x - 680, at[static_cast<std::size_t>(j - 1)] - 120, v < 10 ? "##0.#" : "##0", v);
  }
}

}  // namespace pave::graphs
