#include "shell/analysis_start.h"

#include <filesystem>

#include "common/data_file_name.h"
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

std::string AimAtChosenFile(AnalysisStart& start, const std::string& data_path) {
  const std::string chosen = data_path + start.file_box;
  std::error_code error;
  if (!std::filesystem::is_regular_file(chosen, error)) return std::string();
  for (const std::string& argument : {start.argument, chosen}) {
    if (DataFileOf(argument) == chosen) {
      start.argument = argument;
      return std::string();
    }
  }
  const std::vector<std::string> names = NamesDifferingOnlyInCase(chosen);
  if (names.empty()) return std::string();
  return "The analysis programs cannot tell the data file " + start.file_box + " from " + ListedNames(names) +
         ", whose name" + (names.size() > 1 ? "s differ" : " differs") +
         " from it only in letter case.  Please give one of them another name.";
}

}  // namespace pave
