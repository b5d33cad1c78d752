#include "graphs/contour_page.h"

#include <cmath>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "graphs/clear_labels.h"
#include "graphs/contour_page_frame.h"
#include "graphs/contour_page_marks.h"
#include "graphs/contour_page_slab.h"
#include "graphs/contour_tracer.h"
#include "graphs/page_room.h"
#include "platform/platform.h"

namespace pave::graphs {

namespace {

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

// The contours of the slab's results in units of the scale. Their numbers keep clear of what the
// page holds and of the marks still to come (the nodal forces and the maximum's circle); the plan's
// grid lines make way for a number that finds no other place.
void DrawContours(PlotKit& kit, const ContourPageSlab& slab, const PlanFrame& frame, const ContourRange& range,
                  const ContourLevels& levels, const std::vector<ForceMark>& forces) {
  DrawingSurface& s = kit.Surface();
  const int nx = slab.Columns(), ny = slab.Rows();
  auto z = std::make_unique<ContourValues>();
  for (int i = 1; i <= nx; ++i)
    for (int j = 1; j <= ny; ++j) (*z)[i][j] = slab.Result(ny * (i - 1) + j) / range.scale;
  ContourGridInput grid;
  for (int i = 1; i <= nx; ++i) grid.x.push_back(slab.X(i));
  for (int j = 1; j <= ny; ++j) grid.y.push_back(slab.Y(j));
  grid.z = z.get();
  grid.con_lo = range.lo;
  const std::vector<ContourSegment> segments = ContourSegments(kit, grid, levels);

  // The page but its grid lines, which go as lines of level 0.
  const std::span<const DrawnFigure> drawing = s.Drawing();
  PageRoom room;
  room.AddFigures(drawing.first(frame.grid_first));
  room.AddFigures(drawing.subspan(frame.grid_end));
  std::vector<ContourSegment> grid_lines;
  const float m = static_cast<float>(kPageOffset);
  for (const DrawnFigure& f : drawing.subspan(frame.grid_first, frame.grid_end - frame.grid_first)) {
    const auto at = [&](double v) { return static_cast<float>(v) - m; };
    grid_lines.push_back({0, {at(f.x1), at(f.y1)}, {at(f.x2), at(f.y2)}});
  }
  std::vector<PageBox> force_labels;
  for (const ForceMark& mark : forces) {
    room.AddCircle(mark.at.x, mark.at.y, kForceMarkRadius, true);
    room.AddText(mark.label);
    force_labels.push_back(mark.label);
  }
  if (slab.PageMax() != 0) {
    const WindowPos at = slab.Position(kit, slab.MaxNode());
    room.AddCircle(at.x, at.y, kMaximumMarkRadius, true);
  }
  s.SetFontName(kContourLabelFont);
  s.SetFontSize(kContourLabelSize);
  const std::vector<ContourLabel> labels = PlaceContourLabels(s, segments, levels, room, grid_lines);
  std::vector<PageBox> label_boxes;
  for (const ContourLabel& l : labels) label_boxes.push_back(l.box);
  BreakPlanGrid(s, frame, label_boxes);
  DrawContourLines(kit, segments, levels, labels, force_labels);
}

}  // namespace

std::string ForceNodeLabel(float value, float scale) {
  const float k = std::round(value / scale);
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
  const ContourPageSlab slab(p, page, dir, layer);
  DrawExtremesHeading(kit, p, slab);
  DrawLoadLegend(kit, p);
  DrawLevelLegend(kit);
  const PlanFrame frame = DrawPlanFrame(kit, p, slab);
  DrawLoadedAreas(kit, p, slab);
  ClearLabels labels(kit);
  DrawNodalMoments(kit, p, slab, labels);
  MarkMinimumNode(kit, slab);

  const ContourRange range = ContourRangeOf(slab.PageMax(), slab.PageMin(), p.outmode == 1);
  host.ShowWindow();
  const std::optional<ContourLevels> levels = AskLevels(range, ContourUnit(p), host.QuestionPlace());
  if (!levels) return false;
  const std::vector<ForceMark> forces = NodalForceMarks(kit, p, slab, range.scale);
  DrawContours(kit, slab, frame, range, *levels, forces);
  DrawNodalForces(kit, forces);
  MarkMaximumNode(kit, slab);

  DrawBottomTexts(kit, p, slab, range.scale, frame.low, labels);
  DrawXNumbers(kit, slab, frame.low);
  DrawYNumbers(kit, slab, frame.low);
  kit.Surface().SetFontSize(10);
  return true;
}

}  // namespace pave::graphs
