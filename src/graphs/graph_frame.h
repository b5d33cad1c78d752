// The frame shared by the three graph windows: the graph file's name, the window's place, the page
// cycle (print question, printing, clearing) and the error ending. A run does all its work while the
// window loads: it reads the graph file, draws one page after another on the window's drawing
// surface and offers each page for printing.
#pragma once

#include <functional>
#include <string>

#include "graphs/plot_kit.h"
#include "platform/drawing_surface.h"
#include "platform/messages.h"

namespace pave::graphs {

inline constexpr const char* kGraphMessageTitle = "ROVANTE";
inline constexpr const char* kPrintQuestion = "Want to print on the printer?";
inline constexpr const char* kGraphPrinterFailed = "The printer did not accept the page; it was not printed.";

// Extents of the page the kit maps onto, in twips (the windows' sizes before the margin of 1200 is
// added on the right and at the bottom).
inline constexpr int kGraphPageWidth = 9615 + kPageOffset;
inline constexpr int kContourPageWidth = 10000 + kPageOffset;
inline constexpr int kGraphPageHeight = 6450 + kPageOffset;

// The graph file of a data file's full path: a final ".DAT" in any letter case replaced by the
// extension (".LAY", ".SLA"); a name without it gets the extension appended.
std::string GraphFileName(const std::string& data_file, const std::string& extension);

// Left and top of a graph window of the given outer size: centred horizontally, 200 twips above the
// vertical centre; a side that would lie off the screen is set to -1200.
struct GraphPlacement {
  int left = 0;
  int top = 0;
};
GraphPlacement PlaceGraphWindow(int screen_width, int screen_height, int width, int height);

// The window a graph run draws in.
class GraphWindowHost {
 public:
  virtual ~GraphWindowHost() = default;
  // Shows the window with its drawing as it stands, in front, and lets it repaint. A run shows it
  // only once a page stands on it: a window never opens empty.
  virtual void ShowWindow() = 0;
  // Hides the window (its page cleared) while a message tells of a problem that has no page.
  virtual void HideWindow() {}
  virtual void SetCaption(const std::string& caption) = 0;
  // False once the user has closed the window: the run then ends.
  virtual bool StillOpen() const { return true; }
  // The window showing the pages: the questions about a page open beside it (none: over the active
  // window).
  virtual Window* PageWindow() { return nullptr; }
  BoxPlace QuestionPlace() { return BoxPlace::ClearOf(PageWindow()); }
};

// What every graph run works with.
struct GraphRun {
  GraphRun(DrawingSurface& s, GraphWindowHost& h) : surface(s), host(h), kit(s) {}
  DrawingSurface& surface;
  GraphWindowHost& host;
  PlotKit kit;
  std::string print_name;   // what a printed page names: the data file and the graph ("LAY5 TOLMER")
  std::string graph_file;   // the graph file being read, as its messages name it
  int page = 0;             // pages ended so far
  int problem = 0;   // the problem being drawn, from 1
};

// The print name of a graph of a data file's full path: its file name without ".DAT", then the
// graph's name.
std::string GraphPrintName(const std::string& data_file, const std::string& graph);

// The end of a page: shows it, asks "Want to print on the printer?" (Yes/No), on Yes prints the
// page's drawing (drawn again by the printer, the sheet turned to landscape) as a print command
// named after the run's print name and the page's number, and clears the drawing. False when the
// window was closed meanwhile (no further page then).
bool EndPage(GraphRun& run);

// Runs `body` (the reading and drawing of a whole graph file). A value the page cannot show (the
// kit's GraphError) ends the run with CannotDrawMessage for the run's problem; any other failure
// with GraphFileErrorMessage. The pages drawn before have been offered for printing.
void RunGraphFile(GraphRun& run, const std::function<void()>& body);

// "File not found or data error" and, on a line of its own, the place in the graph file and what
// stands there, as the analysis programs name a place in a data file ("In /data/X.SLA, line 12:
// NPY = 30 outside 0..24."). `where` is a reader's account of the fault; a fault that names no line
// is placed in the problem being drawn (none before the first).
std::string GraphFileErrorMessage(const std::string& graph_file, int problem, const std::string& where);

// "Problem No. 2 cannot be drawn: " followed by what cannot be drawn, and a full stop.
std::string CannotDrawMessage(int problem, const std::string& why);

}  // namespace pave::graphs
