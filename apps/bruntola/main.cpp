// BRUNTOLA: the slab analysis program.
#include <string>

#include "platform/gui/analysis_program.h"
#include "slab_analysis/slab_driver.h"

namespace {

pave::RunEnd Run(const std::string& argument, pave::AnalysisHost& host) {
  return pave::slab::RunSlabProgram(argument, pave::slab::kBruntola, host);
}

}  // namespace

int main(int argc, char** argv) {
  pave::AnalysisProgram program;
  program.title = "BRUNTOLA";
  program.height_twips = 6800;
  program.width_twips = 9615;
  return pave::RunAnalysisProgram(argc, argv, program, Run);
}
