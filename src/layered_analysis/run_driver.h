// The run of the layered analysis program: from the data file's path on the command line, every
// problem of the layered data file is read and analysed for each period, load group and pass; the
// report (".TXT") and the layer graph file (".LAY") are written beside the data file as the run goes.
#pragma once

#include <string>

#include "common/analysis_host.h"

namespace pave::layered {

inline constexpr const char* kWrongFormatText = "FILE IS WRONG AND DOES NOT FIT WITH MORVELIN FORMAT";

// Runs the whole program on the host: progress log, message boxes, files. Returns the exit status.
RunEnd RunMorvelin(const std::string& argument, AnalysisHost& host);

}  // namespace pave::layered
