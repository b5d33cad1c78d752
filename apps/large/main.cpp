// BRUNTOLA: the slab analysis program.
#include <string>

#include "platform/gui/analysis_program.h"

namespace {

// Stands in for the analysis until its engine is linked here.
pave::RunEnd Run(const std::string&, pave::AnalysisHost& host) {
  host.Message("The slab analysis of this program is not built yet.");
  return pave::RunEnd::InputStop;
}

}  // namespace

int main(int argc, char** argv) {
  pave::AnalysisProgram program;
  program.title = "BRUNTOLA";
  program.height_twips = 6800;
  program.width_twips = 9615;
  return pave::RunAnalysisProgram(argc, argv, program, Run);
}
