#include "graphs/graph_frame.h"

#include <exception>

#include "common/analysis_host.h"
#include "common/text_compare.h"
#include "platform/platform.h"

namespace pave::graphs {

std::string GraphFileName(const std::string& data_file, const std::string& extension) {
  if (EndsWithDat(data_file)) return data_file.substr(0, data_file.size() - 4) + extension;
  return data_file + extension;
}

GraphPlacement PlaceGraphWindow(int screen_width, int screen_height, int width, int height) {
  GraphPlacement at{screen_width / 2 - width / 2, screen_height / 2 - height / 2 - 200};
  if (at.top < 0) at.top = -kPageOffset;
  if (at.left < 0) at.left = -kPageOffset;
  return at;
}

std::string GraphPrintName(const std::string& data_file, const std::string& graph) {
  const std::size_t slash = data_file.find_last_of('/');
  std::string name = slash == std::string::npos ? data_file : data_file.substr(slash + 1);
  if (EndsWithDat(name)) name.resize(name.size() - 4);
  return name + " " + graph;
}

bool EndPage(GraphRun& run) {
  run.host.ShowWindow();
  ++run.page;
  // The question stands clear of the page it asks about.
  if (platform().messages().Show(kPrintQuestion, MessageButtons::YesNo, kGraphMessageTitle,
                                 run.host.QuestionPlace()) == MessageAnswer::Yes) {
    const PrintCommand command(platform().printer(), run.print_name + " page " + std::to_string(run.page));
    if (!platform().printer().PrintPage(DrawingPage(run.surface, PageOrientation::Landscape)))
      platform().messages().Tell(kGraphPrinterFailed, kGraphMessageTitle);
  }
  run.surface.Clear();
  return run.host.StillOpen();
}

std::string CannotDrawMessage(int problem, const std::string& why) {
  return "Problem No. " + std::to_string(problem) + " cannot be drawn: " + why + ".";
}

void RunGraphFile(GraphRun& run, const std::function<void()>& body) {
  // What was drawn of the page stays in view under the message; an empty window does not.
  auto tell = [&run](const std::string& text) {
    if (run.surface.Drawing().empty()) run.host.HideWindow();
    platform().messages().Tell(text, kGraphMessageTitle);
  };
  try {
    body();
  } catch (const GraphError& e) {
    tell(CannotDrawMessage(run.problem, e.what()));
  } catch (const std::exception& e) {
    tell(GraphFileErrorMessage(run.graph_file, run.problem, e.what()));
  }
}

std::string GraphFileErrorMessage(const std::string& graph_file, int problem, const std::string& where) {
  const bool placed = where.starts_with("line ") || where.starts_with(graph_file) || graph_file.empty();
  if (placed) return DataErrorMessage(kDataErrorText, graph_file, where);
  const std::string in_problem = problem > 0 ? ", problem " + std::to_string(problem) : std::string();
  return DataErrorMessage(kDataErrorText, graph_file, "In " + graph_file + in_problem + ": " + where);
}

}  // namespace pave::graphs
