#include "platform/gui/analysis_program.h"

#include "platform/gui/display.h"

#include <QApplication>

#include <iostream>

namespace pave {

int RunInWindow(const std::string& argument, const AnalysisProgram& program, const AnalysisRun& run) {
  AnalysisWindow window(program);
  window.set_running(true);
  window.SetBusy(true);
  window.show();
  QCoreApplication::processEvents();
  const int status = RunGuarded(run, argument, window, program.error_text);
  window.SetBusy(false);
  window.set_running(false);
  window.close();
  return status;
}

int RunAnalysisProgram(int argc, char** argv, const AnalysisProgram& program, const AnalysisRun& run) {
  std::string argument = ProgramArgument(argc, argv);
  if (!DisplayAvailable()) {
    return RunInTerminal(argument, run, std::cout, std::cerr, program.error_text);
  }
  OpenedDisplay display = OpenDisplay(argc, argv);
  if (!display.windows) {
    // A display was named but cannot be reached: the same run in the terminal.
    return RunInTerminal(argument, run, std::cout, std::cerr, program.error_text);
  }
  return RunInWindow(argument, program, run);
}

}  // namespace pave
