// The command lines with which the main window starts the analysis programs: the program in the
// program directory, and as its one argument the data file's path without ".DAT".
#pragma once

#include <string>

namespace pave {

enum class AnalysisProgram { Morvelin, Bruntola, Large };

// The program's file name as installed beside ROVANTE.
const char* ProgramFileName(AnalysisProgram program);

struct AnalysisStart {
  std::string program;    // gCurntPath & the program's file name
  std::string argument;   // gDataPath & the file name without ".DAT"
  std::string file_box;   // the file box's text afterwards
};

// From the file box's text: a name ending in ".DAT" (any case) loses it and the box stays; any other
// name is passed as it is and the box gets it with ".DAT" appended.
AnalysisStart PrepareAnalysisStart(AnalysisProgram program, const std::string& file_box,
                                   const std::string& curnt_path, const std::string& data_path);

// Makes the argument lead the program to exactly the file the user chose (`data_path` and the file
// box's name, as PrepareAnalysisStart left it) where another file, whose name differs from it only
// in letter case, would be read in its place: a name ending in ".dat" is then passed whole (the
// program removes that ending itself). Empty when the argument leads there (or no such file is
// there, which the program reports); otherwise the message why the run cannot start.
std::string AimAtChosenFile(AnalysisStart& start, const std::string& data_path);

}  // namespace pave
