// MORVELIN: the layered-system analysis program.
#include "layered_analysis/run_driver.h"
#include "platform/gui/analysis_program.h"

int main(int argc, char** argv) {
  pave::AnalysisProgram program;
  program.title = "MORVELIN";
  program.height_twips = 6450;
  program.width_twips = 9615;
  return pave::RunAnalysisProgram(argc, argv, program, pave::layered::RunMorvelin);
}
