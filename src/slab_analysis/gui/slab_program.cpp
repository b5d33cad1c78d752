#include "slab_analysis/gui/slab_program.h"

#include <string>

#include "platform/gui/analysis_program.h"
#include "slab_analysis/slab_driver.h"

namespace pave::slab {

int RunSlabMain(int argc, char** argv, const SlabVariant& variant) {
  AnalysisProgram program;
  program.title = "BRUNTOLA";
  program.height_twips = 6800;
  program.width_twips = 9615;
  return RunAnalysisProgram(argc, argv, program, [&variant](const std::string& argument, AnalysisHost& host) {
    return RunSlabProgram(argument, variant, host);
  });
}

}  // namespace pave::slab
