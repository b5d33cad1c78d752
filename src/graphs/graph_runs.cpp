#include "graphs/graph_runs.h"

#include <memory>
#include <optional>

#include "graphs/contour_page.h"
#include "graphs/layer_graph_page.h"
#include "graphs/slab_grid_page.h"
#include "platform/platform.h"

namespace pave::graphs {

std::string StoppedProblemMessage(int problem) {
  return "Problem No. " + std::to_string(problem) +
         " stopped before its analysis was complete, so it has no graph.";
}

std::string NoProblemGraphMessage() {
  return "The graph file holds no problem: the analysis stopped before the first one, so there is no graph.";
}

namespace {
// A message about a problem that has no page: the window, empty since its last page, is hidden
// meanwhile (it shows itself again with the next page).
void TellWithoutPage(GraphRun& run, const std::string& text) {
  run.host.HideWindow();
  platform().messages().Tell(text, kGraphMessageTitle);
}

// A problem that the analysis stopped has no pages: the window says so. True when it stopped.
bool TellWhenStopped(GraphRun& run, bool complete, int problem) {
  if (!complete) TellWithoutPage(run, StoppedProblemMessage(problem));
  return !complete;
}
// A graph file of a data file that declares no problem holds nothing to draw: the window says so.
void TellWhenNoProblem(GraphRun& run, int count) {
  if (count < 1) TellWithoutPage(run, NoProblemGraphMessage());
}
}  // namespace

void RunLayerGraph(const std::string& data_file, GraphRun& run) {
  run.print_name = GraphPrintName(data_file, "TOLMER");
  run.graph_file = GraphFileName(data_file, ".LAY");
  RunGraphFile(run, [&] {
    LayerGraphReader reader = LayerGraphReader::FromFile(run.graph_file);
    TellWhenNoProblem(run, reader.ProblemCount());
    auto p = std::make_unique<LayerGraphProblem>();
    bool after_stop = false;
    for (int n = 1; n <= reader.ProblemCount(); ++n) {
      // The analysis ends its run at some stops: nothing follows the stopped problem then.
      if (after_stop && reader.AtEnd()) break;
      run.problem = n;
      after_stop = TellWhenStopped(run, reader.ReadProblem(*p), n);
      if (after_stop) continue;
      run.kit.QScreen(kGraphPageWidth, kGraphPageHeight);
      for (int j = 1; j <= p->npy; ++j) {
        for (int k = 1; k <= p->nlg; ++k) {
          DrawLayerGraphPage(run.kit, *p, n, j, k);
          if (!EndPage(run)) return;
        }
      }
    }
  });
}

namespace {
// A slab graph file being read, with the values of its current problem and page.
struct SlabGraphRead {
  explicit SlabGraphRead(const std::string& graph_file) : reader(SlabGraphReader::FromFile(graph_file)) {}
  SlabGraphReader reader;
  std::unique_ptr<SlabGraphProblem> p = std::make_unique<SlabGraphProblem>();
  std::unique_ptr<SlabGraphPage> page = std::make_unique<SlabGraphPage>();
};
}  // namespace

void RunSlabGridGraph(const std::string& data_file, GraphRun& run) {
  run.print_name = GraphPrintName(data_file, "VANSEK");
  run.graph_file = GraphFileName(data_file, ".SLA");
  RunGraphFile(run, [&] {
    SlabGraphRead file(run.graph_file);
    SlabGraphReader& reader = file.reader;
    TellWhenNoProblem(run, reader.ProblemCount());
    SlabGraphProblem* p = file.p.get();
    SlabGraphPage* page = file.page.get();
    bool after_stop = false;
    for (int n = 1; n <= reader.ProblemCount(); ++n) {
      // The analysis ends its run at a stop: nothing follows the stopped problem.
      if (after_stop && reader.AtEnd()) break;
      run.problem = n;
      after_stop = TellWhenStopped(run, reader.ReadProblemHead(*p), n);
      if (after_stop) continue;
      reader.ReadProblemRest(*p);
      run.surface.SetFontBold(true);
      run.kit.QScreen(kGraphPageWidth, kGraphPageHeight);
      for (int period = 1; period <= p->npy; ++period) {
        for (int group = 1; group <= p->nlg; ++group) {
          reader.ReadPage(*p, *page);
          std::optional<float> design_life;
          if (p->ndama != 0 && period == p->npy && group == p->nlg) design_life = reader.ReadDesignLife();
          DrawSlabGridPage(run.kit, *p, *page, n, period, group, design_life);
          run.surface.SetFontSize(10);
          if (!EndPage(run)) return;
        }
      }
    }
  });
}

void RunContourGraph(const std::string& data_file, GraphRun& run, std::int16_t& direction) {
  run.print_name = GraphPrintName(data_file, "CONTOUR");
  run.graph_file = GraphFileName(data_file, ".SLA");
  RunGraphFile(run, [&] {
    SlabGraphRead file(run.graph_file);
    SlabGraphReader& reader = file.reader;
    TellWhenNoProblem(run, reader.ProblemCount());
    SlabGraphProblem* p = file.p.get();
    SlabGraphPage* page = file.page.get();
    bool after_stop = false;
    for (int n = 1; n <= reader.ProblemCount(); ++n) {
      if (after_stop && reader.AtEnd()) break;
      run.problem = n;
      after_stop = TellWhenStopped(run, reader.ReadProblemHead(*p), n);
      if (after_stop) continue;
      // Decided from the problem's head, before its window shows: no window opens for a page that
      // cannot be drawn.
      if (!ContourConditionsMet(*p)) {
        TellWithoutPage(run, kContourConditionsMessage);
        return;
      }
      reader.ReadProblemRest(*p);
      reader.ReadPage(*p, *page);
      run.surface.SetFontBold(true);
      run.kit.QScreen(kContourPageWidth, kGraphPageHeight);
      for (ContourDirection dir : {ContourDirection::X, ContourDirection::Y}) {
        direction = static_cast<std::int16_t>(dir);
        for (int layer = 1; layer <= p->nlayer; ++layer) {
          run.host.SetCaption(ContourCaption(*p, n, dir, layer));
          if (DrawContourPage(run.kit, *p, *page, dir, layer, run.host)) {
            run.surface.SetFontSize(10);
            if (!EndPage(run)) return;
          } else {
            run.surface.Clear();   // the interval question was cancelled: the page is skipped
            if (!run.host.StillOpen()) return;
          }
        }
      }
    }
  });
}

}  // namespace pave::graphs
