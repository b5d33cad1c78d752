// The whole runs of the three graph windows, from the data file's full path: read the graph file
// beside it, draw every page, offer each for printing; any failure ends the run with "File not found
// or data error" and the place in the graph file.
#pragma once

#include <cstdint>
#include <string>

#include "graphs/graph_frame.h"

namespace pave::graphs {

// The layer graph (".LAY"): one page per problem, period and load group. A problem the analysis
// stopped is reported in a message and has no pages.
void RunLayerGraph(const std::string& data_file, GraphRun& run);
std::string StoppedProblemMessage(int problem);
// What the graph windows say of a graph file without problems (a data file that declares none).
std::string NoProblemGraphMessage();

// The slab grid graph (".SLA"): one page per problem, period and load group.
void RunSlabGridGraph(const std::string& data_file, GraphRun& run);

// The contour graph (".SLA"): per problem the x pages, then the y pages, one per slab layer.
// `direction` is set to 1 or 2 for the page being drawn.
void RunContourGraph(const std::string& data_file, GraphRun& run, std::int16_t& direction);

}  // namespace pave::graphs
