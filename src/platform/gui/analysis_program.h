// The front end of the analysis programs. With a display the run shows its window; without one
// (neither DISPLAY nor WAYLAND_DISPLAY set) it runs in the terminal: progress on standard output,
// message texts on standard error, every OK taken as given.
#pragma once

#include "platform/gui/analysis_window.h"
#include "platform/terminal_host.h"

namespace pave {

// Picks the mode, runs `run` on argv[1] taken whole (empty when missing) and returns the exit
// status: 0 normal end, 1 input stop, 2 data error. An exception escaping the run shows the
// program's error text and gives 2.
int RunAnalysisProgram(int argc, char** argv, const AnalysisProgram& program, const AnalysisRun& run);

// The window mode alone (a QApplication must exist): shows the window, runs, closes it.
int RunInWindow(const std::string& argument, const AnalysisProgram& program, const AnalysisRun& run);

}  // namespace pave
