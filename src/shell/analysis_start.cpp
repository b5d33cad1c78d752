#include "shell/analysis_start.h"

#include "common/text_compare.h"

namespace pave {

const char* ProgramFileName(AnalysisProgram program) {
  switch (program) {
    case AnalysisProgram::Morvelin: return "morvelin";
    case AnalysisProgram::Bruntola: return "bruntola";
    case AnalysisProgram::Large: return "large";
  }
  return "";
}

AnalysisStart PrepareAnalysisStart(AnalysisProgram program, const std::string& file_box,
                                   const std::string& curnt_path, const std::string& data_path) {
  AnalysisStart start;
  std::string name = file_box;
  start.file_box = file_box;
  if (EndsWithDat(name)) {
    name.resize(name.size() - 4);
  } else {
    start.file_box = name + ".DAT";
  }
  start.program = curnt_path + ProgramFileName(program);
  start.argument = data_path + name;
  return start;
}

}  // namespace pave
