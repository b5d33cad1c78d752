#include "graphs/layer_graph_page.h"

#include <algorithm>
#include <cmath>

#include "graphs/clear_labels.h"
#include "graphs/page_room.h"

namespace pave::graphs {

namespace {

// The column right of the plan and the profile: load data, legend, damage sums.
constexpr float kRightColumn = 6100;
// Between the depth numbers and the profile's left edge.
constexpr float kDepthGap = 100;
// The row of the distance axis's numbers (the plotting kit's).
constexpr float kAxisNumberRow = 5250;
// Kept between a wheel of the plan and the plan's axis with its ticks; the most the axis moves left
// for it (its numbers then still stand clear of the plan's title).
constexpr float kWheelClearance = 45;
constexpr float kMostAxisShift = 120;

// A wheel of the plan: its centre and its radii across and up, in page twips.
struct Wheel {
  float x = 0, y = 0, rx = 0, ry = 0;
};

// The wheel at the plan's origin, drawn to the plan's two scales. Leaves the kit set up for the plan.
Wheel OriginWheel(PlotKit& kit, float cr, float xmax, float ymax) {
  kit.QPlotSetup(13, 53, 70, 91, 0, xmax, 0, ymax);
  const float x = kit.QRtoIX(0), y = kit.QRtoIY(0);
  return {x, y, kit.QRtoIX(cr) - x, y - kit.QRtoIY(cr)};
}

// How far a text line from `left` to `right` whose top stands at `top` moves down to keep clear of
// the lower half of the wheel above it: at most one line height, so that it stays by what it marks.
float DropUnderWheel(const Wheel& w, float left, float right, float top, float line) {
  const float nearest = std::clamp(w.x, left, right) - w.x;
  if (w.rx <= 0 || std::fabs(nearest) >= w.rx) return 0;
  const float lowest = w.y + w.ry * std::sqrt(1 - (nearest / w.rx) * (nearest / w.rx));
  return std::clamp(lowest + kLineGapOver + kHalfPen - top, 0.0f, line);
}

struct Units {
  const char* stress;    // psi, kPa
  const char* length;    // in., cm
  const char* weight;    // pcf, kN/m3
  const char* temp;      // F, C
  const char* shift;     // per F, per C
};

Units UnitsOf(const LayerGraphProblem& p) {
  if (p.nunit == 0) return {"psi", "in.", "pcf", "F", "per F"};
  return {"kPa", "cm ", "kN/m3", "C", "per C"};
}

// The first nonlinear sequence number whose layer is L, or 0.
int NonlinearIndex(const LayerGraphProblem& p, int layer) {
  if (p.matl != 2 && p.matl != 4) return 0;
  for (int i = 1; i <= p.nolay; ++i)
    if (p.layno[i] == layer) return i;
  return 0;
}

bool IsViscoelastic(const LayerGraphProblem& p, int layer) {
  if (p.matl != 3 && p.matl != 4) return false;
  for (int i = 1; i <= p.nvl; ++i)
    if (p.lnv[i] == layer) return true;
  return false;
}

// "E =" and "PR =" (MATL 3 layers that are not viscoelastic), with " GAM =" (MATL 2 and 4).
void ElasticLabel(PlotKit& kit, const LayerGraphProblem& p, const Units& u, int l, int period, float left, float y,
                  bool with_gam) {
  kit.SHOWnum(left, y, "E =", "0.000E+00", p.e[l][period]);
  kit.Print(u.stress);
  kit.PRN("  PR =", "0.###", p.pr[l]);
  if (with_gam) {
    kit.PRN(" GAM =", "###0.###", p.gam[l]);
    kit.Print(u.weight);
  }
}

void NonlinearLabel(PlotKit& kit, const LayerGraphProblem& p, const Units& u, int l, int period, float left, float y) {
  if (p.nclay[l] == 1) {
    kit.SHOWnum(left, y, "K1 =", "######0.###", p.k1[l][period]);
    kit.Print(u.stress);
    kit.PRN("  PR =", "0.###", p.pr[l]);
    kit.PRN("  K0 =", "0.###", p.k0[l]);
    kit.PRN("  GAM =", "###0.###", p.gam[l]);
    kit.Print(u.weight);
    if (l == p.nl) {
      kit.SHOWnum(left, y + 200, "EMIN =", "0.000E+00", p.emin[l][period]);
      kit.Print(u.stress);
      kit.PRN("  EMAX =", "0.000E+00", p.emax[l][period]);
      kit.Print(u.stress);
      kit.PRN("  K2 =", "####0.###", p.k2[l]);
      kit.Print(u.stress);
      kit.PRN("  K3 =", "####0.###", p.k3[l]);
      kit.PRN(" K4 =", "####0.###", p.k4[l]);
    }
  } else {
    kit.SHOWnum(left, y, "K1 =", "######0.###", p.k1[l][period]);
    kit.Print(u.stress);
    kit.PRN("  K2 =", "0.###", p.k2[l]);
    kit.PRN(" PR =", "0.###", p.pr[l]);
    kit.PRN("  PHI =", "##0.###", p.phi[l][period]);
    kit.PRN(" K0 =", "0.###", p.k0[l]);
    kit.PRN(" GAM =", "###0.###", p.gam[l]);
    kit.Print(u.weight, true);
  }
}

// Viscoelastic layer: the shift values and temperatures, then the creep compliances on two lines
// (values beyond the number of creep times are not shown).
void ViscoelasticLabel(PlotKit& kit, const LayerGraphProblem& p, const Units& u, int l, int period, float left,
                       float y) {
  const char* const kCreep = "0.000E+00";
  kit.SHOWnum(left, y, "PR =", "0.###", p.pr[l]);
  kit.PRN(" BETA =", "0.###", p.beta[l]);
  kit.Print(u.shift);
  kit.PRN("  TEMPREF =", "##0.###", p.tempref[l]);
  kit.Print(u.temp);
  kit.PRN("  TEMP =", "##0.###", p.temp[l][period]);
  kit.Print(u.temp);
  const int n = p.ntyme;
  // The lines a line apart, so that no descender touches the line under it.
  const float pitch = static_cast<float>(kit.Surface().TextHeight());
  if (p.matl == 3) {
    kit.Print("   CREEP are:", true);
    if (n >= 1) kit.SHOWn(left, y + pitch, kCreep, p.creep[l][1]);
    for (int t = 2; t <= std::min(n, 6); ++t) kit.PRN(" ", kCreep, p.creep[l][t]);
    if (n >= 7) kit.SHOWn(left, y + 2 * pitch, kCreep, p.creep[l][7]);
    for (int t = 8; t <= n; ++t) kit.PRN(" ", kCreep, p.creep[l][t]);
    kit.Print(p.nunit == 0 ? " per psi" : " per kPa", true);
  } else {
    kit.Print("  CREEP are:", true);
    if (n >= 1) {
      kit.SHOWn(left, y + pitch, kCreep, p.creep[l][1]);
      kit.Print(" ");
    }
    for (int t = 2; t <= std::min(n, 7); ++t) kit.Print(Formatted(p.creep[l][t], kCreep) + " ");
    if (n >= 8) {
      kit.SHOWn(left, y + 2 * pitch, kCreep, p.creep[l][8]);
      kit.Print(" ");
    }
    for (int t = 9; t <= n; ++t) kit.Print(Formatted(p.creep[l][t], kCreep) + " ");
    kit.PRN(p.nunit == 0 ? "per psi  GAM =" : "per kPa  GAM =", "###0.###", p.gam[l]);
    kit.Print(p.nunit == 0 ? " pcf" : " kN/m3", true);
  }
}

// The labels of layer L inside the layer, just under its top, and the modulus point of a nonlinear
// layer.
void LayerLabels(PlotKit& kit, const LayerGraphProblem& p, const Units& u, int l, int period, int group, float left,
                 float y) {
  const int nonlinear = NonlinearIndex(p, l);
  const bool visco = IsViscoelastic(p, l);
  switch (p.matl) {
    case 1:
      kit.SHOWnum(left, y, "E =", "#.###E+##", p.e[l][period]);
      kit.Print(u.stress);
      kit.PRN("  PR =", "0.###", p.pr[l]);
      break;
    case 2:
      if (nonlinear) {
        NonlinearLabel(kit, p, u, l, period, left, y);
      } else {
        ElasticLabel(kit, p, u, l, period, left, y, true);
      }
      break;
    case 3:
      if (visco) {
        ViscoelasticLabel(kit, p, u, l, period, left, y);
      } else {
        ElasticLabel(kit, p, u, l, period, left, y, false);
      }
      break;
    case 4:
      if (visco) {
        ViscoelasticLabel(kit, p, u, l, period, left, y);
      } else if (nonlinear) {
        NonlinearLabel(kit, p, u, l, period, left, y);
      } else {
        ElasticLabel(kit, p, u, l, period, left, y, true);
      }
      break;
    default: break;
  }
  if (nonlinear && !visco) {
    DrawingSurface& s = kit.Surface();
    const float z = p.zcnol[nonlinear];
    const float x = (p.load[group] == 0 ? p.rcnol : p.xptnol) + p.sld * z;
    const WindowPos at = kit.QRtoI(x, z);
    s.SetFillColour(10);
    s.SetFillStyle(FillStyle::Solid);
    kit.Circle(at.x, at.y, 20, 10);
    s.SetFillStyle(FillStyle::Transparent);
  }
}

}  // namespace

Row<float, kGraphLayers> LayerTops(const LayerGraphProblem& p) {
  Row<float, kGraphLayers> ztop{};
  for (int l = 2; l <= p.nl; ++l) ztop[l] = ztop[l - 1] + p.th[l - 1];
  return ztop;
}

float ProfileDepth(const LayerGraphProblem& p, const Row<float, kGraphLayers>& ztop) {
  float deepest = p.nl >= 1 ? ztop[p.nl] : 0.0f;
  if (deepest <= 0) {
    for (int i = 1; i <= p.nz; ++i) deepest = std::max(deepest, p.zc[i]);
  }
  if (deepest <= 0) deepest = (p.nunit == 0 ? 100.0f : 250.0f) / 10.0f;
  return 1.5f * deepest;
}

DepthTick ResponseDepthTick(float z, const Row<float, kGraphLayers>& ztop, int nl) {
  if (z <= 0) return {-0.075f, 0.075f};
  DepthTick tick{z - 0.075f, z + 0.075f};
  for (int l = 1; l <= nl; ++l) {
    if (z == ztop[l]) return {z - 0.15f, z - 0.3f};
    const float below = z - ztop[l];
    if (below > 0 && below < 0.001f) return {z + 0.15f, z + 0.3f};
  }
  return tick;
}

void DrawLayerGraphPage(PlotKit& kit, const LayerGraphProblem& p, int problem, int period, int group) {
  DrawingSurface& s = kit.Surface();
  const Units u = UnitsOf(p);
  const int J = period, K = group;
  const Row<float, kGraphLayers> ztop = LayerTops(p);
  const float xmax = p.nunit == 0 ? 100.0f : 250.0f;
  const float ymax = p.nunit == 0 ? 30.0f : 75.0f;
  const float depth = ProfileDepth(p, ztop);

  // 1. Profile window.
  kit.QPlotSetup(13, 53, 34, 63, 0, xmax, depth, 0);

  // 2, 3. Header.
  s.SetFontSize(10);
  s.SetFontBold(true);
  kit.SHOWnum(500, 300, "Problem No.", "##", problem);
  kit.PRN(" Period No.", "##", J);
  kit.PRN(" Load Group No.", "##", K);
  if (p.ndama != 0) {
    kit.PRN("  TNLR =", "#####0.###", p.tnlr[J][K]);
    kit.SHOWnum(1200, 550, "Damage Ratio: Fatigue C. =", "0.#####", p.drf[J][K]);
    kit.SHOWnum(2880, 750, "P. Deform. =", "0.#####", p.drp[J][K]);
    if (J == p.npy && K == p.nlg) {
      // Under the row of the distance axis's numbers, so that the last of them does not read as
      // the start of the first line; a line apart, so that no two lines touch.
      const float pitch = static_cast<float>(s.TextHeight());
      s.SetForeColour(2);
      kit.SHOWnum(kRightColumn, kAxisNumberRow + pitch, "D.R.(Fatigue C.) = ", "0.######", p.sdrf);
      kit.SHOWnum(kRightColumn, kAxisNumberRow + 2 * pitch, "D.R.(P. Deform.) = ", "0.######", p.sdrp);
      kit.SHOWnum(kRightColumn, kAxisNumberRow + 3 * pitch, "Design Life = ", "###.##", p.dlife);
      kit.Print("yrs", true);
      s.SetForeColour(0);
    }
  }

  // 4. Frame of the profile.
  s.SetForeColour(0);
  s.SetPenWidth(1);
  kit.QLine(0, depth, xmax, depth, 0);
  kit.QLine(0, 0, xmax, 0, 0);
  kit.QLine(-1, depth, -1, 0, 0);

  // 5. Response depths at every radial coordinate or response point of the group.
  s.SetPenWidth(3);
  const bool single = p.load[K] == 0;
  const int points = single ? p.nr[K] : p.npt[K];
  for (int i = 1; i <= p.nz; ++i) {
    const DepthTick tick = ResponseDepthTick(p.zc[i], ztop, p.nl);
    for (int m = 1; m <= points; ++m) {
      const float x = single ? p.rc[m][K] : p.xpt[m][K];
      kit.QLine(x, tick.a, x, tick.b, 13);
    }
  }
  s.SetPenWidth(1);

  // 6. Edges of the profile.
  float left = kit.QRtoIX(0), bottom = kit.QRtoIY(depth);
  float top = kit.QRtoIY(0), right = kit.QRtoIX(xmax);

  // 7. Layers: depth of the top, material values, interface below. The surface's depth stands clear
  // of the wheel at the plan's origin, which reaches down toward it.
  const float edge = kit.QRtoIX(-1);   // the profile's left edge line
  const Wheel wheel = OriginWheel(kit, p.cr[K], xmax, ymax);
  kit.QPlotSetup(13, 53, 34, 63, 0, xmax, depth, 0);
  for (int l = 1; l <= p.nl; ++l) {
    const float y = kit.QRtoIY(ztop[l]);
    s.SetFontSize(10);
    // The depth of the top, level with it and right-aligned clear of the profile's left edge.
    const float width = static_cast<float>(s.TextWidth(Formatted(ztop[l], "##0.0")));
    const float at = edge - kDepthGap - width;
    const float sink = l == 1 ? DropUnderWheel(wheel, at, at + width, y - 100, static_cast<float>(s.TextHeight())) : 0;
    kit.SHOWn(at, y - 100 + sink, "##0.0", ztop[l]);
    s.SetFontSize(8);
    // The material values just under the layer's top, clear of the interface lines above and below
    // (when the layer is high enough) and of the points marked at the profile's left edge.
    const float below = kit.QRtoIY(l < p.nl ? ztop[l + 1] : depth);
    const float drop = BandTextDrop(y, below, static_cast<float>(s.TextHeight()));
    LayerLabels(kit, p, u, l, J, K, left + kBandIndent, y + drop);
    s.SetFontSize(10);
    if (l < p.nl) kit.QLine(0, ztop[l + 1], xmax, ztop[l + 1], 0);
  }

  // 8. Distance axis under the profile.
  kit.dxVal = xmax / 5;
  kit.dxPix = (right - left) / 5;
  kit.QXaxis(left, bottom);

  // 9. Titles.
  s.SetFontSize(10);
  {
    // In the last layer, under its labels: where they reach the place of the title, it stands at the
    // profile's right end instead.
    const char* const title = "SUBGRADE";
    const float width = static_cast<float>(s.TextWidth(title)), height = static_cast<float>(s.TextHeight());
    PageRoom texts;
    texts.AddDrawing(s, /*texts_only=*/true);
    const bool clear = texts.Clear({2300, bottom - 200, 2300 + width, bottom - 200 + height});
    kit.QGTxt(title, 9, clear ? 2300 : right - kBandIndent - width, bottom - 200);
  }
  kit.QGTxt(p.nunit == 0 ? "DISTANCE IN INCHES" : "DISTANCE IN CENTIMETERS", 0, 2200, 5600);
  kit.QGtxtY(p.nunit == 0 ? "DEPTH in" : "DEPTH cm", 0, 550, 2800);
  kit.QGTxt(p.title, 0, 500, 50);

  // 10, 11, 12. Plan window, contact radius and the plan's axis. The axis stands clear of the wheel
  // at the origin: a wheel wider than the room before the axis moves the axis, its ticks and its
  // numbers left by what it lacks (as far as the title beside them leaves room).
  kit.QPlotSetup(13, 53, 70, 91, 0, xmax, 0, ymax);
  right = kit.QRtoIX(xmax), top = kit.QRtoIY(ymax);
  left = kit.QRtoIX(0), bottom = kit.QRtoIY(0);
  // The contact radius to each of the plan's two scales: the wheels are ellipses where they differ.
  const float r = kit.QRtoIX(p.cr[K]) - left;
  const float ry = bottom - kit.QRtoIY(p.cr[K]);
  const float axis = kit.QRtoIX(p.nunit == 0 ? -10.0f : -25.0f);
  const float shift = std::clamp(r + kWheelClearance - (left - axis), 0.0f, kMostAxisShift);
  kit.Line(axis - shift, bottom, axis - shift, top, 0);
  kit.dyVal = ymax / 3;
  kit.dyPix = (bottom - top) / 3;
  kit.QYaxis(left - shift, bottom, 450 - shift);
  kit.QGtxtY(p.nunit == 0 ? "PLAN in" : "PLAN cm", 0, 300, 500);

  // 13. Response points in plan.
  s.SetPenWidth(3);
  if (!single) {
    for (int m = 1; m <= p.npt[K]; ++m) kit.QLine(p.xpt[m][K] + 0.075f, p.ypt[m][K], p.xpt[m][K] - 0.075f, p.ypt[m][K], 13);
  } else {
    for (int m = 1; m <= p.nr[K]; ++m) kit.QLine(p.rc[m][K] + 0.075f, 0, p.rc[m][K] - 0.075f, 0, 13);
  }
  s.SetPenWidth(1);

  // 14. Wheels.
  s.SetFillStyle(FillStyle::Transparent);
  if (single) {
    kit.Ellipse(left, bottom, r, ry);
  } else {
    const float xw = p.load[K] > 1 ? kit.QRtoIX(p.xw[K]) : left;
    const float yw = kit.QRtoIY(p.yw[K]);
    for (int k = 1; k <= p.load[K]; ++k) {
      const float x = left + static_cast<float>(k - 1) * (xw - left);
      kit.Ellipse(x, bottom, r, ry);
      kit.Ellipse(x, yw, r, ry);
    }
  }

  // 15. Load data, in the column of the damage sums: right of the plan, clear of a wheel at its end.
  s.SetFontSize(10);
  s.SetForeColour(12);
  kit.SHOWnum(kRightColumn, 600, "Contact Radius =", "##0.###", p.cr[K]);
  kit.Print(u.length);
  kit.SHOWnum(kRightColumn, 900, "Contact Pressure =", "###0.###", p.cp[K]);
  kit.Print(u.stress);
  if (p.load[K] > 0) {
    kit.SHOWnum(kRightColumn, 1200, "Dual Spacing =", "###0.###", p.yw[K]);
    kit.Print(u.length);
  }
  if (p.load[K] > 1) {
    kit.SHOWnum(kRightColumn, 1500, "Tandem Spacing =", "###0.###", p.xw[K]);
    kit.Print(u.length);
  }
  s.SetForeColour(0);

  // 16. Legend.
  s.SetPenWidth(3);
  kit.Line(kRightColumn, 1920, kRightColumn + 10, 1920, 13);
  s.SetPenWidth(1);
  kit.QGTxt("Response points", 0, kRightColumn + 100, 1800);
  if (p.matl == 2 || p.matl == 4) {
    s.SetFillColour(10);
    s.SetFillStyle(FillStyle::Solid);
    kit.Circle(kRightColumn, 2200, 20, 10);
    kit.QGTxt("Stress points for", 0, kRightColumn + 100, 2100);
    kit.QGTxt("nonlinear layers", 0, kRightColumn + 100, 2350);
    s.SetFillStyle(FillStyle::Transparent);
  }
}

}  // namespace pave::graphs
